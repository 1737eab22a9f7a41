#include "loggen/EntityStandIn.h"

#include <QHash>
#include <QStringList>

namespace loggen {
namespace {

struct Row {
    const char *prefixes; // comma-separated callsign beginnings
    int adif;
    const char *dxcc;
    int cq;
    int itu;
    const char *continent;
    const char *field;
    const char *iota;
};

// Entity numbers and zones as ADIF and the Club Log country file give them; one field and zone
// pair per entity even where it spans several.
constexpr Row kRows[] = {
    {"K,W,N,AA,AB,AC,AD,AE,AF,AG,AI,AJ,AK", 291, "K", 5, 8, "NA", "FN", ""},
    {"KL,AL7,NL7,WL7", 6, "KL7", 1, 1, "NA", "BP", ""},
    {"KH6,AH6,NH6,WH6", 110, "KH6", 31, 61, "OC", "BL", "OC-019"},
    {"KH2,AH2,NH2,WH2", 103, "KH2", 27, 64, "OC", "QK", "OC-026"},
    {"KP4,NP4,WP4,KP3,NP3,WP3", 202, "KP4", 8, 11, "NA", "FK", "NA-099"},
    {"VA,VB,VC,VE,VG,VO,VX,VY,CF,CG,CK,CY,CZ,XL,XM", 1, "VE", 5, 9, "NA", "FN", ""},
    {"XE,XF,4A,4B,4C,6D,6E,6F,6G,6H,6I,6J", 50, "XE", 6, 10, "NA", "EK", ""},
    {"ZF", 69, "ZF", 8, 11, "NA", "EK", "NA-016"},
    {"VP9", 64, "VP9", 5, 11, "NA", "FM", "NA-005"},
    {"HI", 72, "HI", 8, 11, "NA", "FK", "NA-096"},
    {"OX,XP", 237, "OX", 40, 5, "NA", "GP", "NA-018"},
    {"DA,DB,DC,DD,DE,DF,DG,DH,DJ,DK,DL,DM,DN,DO,DP,DQ,DR", 230, "DL", 14, 28, "EU", "JO", ""},
    {"G,M,2E", 223, "G", 14, 27, "EU", "IO", "EU-005"},
    {"GM,MM,2M", 279, "GM", 14, 27, "EU", "IO", "EU-005"},
    {"GW,MW,2W", 294, "GW", 14, 27, "EU", "IO", "EU-005"},
    {"GI,MI,2I", 265, "GI", 14, 27, "EU", "IO", "EU-115"},
    {"EI,EJ", 245, "EI", 14, 27, "EU", "IO", "EU-115"},
    {"F", 227, "F", 14, 27, "EU", "JN", ""},
    {"I", 248, "I", 15, 28, "EU", "JN", ""},
    {"EA,EB,EC,ED,EE,EF,EG,EH", 281, "EA", 14, 37, "EU", "IN", ""},
    {"EA6,EB6,EC6,ED6,EE6,EF6,EG6,EH6", 21, "EA6", 14, 37, "EU", "JM", "EU-004"},
    {"EA8,EB8,EC8,ED8,EE8,EF8,EG8,EH8", 29, "EA8", 33, 36, "AF", "IL", "AF-004"},
    {"CT,CS,CR", 272, "CT", 14, 37, "EU", "IM", ""},
    {"ON,OO,OP,OQ,OR,OS,OT", 209, "ON", 14, 27, "EU", "JO", ""},
    {"PA,PB,PC,PD,PE,PF,PG,PH,PI", 263, "PA", 14, 27, "EU", "JO", ""},
    {"OZ,OU,OV,5P,5Q", 221, "OZ", 14, 18, "EU", "JO", ""},
    {"SA,SB,SC,SD,SE,SF,SG,SH,SI,SJ,SK,SL,SM,7S,8S", 284, "SM", 14, 18, "EU", "JO", ""},
    {"LA,LB,LC,LD,LE,LF,LG,LH,LI,LJ,LK,LL,LM,LN", 266, "LA", 14, 18, "EU", "JO", ""},
    {"OH,OF,OG,OI", 224, "OH", 15, 18, "EU", "KP", ""},
    {"TF", 242, "TF", 40, 17, "EU", "HP", "EU-021"},
    {"OY", 222, "OY", 14, 18, "EU", "IP", "EU-018"},
    {"SP,SN,SO,SQ,SR,3Z,HF", 269, "SP", 15, 28, "EU", "JO", ""},
    {"OK,OL", 503, "OK", 15, 28, "EU", "JO", ""},
    {"OM", 504, "OM", 15, 28, "EU", "JN", ""},
    {"HA,HG", 239, "HA", 15, 28, "EU", "JN", ""},
    {"OE", 206, "OE", 15, 28, "EU", "JN", ""},
    {"HB,HE", 287, "HB", 14, 28, "EU", "JN", ""},
    {"S5", 499, "S5", 15, 28, "EU", "JN", ""},
    {"9A", 497, "9A", 15, 28, "EU", "JN", ""},
    {"YU,YT", 296, "YU", 15, 28, "EU", "KN", ""},
    {"YO,YP,YQ,YR", 275, "YO", 20, 28, "EU", "KN", ""},
    {"LZ", 212, "LZ", 20, 28, "EU", "KN", ""},
    {"SV,SW,SX,SY,SZ,J4", 236, "SV", 20, 28, "EU", "KM", ""},
    {"9H", 257, "9H", 15, 28, "EU", "JM", "EU-023"},
    {"UR,US,UT,UU,UV,UW,UX,UY,UZ,EM,EN,EO", 288, "UR", 16, 29, "EU", "KO", ""},
    {"EU,EV,EW", 27, "EU", 16, 29, "EU", "KO", ""},
    {"LY", 146, "LY", 15, 29, "EU", "KO", ""},
    {"YL", 145, "YL", 15, 29, "EU", "KO", ""},
    {"ES", 52, "ES", 15, 29, "EU", "KO", ""},
    {"R,UA,UB,UC,UD,UE,UF,UG,UH,UI", 54, "UA", 16, 29, "EU", "KO", ""},
    {"R8,R9,R0,RA8,RA9,RA0,RC9,RD9,RG9,RG0,RK8,RK9,RK0,RL9,RM9,RM0,RN9,RN0,RO9,RO0,RQ0,RT9,RT0,"
     "RU9,RU0,RV9,RV0,RW9,RW0,RX9,RX0,RZ9,RZ0,UA8,UA9,UA0,UB9,UB0,UC9,UC0,UD9,UE9,UE0,UF9,UG9,"
     "UH9,UH0,UI8,UI9",
     15, "UA9", 17, 30, "AS", "MO", ""},
    {"4X,4Z", 336, "4X", 20, 39, "AS", "KM", ""},
    {"TA,TB,TC,YM", 390, "TA", 20, 39, "AS", "KM", ""},
    {"5B,C4,H2,P3", 215, "5B", 20, 39, "AS", "KM", "AS-004"},
    {"JY", 342, "JY", 20, 39, "AS", "KM", ""},
    {"HZ,7Z,8Z", 378, "HZ", 21, 39, "AS", "LL", ""},
    {"A6", 391, "A6", 21, 39, "AS", "LL", ""},
    {"A7", 376, "A7", 21, 39, "AS", "LL", ""},
    {"VU,AT,AU,AV,AW,8T,8U", 324, "VU", 22, 41, "AS", "MK", ""},
    {"BA,BD,BG,BH,BI,BT,BY,BZ", 318, "BY", 24, 44, "AS", "OM", ""},
    {"BM,BN,BO,BP,BU,BV,BW,BX", 386, "BV", 24, 44, "AS", "PL", "AS-020"},
    {"HL,DS,DT,6K,6L,6M,6N", 137, "HL", 25, 44, "AS", "PM", ""},
    {"JA,JE,JF,JG,JH,JI,JJ,JK,JL,JM,JN,JO,JP,JQ,JR,JS,7J,7K,7L,7M,7N,8J,8N", 339, "JA", 25, 45,
     "AS", "PM", ""},
    {"9V", 381, "9V", 28, 54, "AS", "OJ", "AS-019"},
    {"VK,AX", 150, "VK", 30, 59, "OC", "QF", "OC-001"},
    {"ZL,ZM", 170, "ZL", 32, 60, "OC", "RF", "OC-036"},
    {"PP,PQ,PR,PS,PT,PU,PV,PW,PX,PY,ZV,ZW,ZX,ZY,ZZ", 108, "PY", 11, 15, "SA", "GG", ""},
    {"LU,LO,LP,LQ,LR,LS,LT,LV,LW,AY,AZ,L2,L3,L4,L5,L6,L7,L8,L9", 100, "LU", 13, 14, "SA", "GF", ""},
    {"CE,CA,CB,CC,CD,XQ,XR,3G", 112, "CE", 12, 14, "SA", "FF", ""},
    {"CX,CV,CW", 144, "CX", 13, 14, "SA", "GF", ""},
    {"HK,HJ,5J,5K", 116, "HK", 9, 12, "SA", "FJ", ""},
    {"YV,YW,YX,YY,4M", 148, "YV", 9, 12, "SA", "FK", ""},
    {"OA,OB,OC,4T", 136, "OA", 10, 12, "SA", "FH", ""},
    {"HC,HD", 120, "HC", 10, 12, "SA", "FI", ""},
    {"CN,5C,5D,5E,5F,5G", 446, "CN", 33, 37, "AF", "IM", ""},
    {"ZS,ZR,ZT,ZU", 462, "ZS", 38, 57, "AF", "KG", ""},
};

const QHash<QString, const Row *> &rowsByPrefix()
{
    static const QHash<QString, const Row *> table = [] {
        QHash<QString, const Row *> byPrefix;
        for (const Row &row : kRows)
            for (const QString &prefix : QString::fromLatin1(row.prefixes).split(QLatin1Char(',')))
                byPrefix.insert(prefix, &row);
        return byPrefix;
    }();
    return table;
}

/** Portable designators that say nothing about the entity. */
bool isDesignator(const QString &part)
{
    static const QStringList designators{QStringLiteral("P"),   QStringLiteral("M"),
                                         QStringLiteral("MM"),  QStringLiteral("AM"),
                                         QStringLiteral("QRP"), QStringLiteral("A")};
    return designators.contains(part);
}

/** "EA8/DL1ABC": a prefix before the callsign names the entity. */
bool hasLeadingPrefix(const QStringList &parts)
{
    return parts.size() >= 2 && parts[0].size() < parts[1].size() && !isDesignator(parts[0]);
}

QString wpxPrefix(const QString &call)
{
    bool letterSeen = false;
    for (qsizetype i = 0; i < call.size(); ++i) {
        if (call[i].isLetter()) {
            letterSeen = true;
        } else if (call[i].isDigit() && letterSeen) {
            qsizetype end = i;
            while (end < call.size() && call[end].isDigit())
                ++end;
            return call.left(end);
        }
    }
    return call.left(2) + QLatin1Char('0');
}

} // namespace

Entity entityOf(const QString &callsign)
{
    const QString part = callsign.section(QLatin1Char('/'), 0, 0, QString::SectionSkipEmpty);
    const auto &table = rowsByPrefix();
    for (qsizetype length = part.size(); length > 0; --length) {
        const auto found = table.constFind(part.left(length));
        if (found == table.constEnd())
            continue;
        const Row &row = **found;
        return {row.adif,
                QString::fromLatin1(row.dxcc),
                row.cq,
                row.itu,
                QString::fromLatin1(row.continent),
                QString::fromLatin1(row.field),
                QString::fromLatin1(row.iota)};
    }
    return {};
}

QString prefixOf(const QString &callsign)
{
    const QStringList parts = callsign.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    if (hasLeadingPrefix(parts))
        return parts[0].back().isDigit() ? parts[0] : parts[0] + QLatin1Char('0');
    QString prefix = wpxPrefix(parts[0]);
    const QString last = parts.size() >= 2 ? parts.last() : QString();
    if (last.size() == 1 && last[0].isDigit()) {
        while (!prefix.isEmpty() && prefix.back().isDigit())
            prefix.chop(1);
        prefix += last;
    }
    return prefix;
}

} // namespace loggen
