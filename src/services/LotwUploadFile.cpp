#include "services/LotwUploadFile.h"

#include "model/AdifField.h"
#include "model/AdifWriter.h"

namespace lotwuploadfile {

QString record(const QsoClass &qso, const adif::ModesList &modes)
{
    QString text;
    adif::appendField(text, QLatin1String("call"), qso.callsign);
    adif::appendDateAndTime(text, qso);
    adif::appendBand(text, qso);
    adif::appendModeFields(text, qso.mode, modes);
    adif::appendFrequency(text, qso);
    if (!qso.satName.isEmpty()) {
        adif::appendField(text, QLatin1String("prop_mode"), QStringLiteral("SAT"));
        adif::appendField(text, QLatin1String("sat_name"), qso.satName);
        if (!qso.satRxband.isEmpty())
            adif::appendField(text, QLatin1String("band_rx"), qso.satRxband);
    }
    return text + QLatin1String("<eor>\n");
}

} // namespace lotwuploadfile
