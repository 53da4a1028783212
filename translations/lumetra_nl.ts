<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>het bestand van het programma zelf is onbekend</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>het pad van het programma ‘%1’ bevat een regeleinde of een ander stuurteken, dat een opstartitem niet kan bevatten</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>het pad van het programma ‘%1’ is geen volledig pad</translation>
    </message>
</context>
<context>
    <name>ClockChangeNotice</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n uur</numerusform>
            <numerusform>%n uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes, of a clock change</comment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Clocks went forward %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>De klok ging %2 %1 vooruit</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>De klok ging %2 %1 terug</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>De klok gaat vannacht %1 vooruit: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>De klok gaat vannacht %1 terug: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>De klok gaat vandaag %1 vooruit: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>De klok gaat vandaag %1 terug: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>De klok gaat %2 %1 vooruit: %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>De klok gaat %2 %1 terug: %3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>op maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>op dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>op woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>op donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>op vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>op zaterdag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>op zondag</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>om middernacht</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>middernacht wordt %1</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>%1 wordt middernacht</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>%1 wordt %2</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>middernacht</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>om %1</numerusform>
            <numerusform>om %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>om %1</numerusform>
            <numerusform>om %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>Esc: terug naar het paneel. Typ ‘hide’ om dit te verbergen.</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>Klik met rechts of druk op Menu voor de wandschermopties</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — klok</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>Tijd mogelijk onjuist: niet gesynchroniseerd</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>Tekstkleur</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1: de tijd over een heel scherm.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>De versie van het programma tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>De klok meteen openen, zoals ‘Starten bij aanmelden’ doet, zonder een instelling te wijzigen.</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>Het scherm waarop de klok opent (en zonder --clock ook het paneel); de klok onthoudt het. Zonder deze optie opent de klok op het scherm dat hij het laatst vulde, anders op het primaire scherm.</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>De namen van de aangesloten schermen tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>Er is geen scherm met de naam ‘%1’ aangesloten; --list-screens toont de namen.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie ‘%1’.</translation>
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
        <translation>XDG_RUNTIME_DIR is niet ingesteld, dus de Wayland-compositor kan niet worden gevonden</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY is niet ingesteld</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>er antwoordt geen Wayland-compositor op ‘%1’ (%2)</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>er antwoordt geen X-server op DISPLAY=%1</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>Kan het beeldscherm niet openen: %1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>op regel %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Stuur een schermafbeelding van dit bericht per e-mail naar %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Toepassingsfout</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>Nachturen</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>&amp;Helderheid van cijfers:</translation>
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
        <translation>Andere tijdzones</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>&amp;Tijdzone om toe te voegen:</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>Getoonde tijdzones</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>Staat al op de klok</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>Maximaal %n tijdzone</numerusform>
            <numerusform>Maximaal %n tijdzones</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>Label van de gekozen tijdzone</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>&amp;Label (in plaats van de stad):</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>Klok op volledig scherm tonen</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Tijdzone kiezen</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Tijdnotatie</translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation>Uur, minuten, seconden, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation>Uur, minuten, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation>Uur, minuten</translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation>Zolang de klok wordt getoond</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>Scherm wakker houden</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>Hint over de Esc-toets verbergen</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opstartopties</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Starten in systeemvak</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>Lettertype en -grootte wijzigen</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>Standaardlettertype herstellen</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Kleur wijzigen</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>Standaardkleuren herstellen</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>Sommige instellingen worden door uw beheerder ingesteld</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Propriëtaire software van Orvanta. Alle rechten voorbehouden.</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>Geen tijdzone komt overeen met ‘%1’</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>Het programma start niet bij het aanmelden: het opstartitem ‘%1’ kon niet worden geschreven (%2).</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>de map ‘%1’ kon niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>Het programma kan nog steeds starten bij het aanmelden: het opstartitem ‘%1’ kon niet worden verwijderd (%2).</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>Het programma kan niet bij het aanmelden worden gestart: %1.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet met elkaar overeen</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Het subscript valt buiten het bereik</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ongeldige afbeelding</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>Klok wordt op volledig scherm getoond</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>Het instellingenbestand ‘%1’ bevatte tekens die geen geldige UTF-8-tekst zijn; ze worden nu gelezen als ‘%3’. Het oorspronkelijke bestand is bewaard als ‘%2’.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>Het instellingenbestand ‘%1’ kon niet worden gelezen. Het is bewaard als ‘%2’ en het programma start met de standaardinstellingen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>Het instellingenbestand ‘%1’ kon niet worden gelezen en kon ook niet opzij worden gezet. Het programma start met de standaardinstellingen; wijzigingen worden niet opgeslagen.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>De instellingen konden niet worden opgeslagen in ‘%1’. Controleer of de map bestaat en beschrijfbaar is en of de schijf niet vol is. Uw wijzigingen blijven van kracht zolang het programma draait.</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Ingesteld door uw beheerder</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1 (ingesteld door uw beheerder)</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>Kan de tijdzonegegevens voor %1 niet lezen</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>Kan de tijdzonegegevens voor %1 niet lezen: de tijd van deze computer wordt getoond</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>Aan scherm aanpassen</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>Inbrandbeveiliging</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>Nachtelijk dimmen</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>Seconden in 24-uursnotatie</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Datum tonen</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumnotatie</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>Tijdzone tonen</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>Klokwijzigingen aankondigen</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>Waarschuwen als de tijd niet gesynchroniseerd is</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>Andere tijdzones…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>Uren kiezen…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>Cijfers op %1% helderheid</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>Wandschermopties</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>Klok sluiten</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>Alleen met de 24-uursnotatie ‘%1’</translation>
    </message>
    <message>
        <source>Format: %1 (24-hour)</source>
        <translation>Notatie: %1 (24-uurs)</translation>
    </message>
    <message>
        <source>Format: %1 (12-hour)</source>
        <translation>Notatie: %1 (12-uurs)</translation>
    </message>
</context>
<context>
    <name>WaylandStripSurface</name>
    <message>
        <source>Wayland: the time is drawn through Qt&apos;s window painting: %1</source>
        <translation>Wayland: de tijd wordt getekend via het venstertekenen van Qt: %1</translation>
    </message>
</context>
<context>
    <name>ZoneDifference</name>
    <message>
        <source>%1 h</source>
        <translation>%1 u</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gisteren</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>Stad, land of UTC-afwijking</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>%1 draait, maar reageert niet (proces %2)</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>De tijdzonedatabase kan niet worden gelezen: %1</translation>
    </message>
</context>
</TS>
