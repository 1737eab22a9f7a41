#include "cluster/SpotList.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <charconv>
#include <deque>

namespace cluster {
namespace {

constexpr double kMaxAgeHours = 2.0;

struct Node {
    OneDxSpotClass spot;
    quint64 seq = 0; // arrival order, among spots of the same time
    bool expired = false;
};

/** Time order, arrival order within the same time. */
bool earlier(const Node *a, const Node *b)
{
    if (a->spot.timeSince1970 != b->spot.timeSince1970)
        return a->spot.timeSince1970 < b->spot.timeSince1970;
    return a->seq < b->seq;
}

/** What makes a spot supersede another. */
struct Station {
    QString call;
    QString band;
    QString mode;

    explicit Station(const OneDxSpotClass &spot)
        : call(spot.dxCall), band(spot.band), mode(spot.mode)
    {}
    friend bool operator==(const Station &, const Station &) = default;
};

size_t qHash(const Station &key, size_t seed = 0)
{
    return qHashMulti(seed, key.call, key.band, key.mode);
}

QString withoutDots(QString call)
{
    return call.remove(u'.');
}

/** C's "%.*f": exact halves round to even, and the point never follows the process locale. */
QString fixed(double value, int decimals)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? QString::fromLatin1(buffer, result.ptr - buffer) : QString();
}

} // namespace

QString ageText(double minutes)
{
    if (minutes < 1.0)
        return QCoreApplication::translate("SpotList", "Now");
    if (minutes < 60.0)
        return QCoreApplication::translate("SpotList", "%1 min").arg(fixed(minutes, 0));
    return QCoreApplication::translate("SpotList", "%1 h").arg(fixed(minutes / 60.0, 1));
}

QString spotAge(const QDateTime &stamp, const QDateTime &now)
{
    return ageText(double(now.toMSecsSinceEpoch() - stamp.toMSecsSinceEpoch()) / 60000.0);
}

struct SpotList::Private {
    int capacity;
    quint64 nextSeq = 0;
    std::deque<std::unique_ptr<Node>> all; // in time order
    std::deque<Node *> visible;            // the rows, in the same order
    QHash<Station, Node *> current;        // the newest spot of each station, band and mode
    int segment = 0;
    QString search;
    SpotListObserver *observer = nullptr;

    [[nodiscard]] bool isVisible(const Node &node) const
    {
        const OneDxSpotClass &spot = node.spot;
        if (segment != kAllSpotsSegment &&
            (spot.doppelt || (segment != 0 && spot.xBand != segment)))
            return false;
        return search.isEmpty() || spot.dxCall.contains(search, Qt::CaseInsensitive);
    }

    /** The row of a visible node. */
    [[nodiscard]] int rowOf(Node *node) const
    {
        const auto it = std::lower_bound(visible.begin(), visible.end(), node, earlier);
        return int(it - visible.begin());
    }

    void insertRow(Node *node)
    {
        const auto it = std::upper_bound(visible.begin(), visible.end(), node, earlier);
        const int row = int(it - visible.begin());
        if (observer)
            observer->beginInsertRows(row, row);
        visible.insert(it, node);
        if (observer)
            observer->endInsertRows();
    }

    void removeRows(int first, int last)
    {
        if (observer)
            observer->beginRemoveRows(first, last);
        visible.erase(visible.begin() + first, visible.begin() + last + 1);
        if (observer)
            observer->endRemoveRows();
    }

    void supersede(Node *old)
    {
        const bool wasVisible = isVisible(*old);
        const int row = wasVisible ? rowOf(old) : -1;
        old->spot.doppelt = true;
        if (!wasVisible)
            return;
        if (isVisible(*old)) {
            if (observer)
                observer->rowChanged(row);
        } else {
            removeRows(row, row);
        }
    }

    void forget(Node *node)
    {
        const auto it = current.constFind(Station(node->spot));
        if (it != current.constEnd() && *it == node)
            current.erase(it);
    }

    void dropOldest()
    {
        Node *oldest = all.front().get();
        if (!visible.empty() && visible.front() == oldest)
            removeRows(0, 0);
        forget(oldest);
        all.pop_front();
    }

