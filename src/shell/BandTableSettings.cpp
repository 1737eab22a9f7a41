#include "shell/BandTableSettings.h"

#include "app/UserDefaults.h"

#include <QLocale>

#include <cmath>

namespace {

const QString kQrgs = QStringLiteral("QRGs");

} // namespace

BandTableSettings::BandTableSettings(UserDefaults &defaults, QObject *parent)
    : QObject(parent), m_defaults(defaults)
{
    reload();
    // The table may be written elsewhere too (the command line, a settings file).
    connect(&defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == kQrgs && !m_writing)
            reload();
    });
}

void BandTableSettings::setWholeKHz(bool whole)
{
    if (whole == m_wholeKHz)
        return;
    m_wholeKHz = whole;
    emit wholeKHzChanged();
}

bool BandTableSettings::setValue(int index, const QString &text)
{
    if (index < 0 || index >= kRows * kColumns)
        return false;
    bool ok = false;
    double kHz = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(kHz) || kHz < 0)
        return false;
    const int row = index / kColumns;
    const int column = index % kColumns;
    QVariantList cells = m_rows.value(row).toList();
    while (cells.size() < kColumns)
        cells.append(0.0);
    // A row may carry more than four numbers; those are kept as they are.
    if (m_wholeKHz)
        cells[column] = qint64(std::llround(kHz));
    else
        cells[column] = kHz;
    m_rows[row] = cells;
    m_writing = true;
    m_defaults.setValue(kQrgs, m_rows);
    m_writing = false;
    m_values[index] = display(cells.at(column));
    emit changed();
    return true;
}

void BandTableSettings::reload()
{
    m_rows = m_defaults.list(kQrgs);
    while (m_rows.size() < kRows)
        m_rows.append(QVariant(QVariantList{}));
    m_values.clear();
    for (int row = 0; row < kRows; ++row) {
        const QVariantList cells = m_rows.at(row).toList();
        for (int column = 0; column < kColumns; ++column)
            m_values << (column < cells.size() ? display(cells.at(column)) : QString());
    }
    emit changed();
}

QStringList BandTableSettings::bandNames()
{
    return {QStringLiteral("160m"), QStringLiteral("80m"), QStringLiteral("40m"),
            QStringLiteral("30m"),  QStringLiteral("20m"), QStringLiteral("17m"),
            QStringLiteral("15m"),  QStringLiteral("12m"), QStringLiteral("10m"),
            QStringLiteral("6m"),   QStringLiteral("2m"),  QStringLiteral("70cm")};
}

QStringList BandTableSettings::columnTitles()
{
    return {tr("Lower edge"), tr("CW up to"), tr("Phone from"), tr("Upper edge")};
}

QString BandTableSettings::display(const QVariant &value)
{
    bool ok = false;
    const double kHz = value.toDouble(&ok);
    return ok ? QLocale::c().toString(kHz, 'g', 12) : value.toString();
}
