#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <algorithm>

/** The ADIF fields of a QSO that the logbook does not model in its own columns: standard fields
 *  such as MY_GRIDSQUARE or SIG_INFO, other programs' APP_ fields and user-defined fields. Each is
 *  kept as it was read (name, value and the type indicator when one was given) and written back
 *  on export. Names are kept in lower case and compared in any case; a name is there at most
 *  once, and an empty value means the field is absent. */
struct ExtraField {
    QString name;  // lower case, ADIF-shaped (see isAdifFieldName)
    QString value; // never empty
    QString type;  // the data type indicator ("S", "N", …); empty when none was given

    friend bool operator==(const ExtraField &, const ExtraField &) = default;
};

class ExtraFields {
public:
    [[nodiscard]] bool isEmpty() const { return m_fields.isEmpty(); }
    [[nodiscard]] qsizetype size() const { return m_fields.size(); }
    [[nodiscard]] const QList<ExtraField> &list() const { return m_fields; }
    [[nodiscard]] auto begin() const { return m_fields.cbegin(); }
    [[nodiscard]] auto end() const { return m_fields.cend(); }

    /** The value of the field of that name; "" when absent. */
    [[nodiscard]] QString value(QStringView name) const;
    [[nodiscard]] bool contains(QStringView name) const;
    /** Sets a field (an empty value removes it); the type stays when none is given and the field
     *  was there. The name must be ADIF-shaped; answers false and changes nothing otherwise. */
    bool set(QStringView name, const QString &value, const QString &type = {});
    void remove(QStringView name);
    void clear() { m_fields.clear(); }

    /** The same fields, in any order. */
    friend bool operator==(const ExtraFields &a, const ExtraFields &b)
    {
        return a.m_fields.size() == b.m_fields.size() &&
               std::all_of(a.begin(), a.end(),
                           [&b](const ExtraField &field) { return b.m_fields.contains(field); });
    }

private:
    QList<ExtraField> m_fields; // in the order first set
};

namespace adif {

/** Whether a text may name an ADIF field: 1 to 64 printable ASCII characters other than the
 *  blank, ",", ":", "<", ">", "{" and "}" (which ADIF keeps out of names, and which would break
 *  a record). Other programs' names such as "APP_WSJT-X_CALL" are fine. */
[[nodiscard]] bool isAdifFieldName(QStringView name);

} // namespace adif
