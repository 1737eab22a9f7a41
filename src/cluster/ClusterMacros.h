#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class UserDefaults;

namespace cluster {

/** The command macros of the cluster screen: a row of six (the tablet and desktop screens,
 *  "DX-Button-Texts", "DX-Macro-Texts") or of eight (the phone's, "DX-Macros-Buttontext-iP",
 *  "DX-Macros-iP"), stored apart; the screens choose the row by its count. A macro whose text
 *  holds "%TX" (any case) is sent at once; any other is put into the command field for
 *  editing. */
class ClusterMacros : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList titles READ titles NOTIFY macrosChanged)
    Q_PROPERTY(QStringList texts READ texts NOTIFY macrosChanged)
    /** 6 or 8; any other count is refused. */
    Q_PROPERTY(int count READ count WRITE setCount NOTIFY macrosChanged)
public:
    static constexpr int kSixMacros = 6;
    static constexpr int kEightMacros = 8;

    ClusterMacros(UserDefaults &defaults, QObject *parent = nullptr);

    [[nodiscard]] int count() const { return m_count; }
    /** Shows the row of that many macros (6 or 8). */
    void setCount(int count);
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
    int m_count = kSixMacros;
    QStringList m_titles;
    QStringList m_texts;
};

} // namespace cluster
