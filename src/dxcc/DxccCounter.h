#pragma once

#include "dxcc/DxccCounterModel.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>

class LogModel;

namespace dxcc {

/** The DXCC counter screen: how many entities are worked and confirmed, in total, per band and
 *  per mode class, with the two band summaries and the slot count. The QSL mode says which
 *  confirmations count (0 all, 1 paper, 2 LoTW); deleted entities count only when asked. The
 *  phone shows either the worked or the confirmed numbers and says which in its title. */
class DxccCounter : public QObject {
    Q_OBJECT
    Q_PROPERTY(dxcc::DxccCounterModel *rows READ rows CONSTANT)
    Q_PROPERTY(int qslMode READ qslMode WRITE setQslMode NOTIFY modeChanged)
    Q_PROPERTY(QStringList qslModeTitles READ qslModeTitles CONSTANT)
    Q_PROPERTY(QString qslModeCaption READ qslModeCaption CONSTANT)
    Q_PROPERTY(bool withDeleted READ withDeleted WRITE setWithDeleted NOTIFY modeChanged)
    Q_PROPERTY(QString withDeletedText READ withDeletedText CONSTANT)
    Q_PROPERTY(bool showConfirmed READ showConfirmed WRITE setShowConfirmed NOTIFY modeChanged)
    /** The phone's choice in one: 0 worked, 1–3 confirmed in QSL mode 0–2. */
    Q_PROPERTY(int phoneView READ phoneView WRITE setPhoneView NOTIFY modeChanged)
    Q_PROPERTY(QStringList phoneViewTitles READ phoneViewTitles CONSTANT)
    Q_PROPERTY(QString title READ title NOTIFY modeChanged)
    /** The column groups of the table and the two numbers of each group. */
    Q_PROPERTY(QStringList columnTitles READ columnTitles CONSTANT)
    Q_PROPERTY(QStringList pairTitles READ pairTitles CONSTANT)
    /** Three entries {caption, detail, worked, confirmed, workedText, confirmedText}: six bands,
     *  nine bands, slots. */
    Q_PROPERTY(QVariantList summaries READ summaries NOTIFY countsChanged)
public:
    DxccCounter(LogModel &log, QObject *parent = nullptr);

    /** Counts again and shows the result. */
    void makeData();

    [[nodiscard]] DxccCounterModel *rows() const { return m_rows; }
    [[nodiscard]] int qslMode() const { return m_qslMode; }
    void setQslMode(int mode);
    [[nodiscard]] static QStringList qslModeTitles();
    [[nodiscard]] static QString qslModeCaption();
    [[nodiscard]] bool withDeleted() const { return m_withDeleted; }
    void setWithDeleted(bool with);
    [[nodiscard]] static QString withDeletedText();
    [[nodiscard]] bool showConfirmed() const { return m_showConfirmed; }
    void setShowConfirmed(bool show);
    [[nodiscard]] int phoneView() const { return m_showConfirmed ? m_qslMode + 1 : 0; }
    void setPhoneView(int view);
    [[nodiscard]] static QStringList phoneViewTitles();
    [[nodiscard]] QString title() const;
    [[nodiscard]] static QStringList columnTitles();
    [[nodiscard]] static QStringList pairTitles();
    [[nodiscard]] QVariantList summaries() const;

signals:
    void modeChanged();
    void countsChanged();

private:
    LogModel &m_log;
    DxccCounterModel *m_rows;
    int m_qslMode = 0;
    bool m_withDeleted = false;
    bool m_showConfirmed = false;
    /** Counting waits for the first makeData (the screen being shown). */
    bool m_made = false;
};

} // namespace dxcc
