#!/usr/bin/env python3
"""Regenerates resources/refdata/*.csv from public reference data in Debian packages.

    tools/refdata/make-refdata.py

Fetches hamradio-files, trustedqsl and cqrlog-data with scripts/fetch-debian-data.sh (apt-get
download, nothing is installed) and writes one CSV per table of ClublogDXCC.db and IOTA.db. The
build turns the CSV files and the .sql schemas into the shipped databases.

What comes from where:
  cty.csv (hamradio-files)    current entities: main prefix, name, continent, zones, centre
                              (longitude is west-positive there), prefixes and exact callsigns
  config.xml (trustedqsl)     every entity number with its name, deleted flag and validity dates
  CountryDel.tab (cqrlog)     prefixes, centre and zones of the deleted entities
  iota.tbl (cqrlog)           IOTA groups per entity; an entity with one group gets it in islands
  usa-ca.txt (cqrlog)         the distinct state and county pairs of the US
"""

import argparse
import csv
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET
from datetime import datetime, timedelta

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "resources", "refdata")

OPEN_START = "1900-01-01 00:00:00"
OPEN_END = "2099-12-31 23:59:59"
# The DXCC list starts on this day; an entity valid since then has an open period.
LIST_START = "1945-11-15 00:00:00"

CONTINENTS = {"EU": "Eu", "AS": "As", "AF": "Af", "AN": "An", "OC": "Oc", "NA": "NA", "SA": "SA"}

# Names the country-file import gives these entities as well.
FIXED_NAMES = {117: "United Nations Geneva", 289: "United Nations New York"}
# Deleted entities whose main prefix is also a current entity's.
FIXED_PREFIXES = {154: "4W/D", 164: "C9/D", 208: "9U/D"}


def fetch(package):
    script = os.path.join(ROOT, "scripts", "fetch-debian-data.sh")
    return subprocess.check_output([script, package], text=True).strip()


def capitalised(name):
    """Every blank-separated word with a capital first letter and the rest in lower case, as the
    country-file import stores names."""
    return re.sub(r"\S+", lambda m: m.group(0)[:1].upper() + m.group(0)[1:], name.lower())


def strip_overrides(token):
    """cty.csv appends zone, continent, position and offset overrides to a prefix or call."""
    return re.sub(r"\(.*?\)|\[.*?\]|<.*?>|\{.*?\}|~.*?~", "", token)


def read_cty(path):
    entities, prefixes, calls = [], [], []
    with open(path, encoding="latin-1") as f:
        for line in f:
            fields = line.rstrip("\n").rstrip(";").split(",")
            if len(fields) < 10:
                continue
            main, name, adif, cont, cq, itu, lat, lon = fields[:8]
            adif = int(adif)
            # Entries marked "*" are WAE regions inside a DXCC entity: their prefixes and calls
            # belong to that entity, but they are no entity of their own.
            if not main.startswith("*"):
                entities.append(dict(adif=adif, prefix=main.upper(), name=name, cont=cont,
                                     cq=int(cq), itu=int(itu), lat=float(lat),
                                     long=-float(lon)))
            for token in ",".join(fields[9:]).split():
                token = strip_overrides(token)
                if token.startswith("="):
                    calls.append((token[1:], adif))
                elif token:
                    prefixes.append((token, adif))
    return entities, prefixes, calls


def read_tqsl(path):
    """adif → (name, deleted, start, end) with the SQL date-time texts of the validity period."""
    result = {}
    root = ET.parse(path).getroot()
    for entity in root.iter("entity"):
        if "arrlId" not in entity.attrib:
            continue
        adif = int(entity.get("arrlId"))
        if adif == 0:
            continue
        name = re.sub(r"\s*\(DELETED\)\s*$", "", entity.text or "").strip()
        start = entity.get("valid") or LIST_START
        if start <= LIST_START:
            start = OPEN_START
        end = OPEN_END
        if entity.get("invalid"):
            # "invalid" is the first day that no longer counts.
            first = datetime.strptime(entity.get("invalid"), "%Y-%m-%d %H:%M:%S")
            end = (first - timedelta(seconds=1)).strftime("%Y-%m-%d %H:%M:%S")
        zones = (entity.get("zonemap") or "").split(",")[0].split(":")
        itu = int(zones[0]) if zones[0] else 0
        cq = int(zones[1]) if len(zones) > 1 else 0
        result[adif] = dict(name=name, deleted=entity.get("deleted") == "1", start=start,
                            end=end, itu=itu, cq=cq)
    return result


