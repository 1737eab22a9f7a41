#pragma once

#include "trx/BasicCommandSet.h"
#include "trx/ReplyFramer.h"

namespace trx {

/** The text command sets of the Elecraft K2, K3, KX2, KX3 and of Kenwood-style radios:
 *  commands and replies ending in ";". The models differ only in data (start-up commands, the
 *  digital mode commands, the Kenwood data flag, the tuning order), held in a profile. */
class TextCat : public BasicCommandSet {
public:
    enum class Model { K2, K3, Kenwood }; // K3 stands for the K3, KX2 and KX3
    static constexpr qsizetype kMaxTail = ReplyFramer::kMaxTail;

    TextCat(Model model, TuningRange range);

    [[nodiscard]] Commands startup() const override;
    [[nodiscard]] Commands tune(const TuneRequest &request,
                                const CatOptions &options) const override;
    bool feed(const QByteArray &bytes) override;
    void reset() override;
    [[nodiscard]] QStringList dataModeLabels() const override;

    /** The bytes kept of an unfinished reply (at most kMaxTail). */
    [[nodiscard]] qsizetype pendingBytes() const { return m_framer.pendingBytes(); }

private:
    struct Profile;
    [[nodiscard]] static const Profile &profileOf(Model model);
    [[nodiscard]] QByteArray modeCommand(const TuneRequest &request,
                                         const CatOptions &options) const;
    bool takeReply(QByteArrayView reply);
    bool takeInfo(QByteArrayView reply);
    /** A mode number of MD or IF; leaves the log mode of a data mode to its sub-mode. */
    void applyMode(int number);
    /** A data sub-mode number of DT or IF; applied only in a data mode. */
    bool applySubMode(int number);
    void showMode();

    const Profile &m_profile;
    ReplyFramer m_framer;
    QString m_modeText;
    QString m_subModeText; // of the last data sub-mode read
    QString m_subModeLog;
};

} // namespace trx
