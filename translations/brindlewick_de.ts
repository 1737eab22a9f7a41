<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ActivationPage</name>
    <message>
        <source>Activation</source>
        <translation>Aktivierung</translation>
    </message>
    <message>
        <source>P2P %1</source>
        <translation>P2P %1</translation>
    </message>
    <message>
        <source>dupe</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Export ADIF for upload</source>
        <translation>ADIF zum Hochladen exportieren</translation>
    </message>
</context>
<context>
    <name>ActivationPanel</name>
    <message>
        <source>No activation</source>
        <translation>Keine Aktivierung</translation>
    </message>
    <message>
        <source>%1 %2 on %3</source>
        <translation>%1 %2 am %3</translation>
    </message>
    <message>
        <source>The active station profile has no park, summit or WWFF reference.</source>
        <translation>Das aktive Stationsprofil hat keine Park-, Gipfel- oder WWFF-Referenz.</translation>
    </message>
    <message>
        <source>%1 of %2 QSOs</source>
        <translation>%1 von %2 QSOs</translation>
    </message>
    <message>
        <source>%1: a valid activation</source>
        <translation>%1: eine gültige Aktivierung</translation>
    </message>
    <message>
        <source>%1: %2 more for a valid activation</source>
        <translation>%1: noch %2 für eine gültige Aktivierung</translation>
    </message>
    <message>
        <source>No QSOs to export.</source>
        <translation>Keine QSOs zu exportieren.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Nicht exportiert: %1</translation>
    </message>
</context>
<context>
    <name>AdifImport</name>
    <message>
        <source>%1 QSO(s) imported</source>
        <translation>%1 QSO(s) importiert</translation>
    </message>
    <message>
        <source>No QSO was imported; %1 could not store them: %2</source>
        <translation>Kein QSO importiert; %1 konnte sie nicht speichern: %2</translation>
    </message>
</context>
<context>
    <name>AdifImportPage</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Open file…</source>
        <translation>Datei öffnen…</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Paste ADIF text or open an ADIF file (.adi, .adif).</source>
        <translation>ADIF-Text einfügen oder eine ADIF-Datei öffnen (.adi, .adif).</translation>
    </message>
    <message>
        <source>No ADIF text loaded.</source>
        <translation>Kein ADIF-Text geladen.</translation>
    </message>
    <message>
        <source>Open ADIF file</source>
        <translation>ADIF-Datei öffnen</translation>
    </message>
    <message>
        <source>ADIF files (*.adi *.adif *.ADI *.ADIF)</source>
        <translation>ADIF-Dateien (*.adi *.adif *.ADI *.ADIF)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>AdifText</name>
    <message>
        <source>No QSOs found</source>
        <translation>Keine QSOs gefunden</translation>
    </message>
    <message>
        <source>Probably number of found QSOs: %1</source>
        <translation>Voraussichtliche Anzahl gefundener QSOs: %1</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Cluster</source>
        <translation>Cluster</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>DXCC</source>
        <translation>DXCC</translation>
    </message>
    <message>
        <source>QSL</source>
        <translation>QSL</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Logbooks</source>
        <translation>Logbücher</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>User fields</source>
        <translation>Benutzerfelder</translation>
    </message>
    <message>
        <source>Date style</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Band table</source>
        <translation>Bandtabelle</translation>
    </message>
    <message>
        <source>LoTW and eQSL users</source>
        <translation>LoTW- und eQSL-Nutzer</translation>
    </message>
    <message>
        <source>Country file</source>
        <translation>Länderdatei</translation>
    </message>
    <message>
        <source>ADIF import</source>
        <translation>ADIF-Import</translation>
    </message>
    <message>
        <source>DX cluster</source>
        <translation>DX-Cluster</translation>
    </message>
    <message>
        <source>Callsign lookup</source>
        <translation>Rufzeichen-Abfrage</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>Transceiver</translation>
    </message>
    <message>
        <source>WSJT-X</source>
        <translation>WSJT-X</translation>
    </message>
    <message>
        <source>Synced log</source>
        <translation>Synchronisiertes Log</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>QSL card scanner</source>
        <translation>QSL-Karten-Scanner</translation>
    </message>
</context>
<context>
    <name>BandTablePage</name>
    <message>
        <source>Frequencies in whole kHz. Below “CW up to” counts as CW, from “Phone from” as phone, between them as digital.</source>
        <translation>Frequenzen in ganzen kHz. Unter „CW bis“ zählt als CW, ab „Phone ab“ als Phone, dazwischen als digital.</translation>
    </message>
    <message>
        <source>Frequencies in kHz. Below “CW up to” counts as CW, from “Phone from” as phone, between them as digital.</source>
        <translation>Frequenzen in kHz. Unter „CW bis“ zählt als CW, ab „Phone ab“ als Phone, dazwischen als digital.</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
</context>
<context>
    <name>BandTableSettings</name>
    <message>
        <source>Lower edge</source>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>CW up to</source>
        <translation>CW bis</translation>
    </message>
    <message>
        <source>Phone from</source>
        <translation>Fonie ab</translation>
    </message>
    <message>
        <source>Upper edge</source>
        <translation>Obere Grenze</translation>
    </message>
</context>
<context>
    <name>CardMatcher</name>
    <message>
        <source>The card is for %1; this logbook&apos;s call is %2</source>
        <translation>Die Karte ist für %1; das Rufzeichen dieses Logbuchs ist %2</translation>
    </message>
    <message>
        <source>The card gives no date: no QSO looked for</source>
        <translation>Die Karte nennt kein Datum: kein QSO gesucht</translation>
    </message>
    <message>
        <source>No QSO in %1 fits: %2</source>
        <translation>Kein QSO in %1 passt: %2</translation>
    </message>
    <message>
        <source>QSO found: %1</source>
        <translation>QSO gefunden: %1</translation>
    </message>
    <message>
        <source>%1 QSOs fit: choose one</source>
        <translation>%1 QSOs passen: bitte eines wählen</translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <source>%1 &quot;%2&quot; cannot be read</source>
        <translation>%1 „%2“ ist nicht lesbar</translation>
    </message>
    <message>
        <source>Longer than %1 characters</source>
        <translation>Länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>Contains control characters</source>
        <translation>Enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>No &quot;From:&quot; and &quot;To:&quot;: not a QSL card</source>
        <translation>Kein „From:“ und „To:“: keine QSL-Karte</translation>
    </message>
</context>
<context>
    <name>ClublogDxStuff</name>
    <message>
        <source>Loading xml data...</source>
        <translation>Lade XML-Daten...</translation>
    </message>
    <message>
        <source>Can&apos;t load xml data!</source>
        <translation>XML-Daten können nicht geladen werden!</translation>
    </message>
    <message>
        <source>Processing xml data...</source>
        <translation>Verarbeite XML-Daten...</translation>
    </message>
    <message>
        <source>xml data are not complete!</source>
        <translation>XML-Daten sind unvollständig!</translation>
    </message>
    <message>
        <source>DXCCs: %1,  Prefixes: %2,  Callsigns: %3,  Invalid: %4</source>
        <translation>DXCCs: %1,  Präfixe: %2,  Rufzeichen: %3,  Ungültig: %4</translation>
    </message>
    <message>
        <source>Can&apos;t coppy empty ClublogDXCC.db!</source>
        <translation>Leere ClublogDXCC.db kann nicht kopiert werden!</translation>
    </message>
</context>
<context>
    <name>ClublogPane</name>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>of the Club Log logbook</source>
        <translation>des Club-Log-Logbuchs</translation>
    </message>
    <message>
        <source>Upload each new QSO at once</source>
        <translation>Jedes neue QSO sofort hochladen</translation>
    </message>
    <message>
        <source>Upload all</source>
        <translation>Alle hochladen</translation>
    </message>
    <message>
        <source>Upload new</source>
        <translation>Neue hochladen</translation>
    </message>
</context>
<context>
    <name>ClublogTexts</name>
    <message>
        <source>Preparing ADIF file ...</source>
        <translation>Erstelle ADIF-Datei ...</translation>
    </message>
    <message>
        <source>No QSOs found!</source>
        <translation>Keine QSOs gefunden!</translation>
    </message>
    <message>
        <source>No new QSOs found!</source>
        <translation>Keine neuen QSOs gefunden!</translation>
    </message>
    <message>
        <source>Uploading ADIF file ...</source>
        <translation>Lade ADIF-Datei hoch ...</translation>
    </message>
    <message>
        <source>Updating log database ...</source>
        <translation>Aktualisiere Logbuch ...</translation>
    </message>
    <message>
        <source>Finished: %1</source>
        <translation>Fertig: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Upload error: %1</source>
        <translation>Fehler beim Hochladen: %1</translation>
    </message>
    <message>
        <source>%1 QSO(s) not uploaded yet</source>
        <translation>%1 QSO(s) noch nicht hochgeladen</translation>
    </message>
    <message>
        <source>Your already existing Club Log logbook will be purged:</source>
        <translation>Ihr vorhandenes Club-Log-Logbuch wird gelöscht:</translation>
    </message>
    <message>
        <source>Overwrite logbook</source>
        <translation>Logbuch überschreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>the logbook is gone</source>
        <translation>das Logbuch ist nicht mehr da</translation>
    </message>
    <message>
        <source>the logbook could not be read to its end</source>
        <translation>das Logbuch konnte nicht bis zum Ende gelesen werden</translation>
    </message>
</context>
<context>
    <name>ClusterHeader</name>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbinde mit %1…</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
</context>
<context>
    <name>ClusterPage</name>
    <message>
        <source>Nodes</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Login and spots</source>
        <translation>Anmeldung und Spots</translation>
    </message>
    <message>
        <source>Log in with the station callsign</source>
        <translation>Mit dem Stationsrufzeichen anmelden</translation>
    </message>
    <message>
        <source>Colour spots by what would be new</source>
        <translation>Spots danach färben, was neu wäre</translation>
    </message>
    <message>
        <source>Only spots that would be new</source>
        <translation>Nur Spots, die neu wären</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>A macro with %TX in its text is sent at once; any other goes into the command field.</source>
        <translation>Ein Makro mit %TX im Text wird sofort gesendet, jedes andere kommt ins Befehlsfeld.</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
</context>
<context>
    <name>ClusterTerminal</name>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Macro %1</source>
        <translation>Makro %1</translation>
    </message>
</context>
<context>
    <name>ClusterTerminalPage</name>
    <message>
        <source>Spots</source>
        <translation>Spots</translation>
    </message>
</context>
<context>
    <name>CompassNeedle</name>
    <message>
        <source>N</source>
        <comment>compass north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass east</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass west</comment>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>ContestPage</name>
    <message>
        <source>Contest</source>
        <translation>Contest</translation>
    </message>
    <message>
        <source>Sent exchange</source>
        <translation>Gesendeter Austausch</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Austausch</translation>
    </message>
</context>
<context>
    <name>ContestScreen</name>
    <message>
        <source>No contest running</source>
        <translation>Kein Contest läuft</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Gesendet %1</translation>
    </message>
    <message>
        <source>%1 QSOs · %2 points%3 · score %4</source>
        <translation>%1 QSOs · %2 Punkte%3 · Ergebnis %4</translation>
    </message>
    <message>
        <source>Rate: %1/h (last 10 min) · %2/h (last 60 min)</source>
        <translation>Rate: %1/h (letzte 10 min) · %2/h (letzte 60 min)</translation>
    </message>
    <message>
        <source>  dupe</source>
        <translation>  Dupe</translation>
    </message>
    <message>
        <source>freq: %1 is not a frequency in kHz</source>
        <translation>freq: %1 ist keine Frequenz in kHz</translation>
    </message>
