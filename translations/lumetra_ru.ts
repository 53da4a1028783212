<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time not synchronised</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland compositor cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OtherZoneClocks</name>
    <message>
        <source>--:--</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OtherZonesWindow</name>
    <message>
        <source>Other zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close clock	Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