    void rebuildRows()
    {
        if (observer)
            observer->beginReset();
        visible.clear();
        for (const auto &node : all)
            if (isVisible(*node))
                visible.push_back(node.get());
        if (observer)
            observer->endReset();
    }
};

SpotList::SpotList(int capacity) : d(std::make_unique<Private>())
{
    d->capacity = std::max(1, capacity);
}

SpotList::~SpotList() = default;

void SpotList::setObserver(SpotListObserver *observer)
{
    d->observer = observer;
}

void SpotList::add(OneDxSpotClass spot)
{
    auto node = std::make_unique<Node>();
    node->spot = std::move(spot);
    node->spot.doppelt = false;
    node->seq = d->nextSeq++;
    if (int(d->all.size()) >= d->capacity && earlier(node.get(), d->all.front().get()))
        return;

    Node *added = node.get();
    Node *&newest = d->current[Station(added->spot)];
    if (newest)
        d->supersede(newest);
    newest = added;

    if (d->all.empty() || !earlier(added, d->all.back().get()))
        d->all.push_back(std::move(node));
    else
        d->all.insert(std::upper_bound(
                          d->all.begin(), d->all.end(), node,
                          [](const auto &a, const auto &b) { return earlier(a.get(), b.get()); }),
                      std::move(node));
    if (d->isVisible(*added))
        d->insertRow(added);
    while (int(d->all.size()) > d->capacity)
        d->dropOldest();
}

void SpotList::age(const QDateTime &now)
{
    const qint64 nowMs = now.toMSecsSinceEpoch();
    bool anyExpired = false;
    for (const auto &node : d->all) {
        const double minutes =
            double(nowMs - node->spot.spotTimeStamp.toMSecsSinceEpoch()) / 60000.0;
        node->spot.ago = ageText(minutes);
        node->expired = minutes / 60.0 > kMaxAgeHours;
        anyExpired = anyExpired || node->expired;
    }
    if (anyExpired) {
        // Rows go in runs, the last run first so that the earlier rows keep their numbers.
        int last = int(d->visible.size()) - 1;
        while (last >= 0) {
            if (!d->visible[std::size_t(last)]->expired) {
                --last;
                continue;
            }
            int first = last;
            while (first > 0 && d->visible[std::size_t(first - 1)]->expired)
                --first;
            d->removeRows(first, last);
            last = first - 1;
        }
        for (const auto &node : d->all)
            if (node->expired)
                d->forget(node.get());
        d->all.erase(std::remove_if(d->all.begin(), d->all.end(),
                                    [](const auto &node) { return node->expired; }),
                     d->all.end());
    }
    if (d->observer)
        d->observer->agesChanged();
}

void SpotList::clear()
{
    if (d->observer)
        d->observer->beginReset();
    d->visible.clear();
    d->current.clear();
    d->all.clear();
    if (d->observer)
        d->observer->endReset();
}

int SpotList::capacity() const
{
    return d->capacity;
}

int SpotList::segment() const
{
    return d->segment;
}

void SpotList::setSegment(int segment)
{
    if (segment < 0 || segment > kAllSpotsSegment)
        return;
    d->segment = segment;
    d->search.clear();
    d->rebuildRows();
}

const QString &SpotList::search() const
{
    return d->search;
}

void SpotList::setSearch(const QString &text)
{
    if (text == d->search)
        return;
    d->search = text;
    d->rebuildRows();
}

int SpotList::size() const
{
    return int(d->all.size());
}

int SpotList::visibleCount() const
{
    return int(d->visible.size());
}

const OneDxSpotClass &SpotList::visibleAt(int row) const
{
    return d->visible.at(std::size_t(row))->spot;
}

std::vector<OneDxSpotClass> SpotList::allSpotsOf(const QString &callsign) const
{
    const QString wanted = withoutDots(callsign);
    std::vector<OneDxSpotClass> spots;
    for (const auto &node : d->all)
        if (withoutDots(node->spot.dxCall) == wanted)
            spots.push_back(node->spot);
    std::stable_sort(
        spots.begin(), spots.end(),
        [](const OneDxSpotClass &a, const OneDxSpotClass &b) { return a.qrg < b.qrg; });
    return spots;
}

} // namespace cluster
