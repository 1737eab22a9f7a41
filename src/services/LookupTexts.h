#pragma once

#include <QCoreApplication>
#include <QString>

/** The callsign lookup's texts and preference keys, word for word. The messages are English;
 *  `shown` gives one in the user's language. Keys, service words and diagnostics stay as they are.
 */
namespace lookuptexts {

inline constexpr char kContext[] = "LookupTexts";

inline constexpr char kQrz[] = "QRZ";
inline constexpr char kHamQth[] = "HamQTH";
/** The alert heading of a reply the service refused or the reader could not read. */
inline constexpr char kErrorParsing[] = QT_TRANSLATE_NOOP("LookupTexts", "Error parsing %1");
inline constexpr char kErrorCode[] = QT_TRANSLATE_NOOP("LookupTexts", "Error code %1");
inline constexpr char kNetworkError[] = QT_TRANSLATE_NOOP("LookupTexts", "Error parsing xml:");
inline constexpr char kNoSessionKey[] =
    QT_TRANSLATE_NOOP("LookupTexts", "No session key in the reply");
inline constexpr char kMissingAccount[] =
    QT_TRANSLATE_NOOP("LookupTexts", "User name or password missing");
inline constexpr char kMyAccount[] = QT_TRANSLATE_NOOP("LookupTexts", "My account:");
inline constexpr char kXmlError[] = "Error occurred during xml processing";

// The services' words for a session key that no longer works.
inline constexpr char kQrzInvalidKey[] = "Invalid session key";
inline constexpr char kQrzTimeout[] = "Session Timeout";
inline constexpr char kHamQthExpired[] = "Session does not exist or expired";

// User defaults.
inline constexpr char kChoiceKey[] = "SegQthQrz";
inline constexpr char kQrzUserKey[] = "QRZ_UserName";
inline constexpr char kQrzPasswordKey[] = "QRZ_PassWord";
inline constexpr char kHamQthUserKey[] = "HamQTH_UserName";
/** Spelled this way in every installation; kept. */
inline constexpr char kHamQthPasswordKey[] = "HamQRH_PassWord";
inline constexpr char kQrzSessionKey[] = "QRZ_SessionKey";
inline constexpr char kHamQthSessionKey[] = "HamQTH_SessionKey";
/** Whose account the cached key belongs to: another user's key is never used. */
inline constexpr char kQrzSessionUser[] = "QRZ_SessionUser";
inline constexpr char kHamQthSessionUser[] = "HamQTH_SessionUser";
inline constexpr char kQrzHost[] = "QrzHost";
inline constexpr char kHamQthHost[] = "HamQthHost";

/** A text of this list in the user's language (as it stands when no translation is loaded). */
inline QString shown(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace lookuptexts
