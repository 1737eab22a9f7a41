#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace cluster {

/** The terminal pane: the text of the connection as lines, the last one possibly unfinished.
 *  Text handed in shows at the next flush (a few times a second); only the last kMaxLines lines
 *  are kept. Carriage returns and other control characters but tabs are not shown. */
class TerminalModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int kMaxLines = 3000;
    static constexpr int kFlushIntervalMs = 250;
    enum Role { LineRole = Qt::UserRole + 1 };

    explicit TerminalModel(QObject *parent = nullptr);

    void addMessage(const QString &text);
    void flush();
    void clear();
    /** All kept lines joined with "\n" (for tests and the CLI). */
    [[nodiscard]] QString text() const;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

signals:
    /** Lines were added; the view scrolls to the end. */
    void appended();

private:
    QStringList m_lines;
    bool m_lastOpen = false; // the last line has no line feed yet
    QString m_pending;
    QTimer m_flushTimer;
};

} // namespace cluster
