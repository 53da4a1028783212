<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>неизвестен файл самой программы</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>путь к программе «%1» содержит разрыв строки или другой управляющий символ, недопустимый в элементе автозапуска</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>путь к программе «%1» не является полным</translation>
    </message>
</context>
<context>
    <name>ClockChangeNotice</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n минуту</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
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
        <translation>Часы переведены на %1 вперёд %2</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Часы переведены на %1 назад %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Сегодня ночью часы переводятся на %1 вперёд: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Сегодня ночью часы переводятся на %1 назад: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Сегодня часы переводятся на %1 вперёд: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Сегодня часы переводятся на %1 назад: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Часы переводятся на %1 вперёд %2: %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Часы переводятся на %1 назад %2: %3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>в понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>во вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>в среду</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>в четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>в пятницу</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>в субботу</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>в воскресенье</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>в полночь</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>с полуночи на %1</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>с %1 на полночь</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>с %1 на %2</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>полночь</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>в %1</numerusform>
            <numerusform>в %1</numerusform>
            <numerusform>в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>в %1</numerusform>
            <numerusform>в %1</numerusform>
            <numerusform>в %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>Esc — назад к панели. Введите «hide», чтобы скрыть текст.</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>Щёлкните правой кнопкой или нажмите Menu, чтобы открыть параметры настенного экрана</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — часы</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>Время может быть неточным: нет синхронизации</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>Цвет текста</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1: текущее время на весь экран.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Показать версию программы и выйти.</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>Сразу открыть часы, как это делает параметр «Запускать при входе в систему», не меняя никаких настроек.</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>Экран, на котором открываются часы (а без --clock и панель); часы запоминают его. Без этого параметра часы открываются на экране, который занимали в последний раз, иначе — на основном.</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>Вывести имена подключённых экранов и выйти.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>Экран с именем «%1» не подключён; --list-screens выводит имена экранов.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
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
        <translation>переменная XDG_RUNTIME_DIR не задана, поэтому не удаётся найти композитор Wayland</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>переменная DISPLAY не задана</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>композитор Wayland не отвечает по адресу «%1» (%2)</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>X-сервер не отвечает по адресу DISPLAY=%1</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>Не удаётся открыть дисплей: %1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>в строке %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Отправьте снимок экрана с этим сообщением по электронной почте на адрес %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>Ночное время</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;С:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;До:</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>&amp;Яркость цифр:</translation>
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
        <translation>Другие часовые пояса</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>&amp;Часовой пояс для добавления:</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>Показываемые часовые пояса</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>Уже на часах</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>Максимум %n часовой пояс</numerusform>
            <numerusform>Максимум %n часовых пояса</numerusform>
            <numerusform>Максимум %n часовых поясов</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>Подпись выбранного часового пояса</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>&amp;Подпись (вместо города):</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>Показать часы на весь экран</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Выбрать часовой пояс</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Формат времени</translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation>Часы, минуты, секунды, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation>Часы, минуты, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation>Часы, минуты</translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation>Во время показа часов</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>Не отключать экран</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>Скрыть подсказку о клавише Esc</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Параметры запуска</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Запускать в системном лотке</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>Изменить шрифт и размер</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>Сбросить шрифт</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Изменить цвет</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>Сбросить цвета</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>Некоторые параметры заданы администратором</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Проприетарное программное обеспечение Orvanta. Все права защищены.</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>Нет часовых поясов, соответствующих «%1»</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>Программа не будет запускаться при входе в систему: не удалось записать элемент автозапуска «%1» (%2).</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>не удалось создать папку «%1»: %2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>Программа может по-прежнему запускаться при входе в систему: не удалось удалить элемент автозапуска «%1» (%2).</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>Программу невозможно запускать при входе в систему: %1.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типа</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс выходит за пределы допустимого диапазона</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Недопустимый рисунок</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>Показ часов в полноэкранном режиме</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>Файл настроек «%1» содержал символы, не являющиеся допустимым текстом UTF-8; теперь они читаются как «%3». Исходный файл сохранён как «%2».</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>Не удалось прочитать файл настроек «%1». Он сохранён как «%2», а программа запускается с настройками по умолчанию.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>Не удалось ни прочитать файл настроек «%1», ни отложить его в сторону. Программа запускается с настройками по умолчанию; изменения не сохраняются.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>Не удалось сохранить настройки в «%1». Убедитесь, что папка существует и доступна для записи и что диск не заполнен. Изменения действуют, пока программа работает.</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Задано администратором</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1 (задано администратором)</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>Не удаётся прочитать данные часового пояса для %1</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>Не удаётся прочитать данные часового пояса для %1: показано время этого компьютера</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>По размеру экрана</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>Защита от выгорания</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>Ночное затемнение</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>Секунды в 24-часовом формате</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Показывать дату</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Формат даты</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Полный</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Краткий</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>Показывать часовой пояс</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>Сообщать о переводе часов</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>Предупреждать, если время не синхронизировано</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>Другие часовые пояса…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>Выбрать время…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>Яркость цифр: %1%</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>Параметры настенного экрана</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>Закрыть часы</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>Только в 24-часовом формате «%1»</translation>
    </message>
    <message>
        <source>Format: %1 (24-hour)</source>
        <translation>Формат: %1 (24 часа)</translation>
    </message>
    <message>
        <source>Format: %1 (12-hour)</source>
        <translation>Формат: %1 (12 часов)</translation>
    </message>
</context>
<context>
    <name>WaylandStripSurface</name>
    <message>
        <source>Wayland: the time is drawn through Qt&apos;s window painting: %1</source>
        <translation>Wayland: время рисуется через отрисовку окон Qt: %1</translation>
    </message>
</context>
<context>
    <name>ZoneDifference</name>
    <message>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>Город, страна или смещение от UTC</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>Программа %1 запущена, но не отвечает (процесс %2)</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>Не удаётся прочитать базу данных часовых поясов: %1</translation>
    </message>
</context>
</TS>
