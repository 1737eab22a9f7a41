#pragma once

#include <QMetaType>
#include <QSet>

/** What one committed write did to the logbook's QSOs, announced by `LogModel::qsosChanged`:
 *  the rows and the DXCC entities it touched, so that a listener can update what it keeps
 *  instead of reading everything again. */
struct QsoChange {
    /** Ids of the QSOs added, changed or deleted; empty when `many` is set. */
    QSet<qint64> ids;
    /** Entity numbers whose QSOs changed (before and after an edit that moves a QSO). */
    QSet<int> entities;
    /** Too many rows to list, or rows not known one by one: an import, emptying the logbook, a
     *  round of the synced logbook. */
    bool many = false;
    /** Brought in from another device by the synced logbook (not to be sent back). */
    bool fromSync = false;

    [[nodiscard]] static QsoChange manyRows()
    {
        QsoChange change;
        change.many = true;
        return change;
    }
    void add(qint64 id, int entity)
    {
        ids.insert(id);
        if (entity != 0)
            entities.insert(entity);
    }
    [[nodiscard]] bool isEmpty() const { return ids.isEmpty() && entities.isEmpty() && !many; }
};

Q_DECLARE_METATYPE(QsoChange)
