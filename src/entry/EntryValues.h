#pragma once

#include <QString>
#include <QStringList>

/** The texts in the entry form's fields. Keys are the record's field names ("callsign",
 *  "qrgString", "rsttx", "user_1", …), so screens address a field by the name it is stored as. */
struct EntryValues {
    QString callsign;
    QString dateString;
    QString timeString;
    QString qrgString;
    QString band;
    QString mode;
    QString rsttx;
    QString rstrx;
    QString qsl;
    QString lotwqsl;
    QString eqsl;
    QString cq;
    QString itu;
    QString state;
    QString county;
    QString iota;
    QString manager;
    QString name;
    QString qth;
    QString locator;
    QString note;
    QString power; // free-text power
    QString dxcc;  // the phone shows the entity's prefix in a field of its own
    QString user_1;
    QString user_2;
    QString user_3;
    QString user_4;

    /** Every key, in the order of the form. */
    [[nodiscard]] static const QStringList &keys();
    /** The text under a key; empty for an unknown key. */
    [[nodiscard]] QString value(const QString &key) const;
    /** Sets a text; false for an unknown key. */
    bool set(const QString &key, const QString &text);
    /** User field 1–4. */
    [[nodiscard]] QString &userField(int number);
    [[nodiscard]] const QString &userField(int number) const;
};
