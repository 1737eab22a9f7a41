#pragma once

#include "station/StationProfile.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class StationProfiles;

/** The station profiles screen: the list, one profile's form (new or an existing one), its
 *  checks and the choice of the active profile. */
class ProfileEditor : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList names READ names NOTIFY listChanged)
    Q_PROPERTY(QString activeName READ activeName NOTIFY listChanged)
    /** One entry per field of the form: key, label, hint (an example), value. */
    Q_PROPERTY(QVariantList fields READ fields NOTIFY formChanged)
    /** The profile the form edits; empty for a new one. */
    Q_PROPERTY(QString editing READ editing NOTIFY formChanged)
    Q_PROPERTY(QString formTitle READ formTitle NOTIFY formChanged)
    /** What was wrong with the last save, or what it did. */
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(bool messageIsError READ messageIsError NOTIFY messageChanged)
public:
    explicit ProfileEditor(StationProfiles &profiles, QObject *parent = nullptr);

    [[nodiscard]] QStringList names() const;
    [[nodiscard]] QString activeName() const;
    [[nodiscard]] QVariantList fields() const;
    [[nodiscard]] const QString &editing() const { return m_editing; }
    [[nodiscard]] QString formTitle() const;
    [[nodiscard]] const QString &message() const { return m_message; }
    [[nodiscard]] bool messageIsError() const { return m_messageIsError; }

    /** An empty form for a new profile. */
    Q_INVOKABLE void newProfile();
    /** The form filled with the named profile. */
    Q_INVOKABLE void edit(const QString &name);
    Q_INVOKABLE void setField(const QString &key, const QString &value);
    /** Checks and stores the form; false (with the message) when it was refused. */
    Q_INVOKABLE bool save();
    Q_INVOKABLE void remove(const QString &name);
    Q_INVOKABLE void select(const QString &name);

signals:
    void listChanged();
    void formChanged();
    void messageChanged();

private:
    void tell(const QString &text, bool error);

    StationProfiles &m_profiles;
    StationProfile m_form;
    QString m_editing;
    QString m_message;
    bool m_messageIsError = false;
};
