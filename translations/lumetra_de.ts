<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>die Datei des Programms selbst ist nicht bekannt</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>der Pfad des Programms „%1“ enthält einen Zeilenumbruch oder ein anderes Steuerzeichen, das ein Autostart-Eintrag nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>der Pfad des Programms „%1“ ist kein vollständiger Pfad</translation>
    </message>
</context>
<context>
    <name>ClockChangeNotice</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes, of a clock change</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Clocks went forward %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Die Uhren wurden %2 um %1 vorgestellt</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Die Uhren wurden %2 um %1 zurückgestellt</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Heute Nacht werden die Uhren um %1 vorgestellt: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Heute Nacht werden die Uhren um %1 zurückgestellt: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Heute werden die Uhren um %1 vorgestellt: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Heute werden die Uhren um %1 zurückgestellt: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Die Uhren werden %2 um %1 vorgestellt: %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Die Uhren werden %2 um %1 zurückgestellt: %3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>am Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>am Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>am Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>am Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>am Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>am Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>am Sonntag</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>um Mitternacht</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>aus Mitternacht wird %1</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>aus %1 wird Mitternacht</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>aus %1 wird %2</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>Mitternacht</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>um %1</numerusform>
            <numerusform>um %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>um %1 Uhr</numerusform>
            <numerusform>um %1 Uhr</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>Esc: zurück zum Bedienfeld. „hide“ tippen blendet dies aus.</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>Rechtsklick oder Menütaste für die Optionen des Wandbildschirms</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — Uhr</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>Uhrzeit evtl. ungenau: nicht synchronisiert</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1: die Uhrzeit auf dem ganzen Bildschirm.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Die Programmversion anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>Die Uhr sofort öffnen, wie es „Beim Anmelden starten“ tut, ohne eine Einstellung zu ändern.</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>Der Bildschirm, auf dem sich die Uhr öffnet (ohne --clock auch das Bedienfeld); die Uhr merkt ihn sich. Ohne diese Option öffnet sich die Uhr auf dem Bildschirm, den sie zuletzt ausgefüllt hat, sonst auf dem primären Bildschirm.</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>Die Namen der angeschlossenen Bildschirme ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>Kein Bildschirm namens „%1“ ist angeschlossen; --list-screens gibt die Namen aus.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
</context>
<context>
    <name>DayHalfMarkers</name>
    <message>
        <source>%1 %2</source>
        <comment>a time on the 12-hour clock (%1) and its marker, AM or PM (%2)</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland compositor cannot be found</source>
        <translation>XDG_RUNTIME_DIR ist nicht gesetzt, daher kann der Wayland-Compositor nicht gefunden werden</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>unter „%1“ antwortet kein Wayland-Compositor (%2)</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>unter DISPLAY=%1 antwortet kein X-Server</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>Die Anzeige kann nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>Nachtstunden</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>&amp;Helligkeit der Ziffern:</translation>
    </message>
</context>
<context>
    <name>OtherZoneClocks</name>
    <message>
        <source>--:--</source>
        <translation>--:--</translation>
    </message>
</context>
<context>
    <name>OtherZonesWindow</name>
    <message>
        <source>Other zones</source>
        <translation>Weitere Zeitzonen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>&amp;Zeitzone hinzufügen:</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>Angezeigte Zeitzonen</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>Bereits auf der Uhr</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>Höchstens %n Zeitzone</numerusform>
            <numerusform>Höchstens %n Zeitzonen</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>Bezeichnung der gewählten Zeitzone</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>&amp;Bezeichnung (statt der Stadt):</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>Vollbilduhr anzeigen</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Zeitzone auswählen</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Formatoptionen</translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation>Stunde, Minuten, Sekunden, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation>Stunde, Minuten, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation>Stunde, Minuten</translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation>Während die Uhr angezeigt wird</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>Bildschirm wach halten</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>Hinweis zur Esc-Taste ausblenden</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Startoptionen</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Im Infobereich starten</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>Schriftart und -größe ändern</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>Schrift zurücksetzen</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>Farbe zurücksetzen</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>Einige Einstellungen werden von Ihrem Administrator festgelegt</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Proprietäre Software von Orvanta. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>Keine Zeitzone passt zu „%1“</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>Das Programm wird bei der Anmeldung nicht gestartet: Der Autostart-Eintrag „%1“ konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>der Ordner „%1“ konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>Das Programm wird möglicherweise weiterhin bei der Anmeldung gestartet: Der Autostart-Eintrag „%1“ konnte nicht entfernt werden (%2).</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>Das Programm kann nicht bei der Anmeldung gestartet werden: %1.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Unzulässiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>Die Vollbilduhr wird angezeigt</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>Die Einstellungsdatei „%1“ enthielt Zeichen, die kein gültiger UTF-8-Text sind; sie werden jetzt als „%3“ gelesen. Die ursprüngliche Datei wurde als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden. Sie wurde als „%2“ aufbewahrt, und das Programm startet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>Die Einstellungsdatei „%1“ konnte weder gelesen noch beiseitegelegt werden. Das Programm startet mit den Standardeinstellungen; Änderungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden. Prüfen Sie, ob der Ordner existiert und beschreibbar ist und ob der Datenträger nicht voll ist. Ihre Änderungen bleiben wirksam, solange das Programm läuft.</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Von Ihrem Administrator festgelegt</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1 (von Ihrem Administrator festgelegt)</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>Zeitzonendaten für %1 können nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>Zeitzonendaten für %1 können nicht gelesen werden: Die Uhrzeit dieses Computers wird angezeigt</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>An Bildschirm anpassen</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>Einbrennschutz</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>Nachts abdunkeln</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>Sekunden im 24-Stunden-Format</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Datum anzeigen</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>Zeitzone anzeigen</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>Zeitumstellungen ankündigen</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>Warnen, wenn die Uhrzeit nicht synchronisiert ist</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>Weitere Zeitzonen…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>Zeiten wählen…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>Ziffern mit %1 % Helligkeit</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>Optionen des Wandbildschirms</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>Uhr schließen</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>Nur im 24-Stunden-Format „%1“</translation>
    </message>
    <message>
        <source>Format: %1 (24-hour)</source>
        <translation>Format: %1 (24 Stunden)</translation>
    </message>
    <message>
        <source>Format: %1 (12-hour)</source>
        <translation>Format: %1 (12 Stunden)</translation>
    </message>
</context>
<context>
    <name>WaylandStripSurface</name>
    <message>
        <source>Wayland: the time is drawn through Qt&apos;s window painting: %1</source>
        <translation>Wayland: Die Uhrzeit wird über die Fensterdarstellung von Qt gezeichnet: %1</translation>
    </message>
</context>
<context>
    <name>ZoneDifference</name>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>Stadt, Land oder UTC-Versatz</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>%1 läuft, antwortet aber nicht (Prozess %2)</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>Die Zeitzonendatenbank kann nicht gelesen werden: %1</translation>
    </message>
</context>
</TS>
