<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>o arquivo do próprio programa é desconhecido</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>o caminho do programa “%1” contém uma quebra de linha ou outro caractere de controle, que uma entrada de inicialização não pode conter</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>o caminho do programa “%1” não é um caminho completo</translation>
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
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Clocks went forward %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Os relógios adiantaram %1 %2</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Os relógios atrasaram %1 %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Os relógios adiantam %1 esta noite: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Os relógios atrasam %1 esta noite: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Os relógios adiantam %1 hoje: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Os relógios atrasam %1 hoje: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Os relógios adiantam %1 %2: %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Os relógios atrasam %1 %2: %3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>na segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>na terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>na quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>na quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>na sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>no sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>no domingo</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>à meia-noite</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>a meia-noite passa a ser %1</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>%1 passa a ser meia-noite</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>%1 passa a ser %2</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>meia-noite</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>à %1</numerusform>
            <numerusform>às %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>à %1</numerusform>
            <numerusform>às %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>Pressione Esc para voltar ao painel. Digite “hide” para ocultar este texto.</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>Clique com o botão direito ou pressione Menu para as opções da tela de parede</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — relógio</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>O horário pode estar errado: não sincronizado</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1: a hora do dia na tela inteira.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Mostrar a versão do programa e sair.</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>Abrir o relógio imediatamente, como faz “Iniciar ao entrar na sessão”, sem alterar nenhuma configuração.</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>A tela em que o relógio abre (e o painel, sem --clock); o relógio se lembra dela. Sem esta opção, o relógio abre na última tela que ocupou ou, se não houver, na principal.</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>Exibir os nomes das telas conectadas e sair.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>Nenhuma tela chamada “%1” está conectada; --list-screens exibe os nomes.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida “%1”.</translation>
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
        <translation>XDG_RUNTIME_DIR não está definida, portanto o compositor Wayland não pode ser encontrado</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY não está definida</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>nenhum compositor Wayland responde em “%1” (%2)</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>nenhum servidor X responde em DISPLAY=%1</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>Não foi possível abrir a exibição: %1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>na linha %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envie uma captura de tela desta mensagem por e-mail para %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>Horário noturno</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Até:</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>&amp;Brilho dos dígitos:</translation>
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
        <translation>Outros fusos horários</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>Fu&amp;so horário a adicionar:</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>Fusos horários exibidos</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>Já está no relógio</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>No máximo %n fuso horário</numerusform>
            <numerusform>No máximo %n fusos horários</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>Rótulo do fuso horário selecionado</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>&amp;Rótulo (no lugar da cidade):</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>Mostrar relógio em tela cheia</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Selecionar fuso horário</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Opções de formato</translation>
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
        <translation>Enquanto o relógio é exibido</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>Manter a tela ligada</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>Ocultar a dica da tecla Esc</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opções de inicialização</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Iniciar na bandeja do sistema</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>Alterar fonte e tamanho</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>Restaurar fonte padrão</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Alterar cor</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>Restaurar cor padrão</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>Algumas configurações são definidas pelo seu administrador</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Software proprietário da Orvanta. Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>Nenhum fuso horário corresponde a “%1”</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>O programa não será iniciado ao entrar na sessão: não foi possível gravar a entrada de inicialização “%1” (%2).</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>não foi possível criar a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>O programa ainda poderá ser iniciado ao entrar na sessão: não foi possível remover a entrada de inicialização “%1” (%2).</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>O programa não pode ser iniciado ao entrar na sessão: %1.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Figura inválida</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>Exibindo o relógio em tela cheia</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>O arquivo de configurações “%1” continha caracteres que não são texto UTF-8 válido; agora eles são lidos como “%3”. O arquivo original foi mantido como “%2”.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>Não foi possível ler o arquivo de configurações “%1”. Ele foi mantido como “%2” e o programa inicia com as configurações padrão.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>Não foi possível ler o arquivo de configurações “%1” nem colocá-lo de lado. O programa inicia com as configurações padrão; as alterações não são salvas.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>Não foi possível salvar as configurações em “%1”. Verifique se a pasta existe, se permite gravação e se o disco não está cheio. Suas alterações continuam valendo enquanto o programa estiver em execução.</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Definido pelo seu administrador</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1 (definido pelo seu administrador)</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>Não é possível ler os dados de fuso horário de %1</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>Não é possível ler os dados de fuso horário de %1: exibindo o horário deste computador</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>Ajustar à tela</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>Proteção contra burn-in</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>Escurecimento noturno</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>Segundos no formato 24 horas</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Mostrar data</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Longo</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Curto</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>Mostrar fuso horário</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>Anunciar mudanças de horário</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>Avisar se o horário não estiver sincronizado</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>Outros fusos horários…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>Escolher horário…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>Dígitos com %1% de brilho</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>Opções da tela de parede</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>Fechar relógio</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>Somente com o formato de 24 horas “%1”</translation>
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
        <translation>Wayland: a hora é desenhada pela pintura de janelas do Qt: %1</translation>
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
        <translation>Amanhã</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>Cidade, país ou diferença de UTC</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>%1 está em execução, mas não está respondendo (processo %2)</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>Não é possível ler o banco de dados de fusos horários: %1</translation>
    </message>
</context>
</TS>
