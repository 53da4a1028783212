<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>nie jest znany plik samego programu</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>ścieżka programu „%1” zawiera znak końca wiersza lub inny znak sterujący, którego wpis autostartu nie może zawierać</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>ścieżka programu „%1” nie jest pełną ścieżką</translation>
    </message>
</context>
<context>
    <name>ClockChangeNotice</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n godzinę</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n minutę</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
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
        <translation>Zegary przestawiono o %1 do przodu %2</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Zegary przestawiono o %1 do tyłu %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Dziś w nocy zegary zostaną przestawione o %1 do przodu: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Dziś w nocy zegary zostaną przestawione o %1 do tyłu: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Dziś zegary zostaną przestawione o %1 do przodu: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Dziś zegary zostaną przestawione o %1 do tyłu: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Zegary zostaną przestawione o %1 do przodu %2: %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Zegary zostaną przestawione o %1 do tyłu %2: %3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>w poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>we wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>w środę</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>w czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>w piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>w sobotę</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>w niedzielę</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>o północy</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>z północy na %1</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>z %1 na północ</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>z %1 na %2</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>północ</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>o %1</numerusform>
            <numerusform>o %1</numerusform>
            <numerusform>o %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>o %1</numerusform>
            <numerusform>o %1</numerusform>
            <numerusform>o %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>Naciśnij Esc, aby wrócić do panelu. Wpisz „hide”, aby ukryć ten tekst.</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>Kliknij prawym przyciskiem lub naciśnij Menu, aby otworzyć opcje ekranu ściennego</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — zegar</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>Czas może być niedokładny: brak synchronizacji</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>Kolor tekstu</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1: aktualna godzina na całym ekranie.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Wyświetl tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Wyświetl wersję programu i zakończ.</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>Od razu otwórz zegar, tak jak robi to opcja „Uruchamiaj po zalogowaniu”, bez zmiany ustawień.</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>Ekran, na którym otwiera się zegar (a bez --clock także panel); zegar go zapamiętuje. Bez tej opcji zegar otwiera się na ekranie, który ostatnio zajmował, a jeśli go nie ma, na ekranie głównym.</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>Wypisz nazwy podłączonych ekranów i zakończ.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>Nie podłączono ekranu o nazwie „%1”; --list-screens wypisuje nazwy.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja „%1”.</translation>
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
        <translation>nie ustawiono XDG_RUNTIME_DIR, więc nie można znaleźć kompozytora Wayland</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>nie ustawiono DISPLAY</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>żaden kompozytor Wayland nie odpowiada pod adresem „%1” (%2)</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>żaden serwer X nie odpowiada pod DISPLAY=%1</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>Nie można otworzyć ekranu: %1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>w wierszu %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Wyślij zrzut ekranu tego komunikatu e-mailem na adres %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>Godziny nocne</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Do:</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>&amp;Jasność cyfr:</translation>
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
        <translation>Inne strefy czasowe</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>&amp;Strefa czasowa do dodania:</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>Wyświetlane strefy czasowe</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>Już jest na zegarze</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>Najwyżej %n strefa czasowa</numerusform>
            <numerusform>Najwyżej %n strefy czasowe</numerusform>
            <numerusform>Najwyżej %n stref czasowych</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>Etykieta wybranej strefy czasowej</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>&amp;Etykieta (zamiast miasta):</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>Pokaż zegar na pełnym ekranie</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Wybierz strefę czasową</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Format czasu</translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation>Godzina, minuty, sekundy, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation>Godzina, minuty, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation>Godzina, minuty</translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation>Podczas wyświetlania zegara</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>Nie wygaszaj ekranu</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>Ukryj podpowiedź o klawiszu Esc</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opcje uruchamiania</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Uruchamiaj w zasobniku systemowym</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>Zmień krój i rozmiar czcionki</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>Przywróć domyślną czcionkę</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Zmień kolor</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>Przywróć domyślne kolory</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>Niektóre ustawienia są określane przez administratora</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Oprogramowanie własnościowe firmy Orvanta. Wszelkie prawa zastrzeżone.</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>Żadna strefa czasowa nie pasuje do „%1”</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>Program nie będzie uruchamiany po zalogowaniu: nie można zapisać wpisu autostartu „%1” (%2).</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>nie można utworzyć folderu „%1”: %2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>Program może nadal uruchamiać się po zalogowaniu: nie można usunąć wpisu autostartu „%1” (%2).</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>Nie można uruchamiać programu po zalogowaniu: %1.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>Wyświetlanie zegara na pełnym ekranie</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>Plik ustawień „%1” zawierał znaki, które nie są prawidłowym tekstem UTF-8; są one teraz odczytywane jako „%3”. Plik w pierwotnej postaci zachowano jako „%2”.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>Nie można odczytać pliku ustawień „%1”. Zachowano go jako „%2”, a program uruchamia się z ustawieniami domyślnymi.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>Nie można odczytać pliku ustawień „%1” ani odłożyć go na bok. Program uruchamia się z ustawieniami domyślnymi; zmiany nie są zapisywane.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>Nie można zapisać ustawień w „%1”. Sprawdź, czy folder istnieje, czy jest zapisywalny i czy dysk nie jest pełny. Wprowadzone zmiany obowiązują, dopóki program działa.</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Ustawione przez administratora</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1 (ustawione przez administratora)</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>Nie można odczytać danych strefy czasowej dla %1</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>Nie można odczytać danych strefy czasowej dla %1: wyświetlany jest czas tego komputera</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>Dopasuj do ekranu</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>Ochrona przed wypaleniem</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>Nocne przyciemnianie</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>Sekundy w formacie 24-godzinnym</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Pokaż datę</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format daty</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Długi</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Krótki</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>Pokaż strefę czasową</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>Zapowiadaj zmiany czasu</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>Ostrzegaj, gdy czas nie jest zsynchronizowany</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>Inne strefy czasowe…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>Wybierz godziny…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>Jasność cyfr: %1%</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>Opcje ekranu ściennego</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>Zamknij zegar</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>Tylko w formacie 24-godzinnym „%1”</translation>
    </message>
    <message>
        <source>Format: %1 (24-hour)</source>
        <translation>Format: %1 (24-godzinny)</translation>
    </message>
    <message>
        <source>Format: %1 (12-hour)</source>
        <translation>Format: %1 (12-godzinny)</translation>
    </message>
</context>
<context>
    <name>WaylandStripSurface</name>
    <message>
        <source>Wayland: the time is drawn through Qt&apos;s window painting: %1</source>
        <translation>Wayland: czas jest rysowany przez rysowanie okien Qt: %1</translation>
    </message>
</context>
<context>
    <name>ZoneDifference</name>
    <message>
        <source>%1 h</source>
        <translation>%1 godz.</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Jutro</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Wczoraj</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>Miasto, kraj lub przesunięcie UTC</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>%1 działa, ale nie odpowiada (proces %2)</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>Nie można odczytać bazy danych stref czasowych: %1</translation>
    </message>
</context>
</TS>
