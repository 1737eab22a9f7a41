#include "shell/AdifImportScreen.h"

#include "adif/AdifImport.h"
#include "adif/DxccEntityLookup.h"
#include "app/Diagnostics.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "refdata/DXCCModel.h"
#include "shell/LocalFile.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

namespace {

// Records are read in slices this long, so the window keeps drawing during a long import.
constexpr qint64 kSliceMs = 8;

// The text view shows only the start of a long text: laying out megabytes of wrapping text
// would stall the window for minutes. A file on one line is cut by characters.
constexpr int kPreviewLines = 300;
constexpr qsizetype kPreviewChars = 30000;
// Enough bytes for the preview's characters however they are encoded.
constexpr qsizetype kPreviewBytes = 4 * kPreviewChars;

/** The start of the text for the view; a cut text ends with a line "…". */
QString preview(const QString &text)
{
    qsizetype end = 0;
    for (int line = 0; line < kPreviewLines && end < text.size(); ++line) {
        const qsizetype next = text.indexOf(QLatin1Char('\n'), end);
        end = next < 0 ? text.size() : next + 1;
    }
    end = std::min(end, kPreviewChars);
    if (end >= text.size())
        return text;
    if (text.at(end - 1).isHighSurrogate())
        --end; // never half a character

    return text.left(end) +
           (text.at(end - 1) == QLatin1Char('\n') ? QString() : QStringLiteral("\n")) +
           QStringLiteral("…");
}

} // namespace

AdifImportScreen::AdifImportScreen(UserDefaults &defaults, LogModel &log, DXCCModel &dxcc,
                                   QObject *parent)
    : QObject(parent), m_defaults(defaults), m_log(log), m_dxcc(dxcc)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &AdifImportScreen::importSlice);
}

AdifImportScreen::~AdifImportScreen() = default;

void AdifImportScreen::importAdif(const QString &adif)
{
    if (importing())
        return;
    // The records are imported from what is prepared here, never from the shown text.
    m_prepared = adif::importAdif(adif);
    m_loaded = true;
    setText(preview(adif));
    setStatus(m_prepared.status);
}

bool AdifImportScreen::loadFile(const QString &pathOrUrl)
{
    QFile file(shell::localPath(pathOrUrl));
    if (!file.open(QIODevice::ReadOnly)) {
        diag(QStringLiteral("Error loading ADIF file: %1").arg(file.errorString()));
        return false;
    }
    importBytes(file.readAll());
    return true;
}

void AdifImportScreen::importBytes(const QByteArray &bytes)
{
    if (importing())
        return;
    // Records come from the file's own bytes, each value decoded by itself; only the start of
    // the file is decoded for the view.
    m_prepared = adif::prepareAdif(bytes);
    m_loaded = true;
    setText(preview(adif::decodeAdif(bytes.left(kPreviewBytes))));
    setStatus(m_prepared.status);
}

bool AdifImportScreen::importEnabled() const
{
    return m_loaded && m_prepared.estimate() > 0 && !importing();
}

void AdifImportScreen::startImport()
{
    if (!importEnabled())
        return;
    m_entities = std::make_unique<DxccEntityLookup>(m_dxcc);
    m_import = std::make_unique<AdifImport>(m_defaults, m_log, *m_entities);
    m_import->start(m_prepared);
    m_progress = 0.0;
    m_timer.start();
    emit progressChanged();
    emit statusChanged();
}

void AdifImportScreen::reset()
{
    if (importing())
        return;
    m_prepared = {};
    m_loaded = false;
    setText(QString());
    setStatus(QString());
}

void AdifImportScreen::importSlice()
{
    QElapsedTimer slice;
    slice.start();
    bool more = true;
    while (more && slice.elapsed() < kSliceMs)
        more = m_import->readNext(1);
    const qsizetype total = m_import->total();
    m_progress = total > 0 ? double(m_import->done()) / double(total) : 1.0;
    emit progressChanged();
    if (!more) {
        m_timer.stop();
        finish();
    }
}

void AdifImportScreen::finish()
{
    const AdifImport::Result result = m_import->finish();
    m_import.reset();
    m_entities.reset();
    // The text is imported; the same records are not offered twice.
    m_loaded = false;
    setText(preview(result.report));
    emit progressChanged();
    setStatus(result.status);
    emit imported(int(result.imported));
}

void AdifImportScreen::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit textChanged();
}

void AdifImportScreen::setStatus(const QString &status)
{
    m_status = status;
    emit statusChanged();
}
