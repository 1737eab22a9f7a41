#include "station/ProfileEditor.h"

#include "station/StationProfiles.h"

#include <array>

namespace {

struct FormField {
    const char *key;
    QString StationProfile::*field;
    const char *label;
    const char *hint;
};

const std::array<FormField, 15> kForm{{
    {"name", &StationProfile::name, QT_TRANSLATE_NOOP("ProfileEditor", "Profile name"),
     QT_TRANSLATE_NOOP("ProfileEditor", "e.g. Home")},
    {"callsign", &StationProfile::callsign, QT_TRANSLATE_NOOP("ProfileEditor", "Station callsign"),
     "DL1ABC/P"},
    {"operator", &StationProfile::operatorCall, QT_TRANSLATE_NOOP("ProfileEditor", "Operator"),
     "DL1ABC"},
    {"locator", &StationProfile::locator,
     QT_TRANSLATE_NOOP("ProfileEditor", "Locator (6 or 8 characters)"), "JO62QM"},
    {"pota", &StationProfile::pota, QT_TRANSLATE_NOOP("ProfileEditor", "POTA park"), "DL-0123"},
    {"sota", &StationProfile::sota, QT_TRANSLATE_NOOP("ProfileEditor", "SOTA summit"), "DM/BR-001"},
    {"wwff", &StationProfile::wwff, QT_TRANSLATE_NOOP("ProfileEditor", "WWFF area"), "DLFF-0123"},
    {"iota", &StationProfile::iota, QT_TRANSLATE_NOOP("ProfileEditor", "IOTA"), "EU-005"},
    {"state", &StationProfile::state, QT_TRANSLATE_NOOP("ProfileEditor", "State"), ""},
    {"county", &StationProfile::county, QT_TRANSLATE_NOOP("ProfileEditor", "County"), ""},
    {"cq", &StationProfile::cqZone, QT_TRANSLATE_NOOP("ProfileEditor", "CQ zone"), "14"},
    {"itu", &StationProfile::ituZone, QT_TRANSLATE_NOOP("ProfileEditor", "ITU zone"), "28"},
    {"power", &StationProfile::power, QT_TRANSLATE_NOOP("ProfileEditor", "Power (W)"), "5"},
    {"rig", &StationProfile::rig, QT_TRANSLATE_NOOP("ProfileEditor", "Rig"), ""},
    {"antenna", &StationProfile::antenna, QT_TRANSLATE_NOOP("ProfileEditor", "Antenna"), ""},
}};

} // namespace

ProfileEditor::ProfileEditor(StationProfiles &profiles, QObject *parent)
    : QObject(parent), m_profiles(profiles)
{
    connect(&m_profiles, &StationProfiles::changed, this, &ProfileEditor::listChanged);
}

QStringList ProfileEditor::names() const
{
    return m_profiles.names();
}

QString ProfileEditor::activeName() const
{
    return m_profiles.activeName();
}

QVariantList ProfileEditor::fields() const
{
    QVariantList list;
    for (const FormField &f : kForm)
        list.append(QVariantMap{{QStringLiteral("key"), QLatin1String(f.key)},
                                {QStringLiteral("label"), tr(f.label)},
                                {QStringLiteral("hint"), tr(f.hint)},
                                {QStringLiteral("value"), m_form.*f.field}});
    return list;
}

QString ProfileEditor::formTitle() const
{
    return m_editing.isEmpty() ? tr("New station profile")
                               : tr("Edit \u201c%1\u201d").arg(m_editing);
}

void ProfileEditor::newProfile()
{
    m_form = {};
    m_editing.clear();
    tell({}, false);
    emit formChanged();
}

void ProfileEditor::edit(const QString &name)
{
    const std::optional<StationProfile> profile = m_profiles.profile(name);
    if (!profile)
        return;
    m_form = *profile;
    m_editing = profile->name;
    tell({}, false);
    emit formChanged();
}

void ProfileEditor::setField(const QString &key, const QString &value)
{
    for (const FormField &f : kForm)
        if (key == QLatin1String(f.key))
            m_form.*f.field = value;
}

bool ProfileEditor::save()
{
    if (const QString problem = m_profiles.save(m_form, m_editing); !problem.isEmpty()) {
        tell(problem, true);
        return false;
    }
    m_form.normalise();
    m_editing = m_form.name;
    tell(tr("Saved \u201c%1\u201d.").arg(m_editing), false);
    emit formChanged();
    return true;
}

void ProfileEditor::remove(const QString &name)
{
    if (const QString problem = m_profiles.remove(name); !problem.isEmpty()) {
        tell(problem, true);
        return;
    }
    if (name.compare(m_editing, Qt::CaseInsensitive) == 0)
        newProfile();
}

void ProfileEditor::select(const QString &name)
{
    if (const QString problem = m_profiles.select(name); !problem.isEmpty())
        tell(problem, true);
}

void ProfileEditor::tell(const QString &text, bool error)
{
    m_message = text;
    m_messageIsError = error;
    emit messageChanged();
}
