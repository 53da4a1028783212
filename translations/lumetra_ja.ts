<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>プログラム自体のファイルが不明です</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>プログラムのパス「%1」に改行などの制御文字が含まれているため、スタートアップ項目に記録できません</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>プログラムのパス「%1」が完全パスではありません</translation>
    </message>
</context>
<context>
    <name>ClockChangeNotice</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>%n分</numerusform>
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
        <translation>%2時計が%1進みました</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>%2時計が%1戻りました</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>今夜時計が%1進みます：%2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>今夜時計が%1戻ります：%2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>今日時計が%1進みます：%2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>今日時計が%1戻ります：%2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>%2に時計が%1進みます：%3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>%2に時計が%1戻ります：%3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>日曜日</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>午前0時に</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>午前0時が%1になります</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>%1が午前0時になります</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>%1が%2になります</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>%1</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>%1に</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>%1に</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>Esc キーでパネルに戻ります。「hide」と入力するとこの表示を隠します。</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>右クリックまたは Menu キーで壁面ディスプレイのオプションを表示</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — 時計</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>時刻がずれている可能性があります：同期されていません</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1: 現在時刻を画面全体に表示します。</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>プログラムのバージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>「ログイン時に起動する」と同じように、設定を変更せずにすぐ時計を開きます。</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>時計を開く画面 (--clock を付けない場合はパネルも) を指定します。時計はこの画面を記憶します。指定しない場合は前回表示した画面で、それがなければプライマリ画面で開きます。</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>接続されている画面の名前を表示して終了します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>「%1」という名前の画面は接続されていません。--list-screens で名前を表示できます。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>不明なオプション「%1」です。</translation>
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
        <translation>XDG_RUNTIME_DIR が設定されていないため、Wayland コンポジターが見つかりません</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY が設定されていません</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>「%1」で応答する Wayland コンポジターがありません (%2)</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>DISPLAY=%1 で応答する X サーバーがありません</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>ディスプレイを開けません: %1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>このメッセージのスクリーンショットを %1 宛てにメールで送ってください</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>アプリケーション エラー</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>夜間の時間帯</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>開始時刻(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>終了時刻(&amp;T):</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>数字の明るさ(&amp;B):</translation>
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
        <translation>他のタイムゾーン</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>追加するタイムゾーン(&amp;Z):</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>表示するタイムゾーン</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>既に時計に表示中</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>タイムゾーンは最大 %n 個まで</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>選択したタイムゾーンのラベル</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>ラベル(都市名の代わりに表示)(&amp;L):</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>時計を全画面で表示</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>タイムゾーンの選択</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>表示形式</translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation>時、分、秒、午前/午後</translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation>時、分、午前/午後</translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation>時、分</translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation>時計の表示中</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>画面をオンのままにする</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>Esc キーの案内を隠す</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>起動オプション</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>ログイン時に起動する</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>システム トレイで起動する</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>フォントとサイズの変更</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>フォントを既定に戻す</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>色の変更</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>色を既定に戻す</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>一部の設定は管理者によって設定されています</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Orvanta のプロプライエタリ ソフトウェアです。著作権はすべて Orvanta に帰属します。</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>「%1」に一致するタイムゾーンはありません</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>ログイン時にプログラムは起動しません: スタートアップ項目「%1」を書き込めませんでした (%2)。</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>フォルダー「%1」を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>ログイン時にプログラムが引き続き起動する可能性があります: スタートアップ項目「%1」を削除できませんでした (%2)。</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>ログイン時にプログラムを起動できません: %1。</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません。</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました。</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>プロパティの値が不正です。</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です。</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません。</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>ピクチャが不正です。</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません。</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>時計を全画面で表示中</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>設定ファイル「%1」に UTF-8 テキストとして無効な文字が含まれていました。これらの文字は「%3」として読み込まれます。元のファイルは「%2」として保存してあります。</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>設定ファイル「%1」を読み込めませんでした。このファイルは「%2」として保存し、プログラムは既定の設定で起動します。</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>設定ファイル「%1」を読み込めず、退避することもできませんでした。プログラムは既定の設定で起動します。変更内容は保存されません。</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>設定を「%1」に保存できませんでした。フォルダーが存在して書き込み可能であること、ディスクがいっぱいでないことを確認してください。変更内容はプログラムの実行中は有効です。</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>管理者によって設定されています</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1（管理者が設定）</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>%1 のタイムゾーン データを読み込めません</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>%1 のタイムゾーン データを読み込めません: このコンピューターの時刻を表示しています</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>画面に合わせる</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>焼き付き防止</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>夜間の減光</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>24 時間表示で秒を表示</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>日付を表示</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>長い形式</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>短い形式</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>タイムゾーンを表示</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>時刻の切り替えを通知</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>時刻が同期されていないときに警告</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>他のタイムゾーン…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>時間帯を選択…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>数字の明るさ %1%</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>壁面ディスプレイのオプション</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>時計を閉じる</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>24 時間表示「%1」でのみ使用できます</translation>
    </message>
    <message>
        <source>Format: %1 (24-hour)</source>
        <translation>表示形式：%1（24 時間表示）</translation>
    </message>
    <message>
        <source>Format: %1 (12-hour)</source>
        <translation>表示形式：%1（12 時間表示）</translation>
    </message>
</context>
<context>
    <name>WaylandStripSurface</name>
    <message>
        <source>Wayland: the time is drawn through Qt&apos;s window painting: %1</source>
        <translation>Wayland: 時刻は Qt のウィンドウ描画で表示されます: %1</translation>
    </message>
</context>
<context>
    <name>ZoneDifference</name>
    <message>
        <source>%1 h</source>
        <translation>%1時間</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>明日</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>都市、国、または UTC との時差</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>%1 は実行中ですが応答しません (プロセス %2)</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>タイムゾーン データベースを読み込めません: %1</translation>
    </message>
</context>
</TS>
