#pragma once

#include <QList>
#include <QString>

class UserDefaults;

/** One DX cluster node the user can connect to. */
struct ClusterAddress {
    QString name;    // shown in titles and the connection messages
    QString adresse; // host name or address
    qint32 portnumber = 0;

    [[nodiscard]] bool operator==(const ClusterAddress &) const = default;
};

namespace cluster {

/** The node used when the user has none: DB0SUE, the DX Spider node in Kiel. */
[[nodiscard]] ClusterAddress defaultCluster();

/** The nodes of "DX-Clusters" ([name, address, port] each); entries that are not such triples are
 *  skipped. */
[[nodiscard]] QList<ClusterAddress> readClusters(const UserDefaults &defaults);
/** The entry of "Used_Dx_Cluster_Index", or the default node when the list is empty or the
 *  index is out of range. */
[[nodiscard]] ClusterAddress usedCluster(const UserDefaults &defaults);
/** Writes the whole list as [name, address, port] arrays and the index in use. */
void saveClusters(UserDefaults &defaults, const QList<ClusterAddress> &clusters, int usedIndex);

} // namespace cluster
