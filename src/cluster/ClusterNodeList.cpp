#include "cluster/ClusterNodeList.h"

#include "app/UserDefaults.h"

namespace cluster {

ClusterNodeList::ClusterNodeList(UserDefaults &defaults, QObject *parent)
    : QObject(parent), m_defaults(defaults)
{
    reload();
}

void ClusterNodeList::reload()
{
    m_nodes = readClusters(m_defaults);
    m_usedIndex = int(m_defaults.integer(QStringLiteral("Used_Dx_Cluster_Index")));
    if (m_nodes.isEmpty()) {
        // The node that was in use all along becomes an entry the user can see and delete.
        m_nodes = {defaultCluster()};
        m_usedIndex = 0;
        saveClusters(m_defaults, m_nodes, m_usedIndex);
    }
    if (m_usedIndex < 0 || m_usedIndex >= m_nodes.size())
        m_usedIndex = 0;
    emit nodesChanged();
}

QVariantList ClusterNodeList::nodes() const
{
    QVariantList list;
    for (const ClusterAddress &node : m_nodes)
        list.append(QVariantMap{{QStringLiteral("name"), node.name},
                                {QStringLiteral("address"), node.adresse},
                                {QStringLiteral("port"), node.portnumber}});
    return list;
}

void ClusterNodeList::setUsedIndex(int index)
{
    if (index < 0 || index >= m_nodes.size() || index == m_usedIndex)
        return;
    m_usedIndex = index;
    save();
}

QString ClusterNodeList::add(const QString &name, const QString &address, const QString &port)
{
    const QString cleanName = name.trimmed();
    const QString cleanAddress = address.trimmed();
    if (cleanName.size() < 2 || cleanAddress.size() < 2)
        return tr("Name and address need at least 2 characters each.");
    bool isNumber = false;
    const int number = port.trimmed().toInt(&isNumber);
    if (!isNumber || number < 1 || number > 65535)
        return tr("The port must be a number from 1 to 65535.");
    m_nodes.append({cleanName, cleanAddress, number});
    m_usedIndex = int(m_nodes.size() - 1);
    save();
    return {};
}

void ClusterNodeList::remove(int index)
{
    if (index < 0 || index >= m_nodes.size())
        return;
    m_nodes.removeAt(index);
    if (m_usedIndex >= index && m_usedIndex > 0)
        --m_usedIndex;
    save();
}

void ClusterNodeList::save()
{
    saveClusters(m_defaults, m_nodes, m_usedIndex);
    emit nodesChanged();
}

} // namespace cluster
