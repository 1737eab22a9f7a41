#include "cluster/ClusterAddress.h"

#include "app/UserDefaults.h"

namespace cluster {
namespace {

const QString kClustersKey = QStringLiteral("DX-Clusters");
const QString kUsedIndexKey = QStringLiteral("Used_Dx_Cluster_Index");

} // namespace

ClusterAddress defaultCluster()
{
    return {QStringLiteral("Kiel"), QStringLiteral("db0sue.de"), 8000};
}

QList<ClusterAddress> readClusters(const UserDefaults &defaults)
{
    QList<ClusterAddress> clusters;
    for (const QVariant &entry : defaults.list(kClustersKey)) {
        const QVariantList fields = entry.toList();
        bool isNumber = false;
        const int port = fields.value(2).toInt(&isNumber);
        if (fields.size() == 3 && isNumber)
            clusters.append({fields.at(0).toString(), fields.at(1).toString(), port});
    }
    return clusters;
}

ClusterAddress usedCluster(const UserDefaults &defaults)
{
    const QList<ClusterAddress> clusters = readClusters(defaults);
    const qint64 index = defaults.integer(kUsedIndexKey);
    if (index < 0 || index >= clusters.size())
        return defaultCluster();
    return clusters.at(qsizetype(index));
}

void saveClusters(UserDefaults &defaults, const QList<ClusterAddress> &clusters, int usedIndex)
{
    QVariantList entries;
    for (const ClusterAddress &cluster : clusters)
        entries.append(QVariant(QVariantList{cluster.name, cluster.adresse, cluster.portnumber}));
    defaults.setValue(kClustersKey, entries);
    defaults.setValue(kUsedIndexKey, usedIndex);
}

} // namespace cluster
