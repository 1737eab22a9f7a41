#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/** A CSV file as written by tools/refdata: a header row of column names, then the rows; fields
 *  may be quoted with '"' (doubled inside), lines end with '\n'. */
struct CsvTable {
    QStringList columns;
    QList<QStringList> rows;

    /** Nothing when a row has a different field count than the header or a quote is open. */
    [[nodiscard]] static std::optional<CsvTable> parse(const QByteArray &utf8, QString *error);
};
