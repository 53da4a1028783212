<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>程序自身的文件未知</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>程序路径“%1”包含换行符或其他控制字符，启动项无法容纳这些字符</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>程序路径“%1”不是完整路径</translation>
    </message>
</context>
<context>
    <name>ClockChangeNotice</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes, of a clock change</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Clocks went forward %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>时钟已于%2拨快%1</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>时钟已于%2拨慢%1</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>时钟将于今晚拨快%1：%2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>时钟将于今晚拨慢%1：%2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>时钟将于今天拨快%1：%2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>时钟将于今天拨慢%1：%2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>时钟将于%2拨快%1：%3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>时钟将于%2拨慢%1：%3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>星期日</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>午夜</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>午夜变为%1</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>%1变为午夜</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>%1变为%2</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>午夜</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>按 Esc 返回面板。输入“hide”可隐藏此文字。</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>右键单击或按 Menu 键可打开墙面屏幕选项</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — 时钟</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>时间可能不准：未同步</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>文字颜色</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1：在整个屏幕上显示当前时间。</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>显示程序版本并退出。</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>像“登录时启动”那样立即打开时钟，不更改任何设置。</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>时钟打开时所在的屏幕（不带 --clock 时也指面板所在的屏幕）；时钟会记住该屏幕。未指定时，时钟在上次覆盖的屏幕上打开，否则在主屏幕上打开。</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>列出已连接屏幕的名称并退出。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>未连接名为“%1”的屏幕；--list-screens 可列出屏幕名称。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
</context>
<context>
    <name>DayHalfMarkers</name>
    <message>
        <source>%1 %2</source>
        <comment>a time on the 12-hour clock (%1) and its marker, AM or PM (%2)</comment>
        <translation>%2%1</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland compositor cannot be found</source>
        <translation>未设置 XDG_RUNTIME_DIR，因此找不到 Wayland 合成器</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>未设置 DISPLAY</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>“%1”处没有 Wayland 合成器响应（%2）</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>DISPLAY=%1 处没有 X 服务器响应</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>无法打开显示：%1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>位于第 %1 行</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>请将此消息的截图通过电子邮件发送至 %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>应用程序错误</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>夜间时段</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>开始时间(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>结束时间(&amp;T):</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>数字亮度(&amp;B):</translation>
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
        <translation>其他时区</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>要添加的时区(&amp;Z):</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>显示的时区</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>已在时钟上</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>最多 %n 个时区</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>所选时区的标签</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>标签(代替城市名显示)(&amp;L):</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>全屏显示时钟</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>选择时区</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>时间格式</translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation>时、分、秒、上午/下午</translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation>时、分、上午/下午</translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation>时、分</translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation>显示时钟时</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>保持屏幕常亮</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>隐藏 Esc 键提示</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>启动选项</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>启动到系统托盘</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>更改字体和大小</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>恢复默认字体</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>更改颜色</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>恢复默认颜色</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>部分设置由管理员设置</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Orvanta 的专有软件。保留所有权利。</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>没有与“%1”匹配的时区</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>程序将不会在登录时启动：无法写入启动项“%1”（%2）。</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>无法创建文件夹“%1”：%2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>程序可能仍会在登录时启动：无法删除启动项“%1”（%2）。</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>无法在登录时启动程序：%1。</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>无效的图片</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>文件未找到</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>正在全屏显示时钟</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>设置文件“%1”包含不是有效 UTF-8 文本的字符；这些字符现在读作“%3”。原文件已保存为“%2”。</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>无法读取设置文件“%1”。该文件已保存为“%2”，程序将以默认设置启动。</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>无法读取设置文件“%1”，也无法将其另行保存。程序将以默认设置启动；更改不会被保存。</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>无法将设置保存到“%1”。请检查文件夹是否存在、是否可写，以及磁盘是否已满。在程序运行期间，您的更改仍然有效。</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>由管理员设置</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1（由管理员设置）</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>无法读取 %1 的时区数据</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>无法读取 %1 的时区数据：显示的是本计算机的时间</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>适应屏幕</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>防烧屏</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>夜间调暗</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>24 小时制显示秒</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>显示日期</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>长格式</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>短格式</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>显示时区</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>提示时间调整</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>时间未同步时发出警告</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>其他时区…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>选择时段…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>数字亮度 %1%</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>墙面屏幕选项</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>关闭时钟</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>仅适用于 24 小时制“%1”</translation>
    </message>
    <message>
        <source>Format: %1 (24-hour)</source>
        <translation>时间格式：%1（24 小时制）</translation>
    </message>
    <message>
        <source>Format: %1 (12-hour)</source>
        <translation>时间格式：%1（12 小时制）</translation>
    </message>
</context>
<context>
    <name>WaylandStripSurface</name>
    <message>
        <source>Wayland: the time is drawn through Qt&apos;s window painting: %1</source>
        <translation>Wayland：时间通过 Qt 的窗口绘制来显示：%1</translation>
    </message>
</context>
<context>
    <name>ZoneDifference</name>
    <message>
        <source>%1 h</source>
        <translation>%1小时</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>明天</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>城市、国家或 UTC 时差</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>%1 正在运行但没有响应（进程 %2）</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>无法读取时区数据库：%1</translation>
    </message>
</context>
</TS>
