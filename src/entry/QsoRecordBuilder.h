#pragma once

#include "entry/EntryValues.h"
#include "formats/Formats.h"
#include "model/QsoClass.h"
#include "refdata/CountryClass.h"

#include <QDateTime>

#include <optional>

/** What a new or edited QSO is made of besides the field texts. */
struct RecordContext {
    bool page = false; // the form is a page: the county from the state and county fields
    bool realTime = true;
    QDateTime now;
    formats::DateStyle dateStyle = formats::DateStyle::Short;
    CountryClass entity;
    bool opIsValid = true;
    QString power; // the chosen preset's name or the free text
    qint64 colorCode = 0;
    QString ownPosition;            // put before the note when the position is saved with QSOs
    bool countyAsked = false;       // the entity has counties (6, 110, 291)
    QString countyLine;             // panel: what the county line shows
    std::optional<QsoClass> stored; // page: the QSO being edited
    bool dateTouched = false;       // page: its date or time was changed
};

/** Builds the record the form logs, from checked field texts. The date-time is the clock's now
 *  with the real-time clock on, else the date and time fields. */
[[nodiscard]] QsoClass buildQsoRecord(const EntryValues &values, const RecordContext &context);
