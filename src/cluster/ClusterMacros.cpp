#include "cluster/ClusterMacros.h"

#include "app/UserDefaults.h"

namespace cluster {
namespace {

QString titlesKey(int count)
{
    return count == ClusterMacros::kEightMacros ? QStringLiteral("DX-Macros-Buttontext-iP")
                                                : QStringLiteral("DX-Button-Texts");
}

QString textsKey(int count)
{
    return count == ClusterMacros::kEightMacros ? QStringLiteral("DX-Macros-iP")
                                                : QStringLiteral("DX-Macro-Texts");
}

QStringList padded(const QVariantList &values, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(values.value(i).toString());
    return list;
}

} // namespace

ClusterMacros::ClusterMacros(UserDefaults &defaults, QObject *parent)
    : QObject(parent), m_defaults(defaults)
{
    reload();
}

void ClusterMacros::setCount(int count)
{
    if (count == m_count || (count != kSixMacros && count != kEightMacros))
        return;
    m_count = count;
    reload();
}

void ClusterMacros::reload()
{
    m_titles = padded(m_defaults.list(titlesKey(m_count)), count());
    m_texts = padded(m_defaults.list(textsKey(m_count)), count());
    emit macrosChanged();
}

void ClusterMacros::setMacro(int index, const QString &title, const QString &text)
{
    if (index < 0 || index >= count())
        return;
    m_titles[index] = title;
    m_texts[index] = text;
    m_defaults.setValue(titlesKey(m_count), m_titles);
    m_defaults.setValue(textsKey(m_count), m_texts);
    emit macrosChanged();
}

std::optional<QString> ClusterMacros::immediateCommand(const QString &text)
{
    const qsizetype marker = text.indexOf(QLatin1String("%TX"), 0, Qt::CaseInsensitive);
    if (marker < 0)
        return std::nullopt;
    QString command = text;
    return command.remove(marker, 3);
}

} // namespace cluster
