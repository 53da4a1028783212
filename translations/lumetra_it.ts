<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>il file del programma stesso non è noto</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>il percorso del programma «%1» contiene un a capo o un altro carattere di controllo, che una voce di avvio non può contenere</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>il percorso del programma «%1» non è un percorso completo</translation>
    </message>
</context>
<context>
    <name>ClockChangeNotice</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes, of a clock change</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Clocks went forward %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Gli orologi sono andati avanti di %1 %2</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Gli orologi sono andati indietro di %1 %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Gli orologi vanno avanti di %1 stanotte: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Gli orologi vanno indietro di %1 stanotte: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Gli orologi vanno avanti di %1 oggi: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Gli orologi vanno indietro di %1 oggi: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Gli orologi vanno avanti di %1 %2: %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Gli orologi vanno indietro di %1 %2: %3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>domenica</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>a mezzanotte</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>la mezzanotte diventa le ore %1</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>le ore %1 diventano mezzanotte</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>le ore %1 diventano le ore %2</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>mezzanotte</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>all’%1</numerusform>
            <numerusform>alle %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>all’%1</numerusform>
            <numerusform>alle %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>Premi Esc per tornare al pannello. Digita «hide» per nascondere questo testo.</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>Clic destro o tasto Menu per le opzioni dello schermo a parete</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — orologio</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>L’ora potrebbe essere errata: non sincronizzata</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>Colore del testo</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1: l’ora su tutto lo schermo.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Mostra la versione del programma ed esce.</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>Apre subito l’orologio, come fa «Avvia all’accesso», senza modificare alcuna impostazione.</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>Lo schermo su cui si apre l’orologio (e il pannello, senza --clock); l’orologio lo ricorda. Senza questa opzione l’orologio si apre sull’ultimo schermo che ha occupato, altrimenti su quello principale.</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>Stampa i nomi degli schermi collegati ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>Nessuno schermo chiamato «%1» è collegato; --list-screens ne stampa i nomi.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
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
        <translation>XDG_RUNTIME_DIR non è impostata, quindi non è possibile trovare il compositor Wayland</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY non è impostata</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>nessun compositor Wayland risponde su «%1» (%2)</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>nessun server X risponde su DISPLAY=%1</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>Impossibile aprire il display: %1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>alla riga %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Inviare per email una schermata di questo messaggio a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell’applicazione</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>Ore notturne</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dalle:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Alle:</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>&amp;Luminosità delle cifre:</translation>
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
        <translation>Altri fusi orari</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>&amp;Fuso orario da aggiungere:</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>Fusi orari mostrati</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>Già sull’orologio</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>Al massimo %n fuso orario</numerusform>
            <numerusform>Al massimo %n fusi orari</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>Etichetta del fuso orario selezionato</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>&amp;Etichetta (al posto della città):</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>Mostra orologio a schermo intero</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Seleziona fuso orario</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Opzioni di formato</translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation>Ora, minuti, secondi, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation>Ora, minuti, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation>Ora, minuti</translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation>Durante la visualizzazione dell’orologio</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>Mantieni lo schermo acceso</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>Nascondi il suggerimento sul tasto Esc</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opzioni di avvio</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Avvia all’accesso</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Avvia nell’area di notifica</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>Cambia carattere e dimensione</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>Ripristina carattere</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Cambia colore</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>Ripristina colore</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>Alcune impostazioni sono stabilite dall’amministratore</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Software proprietario di Orvanta. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>Nessun fuso orario corrisponde a «%1»</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>Il programma non verrà avviato all’accesso: impossibile scrivere la voce di avvio «%1» (%2).</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>impossibile creare la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>Il programma potrebbe ancora avviarsi all’accesso: impossibile rimuovere la voce di avvio «%1» (%2).</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>Impossibile avviare il programma all’accesso: %1.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell’intervallo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Impossibile trovare il file</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>Visualizzazione dell’orologio a schermo intero</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>Il file delle impostazioni «%1» conteneva caratteri che non sono testo UTF-8 valido; ora vengono letti come «%3». Il file originale è stato conservato come «%2».</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>Impossibile leggere il file delle impostazioni «%1». È stato conservato come «%2» e il programma si avvia con le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>Impossibile leggere il file delle impostazioni «%1» e nemmeno metterlo da parte. Il programma si avvia con le impostazioni predefinite; le modifiche non vengono salvate.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>Impossibile salvare le impostazioni in «%1». Verificare che la cartella esista, sia scrivibile e che il disco non sia pieno. Le modifiche restano valide finché il programma è in esecuzione.</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Impostato dall’amministratore</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1 (impostato dall’amministratore)</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>Impossibile leggere i dati del fuso orario per %1</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>Impossibile leggere i dati del fuso orario per %1: viene mostrata l’ora di questo computer</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>Adatta allo schermo</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>Protezione dal burn-in</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>Attenuazione notturna</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>Secondi nel formato 24 ore</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Mostra data</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lungo</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Breve</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>Mostra fuso orario</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>Annuncia i cambi d’ora</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>Avvisa se l’ora non è sincronizzata</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>Altri fusi orari…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>Scegli orari…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivata</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>Cifre al %1% di luminosità</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>Opzioni dello schermo a parete</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>Chiudi orologio</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>Solo con il formato 24 ore «%1»</translation>
    </message>
    <message>
        <source>Format: %1 (24-hour)</source>
        <translation>Formato: %1 (24 ore)</translation>
    </message>
    <message>
        <source>Format: %1 (12-hour)</source>
        <translation>Formato: %1 (12 ore)</translation>
    </message>
</context>
<context>
    <name>WaylandStripSurface</name>
    <message>
        <source>Wayland: the time is drawn through Qt&apos;s window painting: %1</source>
        <translation>Wayland: l’ora viene disegnata tramite il disegno delle finestre di Qt: %1</translation>
    </message>
</context>
<context>
    <name>ZoneDifference</name>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>Città, paese o differenza da UTC</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>%1 è in esecuzione ma non risponde (processo %2)</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>Impossibile leggere il database dei fusi orari: %1</translation>
    </message>
</context>
</TS>
