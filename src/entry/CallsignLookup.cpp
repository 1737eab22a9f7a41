#include "entry/CallsignLookup.h"

#include "app/UserDefaults.h"
#include "entry/EntryTexts.h"

LookupServiceChoice LookupServiceChoice::read(const UserDefaults &defaults)
{
    LookupServiceChoice choice;
    choice.qrz = defaults.integer(QStringLiteral("SegQthQrz")) != 0;
    if (choice.qrz) {
        choice.title = QString::fromLatin1(entry::texts::kQrzTitle);
        choice.userName = defaults.string(QStringLiteral("QRZ_UserName"));
        choice.password = defaults.string(QStringLiteral("QRZ_PassWord"));
    } else {
        choice.title = QString::fromLatin1(entry::texts::kHamQthTitle);
        choice.userName = defaults.string(QStringLiteral("HamQTH_UserName"));
        // The key is spelled this way in every installation; keep it.
        choice.password = defaults.string(QStringLiteral("HamQRH_PassWord"));
    }
    return choice;
}