</context>
<context>
    <name>CountryFilePage</name>
    <message>
        <source>The DXCC entities, prefixes and callsign exceptions can be rebuilt from Club Log’s country file.</source>
        <translation>Die DXCC-Gebiete, Präfixe und Rufzeichen-Ausnahmen lassen sich aus der Länderdatei von Club Log neu aufbauen.</translation>
    </message>
    <message>
        <source>Loaded country file</source>
        <translation>Geladene Länderdatei</translation>
    </message>
    <message>
        <source>the one shipped with the program</source>
        <translation>die mit dem Programm gelieferte</translation>
    </message>
    <message>
        <source>Load country file</source>
        <translation>Länderdatei laden</translation>
    </message>
    <message>
        <source>Load from file…</source>
        <translation>Aus Datei laden…</translation>
    </message>
    <message>
        <source>Load Club Log country file</source>
        <translation>Club-Log-Länderdatei laden</translation>
    </message>
    <message>
        <source>Club Log country file (*.gz)</source>
        <translation>Club-Log-Länderdatei (*.gz)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>DateStylePage</name>
    <message>
        <source>Dates in the log are shown in this style; times are always UTC.</source>
        <translation>Datumsangaben im Log erscheinen in dieser Form, Zeiten sind immer UTC.</translation>
    </message>
    <message>
        <source>Short — %1</source>
        <translation>Kurz — %1</translation>
    </message>
    <message>
        <source>Medium — %1</source>
        <translation>Mittel — %1</translation>
    </message>
</context>
<context>
    <name>DetailsDialog</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>e.g. 100W</source>
        <translation>z. B. 100W</translation>
    </message>
    <message>
        <source>State, county</source>
        <translation>Staat, County</translation>
    </message>
    <message>
        <source>Entity</source>
        <translation>Gebiet</translation>
    </message>
    <message>
        <source>As the callsign says</source>
        <translation>Laut Rufzeichen</translation>
    </message>
    <message>
        <source>Counts for DXCC</source>
        <translation>Zählt für DXCC</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>DxccTexts</name>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Worked DXCCs</source>
        <translation>Gearbeitete DXCCs</translation>
    </message>
    <message>
        <source>All cfd DXCCs</source>
        <translation>Alle bestätigten DXCCs</translation>
    </message>
    <message>
        <source>Paper cfd DXCCs</source>
        <translation>Per Papier-QSL bestätigte DXCCs</translation>
    </message>
    <message>
        <source>LoTW cfd DXCCs</source>
        <translation>Per LoTW bestätigte DXCCs</translation>
    </message>
</context>
<context>
    <name>ElecraftMacroEditor</name>
    <message>
        <source>Panel macros</source>
        <translation>Panel-Makros</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Reading the radio</source>
        <translation>Abfrage des Funkgeräts</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Command macros</source>
        <translation>Befehlsmakros</translation>
    </message>
    <message>
        <source>Commands such as SWT11;SWT19; run when the key is tapped.</source>
        <translation>Befehle wie SWT11;SWT19; laufen beim Antippen der Taste.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>%1 macros</source>
        <translation>%1-Makros</translation>
    </message>
    <message>
        <source>%TX starts sending, %RX returns to receive once the text is out.</source>
        <translation>%TX beginnt zu senden, %RX schaltet auf Empfang zurück, sobald der Text gesendet ist.</translation>
    </message>
    <message>
        <source>%1 Macro %2</source>
        <translation>%1-Makro %2</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>ElecraftPanelPage</name>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Connect the radio on the transceiver screen to use its panel.</source>
        <translation>Für das Panel das Funkgerät auf der Transceiver-Seite verbinden.</translation>
    </message>
    <message>
        <source>◀  drag to tune VFO A  ▶</source>
        <translation>◀  ziehen, um VFO A abzustimmen  ▶</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Mode and keys</source>
        <translation>Betriebsart und Tasten</translation>
    </message>
    <message>
        <source>CW keying %1 · APF %2 · FSK %3, filter %4 · sub %5/%6</source>
        <translation>CW-Tastung %1 · APF %2 · FSK %3, Filter %4 · Sub %5/%6</translation>
    </message>
    <message>
        <source>Memories (hold to store)</source>
        <translation>Speicher (halten zum Speichern)</translation>
    </message>
    <message>
        <source>Command macros</source>
        <translation>Befehlsmakros</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Dekodieren</translation>
    </message>
    <message>
        <source>reading the radio</source>
        <translation>Funkgerät wird abgefragt</translation>
    </message>
    <message>
        <source>CW, FSK D or PSK D only</source>
        <translation>nur CW, FSK D oder PSK D</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Zu sendender Text</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Macros for</source>
        <translation>Makros für</translation>
    </message>
</context>
<context>
    <name>EntryInfo</name>
    <message>
        <source>Entity</source>
        <translation>Gebiet</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Entity  %1</source>
        <translation>Gebiet  %1</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>kHz  %1</source>
        <translation>kHz  %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Ges.</translation>
    </message>
    <message>
        <source>Rcvd</source>
        <translation>Empf.</translation>
    </message>
    <message>
        <source>Log QSO</source>
        <translation>QSO loggen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Staat</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>User field %1</source>
        <translation>Benutzerfeld %1</translation>
    </message>
    <message>
        <source>Real time</source>
        <translation>Echtzeit</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>EntryTexts</name>
    <message>
        <source>Can&apos;t log the QSO:</source>
        <translation>QSO kann nicht geloggt werden:</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No Callsign given</source>
        <translation>Kein Rufzeichen angegeben</translation>
    </message>
    <message>
        <source>Frequency invalid</source>
        <translation>Frequenz ungültig</translation>
    </message>
    <message>
        <source>No Mode given</source>
        <translation>Keine Betriebsart angegeben</translation>
    </message>
    <message>
        <source>Locator is invalid</source>
        <translation>Locator ist ungültig</translation>
    </message>
    <message>
        <source>Date or time is invalid</source>
        <translation>Datum oder Uhrzeit ungültig</translation>
    </message>
    <message>
        <source>New QSO</source>
        <translation>Neues QSO</translation>
    </message>
    <message>
        <source>Edit QSO</source>
        <translation>QSO bearbeiten</translation>
    </message>
    <message>
        <source>Save QSO</source>
        <translation>QSO speichern</translation>
    </message>
    <message>
        <source>Select in Details</source>
        <translation>In Details wählen</translation>
    </message>
    <message>
        <source>1 QSO</source>
        <translation>1 QSO</translation>
    </message>
    <message>
        <source>%1 QSOs</source>
        <translation>%1 QSOs</translation>
    </message>
    <message>
        <source>No QSOs</source>
        <translation>Keine QSOs</translation>
    </message>
    <message>
        <source>The logbook could not store the QSO.</source>
        <translation>Das Logbuch konnte das QSO nicht speichern.</translation>
    </message>
    <message>
        <source>The logbook could not store the QSO: %1</source>
        <translation>Das Logbuch konnte das QSO nicht speichern: %1</translation>
    </message>
    <message>
        <source>Can&apos;t run a pile up:</source>
        <translation>Pile-up kann nicht gestartet werden:</translation>
    </message>
</context>
<context>
    <name>EqslPane</name>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>QTH nickname</source>
        <translation>QTH-Nickname</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Seit</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>sent with each uploaded QSO</source>
        <translation>geht mit jedem Upload mit</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>all (none loaded yet)</source>
        <translation>alle (noch keine geladen)</translation>
    </message>
</context>
<context>
    <name>ExtraFieldsModel</name>
    <message>
        <source>Not an ADIF field name: &quot;%1&quot;</source>
        <translation>Kein ADIF-Feldname: „%1“</translation>
    </message>
    <message>
        <source>%1 is kept in the QSO&apos;s own field &quot;%2&quot;, not as an extra field</source>
        <translation>%1 steht im eigenen Feld „%2“ des QSOs, nicht als zusätzliches Feld</translation>
    </message>
    <message>
        <source>%1 is there already: change its value in its row</source>
        <translation>%1 ist schon vorhanden: Wert in seiner Zeile ändern</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
</context>
<context>
    <name>GraylineMap</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Zeit</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Short path</source>
        <translation>Kurzer Weg</translation>
    </message>
    <message>
        <source>Long path</source>
        <translation>Langer Weg</translation>
    </message>
    <message>
        <source>Own station</source>
        <translation>Eigene Station</translation>
    </message>
    <message>
        <source>Far station</source>
        <translation>Gegenstation</translation>
    </message>
    <message>
        <source>Sun overhead</source>
        <translation>Sonne im Zenit</translation>
    </message>
    <message>
        <source>Tap the map for the far station; press and hold to move the own station.</source>
        <translation>Auf die Karte tippen für die Gegenstation, gedrückt halten, um die eigene Station zu versetzen.</translation>
    </message>
</context>
<context>
    <name>HttpCall</name>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Server nicht gefunden</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>the secure connection could not be verified</source>
        <translation>die sichere Verbindung konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>no network</source>
        <translation>kein Netzwerk</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>Netzwerkfehler %1</translation>
    </message>
    <message>
        <source>The server&apos;s reply is too large</source>
        <translation>Die Antwort des Servers ist zu groß</translation>
    </message>
    <message>
        <source>The server did not answer in time</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Could not reach %1 (%2)</source>
        <translation>%1 nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>HTTP error %1</source>
        <translation>HTTP-Fehler %1</translation>
    </message>
</context>
<context>
    <name>InfoLines</name>
    <message>
        <source>CQ: %1  ITU: %2  Sunrise: %3  Sunset: %4</source>
        <translation>CQ: %1  ITU: %2  SA: %3  SU: %4</translation>
    </message>
    <message>
        <source>Sunrise: %1  Sunset: %2</source>
        <translation>SA: %1  SU: %2</translation>
    </message>
    <message>
        <source>CW: %1  Digi: %2  Phone: %3</source>
        <translation>CW: %1  Digi: %2  Fonie: %3</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>The screens are shown in this language. Logbook texts, ADIF and the command-line tool stay as they are.</source>
        <translation>Die Programmoberfläche erscheint in dieser Sprache. Texte im Logbuch, ADIF und das Kommandozeilenwerkzeug bleiben unverändert.</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Wie das System (%1)</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Brindlewick.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Brindlewick.</translation>
    </message>
    <message>
        <source>A change is used from the next start of Brindlewick.</source>
        <translation>Eine Änderung gilt ab dem nächsten Start von Brindlewick.</translation>
    </message>
</context>
<context>
    <name>LogListActions</name>
    <message>
        <source>ADIF files (*.adif *.adi)</source>
        <translation>ADIF-Dateien (*.adif *.adi)</translation>
    </message>
</context>
<context>
    <name>LogListModel</name>
    <message>
        <source>Last 500 QSOs</source>
        <translation>Letzte 500 QSOs</translation>
    </message>
    <message>
        <source>Last 2500 QSOs</source>
        <translation>Letzte 2500 QSOs</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>This and last year</source>
        <translation>Dieses und letztes Jahr</translation>
    </message>
    <message>
        <source>All QSOs</source>
        <translation>Alle QSOs</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Älteste zuerst</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Neueste zuerst</translation>
    </message>
    <message>
        <source>By frequency</source>
        <translation>Nach Frequenz</translation>
    </message>
    <message>
        <source>By mode</source>
        <translation>Nach Betriebsart</translation>
    </message>
    <message>
        <source>By callsign</source>
        <translation>Nach Rufzeichen</translation>
    </message>
