#pragma once

// What the LoTW and eQSL tests start from: the shell tests' data folder and application object
// with QSOs written straight into the default logbook, and LoTW reports / eQSL inbox files built
// from a few fields per record.

#include "../entry/LogFixture.h"
#include "model/QslSession.h"

#include <QStringList>

struct QslFixture : LogFixture {
    /** "<NAME:length>value" with the length in bytes. */
    static QByteArray field(const QByteArray &name, const QByteArray &value)
    {
        return "<" + name + ":" + QByteArray::number(value.size()) + ">" + value + "\n";
    }

    /** A LoTW record from "CALL|yyyy-MM-dd HH:mm:ss[|BAND|MODE|DXCC|more ADIF]". */
    static QByteArray lotwRecord(const QString &entry)
    {
        const QStringList p = entry.split(QLatin1Char('|'));
        const QDateTime at = utc(p.value(1));
        QByteArray record = field("CALL", p.value(0).toUtf8()) +
                            field("BAND", p.value(2, QStringLiteral("20M")).toUtf8()) +
                            field("MODE", p.value(3, QStringLiteral("CW")).toUtf8()) +
                            field("QSO_DATE", at.toString(QStringLiteral("yyyyMMdd")).toUtf8()) +
                            field("TIME_ON", at.toString(QStringLiteral("HHmmss")).toUtf8()) +
                            field("QSL_RCVD", "Y");
        if (!p.value(4).isEmpty())
            record += field("DXCC", p.value(4).toUtf8());
        record += p.value(5).toUtf8();
        return record + "<eor>\n\n";
    }

    /** A whole report; `declared` -1 gives the true record count. */
    static QByteArray lotwReport(const QStringList &records, int declared = -1,
                                 const QByteArray &lastQsl = "2025-06-15 12:30:00")
    {
        QByteArray body;
        for (const QString &record : records)
            body += lotwRecord(record);
        const QByteArray count = QByteArray::number(declared < 0 ? records.size() : declared);
        return "ARRL Logbook of the World Status Report\nGenerated at 2025-06-15 12:31:00\n"
               "for k1abc\nQuery:\n    QSL ONLY: YES\n\n" +
               field("PROGRAMID", "LoTW") + field("APP_LoTW_LASTQSL", lastQsl) +
               field("APP_LoTW_NUMREC", count) + "\n<eoh>\n\n" + body + "<APP_LoTW_EOF>\n";
    }

    /** Stores QSOs from "CALL|datetime[|band|mode|adif|lotwqsl|eqsl]" in order (ids 1, 2, …). */
    void storeEntries(const QStringList &entries)
    {
        QList<QsoClass> qsos;
        for (const QString &entry : entries) {
            const QStringList p = entry.split(QLatin1Char('|'));
            QsoClass q = qso(p.value(0), p.value(1));
            q.band = p.value(2, QStringLiteral("20m"));
            q.mode = p.value(3, QStringLiteral("CW"));
            q.adif = p.value(4, QStringLiteral("230")).toInt();
            q.opIsValid = q.adif >= 0;
            q.lotwqsl = p.value(5);
            q.eqsl = p.value(6);
            qsos << q;
        }
        store(qsos);
    }

    [[nodiscard]] QString logbookPath() const { return path(QStringLiteral("DefaultLog.rlog")); }
};
