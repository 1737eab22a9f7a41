#include "services/Tqsl.h"

#include "services/TqslTexts.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <array>

namespace tqsl {

QStringList arguments(const QString &location, const QString &file)
{
    return {QStringLiteral("-x"),
            QStringLiteral("-d"),
            QStringLiteral("-q"),
            QStringLiteral("-u"),
            QStringLiteral("-a"),
            QStringLiteral("compliant"),
            QStringLiteral("-l"),
            location,
            file};
}

Verdict verdict(int exitCode)
{
    switch (exitCode) {
    case 0:
        return Verdict::Accepted;
    case 8:
    case 9:
        return Verdict::AcceptedSkipped;
    default:
        return Verdict::Failed;
    }
}

QString meaning(int exitCode)
{
    static constexpr std::array<const char *, 14> kMeanings = {nullptr,
                                                               tqsltexts::kExit1,
                                                               tqsltexts::kExit2,
                                                               tqsltexts::kExit3,
                                                               tqsltexts::kExit4,
                                                               tqsltexts::kExit5,
                                                               tqsltexts::kExit6,
                                                               tqsltexts::kExit7,
                                                               tqsltexts::kExit8,
                                                               tqsltexts::kExit9,
                                                               tqsltexts::kExit10,
                                                               tqsltexts::kExit11,
                                                               tqsltexts::kExit12,
                                                               tqsltexts::kExit13};
    if (exitCode <= 0 || exitCode >= int(kMeanings.size()))
        return exitCode == 0 ? QString() : tqsltexts::shown(tqsltexts::kExitOther);
    return tqsltexts::shown(kMeanings.at(std::size_t(exitCode)));
}

QString findProgram(const QString &setting)
{
    const QString name = setting.trimmed().isEmpty() ? QStringLiteral("tqsl") : setting.trimmed();
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo file(name);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(name);
}

} // namespace tqsl