</context>
<context>
    <name>LogListPage</name>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>No QSOs in this range yet.</source>
        <translation>Noch keine QSOs in diesem Bereich.</translation>
    </message>
</context>
<context>
    <name>LogListTexts</name>
    <message>
        <source>QSO Menu</source>
        <translation>QSO-Menü</translation>
    </message>
    <message>
        <source>Show Info</source>
        <translation>Info anzeigen</translation>
    </message>
    <message>
        <source>Show QSO</source>
        <translation>QSO anzeigen</translation>
    </message>
    <message>
        <source>Edit QSO</source>
        <translation>QSO bearbeiten</translation>
    </message>
    <message>
        <source>Delete QSO</source>
        <translation>QSO löschen</translation>
    </message>
    <message>
        <source>Select QSO</source>
        <translation>QSO markieren</translation>
    </message>
    <message>
        <source>Deselect QSO</source>
        <translation>Markierung aufheben</translation>
    </message>
    <message>
        <source>Select QSO and all further down</source>
        <translation>QSO und alle darunter markieren</translation>
    </message>
    <message>
        <source>Deselect all QSO</source>
        <translation>Alle Markierungen aufheben</translation>
    </message>
    <message>
        <source>Delete this QSO?</source>
        <translation>Dieses QSO löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Note the following important changes:</source>
        <translation>Bitte beachten Sie folgende wichtige Änderungen:</translation>
    </message>
    <message>
        <source>See Settings › Synced log for log synchronisation!

Note the new contextual menus in the logbook and dx-cluster tables!</source>
        <translation>Zur Log-Synchronisation siehe Einstellungen › Synchronisiertes Log!

Neu sind die Kontextmenüs in den Tabellen von Logbuch und DX-Cluster!</translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>The logbook could not delete the QSO: %1</source>
        <translation>Das Logbuch konnte das QSO nicht löschen: %1</translation>
    </message>
    <message>
        <source>The logbook could not be read: %1</source>
        <translation>Das Logbuch konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Successfully uploaded file %1</source>
        <translation>Datei %1 erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not write the export file into %1.</source>
        <translation>Die Exportdatei konnte nicht in %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>LogListToolbar</name>
    <message>
        <source>%1 of %2 marked</source>
        <translation>%1 von %2 markiert</translation>
    </message>
    <message>
        <source>1 QSO</source>
        <translation>1 QSO</translation>
    </message>
    <message>
        <source>%1 QSOs</source>
        <translation>%1 QSOs</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>LogTable</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Entity</source>
        <translation>Gebiet</translation>
    </message>
    <message>
        <source>No QSOs in this range yet.</source>
        <translation>Noch keine QSOs in diesem Bereich.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Ges.</translation>
    </message>
    <message>
        <source>Rcvd</source>
        <translation>Empf.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>LogbookFiles</name>
    <message>
        <source>A logbook name cannot be empty</source>
        <translation>Ein Logbuchname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Not a logbook name: %1 (a logbook name is a file name, without &quot;/&quot;, &quot;\&quot; or &quot;..&quot;)</source>
        <translation>Kein Logbuchname: %1 (ein Logbuchname ist ein Dateiname, ohne &quot;/&quot;, &quot;\&quot; oder &quot;..&quot;)</translation>
    </message>
</context>
<context>
    <name>LogbooksPage</name>
    <message>
        <source>Tap a logbook to use it; the choice takes effect when you go back.</source>
        <translation>Ein Logbuch antippen, um es zu verwenden. Die Wahl gilt beim Zurückgehen.</translation>
    </message>
    <message>
        <source>Tap a logbook to use it.</source>
        <translation>Ein Logbuch anklicken, um es zu verwenden.</translation>
    </message>
    <message>
        <source>Own callsign</source>
        <translation>Eigenes Rufzeichen</translation>
    </message>
    <message>
        <source>Own locator</source>
        <translation>Eigener Locator</translation>
    </message>
    <message>
        <source>New logbook</source>
        <translation>Neues Logbuch</translation>
    </message>
    <message>
        <source>Import logbook file…</source>
        <translation>Logbuchdatei importieren…</translation>
    </message>
    <message>
        <source>Show in file manager</source>
        <translation>Im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Import logbook file</source>
        <translation>Logbuchdatei importieren</translation>
    </message>
    <message>
        <source>Logbooks (*.rlog)</source>
        <translation>Logbücher (*.rlog)</translation>
    </message>
</context>
<context>
    <name>LookupPage</name>
    <message>
        <source>%1 lookup</source>
        <translation>%1-Abfrage</translation>
    </message>
    <message>
        <source>Use for new QSO</source>
        <translation>Für neues QSO übernehmen</translation>
    </message>
    <message>
        <source>Asking %1 ...</source>
        <translation>Frage %1 ab ...</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Loading picture ...</source>
        <translation>Lade Bild ...</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
</context>
<context>
    <name>LookupSettingsPage</name>
    <message>
        <source>Look callsigns up with</source>
        <translation>Rufzeichen nachschlagen bei</translation>
    </message>
    <message>
        <source>QRZ account (an XML subscription)</source>
        <translation>QRZ-Konto (ein XML-Abonnement)</translation>
    </message>
    <message>
        <source>HamQTH account</source>
        <translation>HamQTH-Konto</translation>
    </message>
    <message>
        <source>The lookup button of the entry form shows once the chosen service has a user name and a password.</source>
        <translation>Die Abfrage-Taste im Eingabeformular erscheint, sobald für den gewählten Dienst Benutzername und Passwort eingetragen sind.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>LookupTexts</name>
    <message>
        <source>Error parsing %1</source>
        <translation>Fehler beim Lesen der Antwort von %1</translation>
    </message>
    <message>
        <source>Error code %1</source>
        <translation>Fehlercode %1</translation>
    </message>
    <message>
        <source>Error parsing xml:</source>
        <translation>Fehler beim Lesen des XML:</translation>
    </message>
    <message>
        <source>No session key in the reply</source>
        <translation>Kein Sitzungsschlüssel in der Antwort</translation>
    </message>
    <message>
        <source>User name or password missing</source>
        <translation>Benutzername oder Passwort fehlt</translation>
    </message>
    <message>
        <source>My account:</source>
        <translation>Mein Konto:</translation>
    </message>
</context>
<context>
    <name>LotwPane</name>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Own call</source>
        <translation>Eigenes Call</translation>
    </message>
    <message>
        <source>every call of the account</source>
        <translation>alle Rufzeichen des Kontos</translation>
    </message>
    <message>
        <source>QSLs since</source>
        <translation>QSLs seit</translation>
    </message>
    <message>
        <source>Use the QSL details to correct QSOs</source>
        <translation>QSL-Angaben übernehmen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>all (none loaded yet)</source>
        <translation>alle (noch keine geladen)</translation>
    </message>
    <message>
        <source>Upload to LoTW</source>
        <translation>Upload zu LoTW</translation>
    </message>
    <message>
        <source>TQSL program</source>
        <translation>TQSL-Programm</translation>
    </message>
    <message>
        <source>Station location</source>
        <translation>Stationsstandort</translation>
    </message>
    <message>
        <source>as named in TQSL</source>
        <translation>wie in TQSL benannt</translation>
    </message>
    <message>
        <source>Last upload: %1</source>
        <translation>Letzter Upload: %1</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
</context>
<context>
    <name>MemberListDownload</name>
    <message>
        <source>LoTW users</source>
        <translation>LoTW-Nutzer</translation>
    </message>
    <message>
        <source>eQSL users</source>
        <translation>eQSL-Nutzer</translation>
    </message>
</context>
<context>
    <name>MemberListTexts</name>
    <message>
        <source>Loading data ...</source>
        <translation>Lade Daten ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 LotW users read</source>
        <translation>%1 LoTW-Nutzer gelesen</translation>
    </message>
    <message>
        <source>%1 eQSL users read</source>
        <translation>%1 eQSL-Nutzer gelesen</translation>
    </message>
    <message>
        <source>LoTW Data not loaded!</source>
        <translation>LoTW-Daten nicht geladen!</translation>
    </message>
    <message>
        <source>eQSL Data not loaded!</source>
        <translation>eQSL-Daten nicht geladen!</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a member list.</source>
        <translation>Die Antwort des Servers ist keine Mitgliederliste.</translation>
    </message>
    <message>
        <source>LotW + eQSL user</source>
        <translation>LoTW- + eQSL-Nutzer</translation>
    </message>
    <message>
        <source>eQSL user</source>
        <translation>eQSL-Nutzer</translation>
    </message>
    <message>
        <source>LotW user</source>
        <translation>LoTW-Nutzer</translation>
    </message>
</context>
<context>
    <name>MemberListsPage</name>
    <message>
        <source>%1 callsigns in the list</source>
        <translation>%1 Rufzeichen in der Liste</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Stations that upload to Logbook of the World; the entry form marks them.</source>
        <translation>Stationen, die zu Logbook of the World hochladen. Das Eingabeformular markiert sie.</translation>
    </message>
    <message>
        <source>Members of eQSL.cc; the entry form marks them.</source>
        <translation>Mitglieder von eQSL.cc. Das Eingabeformular markiert sie.</translation>
    </message>
</context>
<context>
    <name>MomentPicker</name>
    <message>
        <source>Date and time (UTC)</source>
        <translation>Datum und Zeit (UTC)</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NewQsoPage</name>
    <message>
        <source>Pile-up ›</source>
        <translation>Pile-up ›</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>kHz  %1</source>
        <translation>kHz  %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Ges.</translation>
    </message>
    <message>
        <source>Rcvd</source>
        <translation>Empf.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Staat</translation>
    </message>
    <message>
        <source>County</source>
        <translation>County</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Power (other)</source>
        <translation>Leistung (andere)</translation>
    </message>
    <message>
        <source>User field %1</source>
        <translation>Benutzerfeld %1</translation>
    </message>
    <message>
        <source>Counts for DXCC</source>
        <translation>Zählt für DXCC</translation>
    </message>
    <message>
        <source>Put my position into the note</source>
        <translation>Meine Position in die Notiz schreiben</translation>
    </message>
    <message>
        <source>Save QSO</source>
        <translation>QSO speichern</translation>
    </message>
    <message>
        <source>Log QSO</source>
        <translation>QSO loggen</translation>
    </message>
</context>
<context>
    <name>PhoneShell</name>
    <message>
        <source>Contest</source>
        <translation>Contest</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
</context>
<context>
    <name>PileUp</name>
    <message>
        <source>%1 is already in this pile-up&apos;s log</source>
        <translation>%1 ist schon im Log dieses Pile-ups</translation>
    </message>
