#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/** The rows of the DX list: the entries of LogModel::getAllDxInfoStrings split into their parts,
 *  filtered and grouped into sections by their first character. */
namespace dxcc {

/** Where the status part of an entry starts, whichever way it is sorted. */
inline constexpr int kStatusStart = 43;

struct DxListRow {
    QString prefix;
    QString name;
    /** 13 groups of CW, Data and Phone cells, "... ... …" (160m … 70cm). */
    QString status;
    bool deleted = false;
    /** "0"–"9", "A"–"Z", or "#" for an entry that starts otherwise. */
    QString section;
};

/** Splits one entry; `byName` when it starts with the entity's name. */
[[nodiscard]] DxListRow parseDxListRow(const QString &entry, bool byName);

/** The entries the filter keeps (see dxstats::keepDxListRow), section by section: the digits,
 *  the capital letters, then any entry that starts with something else (so no entity is lost);
 *  the order within a section is the entries' order. Empty sections do not appear. */
[[nodiscard]] QList<DxListRow> sectionedRows(const QStringList &entries, bool byName,
                                             int tableMode);

/** The titles of the sections of sectioned rows, in order. */
[[nodiscard]] QStringList sectionTitles(const QList<DxListRow> &rows);

} // namespace dxcc
