#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

class UserDefaults;

/** The band table editor: 12 bands × 4 frequencies in kHz (lower edge, end of CW, start of
 *  phone, upper edge), field 1 + 4·row + column. Decimals are kept unless the screen asks
 *  for whole kHz (the phone's narrow fields). Every accepted edit writes "QRGs" and posts
 * "DxPrefsWereChanged". */
class BandTableSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList values READ values NOTIFY changed)
    Q_PROPERTY(QStringList bandNames READ bandNames CONSTANT)
    Q_PROPERTY(QStringList columnTitles READ columnTitles CONSTANT)
    Q_PROPERTY(bool wholeKHz READ wholeKHz WRITE setWholeKHz NOTIFY wholeKHzChanged)
public:
    static constexpr int kRows = 12;
    static constexpr int kColumns = 4;

    BandTableSettings(UserDefaults &defaults, QObject *parent = nullptr);

    /** Stores one value (index 0–47); false, and nothing stored, for text that is no number. */
    Q_INVOKABLE bool setValue(int index, const QString &text);
    /** Reads the table again (after another screen changed it). */
    Q_INVOKABLE void reload();

    [[nodiscard]] const QStringList &values() const { return m_values; }
    [[nodiscard]] static QStringList bandNames();
    [[nodiscard]] static QStringList columnTitles();
    [[nodiscard]] bool wholeKHz() const { return m_wholeKHz; }
    /** Values typed from now on are rounded to whole kHz. */
    void setWholeKHz(bool whole);

signals:
    void changed();
    void wholeKHzChanged();

private:
    [[nodiscard]] static QString display(const QVariant &value);

    UserDefaults &m_defaults;
    bool m_wholeKHz = false;
    bool m_writing = false; // our own write of the table, already shown
    QVariantList m_rows;
    QStringList m_values;
};
