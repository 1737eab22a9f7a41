#include "shell/LogbookFileImport.h"

#include "app/DataFolder.h"
#include "app/Diagnostics.h"
#include "model/LogbookFiles.h"
#include "shell/LocalFile.h"
#include "shell/ShellTexts.h"

#include <QFile>
#include <QFileInfo>

LogbookFileImport::LogbookFileImport(const DataFolder &folder, QObject *parent)
    : QObject(parent), m_folder(folder)
{}

void LogbookFileImport::importFile(const QString &pathOrUrl)
{
    const QString source = shell::localPath(pathOrUrl);
    const QString name = QFileInfo(source).fileName();
    if (const QString error = logbookfiles::logbookNameError(name); !error.isEmpty()) {
        diag(QStringLiteral("Error loading rlog file: %1").arg(error));
        return;
    }
    if (QFile::exists(m_folder.filePath(name))) {
        m_pendingSource = source;
        emit questionPendingChanged();
        return;
    }
    copyIn(source, name);
}

void LogbookFileImport::overwrite()
{
    if (!questionPending())
        return;
    const QString source = m_pendingSource;
    const QString name = pendingName();
    clearQuestion();
    const QString target = m_folder.filePath(name);
    // Importing a logbook onto itself would delete it before the copy.
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        emit imported(name);
        return;
    }
    QFile existing(target);
    if (!existing.remove()) {
        diag(QStringLiteral("Error loading rlog file: %1").arg(existing.errorString()));
        return;
    }
    copyIn(source, name);
}

void LogbookFileImport::cancel()
{
    clearQuestion();
}

QString LogbookFileImport::pendingName() const
{
    return QFileInfo(m_pendingSource).fileName();
}

void LogbookFileImport::copyIn(const QString &source, const QString &name)
{
    const QString target = m_folder.filePath(name);
    QFile file(source);
    if (!file.copy(target)) {
        diag(QStringLiteral("Error loading rlog file: %1").arg(file.errorString()));
        return;
    }
    // The handed file is the user's own on a desktop, so it stays where it is; only the copy
    // must be writable like every logbook.
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    emit imported(name);
}

void LogbookFileImport::clearQuestion()
{
    if (m_pendingSource.isEmpty())
        return;
    m_pendingSource.clear();
    emit questionPendingChanged();
}

QString LogbookFileImport::questionTitle()
{
    return shelltexts::shown(shelltexts::kFileExistsTitle);
}

QString LogbookFileImport::questionMessage()
{
    return shelltexts::shown(shelltexts::kFileExistsMessage);
}

QString LogbookFileImport::overwriteText()
{
    return shelltexts::shown(shelltexts::kOverwriteLogbook);
}

QString LogbookFileImport::cancelText()
{
    return shelltexts::shown(shelltexts::kCancel);
}