def expand(pattern):
    """"4W[02-9]" → 4W0 4W2 … 4W9; prefixes in CountryDel.tab use such character classes."""
    m = re.search(r"\[([^\]]*)\]", pattern)
    if not m:
        return [pattern]
    chars, klass, i = [], m.group(1), 0
    while i < len(klass):
        if i + 2 < len(klass) and klass[i + 1] == "-":
            chars += [chr(c) for c in range(ord(klass[i]), ord(klass[i + 2]) + 1)]
            i += 3
        else:
            chars.append(klass[i])
            i += 1
    head, tail = pattern[:m.start()], pattern[m.end():]
    return [p for c in chars for p in expand(head + c + tail)]


def degrees(text):
    value = float(text[:-1])
    return -value if text[-1] in "SW" else value


def read_deleted(path):
    rows = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            parts = line.rstrip("\n").split("|")
            if len(parts) < 10:
                continue
            tokens = parts[0].split()
            first_zone = lambda text: int(re.split(r"[;\-]", text)[0])
            rows.append(dict(adif=int(parts[8]), main=tokens[0], tokens=tokens,
                             cont=parts[2], lat=degrees(parts[4]), long=degrees(parts[5]),
                             itu=first_zone(parts[6]), cq=first_zone(parts[7])))
    return rows


def resolver(prefixes, calls):
    by_prefix = dict(prefixes)
    by_call = dict(calls)

    def resolve(call):
        if call in by_call:
            return by_call[call]
        for n in range(len(call), 0, -1):
            if call[:n] in by_prefix:
                return by_prefix[call[:n]]
        return 0
    return resolve