</context>
<context>
    <name>PileUpPage</name>
    <message>
        <source>Pile-up</source>
        <translation>Pile-up</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>RST received</source>
        <translation>RST empfangen</translation>
    </message>
    <message>
        <source>RST sent</source>
        <translation>RST gesendet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PowerPresets</name>
    <message>
        <source>High Power</source>
        <translation>Hohe Leistung</translation>
    </message>
    <message>
        <source>Mid Power</source>
        <translation>Mittlere Leistung</translation>
    </message>
    <message>
        <source>QRP</source>
        <translation>QRP</translation>
    </message>
    <message>
        <source>2xQRP</source>
        <translation>2xQRP</translation>
    </message>
    <message>
        <source>QRPP</source>
        <translation>QRPP</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>e.g. Home</source>
        <translation>z. B. Zuhause</translation>
    </message>
    <message>
        <source>Station callsign</source>
        <translation>Stationsrufzeichen</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Locator (6 or 8 characters)</source>
        <translation>Locator (6 oder 8 Zeichen)</translation>
    </message>
    <message>
        <source>POTA park</source>
        <translation>POTA-Park</translation>
    </message>
    <message>
        <source>SOTA summit</source>
        <translation>SOTA-Gipfel</translation>
    </message>
    <message>
        <source>WWFF area</source>
        <translation>WWFF-Gebiet</translation>
    </message>
    <message>
        <source>IOTA</source>
        <translation>IOTA</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Staat</translation>
    </message>
    <message>
        <source>County</source>
        <translation>County</translation>
    </message>
    <message>
        <source>CQ zone</source>
        <translation>CQ-Zone</translation>
    </message>
    <message>
        <source>ITU zone</source>
        <translation>ITU-Zone</translation>
    </message>
    <message>
        <source>Power (W)</source>
        <translation>Leistung (W)</translation>
    </message>
    <message>
        <source>Rig</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>New station profile</source>
        <translation>Neues Stationsprofil</translation>
    </message>
    <message>
        <source>Edit “%1”</source>
        <translation>„%1“ bearbeiten</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>„%1“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>QrzPane</name>
    <message>
        <source>API key</source>
        <translation>API-Schlüssel</translation>
    </message>
    <message>
        <source>of the QRZ logbook</source>
        <translation>des QRZ-Logbuchs</translation>
    </message>
    <message>
        <source>Last upload</source>
        <translation>Letzter Upload</translation>
    </message>
    <message>
        <source>Last download</source>
        <translation>Letzter Download</translation>
    </message>
    <message>
        <source>Upload each new QSO at once</source>
        <translation>Jedes neue QSO sofort hochladen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
</context>
<context>
    <name>QslPanel</name>
    <message>
        <source>LoTW, eQSL, Club Log</source>
        <translation>LoTW, eQSL, Club Log</translation>
    </message>
    <message>
        <source>QRZ.com, Wavelog</source>
        <translation>QRZ.com, Wavelog</translation>
    </message>
</context>
<context>
    <name>QslResults</name>
    <message>
        <source>1 QSL</source>
        <translation>1 QSL</translation>
    </message>
    <message>
        <source>%1 QSLs</source>
        <translation>%1 QSLs</translation>
    </message>
