#pragma once

#include "scanner/CardMatcher.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QList>

namespace scanner {

/** The texts the receiver got, newest first, each with what the logbook says to it. */
class ReceivedCards : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    static constexpr int kKept = 50;

    enum Role {
        TimeRole = Qt::UserRole + 1, // "14:32:05", UTC
        SenderRole,
        TextRole,       // the text as received, control characters shown as replacements
        IsCardRole,     // "From:" and "To:" were found and readable
        MessageRole,    // what was found, or why nothing is done
        NoteRole,       // a remark ("The card is for …")
        CandidatesRole, // the fitting QSOs, one line each
        CanMarkRole,    // a QSO (or a choice of them) is there to mark
        OutcomeRole,    // "QSL marked received (R) on 2026-12-07", or why not
    };

    struct Row {
        QDateTime time;
        QString sender;
        QString text;
        CardMatch match;
        QString outcome;
        bool marked = false;
    };

    explicit ReceivedCards(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;
    [[nodiscard]] int count() const { return int(m_rows.size()); }

    /** Puts a row on top; the oldest beyond kKept go. */
    void prepend(Row row);
    [[nodiscard]] const Row *row(int index) const;
    /** Records what marking did. */
    void setOutcome(int index, const QString &outcome, bool marked);

signals:
    void countChanged();

private:
    QList<Row> m_rows;
};

} // namespace scanner
