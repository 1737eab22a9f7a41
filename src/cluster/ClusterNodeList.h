#pragma once

#include "cluster/ClusterAddress.h"

#include <QObject>
#include <QVariantList>

class UserDefaults;

namespace cluster {

/** The node list editor: the nodes in a picker, adding and deleting entries and choosing the
 *  one in use. Every change is stored at once and announced with "DxPrefsWereChanged". */
class ClusterNodeList : public QObject {
    Q_OBJECT
    /** Each entry: {name, address, port}. */
    Q_PROPERTY(QVariantList nodes READ nodes NOTIFY nodesChanged)
    Q_PROPERTY(int usedIndex READ usedIndex WRITE setUsedIndex NOTIFY nodesChanged)
public:
    ClusterNodeList(UserDefaults &defaults, QObject *parent = nullptr);

    [[nodiscard]] QVariantList nodes() const;
    [[nodiscard]] int usedIndex() const { return m_usedIndex; }
    void setUsedIndex(int index);

    /** Adds a node and selects it; the reason when the entry is refused (name or address
     *  shorter than 2 characters, a port that is not a number from 1 to 65535), "" when
     *  added. */
    Q_INVOKABLE QString add(const QString &name, const QString &address, const QString &port);
    Q_INVOKABLE void remove(int index);
    /** Reads the list again (after a change elsewhere). */
    void reload();

signals:
    void nodesChanged();

private:
    void save();

    UserDefaults &m_defaults;
    QList<ClusterAddress> m_nodes;
    int m_usedIndex = 0;
};

} // namespace cluster
