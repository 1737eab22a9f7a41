#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

/** The two downloadable member lists: what is stored from a download, and the words shown. */
namespace memberlist {

enum class Kind { Lotw, Eqsl };

// The words shown, in English; screens translate them in the context kTextContext.
inline constexpr char kTextContext[] = "MemberListTexts";

inline constexpr char kLoadingData[] = QT_TRANSLATE_NOOP("MemberListTexts", "Loading data ...");
inline constexpr char kError[] = QT_TRANSLATE_NOOP("MemberListTexts", "Error");
inline constexpr char kLotwUsersRead[] = QT_TRANSLATE_NOOP("MemberListTexts", "%1 LotW users read");
inline constexpr char kEqslUsersRead[] = QT_TRANSLATE_NOOP("MemberListTexts", "%1 eQSL users read");
inline constexpr char kLotwNotLoaded[] =
    QT_TRANSLATE_NOOP("MemberListTexts", "LoTW Data not loaded!");
inline constexpr char kEqslNotLoaded[] =
    QT_TRANSLATE_NOOP("MemberListTexts", "eQSL Data not loaded!");
inline constexpr char kNotAMemberList[] =
    QT_TRANSLATE_NOOP("MemberListTexts", "The server's answer is not a member list.");

/** "lotw.txt" or "eqsl.txt" in the data folder. */
[[nodiscard]] QString fileName(Kind kind);

struct Stored {
    QByteArray contents; ///< the file's bytes
    int count = 0;       ///< callsigns downloaded, shown to the user
};

/** What a downloaded body becomes on disk. The LoTW activity list is CSV with dates; its file
 *  keeps the first field of every line, each ended by "\n" (an empty last line stays). The eQSL
 *  list is stored as downloaded and counted in "\r\n" pieces. A body that is no member list (an
 *  empty answer, an HTML page, text without a single callsign) gives nothing, so a server's
 *  error page never replaces a good list. */
[[nodiscard]] std::optional<Stored> fromDownload(Kind kind, const QByteArray &body);

/** The entry screen's line: "LotW + eQSL user", "eQSL user", "LotW user" or empty. */
[[nodiscard]] QString membershipText(bool lotwUser, bool eqslUser);

} // namespace memberlist