def write(name, header, rows):
    with open(os.path.join(OUT, name), "w", newline="", encoding="utf-8") as f:
        out = csv.writer(f, lineterminator="\n")
        out.writerow(header)
        out.writerows(rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.parse_args()
    hamradio, tqsl, cqrlog = (fetch(p) for p in ("hamradio-files", "trustedqsl", "cqrlog-data"))
    entities, prefixes, calls = read_cty(f"{hamradio}/usr/share/hamradio-files/cty.csv")
    tqsl_entities = read_tqsl(f"{tqsl}/usr/share/TrustedQSL/config.xml")
    deleted = read_deleted(f"{cqrlog}/usr/share/cqrlog/ctyfiles/CountryDel.tab")

    dxcc_rows, itu_rows, prefix_rows, call_rows = [], [], [], []
    used_prefixes = set()
    for e in entities:
        t = tqsl_entities.get(e["adif"], {})
        name = FIXED_NAMES.get(e["adif"], capitalised(e["name"]))
        dxcc_rows.append([name, e["prefix"], 0, e["cq"], CONTINENTS.get(e["cont"], e["cont"]),
                          f"{e['long']:.2f}", f"{e['lat']:.2f}", e["adif"],
                          t.get("start", OPEN_START), t.get("end", OPEN_END)])
        itu_rows.append([e["adif"], e["itu"]])
        used_prefixes.add(e["prefix"])
    current = {e["adif"] for e in entities}

    deleted_by_adif = {}
    for d in deleted:
        deleted_by_adif.setdefault(d["adif"], d)
    for adif, t in sorted(tqsl_entities.items()):
        if adif in current or not t["deleted"]:
            continue
        d = deleted_by_adif.get(adif)
        main = d["main"].replace("(", "/").replace(")", "") if d else str(adif)
        main = FIXED_PREFIXES.get(adif, main)
        # Two deleted entities may share their prefixes too (P2 and VK9 for Papua and New
        # Guinea): the later one takes its next prefix.
        for candidate in [main] + (d["tokens"][1:] if d else []):
            if candidate + "/D" not in used_prefixes or main not in used_prefixes:
                break
        if main in used_prefixes:
            main = candidate + "/D"
        used_prefixes.add(main)
        cont = CONTINENTS.get(d["cont"], d["cont"]) if d else ""
        dxcc_rows.append([capitalised(t["name"]), main, 1, d["cq"] if d else t["cq"], cont,
                          f"{d['long']:.2f}" if d else "0.00", f"{d['lat']:.2f}" if d else "0.00",
                          adif, t["start"], t["end"]])
        itu_rows.append([adif, d["itu"] if d else t["itu"]])
        if d:
            for token in d["tokens"]:
                if "(" in token:
                    continue  # a designator of the list, not a prefix anyone transmits
                for prefix in expand(token):
                    prefix_rows.append([prefix, adif, t["start"], t["end"]])

    # Current prefixes are open; the deleted entities' rows above carry their period, so a
    # contact from before the deletion finds the old entity and one from today the new one.
    seen = set()
    dated = []
    for prefix, adif in prefixes:
        if prefix not in seen:
            seen.add(prefix)
            prefix_rows.append([prefix, adif, OPEN_START, OPEN_END])
    # Two deleted entities may list the same prefix for overlapping periods (P2 and VK9 for
    # Papua and New Guinea, KS4 for Serrana and Swan); the first keeps it, so a date never has
    # two dated answers.
    dated_periods = {}
    for row in prefix_rows:
        if row[3] != OPEN_END:
            periods = dated_periods.setdefault(row[0], [])
            if any(row[2] <= end and start <= row[3] for start, end in periods):
                continue
            periods.append((row[2], row[3]))
        dated.append(row)
    seen_calls = set()
    for call, adif in calls:
        if call not in seen_calls:
            seen_calls.add(call)
            call_rows.append([call, adif, OPEN_START, OPEN_END])

    # IOTA groups by entity: the entity column of iota.tbl is a prefix, with "(X)" marking a
    # part of a prefix (FT(Z) is Amsterdam & St. Paul); map it through the main prefixes first.
    resolve = resolver(prefixes, calls)
    by_main = {r[1].replace("/", ""): r[7] for r in dxcc_rows}
    by_main.update({r[1]: r[7] for r in dxcc_rows})
    groups = {}
    with open(f"{cqrlog}/usr/share/cqrlog/ctyfiles/iota.tbl", encoding="latin-1") as f:
        for line in f:
            parts = line.rstrip("\n").split("|")
            if len(parts) < 3 or not parts[0].strip():
                continue
            key = parts[2].strip()
            plain = key.replace("(", "/").replace(")", "")
            adif = by_main.get(plain) or by_main.get(plain.replace("/", ""))
            if adif is None and "(" not in key:
                adif = resolve(key)
            if adif is None and "(" in key:
                adif = IOTA_DESIGNATORS.get(key)
            if adif:
                groups.setdefault(adif, []).append(parts[0].strip())
    islands = [[refs[0], adif] for adif, refs in sorted(groups.items()) if len(refs) == 1]

    counties = set()
    with open(f"{cqrlog}/usr/share/cqrlog/zipcodes/usa-ca.txt", encoding="latin-1") as f:
        for line in f:
            parts = line.rstrip("\n").split(";")
            if len(parts) >= 2 and "," in parts[1]:
                state, county = parts[1].split(",", 1)
                counties.add((state.strip(), county.strip()))

    os.makedirs(OUT, exist_ok=True)
    write("dxcc.csv", ["name", "prefix", "deleted", "cqz", "cont", "long", "lat", "adif", "start",
                       "end"], sorted(dxcc_rows, key=lambda r: r[7]))
    write("itu.csv", ["adif", "itu"], sorted(itu_rows))
    write("prefixes.csv", ["prefix", "adif", "start", "end"], dated)
    write("callsigns.csv", ["callsign", "adif", "start", "end"], call_rows)
    write("invalid.csv", ["callsign", "start", "end"], [])
    write("islands.csv", ["reference", "dxcc"], islands)
    write("counties.csv", ["state", "county"], sorted(counties))
    print(f"dxcc {len(dxcc_rows)}, prefixes {len(dated)}, callsigns {len(call_rows)}, "
          f"islands {len(islands)}, counties {len(counties)}", file=sys.stderr)


# Designators of iota.tbl whose part cannot be told from the main prefixes of cty.csv.
IOTA_DESIGNATORS = {
    "CE0(A)": 47, "CE0(X)": 217, "CE0(Z)": 125, "E51(N)": 191, "E51(S)": 234, "JD1(M)": 177,
    "JD1(O)": 192, "PY0(F)": 56, "PY0(S)": 253, "PY0(T)": 273, "R1(F)": 61, "R1(M)": 151,
    "UA(AS)": 15, "UA(EU)": 54, "VK9(C)": 38, "VK9(L)": 147, "VK9(M)": 171, "VK9(N)": 189,
    "VK9(W)": 303, "VK9(X)": 35, "VR(HK)": 321, "VU(A)": 11, "VU(L)": 142, "FT(E)": 124,
}

if __name__ == "__main__":
    main()
