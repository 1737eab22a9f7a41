#pragma once

#include <QObject>
#include <QVariantList>

class UserDefaults;

namespace cluster {

/** The cluster's settings screen: automatic login, spot colouring, new-ones-only, and which bands
 *  and mode classes the spot list shows. Each change is stored at once and announced with
 *  "DxPrefsWereChanged". */
class ClusterOptions : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool autoLogin READ autoLogin WRITE setAutoLogin NOTIFY optionsChanged)
    Q_PROPERTY(bool coloredSpots READ coloredSpots WRITE setColoredSpots NOTIFY optionsChanged)
    Q_PROPERTY(bool newOnesOnly READ newOnesOnly WRITE setNewOnesOnly NOTIFY optionsChanged)
    /** Each entry: {name, shown} for band numbers 1..23. */
    Q_PROPERTY(QVariantList bands READ bands NOTIFY optionsChanged)
    /** Each entry: {name, shown} for CW, digital and phone. */
    Q_PROPERTY(QVariantList modes READ modes NOTIFY optionsChanged)
public:
    ClusterOptions(UserDefaults &defaults, QObject *parent = nullptr);

    [[nodiscard]] bool autoLogin() const;
    void setAutoLogin(bool on);
    [[nodiscard]] bool coloredSpots() const;
    void setColoredSpots(bool on);
    [[nodiscard]] bool newOnesOnly() const;
    void setNewOnesOnly(bool on);
    [[nodiscard]] QVariantList bands() const;
    [[nodiscard]] QVariantList modes() const;
    /** Band number 1..23. */
    Q_INVOKABLE void setBandShown(int xBand, bool shown);
    /** Mode class 1 CW, 2 digital, 3 phone. */
    Q_INVOKABLE void setModeShown(int xMode, bool shown);

signals:
    void optionsChanged();

private:
    void store(const QString &key, bool value);

    UserDefaults &m_defaults;
};

} // namespace cluster