</context>
<context>
    <name>QslTexts</name>
    <message>
        <source>Connecting ...</source>
        <translation>Verbinde ...</translation>
    </message>
    <message>
        <source>Connected ...</source>
        <translation>Verbunden ...</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Lade herunter ...</translation>
    </message>
    <message>
        <source>HTTP error %1</source>
        <translation>HTTP-Fehler %1</translation>
    </message>
    <message>
        <source>Error while downloading data</source>
        <translation>Fehler beim Herunterladen der Daten</translation>
    </message>
    <message>
        <source>Getting %1 QSLs ...</source>
        <translation>Hole %1 QSLs ...</translation>
    </message>
    <message>
        <source>Processing %1 QSLs ...</source>
        <translation>Verarbeite %1 QSLs ...</translation>
    </message>
    <message>
        <source>%1 QSL(s) rcvd, %2 QSO(s) not in log, %3 QSO(s) corrected</source>
        <translation>%1 QSL(s) erhalten, %2 QSO(s) nicht im Log, %3 QSO(s) korrigiert</translation>
    </message>
    <message>
        <source>No new QSLs!  :-(</source>
        <translation>Keine neuen QSLs!  :-(</translation>
    </message>
    <message>
        <source>The report is incomplete (%1 of %2 QSLs): nothing was changed</source>
        <translation>Der Bericht ist unvollständig (%1 von %2 QSLs): nichts wurde geändert</translation>
    </message>
    <message>
        <source>The logbook could not be written (%1): nothing was changed</source>
        <translation>Das Logbuch konnte nicht geschrieben werden (%1): nichts wurde geändert</translation>
    </message>
    <message>
        <source>QSL downloads need a logbook file</source>
        <translation>QSL-Downloads brauchen eine Logbuchdatei</translation>
    </message>
    <message>
        <source>Ready to downlod</source>
        <translation>Bereit zum Herunterladen</translation>
    </message>
    <message>
        <source>User name or password missing</source>
        <translation>Benutzername oder Passwort fehlt</translation>
    </message>
    <message>
        <source>Requesting ...</source>
        <translation>Frage an ...</translation>
    </message>
    <message>
        <source>You don&apos;t have new log entries</source>
        <translation>Keine neuen Log-Einträge vorhanden</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Searching in the log ...</source>
        <translation>Suche im Log ...</translation>
    </message>
    <message>
        <source>%1 QSLs read</source>
        <translation>%1 QSLs gelesen</translation>
    </message>
    <message>
        <source>The inbox file is not complete: nothing was changed</source>
        <translation>Die Inbox-Datei ist unvollständig: nichts wurde geändert</translation>
    </message>
    <message>
        <source>eQSL Download Error:</source>
        <translation>eQSL-Download-Fehler:</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 selected QSLs for upload</source>
        <translation>%1 QSLs zum Hochladen ausgewählt</translation>
    </message>
    <message>
        <source>%1 QSLs not uploaded yet</source>
        <translation>%1 QSLs noch nicht hochgeladen</translation>
    </message>
    <message>
        <source>Uploading ...</source>
        <translation>Lade hoch ...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Was the upload successful?</source>
        <translation>War das Hochladen erfolgreich?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QsoColors</name>
    <message>
        <source>Clear</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
</context>
<context>
    <name>QsoDetailPage</name>
    <message>
        <source>QSO with %1</source>
        <translation>QSO mit %1</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>RST sent</source>
        <translation>RST gesendet</translation>
    </message>
    <message>
        <source>RST received</source>
        <translation>RST empfangen</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Staat</translation>
    </message>
    <message>
        <source>County</source>
        <translation>County</translation>
    </message>
    <message>
        <source>CQ zone</source>
        <translation>CQ-Zone</translation>
    </message>
    <message>
        <source>ITU zone</source>
        <translation>ITU-Zone</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Confirmations</source>
        <translation>Bestätigungen</translation>
    </message>
    <message>
        <source>QSL sent</source>
        <translation>QSL gesendet</translation>
    </message>
    <message>
        <source>QSL received</source>
        <translation>QSL erhalten</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Weiteres</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Satellite mode</source>
        <translation>Satelliten-Mode</translation>
    </message>
    <message>
        <source>Satellite RX band</source>
        <translation>Satelliten-RX-Band</translation>
    </message>
    <message>
        <source>User field %1</source>
        <translation>Benutzerfeld %1</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Date and time (UTC)</source>
        <translation>Datum und Zeit (UTC)</translation>
    </message>
    <message>
        <source>Valid operation</source>
        <translation>Gültiger Betrieb</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>Other ADIF fields</source>
        <translation>Weitere ADIF-Felder</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Field name, e.g. MY_GRIDSQUARE</source>
        <translation>Feldname, z. B. MY_GRIDSQUARE</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Add field</source>
        <translation>Feld hinzufügen</translation>
    </message>
</context>
<context>
    <name>QsoInfoPage</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Zeit (UTC)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>RST sent</source>
        <translation>RST gesendet</translation>
    </message>
    <message>
        <source>RST received</source>
        <translation>RST empfangen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Staat</translation>
    </message>
    <message>
        <source>County</source>
        <translation>County</translation>
    </message>
    <message>
        <source>CQ zone</source>
        <translation>CQ-Zone</translation>
    </message>
    <message>
        <source>ITU zone</source>
        <translation>ITU-Zone</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>QSL sent</source>
        <translation>QSL gesendet</translation>
    </message>
    <message>
        <source>QSL received</source>
        <translation>QSL erhalten</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>User field %1</source>
        <translation>Benutzerfeld %1</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Other ADIF fields</source>
        <translation>Weitere ADIF-Felder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit fields</source>
        <translation>Felder bearbeiten</translation>
    </message>
    <message>
        <source>Field name, e.g. MY_GRIDSQUARE</source>
        <translation>Feldname, z. B. MY_GRIDSQUARE</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Add field</source>
        <translation>Feld hinzufügen</translation>
    </message>
</context>
<context>
    <name>ReceiverPane</name>
    <message>
        <source>Receive scanned cards</source>
        <translation>Gescannte Karten empfangen</translation>
    </message>
    <message>
        <source>Cards scanned on a phone arrive here over the local network. A card&apos;s text names the other station (From:), our call (To:), date, time, band and mode.</source>
        <translation>Auf einem Smartphone gescannte Karten kommen hier über das lokale Netz an. Der Text einer Karte nennt die Gegenstation (From:), unser Rufzeichen (To:), Datum, Uhrzeit, Band und Betriebsart.</translation>
    </message>
    <message>
        <source>Listen for QSL cards</source>
        <translation>QSL-Karten empfangen</translation>
    </message>
    <message>
        <source>Cards received</source>
        <translation>Empfangene Karten</translation>
    </message>
    <message>
        <source>Nothing received yet.</source>
        <translation>Noch nichts empfangen.</translation>
    </message>
    <message>
        <source>Mark QSL received</source>
        <translation>QSL als empfangen markieren</translation>
    </message>
</context>
<context>
    <name>ScanSettings</name>
    <message>
        <source>The port must be a number up to 65535 (below 512 means 7700).</source>
        <translation>Der Port muss eine Zahl bis 65535 sein (unter 512 bedeutet 7700).</translation>
    </message>
</context>
<context>
    <name>ScannerPage</name>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
</context>
<context>
    <name>ScannerPane</name>
    <message>
        <source>Scan a QSL card</source>
        <translation>QSL-Karte scannen</translation>
    </message>
    <message>
        <source>Hold the card&apos;s QR code in front of the camera. Its text is sent to the logbook on the host below; the card&apos;s QSO is found there.</source>
        <translation>Den QR-Code der Karte vor die Kamera halten. Sein Text geht an das Logbuch auf dem unten angegebenen Host; dort wird das QSO der Karte gesucht.</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Keine Kamera</translation>
    </message>
    <message>
        <source>Connect a camera to scan QSL cards.</source>
        <translation>Zum Scannen von QSL-Karten eine Kamera anschließen.</translation>
    </message>
    <message>
        <source>Switch camera</source>
        <translation>Kamera wechseln</translation>
    </message>
    <message>
        <source>The text of the card&apos;s QR code</source>
        <translation>Der Text im QR-Code der Karte</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Senden an</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>name or address, e.g. 192.168.1.20</source>
        <translation>Name/Adresse, z. B. 192.168.1.20</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>UDP-Port</translation>
    </message>
    <message>
        <source>Scan the next card automatically</source>
        <translation>Nächste Karte automatisch scannen</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No keyring service is available: passwords stay in the logbook and the settings file</source>
        <translation>Kein Schlüsselbund-Dienst verfügbar: Passwörter bleiben im Logbuch und in der Einstellungsdatei</translation>
    </message>
    <message>
        <source>The keyring failed (%1): passwords stay in the logbook and the settings file</source>
        <translation>Der Schlüsselbund meldet einen Fehler (%1): Passwörter bleiben im Logbuch und in der Einstellungsdatei</translation>
    </message>
    <message>
        <source>The keyring did not answer: passwords stay in the logbook and the settings file</source>
        <translation>Der Schlüsselbund antwortet nicht: Passwörter bleiben im Logbuch und in der Einstellungsdatei</translation>
    </message>
    <message>
        <source>Passwords stay in the logbook and the settings file: no keyring is used with a data folder given by --data-dir or BRINDLEWICK_HOME</source>
        <translation>Passwörter bleiben im Logbuch und in der Einstellungsdatei: Mit einem Datenordner aus --data-dir oder BRINDLEWICK_HOME wird kein Schlüsselbund benutzt</translation>
    </message>
</context>
<context>
    <name>ServerMessage</name>
    <message>
        <source>The sync server cannot be reached: is it running, and does it accept connections from this device?</source>
        <translation>Der Sync-Server ist nicht erreichbar: Läuft er, und nimmt er Verbindungen von diesem Gerät an?</translation>
    </message>
    <message>
        <source>The sync server&apos;s name is not known: check the address</source>
        <translation>Der Name des Sync-Servers ist unbekannt: Bitte die Adresse prüfen</translation>
    </message>
    <message>
        <source>The sync server refused the user name or password</source>
        <translation>Der Sync-Server hat Benutzername oder Passwort abgelehnt</translation>
    </message>
    <message>
        <source>The sync server wants a password</source>
        <translation>Der Sync-Server verlangt ein Passwort</translation>
    </message>
    <message>
        <source>The sync server does not let this device in (its pg_hba.conf)</source>
        <translation>Der Sync-Server lässt dieses Gerät nicht zu (seine pg_hba.conf)</translation>
    </message>
    <message>
        <source>The sync server offers no encrypted connection (TLS), which a server on another machine must</source>
        <translation>Der Sync-Server bietet keine verschlüsselte Verbindung (TLS), die ein Server auf einem anderen Rechner bieten muss</translation>
    </message>
    <message>
        <source>The sync server did not answer in time</source>
        <translation>Der Sync-Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>This device&apos;s clock is ahead of the sync server&apos;s: set the clock right; the changes wait until then</source>
        <translation>Die Uhr dieses Geräts geht gegenüber dem Sync-Server vor: Bitte die Uhr stellen; bis dahin warten die Änderungen</translation>
    </message>
    <message>
        <source>The sync server is not prepared yet: press &quot;Prepare server&quot; once</source>
        <translation>Der Sync-Server ist noch nicht eingerichtet: Einmal „Server einrichten“ drücken</translation>
    </message>
    <message>
        <source>The database named in the address does not exist on the server</source>
        <translation>Die in der Adresse genannte Datenbank gibt es auf dem Server nicht</translation>
    </message>
    <message>
        <source>The sync server has lost changes it had (restored from a backup?): this device sends its copy again</source>
        <translation>Der Sync-Server hat Änderungen verloren, die er schon hatte (aus einer Sicherung zurückgespielt?): Dieses Gerät sendet seine Kopie noch einmal</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <source>File exists already</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Do you want to overwrite existing file?</source>
        <translation>Soll die vorhandene Datei überschrieben werden?</translation>
    </message>
    <message>
        <source>Overwrite logbook</source>
        <translation>Logbuch überschreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete all QSOs in log</source>
        <translation>Alle QSOs im Log löschen</translation>
    </message>
    <message>
        <source>Delete selected log file</source>
        <translation>Ausgewählte Logdatei löschen</translation>
    </message>
    <message>
        <source>Enter logbook file name:</source>
        <translation>Dateiname des Logbuchs eingeben:</translation>
    </message>
    <message>
        <source>Name of new logbook:</source>
        <translation>Name des neuen Logbuchs:</translation>
    </message>
    <message>
        <source>This name was given before!</source>
        <translation>Dieser Name ist schon vergeben!</translation>
    </message>
    <message>
        <source>Do you want to delete this logbook?</source>
        <translation>Soll dieses Logbuch gelöscht werden?</translation>
    </message>
    <message>
        <source>Do you want to delete every QSO of the synced log, on every device that shares it?</source>
        <translation>Sollen alle QSOs des synchronisierten Logs gelöscht werden, auf jedem Gerät, das es teilt?</translation>
    </message>
    <message>
        <source>Delete logbook</source>
        <translation>Logbuch löschen</translation>
    </message>
    <message>
        <source>Clublog xml: %1</source>
        <translation>Club-Log-XML: %1</translation>
    </message>
    <message>
        <source>Club Log xml error: %1</source>
        <translation>Club-Log-XML-Fehler: %1</translation>
    </message>
</context>
<context>
    <name>SpotFilterBar</name>
    <message>
        <source>Search callsign</source>
        <translation>Rufzeichen suchen</translation>
    </message>
</context>
<context>
    <name>SpotList</name>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
</context>
<context>
    <name>SpotTable</name>
    <message>
        <source>Call</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Entity</source>
        <translation>Gebiet</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanz</translation>
    </message>
    <message>
        <source>Hdg</source>
        <translation>Ri.</translation>
    </message>
    <message>
        <source>Spotter</source>
        <translation>Spotter</translation>
    </message>
    <message>
        <source>Use data for new QSO</source>
        <translation>Daten für neues QSO übernehmen</translation>
    </message>
    <message>
        <source>QSY TRX</source>
        <translation>TRX abstimmen</translation>
    </message>
    <message>
        <source>Show all spots</source>
        <translation>Alle Spots zeigen</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Nachschlagen</translation>
    </message>
    <message>
        <source>No transceiver connected</source>
        <translation>Kein Transceiver verbunden</translation>
    </message>
    <message>
        <source>Connect the transceiver under Settings › Transceiver to tune it to a spot.</source>
        <translation>Verbinde den Transceiver unter Einstellungen › Transceiver, um ihn auf einen Spot abzustimmen.</translation>
    </message>
</context>
<context>
    <name>SpotTablePage</name>
    <message>
        <source>Spots</source>
        <translation>Spots</translation>
    </message>
</context>
<context>
    <name>StationChip</name>
    <message>
        <source>No station profile</source>
        <translation>Kein Stationsprofil</translation>
    </message>
    <message>
        <source>Station profiles…</source>
        <translation>Stationsprofile …</translation>
    </message>
    <message>
        <source>Activation…</source>
        <translation>Aktivierung …</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Kept in the logbook “%1”.</source>
        <translation>Gespeichert im Logbuch „%1“.</translation>
    </message>
    <message>
        <source>Own callsign</source>
        <translation>Eigenes Rufzeichen</translation>
    </message>
    <message>
        <source>e.g. DL1ABC</source>
        <translation>z. B. DL1ABC</translation>
    </message>
    <message>
        <source>Own locator</source>
        <translation>Eigener Locator</translation>
    </message>
    <message>
        <source>e.g. JO62QM</source>
        <translation>z. B. JO62QM</translation>
    </message>
    <message>
        <source>This is not a Maidenhead locator.</source>
        <translation>Das ist kein Maidenhead-Locator.</translation>
    </message>
</context>
<context>
    <name>StationProfilesPage</name>
    <message>
        <source>Station profiles</source>
        <translation>Stationsprofile</translation>
    </message>
    <message>
        <source>The active profile is recorded with each new QSO and sets the logbook&apos;s own callsign and locator.</source>
        <translation>Das aktive Profil wird mit jedem neuen QSO gespeichert und setzt das eigene Rufzeichen und den Locator des Logbuchs.</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Use this profile</source>
        <translation>Dieses Profil verwenden</translation>
    </message>
</context>
<context>
    <name>StatisticsButton</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>StatisticsPage</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Wird gelesen…</translation>
    </message>
    <message>
        <source>First: %1</source>
        <translation>Erstes: %1</translation>
    </message>
    <message>
        <source>Last: %1</source>
        <translation>Letztes: %1</translation>
    </message>
</context>
<context>
    <name>SyncScreen</name>
    <message>
        <source>Not joined</source>
        <translation>Nicht beigetreten</translation>
    </message>
    <message>
        <source>Not in use: another logbook is chosen</source>
        <translation>Nicht in Gebrauch: ein anderes Logbuch ist gewählt</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Wird synchronisiert …</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Startet</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Offline, %1 changes waiting</source>
        <translation>Offline, %1 Änderungen warten</translation>
    </message>
    <message>
        <source>Synced, %1 changes waiting</source>
        <translation>Synchronisiert, %1 Änderungen warten</translation>
    </message>
    <message>
        <source>All QSOs from this logbook will be imported into the synced logbook!</source>
        <translation>Alle QSOs dieses Logbuchs werden in das synchronisierte Logbuch übernommen!</translation>
    </message>
    <message>
        <source>The server is ready</source>
        <translation>Der Server ist bereit</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>%1 beigetreten</translation>
    </message>
    <message>
        <source>%1 QSOs copied into the synced log</source>
        <translation>%1 QSOs in das synchronisierte Log kopiert</translation>
    </message>
</context>
<context>
    <name>SyncedLogPage</name>
    <message>
        <source>One logbook on several devices</source>
        <translation>Ein Logbuch auf mehreren Geräten</translation>
    </message>
    <message>
        <source>One logbook shared by this device and others through a PostgreSQL server. Each device keeps a full copy and works offline; changes travel when the server can be reached.</source>
        <translation>Ein Logbuch, das dieses Gerät über einen PostgreSQL-Server mit anderen teilt. Jedes Gerät hat eine vollständige Kopie und arbeitet auch offline; Änderungen werden übertragen, sobald der Server erreichbar ist.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Logbuch</translation>
    </message>
    <message>
        <source>Club log</source>
        <translation>Club-Log</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Prepare server</source>
        <translation>Server einrichten</translation>
    </message>
    <message>
        <source>Use synced log</source>
        <translation>Synchronisiertes Log verwenden</translation>
    </message>
    <message>
        <source>Sync now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Letzte Synchronisierung</translation>
    </message>
    <message>
        <source>Changes waiting</source>
        <translation>Wartende Änderungen</translation>
    </message>
    <message>
        <source>Copy this logbook into the synced log</source>
        <translation>Dieses Logbuch in das synchronisierte Log kopieren</translation>
    </message>
</context>
<context>
    <name>TabletShell</name>
    <message>
        <source>Logbook: %1</source>
        <translation>Logbuch: %1</translation>
    </message>
    <message>
        <source>Contest</source>
        <translation>Contest</translation>
    </message>
</context>
<context>
    <name>TransceiverPage</name>
    <message>
        <source>%1 Control</source>
        <translation>%1-Steuerung</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Disconnect to choose another radio or link.</source>
        <translation>Zum Wechseln von Funkgerät oder Verbindung erst trennen.</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Modell wählen</translation>
    </message>
    <message>
        <source>CI-V address</source>
        <translation>CI-V-Adresse</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Reading the radio</source>
        <translation>Abfrage des Funkgeräts</translation>
    </message>
    <message>
        <source>Poll the radio for frequency and mode</source>
        <translation>Frequenz und Betriebsart vom Funkgerät abfragen</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Data mode</source>
        <translation>Datenbetrieb</translation>
    </message>
    <message>
        <source>Used when a digital spot or frequency tunes the radio.</source>
        <translation>Gilt, wenn ein digitaler Spot oder eine Frequenz das Funkgerät abstimmt.</translation>
    </message>
    <message>
        <source>Data mode on (DA1;) for digital modes</source>
        <translation>Datenbetrieb ein (DA1;) für digitale Betriebsarten</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
</context>
<context>
    <name>TrxLinkFields</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>e.g. 192.168.1.50</source>
        <translation>z. B. 192.168.1.50</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>e.g. 50000</source>
        <translation>z. B. 50000</translation>
    </message>
    <message>
        <source>Listen for interfaces</source>
        <translation>Nach Interfaces horchen</translation>
    </message>
    <message>
        <source>WLAN interfaces:</source>
        <translation>WLAN-Interfaces:</translation>
    </message>
    <message>
        <source>Listening…</source>
        <translation>Horche…</translation>
    </message>
    <message>
        <source>None heard yet.</source>
        <translation>Noch keines gehört.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Hardware flow control (RTS/CTS)</source>
        <translation>Hardware-Flusssteuerung (RTS/CTS)</translation>
    </message>
    <message>
        <source>Hamlib’s rigctld speaks for the radio: its make and model are set up there.</source>
        <translation>Hamlibs rigctld spricht für das Funkgerät: Hersteller und Modell werden dort eingestellt.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>BT interfaces:</source>
        <translation>BT-Interfaces:</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Suche…</translation>
    </message>
    <message>
        <source>Chosen: %1. Scan to choose another.</source>
        <translation>Gewählt: %1. Suchen, um ein anderes zu wählen.</translation>
    </message>
    <message>
        <source>None found yet: switch the adapter on and scan.</source>
        <translation>Noch keines gefunden: Adapter einschalten und suchen.</translation>
    </message>
    <message>
        <source>Paired radio</source>
        <translation>Gekoppeltes Funkgerät</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Noch keines</translation>
    </message>
    <message>
        <source>Pair Icom</source>
        <translation>Icom koppeln</translation>
    </message>
    <message>
        <source>On the IC-705 select: Menu -&gt; Set -&gt; Bluetooth Set -&gt; &lt;&lt;Pairing Reception&gt;&gt;</source>
        <translation>Am IC-705 wählen: Menu -&gt; Set -&gt; Bluetooth Set -&gt; &lt;&lt;Pairing Reception&gt;&gt;</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>UploadTexts</name>
    <message>
        <source>%1&apos;s reply could not be read</source>
        <translation>Die Antwort von %1 war nicht lesbar</translation>
    </message>
    <message>
        <source>%1 refused the API key: %2</source>
        <translation>%1 hat den API-Schlüssel abgelehnt: %2</translation>
    </message>
    <message>
        <source>No API key for %1</source>
        <translation>Kein API-Schlüssel für %1</translation>
    </message>
    <message>
        <source>No Wavelog address or station profile id</source>
        <translation>Keine Wavelog-Adresse oder Stations-ID</translation>
    </message>
    <message>
        <source>No new QSOs found!</source>
        <translation>Keine neuen QSOs gefunden!</translation>
    </message>
    <message>
        <source>Uploading %1 of %2 ...</source>
        <translation>Lade %1 von %2 hoch ...</translation>
    </message>
    <message>
        <source>%1 QSO(s) sent, %2 there already</source>
        <translation>%1 QSO(s) gesendet, %2 schon vorhanden</translation>
    </message>
    <message>
        <source>%1 QSO(s) refused: %2</source>
        <translation>%1 QSO(s) abgelehnt: %2</translation>
    </message>
    <message>
        <source>Upload error: %1</source>
        <translation>Upload-Fehler: %1</translation>
    </message>
    <message>
        <source>%1 QSO(s) not uploaded yet</source>
        <translation>%1 QSO(s) noch nicht hochgeladen</translation>
    </message>
    <message>
        <source>Downloading confirmations ...</source>
        <translation>Lade Bestätigungen ...</translation>
    </message>
    <message>
        <source>%1 confirmation(s), %2 new, %3 not in the log</source>
        <translation>%1 Bestätigung(en), %2 neu, %3 nicht im Log</translation>
    </message>
    <message>
        <source>Download error: %1</source>
        <translation>Download-Fehler: %1</translation>
    </message>
    <message>
        <source>the reply was cut off; nothing was changed</source>
        <translation>die Antwort brach ab; nichts wurde geändert</translation>
    </message>
    <message>
        <source>The key could not be kept</source>
        <translation>Der Schlüssel konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
</context>
<context>
    <name>UserFieldsPage</name>
    <message>
        <source>Four fields of your own on every QSO. The ADIF field is the name they are exported and imported under.</source>
        <translation>Vier eigene Felder in jedem QSO. Das ADIF-Feld ist der Name, unter dem sie exportiert und importiert werden.</translation>
    </message>
    <message>
        <source>User field %1</source>
        <translation>Benutzerfeld %1</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>ADIF field</source>
        <translation>ADIF-Feld</translation>
    </message>
    <message>
        <source>Keep the value for the next QSO</source>
        <translation>Wert für das nächste QSO behalten</translation>
    </message>
</context>
<context>
    <name>WavelogPane</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Station ID</source>
        <translation>Stations-ID</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API-Schlüssel</translation>
    </message>
    <message>
        <source>Last upload</source>
        <translation>Letzter Upload</translation>
    </message>
    <message>
        <source>Upload each new QSO at once</source>
        <translation>Jedes neue QSO sofort hochladen</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
</context>
<context>
    <name>WsjtxPage</name>
    <message>
        <source>Logging from WSJT-X and JTDX</source>
        <translation>Loggen aus WSJT-X und JTDX</translation>
    </message>
    <message>
        <source>QSOs that WSJT-X or JTDX log are stored in the current logbook, each once. In their Settings → Reporting set the UDP server to 127.0.0.1 (or this computer&apos;s address) and its port to the one below.</source>
        <translation>QSOs, die WSJT-X oder JTDX loggen, werden einmal im aktuellen Logbuch gespeichert. Dort unter Settings → Reporting den UDP-Server auf 127.0.0.1 (oder die Adresse dieses Computers) und seinen Port auf den unten stehenden setzen.</translation>
    </message>
    <message>
        <source>Log QSOs from WSJT-X and JTDX</source>
        <translation>QSOs aus WSJT-X und JTDX loggen</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>UDP-Port</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Last QSOs received</source>
        <translation>Zuletzt empfangene QSOs</translation>
    </message>
    <message>
        <source>Nothing received yet.</source>
        <translation>Noch nichts empfangen.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>127.0.0.1 takes QSOs from programs on this computer only; 0.0.0.0 from any computer in the network; a multicast group such as 224.0.0.1 when WSJT-X sends to one.</source>
        <translation>127.0.0.1 nimmt QSOs nur von Programmen auf diesem Computer an; 0.0.0.0 von jedem Computer im Netz; eine Multicast-Gruppe wie 224.0.0.1, wenn WSJT-X an eine sendet.</translation>
    </message>
</context>
<context>
    <name>WsjtxSettings</name>
    <message>
        <source>Listening on UDP port %1</source>
        <translation>Empfangsbereit auf UDP-Port %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1 is no IP address (e.g. 127.0.0.1, 0.0.0.0 or 224.0.0.1)</source>
        <translation>%1 ist keine IP-Adresse (z. B. 127.0.0.1, 0.0.0.0 oder 224.0.0.1)</translation>
    </message>
</context>
<context>
    <name>cluster::ClusterNodeList</name>
    <message>
        <source>Name and address need at least 2 characters each.</source>
        <translation>Name und Adresse brauchen je mindestens 2 Zeichen.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
</context>
<context>
    <name>cluster::ClusterOptions</name>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
</context>
<context>
    <name>cluster::ClusterScreen</name>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>All + old</source>
        <translation>Alle + alte</translation>
    </message>
</context>
<context>
    <name>cluster::ClusterSession</name>
    <message>
        <source>The port %1 is not between 1 and 65535.</source>
        <translation>Der Port %1 liegt nicht zwischen 1 und 65535.</translation>
    </message>
    <message>
        <source>
 *** Failure with %1 *** 
%2
</source>
        <translation>
 *** Fehler mit %1 *** 
%2
</translation>
    </message>
    <message>
        <source>
 *** Connected to %1 *** 
</source>
        <translation>
 *** Verbunden mit %1 *** 
</translation>
    </message>
    <message>
        <source>
 *** Disconnected from %1 *** 
</source>
        <translation>
 *** Getrennt von %1 *** 
</translation>
    </message>
    <message>
        <source>
 *** Reconnecting to %1 in %2 s *** 
</source>
        <translation>
 *** Neue Verbindung zu %1 in %2 s *** 
</translation>
    </message>
    <message>
        <source>
The node closed the line (another login with this call?)
</source>
        <translation>
Der Knoten hat die Verbindung getrennt (eine andere Anmeldung mit diesem Rufzeichen?)
</translation>
    </message>
    <message>
        <source>
The node closed the line (it may want a login call)
</source>
        <translation>
Der Knoten hat die Verbindung getrennt (er erwartet vielleicht ein Rufzeichen zur Anmeldung)
</translation>
    </message>
</context>
<context>
    <name>awards::AwardsScreen</name>
    <message>
        <source>Worked All States</source>
        <translation>US-Bundesstaaten</translation>
    </message>
    <message>
        <source>Worked All Zones (CQ)</source>
        <translation>CQ-Zonen</translation>
    </message>
    <message>
        <source>ITU zones</source>
        <translation>ITU-Zonen</translation>
    </message>
    <message>
        <source>Worked All Continents</source>
        <translation>Kontinente</translation>
    </message>
    <message>
        <source>WPX prefixes</source>
        <translation>WPX-Präfixe</translation>
    </message>
    <message>
        <source>Islands on the Air</source>
        <translation>Inseln (IOTA)</translation>
    </message>
    <message>
        <source>Grid fields (VUCC)</source>
        <translation>Mittelfelder (VUCC)</translation>
    </message>
    <message>
        <source>Parks on the Air</source>
        <translation>Parks (POTA)</translation>
    </message>
    <message>
        <source>Summits on the Air</source>
        <translation>Gipfel (SOTA)</translation>
    </message>
    <message>
        <source>World Wide Flora &amp; Fauna</source>
        <translation>World Wide Flora &amp; Fauna</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>%1 activated</source>
        <translation>%1 aktiviert</translation>
    </message>
    <message>
        <source>%1 with a valid activation</source>
        <translation>%1 mit gültiger Aktivierung</translation>
    </message>
    <message>
        <source>%1 worked · %2 confirmed · %3 needed of %4</source>
        <translation>%1 gearbeitet · %2 bestätigt · %3 von %4 fehlen</translation>
    </message>
    <message>
        <source>%1 worked · %2 confirmed</source>
        <translation>%1 gearbeitet · %2 bestätigt</translation>
    </message>
    <message>
        <source>%1: %2 worked, %3 confirmed</source>
        <translation>%1: %2 gearbeitet, %3 bestätigt</translation>
    </message>
    <message>
        <source>VUCC on %1: %2 confirmed of %3</source>
        <translation>VUCC auf %1: %2 von %3 bestätigt</translation>
    </message>
    <message>
        <source>newest %1 of %2 QSOs</source>
        <translation>die neuesten %1 von %2 QSOs</translation>
    </message>
    <message>
        <source>QSOs: %1</source>
        <translation>QSOs: %1</translation>
    </message>
    <message>
        <source>Grids</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>LoTW</source>
        <translation>LoTW</translation>
    </message>
    <message>
        <source>eQSL</source>
        <translation>eQSL</translation>
    </message>
    <message>
        <source>Confirmed by</source>
        <translation>Bestätigt durch</translation>
    </message>
    <message>
        <source>Hunted</source>
        <translation>Gejagt</translation>
    </message>
    <message>
        <source>Activated</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>Digi</source>
        <translation>Digi</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Wkd</source>
        <translation>Gearb.</translation>
    </message>
    <message>
        <source>Cfd</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>All bands and modes</source>
        <translation>Alle Bänder und Betriebsarten</translation>
    </message>
    <message>
        <source>All bands</source>
        <translation>Alle Bänder</translation>
    </message>
    <message>
        <source>No QSO counts for this award yet.</source>
        <translation>Noch kein QSO zählt für dieses Diplom.</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Worked</source>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>DXCC</source>
        <translation>DXCC</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Diplome</translation>
    </message>
</context>
<context>
    <name>dxcc::DxList</name>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Worked</source>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <source>Not cfd</source>
        <translation>Nicht best.</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Not worked</source>
        <translation>Nicht gearbeitet</translation>
    </message>
    <message>
        <source>Not confirmed</source>
        <translation>Nicht bestätigt</translation>
    </message>
    <message>
        <source>Worked, not cfd</source>
        <translation>Gearbeitet, nicht bestätigt</translation>
    </message>
    <message>
        <source>1 entity</source>
        <translation>1 Gebiet</translation>
    </message>
    <message>
        <source>%1 entities</source>
        <translation>%1 Gebiete</translation>
    </message>
    <message>
        <source>Entity</source>
        <translation>Gebiet</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Digi</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Per band: CW, Data, Phone.  W worked, P paper QSL, L LoTW, X both.</source>
        <translation>Je Band: CW, Digi, Fonie.  W gearbeitet, P Papier-QSL, L LoTW, X beides.</translation>
    </message>
    <message>
        <source>No entity matches the filter.</source>
        <translation>Kein Gebiet passt zum Filter.</translation>
    </message>
</context>
<context>
    <name>dxcc::DxListModel</name>
    <message>
        <source>%1 (deleted)</source>
        <translation>%1 (gestrichen)</translation>
    </message>
</context>
<context>
    <name>dxcc::DxccCounter</name>
    <message>
        <source>%1 wkd</source>
        <translation>%1 gearb.</translation>
    </message>
    <message>
        <source>%1 cfd</source>
        <translation>%1 best.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>LoTW</source>
        <translation>LoTW</translation>
    </message>
    <message>
        <source>Confirmed by</source>
        <translation>Bestätigt durch</translation>
    </message>
    <message>
        <source>Include deleted entities</source>
        <translation>Gestrichene Gebiete einbeziehen</translation>
    </message>
    <message>
        <source>Worked</source>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <source>All cfd</source>
        <translation>Alle best.</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>Digi</source>
        <translation>Digi</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Wkd</source>
        <translation>Gearb.</translation>
    </message>
    <message>
        <source>Cfd</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>160–10m, 6 bands</source>
        <translation>160–10 m, 6 Bänder</translation>
    </message>
    <message>
        <source>160, 80, 40, 20, 15 and 10m</source>
        <translation>160, 80, 40, 20, 15 und 10 m</translation>
    </message>
    <message>
        <source>160–10m, 9 bands</source>
        <translation>160–10 m, 9 Bänder</translation>
    </message>
    <message>
        <source>Every band from 160 to 10m but 60m</source>
        <translation>Jedes Band von 160 bis 10 m außer 60 m</translation>
    </message>
    <message>
        <source>Band slots</source>
        <translation>Band-Slots</translation>
    </message>
    <message>
        <source>CW, Digi and Phone on every band but 60m</source>
        <translation>CW, Digi und Fonie auf jedem Band außer 60 m</translation>
    </message>
</context>
<context>
    <name>dxcc::DxccScreen</name>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>DX list</source>
        <translation>DX-Liste</translation>
    </message>
</context>
<context>
    <name>scanner::ScanReceiver</name>
    <message>
        <source>QSL not marked for %1: %2</source>
        <translation>QSL für %1 nicht markiert: %2</translation>
    </message>
    <message>
        <source>QSL marked received (%1) on %2: %3</source>
        <translation>QSL als empfangen markiert (%1) am %2: %3</translation>
    </message>
    <message>
        <source>Listening for QSL cards on UDP port %1</source>
        <translation>Empfangsbereit für QSL-Karten auf UDP-Port %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>No such QSO to mark</source>
        <translation>Dieses QSO gibt es nicht zum Markieren</translation>
    </message>
    <message>
        <source>Already marked</source>
        <translation>Bereits markiert</translation>
    </message>
</context>
<context>
    <name>scanner::ScanRelay</name>
    <message>
        <source>Not sent: no &quot;From:&quot; and &quot;To:&quot; in the text</source>
        <translation>Nicht gesendet: kein „From:“ und „To:“ im Text</translation>
    </message>
    <message>
        <source>Not sent: no host set</source>
        <translation>Nicht gesendet: kein Host eingestellt</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Already sent</source>
        <translation>Bereits gesendet</translation>
    </message>
    <message>
        <source>Sent to %1:%2</source>
        <translation>Gesendet an %1:%2</translation>
    </message>
</context>
<context>
    <name>scanner::ScannerScreen</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Keine Kamera</translation>
    </message>
</context>
<context>
    <name>station</name>
    <message>
        <source>No station callsign for the file name: give a file name.</source>
        <translation>Kein Stationsrufzeichen für den Dateinamen: bitte einen Dateinamen angeben.</translation>
    </message>
    <message>
        <source>A station profile needs a name.</source>
        <translation>Ein Stationsprofil braucht einen Namen.</translation>
    </message>
    <message>
        <source>No station profile named &quot;%1&quot;.</source>
        <translation>Kein Stationsprofil namens „%1“.</translation>
    </message>
    <message>
        <source>Name: a station profile named &quot;%1&quot; exists already.</source>
        <translation>Name: Ein Stationsprofil namens „%1“ gibt es schon.</translation>
    </message>
    <message>
        <source>The station profiles were not saved: %1</source>
        <translation>Die Stationsprofile wurden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Name: &quot;%1&quot; is not a usable profile name (at most 40 characters).</source>
        <translation>Name: „%1“ ist kein brauchbarer Profilname (höchstens 40 Zeichen).</translation>
    </message>
    <message>
        <source>Station callsign: &quot;%1&quot; is not a callsign.</source>
        <translation>Stationsrufzeichen: „%1“ ist kein Rufzeichen.</translation>
    </message>
    <message>
        <source>Operator: &quot;%1&quot; is not a callsign.</source>
        <translation>Operator: „%1“ ist kein Rufzeichen.</translation>
    </message>
    <message>
        <source>Locator: &quot;%1&quot; is not a Maidenhead locator of 6 or 8 characters.</source>
        <translation>Locator: „%1“ ist kein Maidenhead-Locator mit 6 oder 8 Zeichen.</translation>
    </message>
    <message>
        <source>IOTA: &quot;%1&quot; is not an IOTA reference like EU-005.</source>
        <translation>IOTA: „%1“ ist keine IOTA-Referenz wie EU-005.</translation>
    </message>
    <message>
        <source>POTA: &quot;%1&quot; is not a park reference like US-0001.</source>
        <translation>POTA: „%1“ ist keine Park-Referenz wie US-0001.</translation>
    </message>
    <message>
        <source>SOTA: &quot;%1&quot; is not a summit reference like W7W/KG-001.</source>
        <translation>SOTA: „%1“ ist keine Gipfel-Referenz wie W7W/KG-001.</translation>
    </message>
    <message>
        <source>WWFF: &quot;%1&quot; is not a WWFF reference like DLFF-0123.</source>
        <translation>WWFF: „%1“ ist keine WWFF-Referenz wie DLFF-0123.</translation>
    </message>
    <message>
        <source>CQ zone: &quot;%1&quot; is not a zone from 1 to 40.</source>
        <translation>CQ-Zone: „%1“ ist keine Zone von 1 bis 40.</translation>
    </message>
    <message>
        <source>ITU zone: &quot;%1&quot; is not a zone from 1 to 90.</source>
        <translation>ITU-Zone: „%1“ ist keine Zone von 1 bis 90.</translation>
    </message>
    <message>
        <source>Power: &quot;%1&quot; is not a power in watts.</source>
        <translation>Leistung: „%1“ ist keine Leistung in Watt.</translation>
    </message>
    <message>
        <source>State: the text is too long or holds control characters.</source>
        <translation>Staat: Der Text ist zu lang oder enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>County: the text is too long or holds control characters.</source>
        <translation>County: Der Text ist zu lang oder enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>Rig: the text is too long or holds control characters.</source>
        <translation>Funkgerät: Der Text ist zu lang oder enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>Antenna: the text is too long or holds control characters.</source>
        <translation>Antenne: Der Text ist zu lang oder enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>%1 is not a list of valid station profiles (kept as %2)</source>
        <translation>%1 ist keine Liste gültiger Stationsprofile (aufbewahrt als %2)</translation>
    </message>
</context>
<context>
    <name>stats</name>
    <message>
        <source>No QSOs</source>
        <translation>Keine QSOs</translation>
    </message>
    <message>
        <source>Worked grid squares and QSO end points</source>
        <translation>Gearbeitete Locator-Felder und QSO-Endpunkte</translation>
    </message>
    <message>
        <source>QSOs per year</source>
        <translation>QSOs pro Jahr</translation>
    </message>
    <message>
        <source>QSOs per month</source>
        <translation>QSOs pro Monat</translation>
    </message>
    <message>
        <source>QSOs per band</source>
        <translation>QSOs pro Band</translation>
    </message>
    <message>
        <source>QSOs per mode</source>
        <translation>QSOs pro Betriebsart</translation>
    </message>
    <message>
        <source>QSOs per continent</source>
        <translation>QSOs pro Kontinent</translation>
    </message>
    <message>
        <source>QSOs per hour of day (UTC)</source>
        <translation>QSOs pro Tagesstunde (UTC)</translation>
    </message>
</context>
<context>
    <name>stats::EntitySpanModel</name>
    <message>
        <source>1 QSO</source>
        <translation>1 QSO</translation>
    </message>
    <message>
        <source>%1 QSOs</source>
        <translation>%1 QSOs</translation>
    </message>
</context>
<context>
    <name>stats::StatisticsScreen</name>
    <message>
        <source>%1 QSOs</source>
        <translation>%1 QSOs</translation>
    </message>
    <message>
        <source>First and last QSO per entity</source>
        <translation>Erstes und letztes QSO je DXCC-Gebiet</translation>
    </message>
</context>
<context>
    <name>trx::BleLink</name>
    <message>
        <source>No connection to the Bluetooth device %1 within %2 s.</source>
        <translation>Keine Verbindung zum Bluetooth-Gerät %1 innerhalb von %2 s.</translation>
    </message>
    <message>
        <source>The Bluetooth device %1 disconnected.</source>
        <translation>Das Bluetooth-Gerät %1 hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Bluetooth is not available!</source>
        <translation>Bluetooth ist nicht verfügbar!</translation>
    </message>
</context>
<context>
    <name>trx::ElecraftTerminal</name>
    <message>
        <source>### Receive ###</source>
        <translation>### Empfang ###</translation>
    </message>
    <message>
        <source>### Transmit ###</source>
        <translation>### Senden ###</translation>
    </message>
</context>
<context>
    <name>trx::GenericBleLink</name>
    <message>
        <source>The Bluetooth device %1 has nothing to write to.</source>
        <translation>Das Bluetooth-Gerät %1 bietet nichts zum Schreiben an.</translation>
    </message>
</context>
<context>
    <name>trx::IcomBleLink</name>
    <message>
        <source>The Icom radio %1 has nothing to write to.</source>
        <translation>Das Icom-Gerät %1 bietet nichts zum Schreiben an.</translation>
    </message>
    <message>
        <source>Can&apos;t access Bluetooth</source>
        <translation>Kein Zugriff auf Bluetooth</translation>
    </message>
</context>
<context>
    <name>trx::IcomPairing</name>
    <message>
        <source>Icom trcvr not found</source>
        <translation>Icom-Transceiver nicht gefunden</translation>
    </message>
    <message>
        <source>Icom trcvr found, but pairing failed</source>
        <translation>Icom-Transceiver gefunden, aber Kopplung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Can&apos;t access Bluetooth</source>
        <translation>Kein Zugriff auf Bluetooth</translation>
    </message>
</context>
<context>
    <name>trx::InterfaceDiscovery</name>
    <message>
        <source>The port 0 is not between 1 and 65535.</source>
        <translation>Der Port 0 liegt nicht zwischen 1 und 65535.</translation>
    </message>
</context>
<context>
    <name>trx::NetworkLink</name>
    <message>
        <source>The port 0 is not between 1 and 65535.</source>
        <translation>Der Port 0 liegt nicht zwischen 1 und 65535.</translation>
    </message>
    <message>
        <source>The other side closed the connection.</source>
        <translation>Die Gegenseite hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>The connection could not be made.</source>
        <translation>Die Verbindung konnte nicht hergestellt werden.</translation>
    </message>
</context>
<context>
    <name>trx::QtBleCentral</name>
    <message>
        <source>The Bluetooth device disconnected.</source>
        <translation>Das Bluetooth-Gerät hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>The Bluetooth device does not offer the service %1.</source>
        <translation>Das Bluetooth-Gerät bietet den Dienst %1 nicht an.</translation>
    </message>
</context>
<context>
    <name>trx::SerialLink</name>
    <message>
        <source>The baud rate %1 cannot be used.</source>
        <translation>Die Baudrate %1 ist nicht möglich.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The serial port %1 was disconnected.</source>
        <translation>Die serielle Schnittstelle %1 wurde getrennt.</translation>
    </message>
    <message>
        <source>The serial port %1 failed: %2</source>
        <translation>Fehler an der seriellen Schnittstelle %1: %2</translation>
    </message>
</context>
<context>
    <name>trx::TrxController</name>
    <message>
        <source>This radio or link is not available.</source>
        <translation>Dieses Gerät oder diese Verbindung ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbinde mit %1…</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Not tuned: the radio is not connected.</source>
        <translation>Nicht abgestimmt: Das Gerät ist nicht verbunden.</translation>
    </message>
    <message>
        <source>Not tuned: no frequency was given.</source>
        <translation>Nicht abgestimmt: Keine Frequenz angegeben.</translation>
    </message>
    <message>
        <source>Not tuned: %1 kHz is outside what the radio can tune (%2 – %3 kHz).</source>
        <translation>Nicht abgestimmt: %1 kHz liegt außerhalb des Abstimmbereichs des Geräts (%2 – %3 kHz).</translation>
    </message>
    <message>
        <source>Tuning to %1 kHz</source>
        <translation>Stimme ab auf %1 kHz</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
</context>
<context>
    <name>trx::TrxScreen</name>
    <message>
        <source>This radio or link is not available.</source>
        <translation>Dieses Gerät oder diese Verbindung ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Enter the interface&apos;s port first.</source>
        <translation>Bitte zuerst den Port des Interfaces eingeben.</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Netzwerk-Interface</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>rigctld</source>
        <translation>rigctld</translation>
    </message>
    <message>
        <source>Bluetooth LE</source>
        <translation>Bluetooth LE</translation>
    </message>
    <message>
        <source>Icom Bluetooth</source>
        <translation>Icom Bluetooth</translation>
    </message>
    <message>
        <source>Disconnect serial port</source>
        <translation>Serielle Schnittstelle trennen</translation>
    </message>
    <message>
        <source>Connect serial port</source>
        <translation>Serielle Schnittstelle verbinden</translation>
    </message>
    <message>
        <source>Disconnect rigctld</source>
        <translation>rigctld trennen</translation>
    </message>
    <message>
        <source>Connect rigctld</source>
        <translation>rigctld verbinden</translation>
    </message>
    <message>
        <source>Enter the interface&apos;s address first.</source>
        <translation>Bitte zuerst die Adresse des Interfaces eingeben.</translation>
    </message>
    <message>
        <source>Choose a serial port first.</source>
        <translation>Bitte zuerst eine serielle Schnittstelle wählen.</translation>
    </message>
    <message>
        <source>Scan and choose a Bluetooth interface first.</source>
        <translation>Bitte zuerst nach Bluetooth-Interfaces suchen und eines wählen.</translation>
    </message>
    <message>
        <source>Pair the Icom radio first.</source>
        <translation>Bitte zuerst das Icom-Gerät koppeln.</translation>
    </message>
    <message>
        <source>Choose a model first.</source>
        <translation>Bitte zuerst ein Modell wählen.</translation>
    </message>
    <message>
        <source>Bluetooth is not available!</source>
        <translation>Bluetooth ist nicht verfügbar!</translation>
    </message>
    <message>
        <source>Do you have it enabled in the Privacy settings?</source>
        <translation>Ist es in den Datenschutz-Einstellungen freigegeben?</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Disconnect BT</source>
        <translation>BT trennen</translation>
    </message>
    <message>
        <source>Connect BT</source>
        <translation>BT verbinden</translation>
    </message>
    <message>
        <source>Disconnect Icom</source>
        <translation>Icom trennen</translation>
    </message>
    <message>
        <source>Connect Icom</source>
        <translation>Icom verbinden</translation>
    </message>
    <message>
        <source>Disconnect WLAN</source>
        <translation>WLAN trennen</translation>
    </message>
    <message>
        <source>Connect WLAN</source>
        <translation>WLAN verbinden</translation>
    </message>
    <message>
        <source>Set the &apos;CI-V Transceive&apos; option on your TRX to OFF!</source>
        <translation>Die Option &apos;CI-V Transceive&apos; am Transceiver auf OFF stellen!</translation>
    </message>
    <message>
        <source>Set the &apos;CI-V Transceive&apos; option on your TRX to ON!</source>
        <translation>Die Option &apos;CI-V Transceive&apos; am Transceiver auf ON stellen!</translation>
    </message>
</context>
<context>
    <name>wsjtx::WsjtxListener</name>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>UDP port %1 could not be opened: %2</source>
        <translation>UDP-Port %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The address %1 is no IP address.</source>
        <translation>Die Adresse %1 ist keine IP-Adresse.</translation>
    </message>
</context>
<context>
    <name>wsjtx::WsjtxLogger</name>
    <message>
        <source>No QSO in the ADIF text from %1</source>
        <translation>Kein QSO im ADIF-Text von %1</translation>
    </message>
    <message>
        <source>%1 more QSOs in one ADIF text from %2 not logged</source>
        <translation>%1 weitere QSOs in einem ADIF-Text von %2 nicht geloggt</translation>
    </message>
    <message>
        <source>%1 from %2 not logged: %3%4</source>
        <translation>%1 von %2 nicht geloggt: %3%4</translation>
    </message>
    <message>
        <source>just logged</source>
        <translation>gerade geloggt</translation>
    </message>
    <message>
        <source>already in the logbook</source>
        <translation>schon im Logbuch</translation>
    </message>
    <message>
        <source>%1 not stored in %2: %3</source>
        <translation>%1 nicht in %2 gespeichert: %3</translation>
    </message>
    <message>
        <source>%1 from %2 not logged: %3</source>
        <translation>%1 von %2 nicht geloggt: %3</translation>
    </message>
</context>
<context>
    <name>TqslTexts</name>
    <message>
        <source>Preparing ADIF file ...</source>
        <translation>Erstelle ADIF-Datei ...</translation>
    </message>
    <message>
        <source>TQSL is signing and uploading %1 QSO(s) ...</source>
        <translation>TQSL signiert %1 QSO(s) und lädt sie hoch ...</translation>
    </message>
    <message>
        <source>Updating log database ...</source>
        <translation>Aktualisiere Logbuch ...</translation>
    </message>
    <message>
        <source>No QSOs waiting for LoTW</source>
        <translation>Keine QSOs warten auf LoTW</translation>
    </message>
    <message>
        <source>%1 QSO(s) waiting for LoTW</source>
        <translation>%1 QSO(s) warten auf LoTW</translation>
    </message>
    <message>
        <source>%1 QSO(s) would be sent to LoTW (nothing sent)</source>
        <translation>%1 QSO(s) würden an LoTW gesendet (nichts gesendet)</translation>
    </message>
    <message>
        <source>LoTW accepted the upload: %1 QSO(s) marked as sent</source>
        <translation>LoTW hat den Upload angenommen: %1 QSO(s) als gesendet markiert</translation>
    </message>
    <message>
        <source>%1 QSO(s) marked as sent; TQSL skipped some: %2</source>
        <translation>%1 QSO(s) als gesendet markiert; TQSL hat einige übersprungen: %2</translation>
    </message>
    <message>
        <source>TQSL failed (exit %1): %2</source>
        <translation>TQSL fehlgeschlagen (Exit %1): %2</translation>
    </message>
    <message>
        <source>TQSL was not found (&quot;%1&quot;). Install it with &quot;sudo apt install trustedqsl&quot; or set the path to tqsl.</source>
        <translation>TQSL wurde nicht gefunden („%1“). Installieren mit „sudo apt install trustedqsl“ oder den Pfad zu tqsl angeben.</translation>
    </message>
    <message>
        <source>TQSL could not start: %1</source>
        <translation>TQSL konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>TQSL stopped unexpectedly</source>
        <translation>TQSL wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>TQSL did not finish within %1 seconds and was stopped</source>
        <translation>TQSL war nach %1 Sekunden nicht fertig und wurde beendet</translation>
    </message>
    <message>
        <source>Choose the TQSL station location to sign with (as named in TQSL)</source>
        <translation>Wähle den TQSL-Stationsstandort zum Signieren (wie in TQSL benannt)</translation>
    </message>
    <message>
        <source>The ADIF file for TQSL could not be written: %1</source>
        <translation>Die ADIF-Datei für TQSL konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The logbook could not be read: %1</source>
        <translation>Das Logbuch konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>LoTW has the QSOs, but marking them failed: %1 (%2 of %3 marked)</source>
        <translation>LoTW hat die QSOs, aber das Markieren schlug fehl: %1 (%2 von %3 markiert)</translation>
    </message>
    <message>
        <source>the logbook is gone</source>
        <translation>das Logbuch ist nicht mehr da</translation>
    </message>
    <message>
        <source>An upload is running</source>
        <translation>Ein Upload läuft</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>rejected by LoTW</source>
        <translation>von LoTW abgelehnt</translation>
    </message>
    <message>
        <source>unexpected response from the LoTW server</source>
        <translation>unerwartete Antwort des LoTW-Servers</translation>
    </message>
    <message>
        <source>TQSL error</source>
        <translation>TQSL-Fehler</translation>
    </message>
    <message>
        <source>TQSLlib error</source>
        <translation>TQSLlib-Fehler</translation>
    </message>
    <message>
        <source>the input file cannot be opened</source>
        <translation>die Eingabedatei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the output file cannot be opened</source>
        <translation>die Ausgabedatei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>all QSOs were duplicates or out of the date range</source>
        <translation>alle QSOs waren Duplikate oder außerhalb des Datumsbereichs</translation>
    </message>
    <message>
        <source>some QSOs were duplicates or out of the date range</source>
        <translation>einige QSOs waren Duplikate oder außerhalb des Datumsbereichs</translation>
    </message>
    <message>
        <source>command syntax error</source>
        <translation>Syntaxfehler im Befehl</translation>
    </message>
    <message>
        <source>LoTW connection error</source>
        <translation>Verbindungsfehler zu LoTW</translation>
    </message>
    <message>
        <source>unexpected error</source>
        <translation>unerwarteter Fehler</translation>
    </message>
    <message>
        <source>duplicates database error</source>
        <translation>Fehler der Duplikat-Datenbank</translation>
    </message>
    <message>
        <source>unknown exit code</source>
        <translation>unbekannter Exit-Code</translation>
    </message>
</context>
</TS>
