#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class LogModel;

/** The four user fields of the current logbook: caption, the ADIF field each is exported and
 *  imported as, and whether its value is kept for the next QSO. */
class UserFieldSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(int fieldCount READ fieldCount CONSTANT)
    Q_PROPERTY(QStringList adifNames READ adifNames CONSTANT)
    Q_PROPERTY(int revision READ revision NOTIFY changed)
public:
    static constexpr int kFieldCount = 4;

    explicit UserFieldSettings(LogModel &log, QObject *parent = nullptr);

    /** Fields are numbered 1 to 4. */
    Q_INVOKABLE QString caption(int field) const;
    Q_INVOKABLE int adifIndex(int field) const;
    Q_INVOKABLE bool remember(int field) const;
    Q_INVOKABLE void setCaption(int field, const QString &caption);
    Q_INVOKABLE void setAdifIndex(int field, int index);
    Q_INVOKABLE void setRemember(int field, bool remember);

    [[nodiscard]] static int fieldCount() { return kFieldCount; }
    /** The sixteen ADIF names a field can be mapped to, by index. */
    [[nodiscard]] static QStringList adifNames();
    /** Grows whenever the stored values change, so bindings read them again. */
    [[nodiscard]] int revision() const { return m_revision; }

signals:
    void changed();

private:
    struct Field {
        QString caption;
        int adifIndex = 0;
        bool remember = false;
    };
    [[nodiscard]] static bool validField(int field) { return field >= 1 && field <= kFieldCount; }
    void read();
    void written();
    LogModel &m_log;
    Field m_fields[kFieldCount];
    int m_revision = 0;
};
