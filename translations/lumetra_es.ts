<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>no se conoce el archivo del propio programa</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>la ruta del programa «%1» contiene un salto de línea u otro carácter de control, que una entrada de inicio no puede contener</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>la ruta del programa «%1» no es una ruta completa</translation>
    </message>
</context>
<context>
    <name>ClockChangeNotice</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
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
        <translation>Los relojes se adelantaron %1 %2</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Los relojes se atrasaron %1 %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Los relojes se adelantan %1 esta noche: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Los relojes se atrasan %1 esta noche: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Los relojes se adelantan %1 hoy: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Los relojes se atrasan %1 hoy: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Los relojes se adelantan %1 %2: %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Los relojes se atrasan %1 %2: %3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>el lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>el martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>el miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>el jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>el viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>el sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>el domingo</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>a medianoche</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>la medianoche pasa a ser %1</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>%1 pasa a ser la medianoche</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>%1 pasa a ser %2</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>medianoche</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>a la %1</numerusform>
            <numerusform>a las %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>a la %1</numerusform>
            <numerusform>a las %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>Pulse Esc para volver al panel. Escriba «hide» para ocultar este texto.</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>Clic derecho o tecla Menú para las opciones de pantalla mural</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — reloj</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>La hora puede no ser exacta: sin sincronizar</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1: la hora en toda la pantalla.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Mostrar la versión del programa y salir.</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>Abrir el reloj de inmediato, como hace «Iniciar al iniciar sesión», sin cambiar ningún ajuste.</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>La pantalla en la que se abre el reloj (y el panel, sin --clock); el reloj la recuerda. Sin esta opción, el reloj se abre en la última pantalla que ocupó o, si no, en la principal.</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>Mostrar los nombres de las pantallas conectadas y salir.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>No hay ninguna pantalla conectada llamada «%1»; --list-screens muestra los nombres.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
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
        <translation>XDG_RUNTIME_DIR no está definida, así que no se puede encontrar el compositor de Wayland</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definida</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>ningún compositor de Wayland responde en «%1» (%2)</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>ningún servidor X responde en DISPLAY=%1</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>No se puede abrir la pantalla: %1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envíe por correo electrónico una captura de pantalla de este mensaje a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>Horas nocturnas</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>&amp;Brillo de los dígitos:</translation>
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
        <translation>Otras zonas horarias</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>&amp;Zona horaria que añadir:</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>Zonas horarias mostradas</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>Ya está en el reloj</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>Como máximo %n zona horaria</numerusform>
            <numerusform>Como máximo %n zonas horarias</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>Etiqueta de la zona horaria seleccionada</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>&amp;Etiqueta (en lugar de la ciudad):</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>Mostrar reloj a pantalla completa</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Seleccionar zona horaria</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Opciones de formato</translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation>Hora, minutos, segundos, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation>Hora, minutos, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation>Hora, minutos</translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation>Mientras se muestra el reloj</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>Mantener la pantalla encendida</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>Ocultar el aviso de la tecla Esc</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opciones de inicio</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Iniciar en la bandeja del sistema</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>Cambiar fuente y tamaño</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>Restablecer fuente</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Cambiar color</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>Restablecer color</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>Algunos ajustes los establece su administrador</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Software propietario de Orvanta. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>Ninguna zona horaria coincide con «%1»</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>El programa no se ejecutará al iniciar sesión: no se pudo escribir la entrada de inicio «%1» (%2).</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>no se pudo crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>Es posible que el programa se siga ejecutando al iniciar sesión: no se pudo eliminar la entrada de inicio «%1» (%2).</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>El programa no se puede ejecutar al iniciar sesión: %1.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de la propiedad no válido</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Argumento o llamada a procedimiento no válida</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>Mostrando el reloj a pantalla completa</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>El archivo de configuración «%1» contenía caracteres que no son texto UTF-8 válido; ahora se leen como «%3». El archivo original se ha conservado como «%2».</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>No se pudo leer el archivo de configuración «%1». Se ha conservado como «%2» y el programa se inicia con la configuración predeterminada.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>No se pudo leer el archivo de configuración «%1» ni tampoco apartarlo. El programa se inicia con la configuración predeterminada; los cambios no se guardan.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>No se pudo guardar la configuración en «%1». Compruebe que la carpeta existe, que se puede escribir en ella y que el disco no está lleno. Sus cambios seguirán vigentes mientras el programa esté en ejecución.</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Establecido por su administrador</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1 (establecido por su administrador)</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>No se pueden leer los datos de zona horaria de %1</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>No se pueden leer los datos de zona horaria de %1: se muestra la hora de este equipo</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>Ajustar a la pantalla</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>Protección contra quemado</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>Atenuación nocturna</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>Segundos en formato de 24 horas</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Mostrar fecha</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Corto</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>Mostrar zona horaria</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>Anunciar cambios de hora</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>Avisar si la hora no está sincronizada</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>Otras zonas horarias…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>Elegir horas…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>Dígitos al %1 % de brillo</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>Opciones de pantalla mural</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>Cerrar reloj</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>Solo con el formato de 24 horas «%1»</translation>
    </message>
    <message>
        <source>Format: %1 (24-hour)</source>
        <translation>Formato: %1 (24 horas)</translation>
    </message>
    <message>
        <source>Format: %1 (12-hour)</source>
        <translation>Formato: %1 (12 horas)</translation>
    </message>
</context>
<context>
    <name>WaylandStripSurface</name>
    <message>
        <source>Wayland: the time is drawn through Qt&apos;s window painting: %1</source>
        <translation>Wayland: la hora se dibuja mediante el pintado de ventanas de Qt: %1</translation>
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
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>Ciudad, país o desfase UTC</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>%1 se está ejecutando pero no responde (proceso %2)</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>No se puede leer la base de datos de zonas horarias: %1</translation>
    </message>
</context>
</TS>
