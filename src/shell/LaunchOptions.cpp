#include "shell/LaunchOptions.h"

#include <QCommandLineParser>

namespace {

void setup(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Brindlewick, a logbook for radio amateurs"));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("data-dir"), QStringLiteral("Keep logbooks and settings in DIR."),
         QStringLiteral("DIR")},
        {QStringLiteral("layout"),
         QStringLiteral("Screen set: phone or tablet (default: by window width)."),
         QStringLiteral("phone|tablet")},
        {QStringLiteral("theme"), QStringLiteral("Colours: light or dark (default: system)."),
         QStringLiteral("light|dark")},
        {QStringLiteral("shortcut"), QStringLiteral("Start as from a home-screen shortcut."),
         QStringLiteral("DX_Cluster|New_Qso|QSLs")},
        {QStringLiteral("screenshot"),
         QStringLiteral("Render each main screen into DIR/<screen>.png and quit."),
         QStringLiteral("DIR")},
        {QStringLiteral("startup-probe"),
         QStringLiteral("Print when the first frame showed the log list filled, and the peak "
                        "memory, then quit.")},
    });
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("ADIF files to import, logbook files to take in."),
                                 QStringLiteral("[files...]"));
}

std::optional<LaunchOptions> fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

} // namespace

std::optional<LaunchOptions> LaunchOptions::parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    setup(parser);
    if (!parser.parse(arguments))
        return fail(error, parser.errorText());
    LaunchOptions options;
    options.help = parser.isSet(QStringLiteral("help"));
    const QString layout = parser.value(QStringLiteral("layout"));
    if (layout == QLatin1String("phone"))
        options.layout = Layout::Phone;
    else if (layout == QLatin1String("tablet"))
        options.layout = Layout::Tablet;
    else if (!layout.isEmpty())
        return fail(error, QStringLiteral("--layout takes phone or tablet"));
    const QString theme = parser.value(QStringLiteral("theme"));
    if (theme == QLatin1String("light"))
        options.theme = Theme::Light;
    else if (theme == QLatin1String("dark"))
        options.theme = Theme::Dark;
    else if (!theme.isEmpty())
        return fail(error, QStringLiteral("--theme takes light or dark"));
    options.shortcut = parser.value(QStringLiteral("shortcut"));
    static const QStringList shortcuts = {QStringLiteral("DX_Cluster"), QStringLiteral("New_Qso"),
                                          QStringLiteral("QSLs")};
    if (!options.shortcut.isEmpty() && !shortcuts.contains(options.shortcut))
        return fail(error, QStringLiteral("--shortcut takes DX_Cluster, New_Qso or QSLs"));
    options.screenshotDir = parser.value(QStringLiteral("screenshot"));
    options.startupProbe = parser.isSet(QStringLiteral("startup-probe"));
    options.files = parser.positionalArguments();
    return options;
}

QString LaunchOptions::usage()
{
    QCommandLineParser parser;
    setup(parser);
    return parser.helpText();
}
