#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class UserDefaults;

namespace cluster {

/** The command macros of the cluster screen: eight on the phone ("DX-Macros-Buttontext-iP",
 *  "DX-Macros-iP"), six on the tablet and desktop ("DX-Button-Texts", "DX-Macro-Texts"). A
 *  macro whose text holds "%TX" (any case) is sent at once; any other is put into the command
 *  field for editing. */
class ClusterMacros : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList titles READ titles NOTIFY macrosChanged)
    Q_PROPERTY(QStringList texts READ texts NOTIFY macrosChanged)
public:
    ClusterMacros(UserDefaults &defaults, bool phone, QObject *parent = nullptr);

    [[nodiscard]] int count() const { return m_phone ? 8 : 6; }
    [[nodiscard]] const QStringList &titles() const { return m_titles; }
    [[nodiscard]] const QStringList &texts() const { return m_texts; }
    /** Stores one macro and announces "DxPrefsWereChanged". */
    Q_INVOKABLE void setMacro(int index, const QString &title, const QString &text);
    void reload();

    /** The command a macro text sends at once (the first "%TX" taken out), or nothing when the
     *  text is meant for the command field. */
    [[nodiscard]] static std::optional<QString> immediateCommand(const QString &text);

signals:
    void macrosChanged();

private:
    UserDefaults &m_defaults;
    const bool m_phone;
    QStringList m_titles;
    QStringList m_texts;
};

} // namespace cluster
