<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>the program&apos;s own file is not known</source>
        <translation>le fichier du programme lui-même est inconnu</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; contains a line break or another control character, which a start-up entry cannot hold</source>
        <translation>le chemin du programme «&#xa0;%1&#xa0;» contient un saut de ligne ou un autre caractère de contrôle, qu’une entrée de démarrage ne peut pas contenir</translation>
    </message>
    <message>
        <source>the program&apos;s path &quot;%1&quot; is not a full path</source>
        <translation>le chemin du programme «&#xa0;%1&#xa0;» n’est pas un chemin complet</translation>
    </message>
</context>
<context>
    <name>ClockChangeNotice</name>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>d’une heure</numerusform>
            <numerusform>de %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <comment>how far clocks go forward or back</comment>
        <translation>
            <numerusform>d’une minute</numerusform>
            <numerusform>de %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes, of a clock change</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Clocks went forward %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Les horloges ont avancé %1 %2</translation>
    </message>
    <message>
        <source>Clocks went back %1 %2</source>
        <comment>%2 is a time with its preposition</comment>
        <translation>Les horloges ont reculé %1 %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Les horloges avancent %1 cette nuit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 tonight: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Les horloges reculent %1 cette nuit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Les horloges avancent %1 aujourd’hui&#xa0;: %2</translation>
    </message>
    <message>
        <source>Clocks go back %1 today: %2</source>
        <comment>%2 is the time before, then after</comment>
        <translation>Les horloges reculent %1 aujourd’hui&#xa0;: %2</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Les horloges avancent %1 %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2: %3</source>
        <comment>%2 is a weekday, %3 the time before, then after</comment>
        <translation>Les horloges reculent %1 %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment>a weekday in a clock-change notice</comment>
        <translation>dimanche</translation>
    </message>
</context>
<context>
    <name>ClockTimeText</name>
    <message>
        <source>at midnight</source>
        <translation>à minuit</translation>
    </message>
    <message>
        <source>midnight becomes %1</source>
        <comment>a clock change</comment>
        <translation>minuit devient %1</translation>
    </message>
    <message>
        <source>%1 becomes midnight</source>
        <comment>a clock change</comment>
        <translation>%1 devient minuit</translation>
    </message>
    <message>
        <source>%1 becomes %2</source>
        <comment>a clock change: the time before, then after</comment>
        <translation>%1 devient %2</translation>
    </message>
    <message>
        <source>midnight</source>
        <comment>00:00 in a sentence or a menu; a translation that is just %1 writes it as a time, as the other times are written</comment>
        <translation>minuit</translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 12-hour clock, with AM or PM; %n is its hour</comment>
        <translation>
            <numerusform>à %1</numerusform>
            <numerusform>à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at %1</source>
        <comment>a time of day on the 24-hour clock; %n is its hour</comment>
        <translation>
            <numerusform>à %1</numerusform>
            <numerusform>à %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Press ESC To Exit. Type &apos;hide&apos; to hide this text.</source>
        <translation>Échap&#xa0;: retour au panneau. Tapez «&#xa0;hide&#xa0;» pour masquer ceci.</translation>
    </message>
    <message>
        <source>Right-click or press Menu for wall-screen options</source>
        <translation>Clic droit ou touche Menu pour les options de l’écran mural</translation>
    </message>
    <message>
        <source>%1 — clock</source>
        <translation>%1 — horloge</translation>
    </message>
    <message>
        <source>Time may be off: not synchronised</source>
        <translation>Heure peut-être inexacte&#xa0;: non synchronisée</translation>
    </message>
</context>
<context>
    <name>ColourWindow</name>
    <message>
        <source>Color Option</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Text Color Option</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Background Color Option</source>
        <translation>Couleur de l’arrière-plan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: the time of day over a whole screen.</source>
        <translation>%1&#xa0;: l’heure sur tout l’écran.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Afficher la version du programme et quitter.</translation>
    </message>
    <message>
        <source>Open the clock at once, as &quot;Load this software on Windows startup&quot; does, without changing any setting.</source>
        <translation>Ouvrir l’horloge immédiatement, comme le fait «&#xa0;Démarrer à l’ouverture de session&#xa0;», sans modifier aucun réglage.</translation>
    </message>
    <message>
        <source>The screen the clock opens on (and the panel, without --clock); the clock remembers it. Without it the clock opens on the screen it last covered, else on the primary.</source>
        <translation>L’écran sur lequel s’ouvre l’horloge (et le panneau, sans --clock)&#xa0;; l’horloge s’en souvient. Sans cette option, l’horloge s’ouvre sur l’écran qu’elle occupait en dernier, sinon sur l’écran principal.</translation>
    </message>
    <message>
        <source>Print the names of the connected screens and end.</source>
        <translation>Afficher les noms des écrans connectés et quitter.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No screen named &apos;%1&apos; is connected; --list-screens prints the names.</source>
        <translation>Aucun écran nommé «&#xa0;%1&#xa0;» n’est connecté&#xa0;; --list-screens affiche les noms.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
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
        <translation>XDG_RUNTIME_DIR n’est pas défini, le compositeur Wayland est donc introuvable</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n’est pas défini</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at &quot;%1&quot; (%2)</source>
        <translation>aucun compositeur Wayland ne répond à «&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>aucun serveur X ne répond à DISPLAY=%1</translation>
    </message>
    <message>
        <source>Cannot open the display: %1</source>
        <translation>Impossible d’ouvrir l’affichage&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d’écran de ce message par courriel à %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
</context>
<context>
    <name>NightHoursDialog</name>
    <message>
        <source>Night Hours</source>
        <translation>Heures de nuit</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Début&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Digits&apos; &amp;brightness:</source>
        <translation>&amp;Luminosité des chiffres&#xa0;:</translation>
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
        <translation>Autres fuseaux horaires</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>&amp;Zone to add:</source>
        <translation>Fuseau horaire à &amp;ajouter&#xa0;:</translation>
    </message>
    <message>
        <source>Zones shown</source>
        <translation>Fuseaux horaires affichés</translation>
    </message>
    <message>
        <source>Already on the clock</source>
        <translation>Déjà sur l’horloge</translation>
    </message>
    <message numerus="yes">
        <source>%n zones at most</source>
        <comment>why Add is greyed out: the clock shows no more zones</comment>
        <translation>
            <numerusform>Au maximum %n fuseau horaire</numerusform>
            <numerusform>Au maximum %n fuseaux horaires</numerusform>
        </translation>
    </message>
    <message>
        <source>Label of the selected zone</source>
        <translation>Libellé du fuseau horaire sélectionné</translation>
    </message>
    <message>
        <source>&amp;Label (shown in place of the city):</source>
        <translation>&amp;Libellé (à la place de la ville)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>Show Fullscreen Clock</source>
        <translation>Afficher l’horloge en plein écran</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Choisir le fuseau horaire</translation>
    </message>
    <message>
        <source>Format Options</source>
        <translation>Options de format</translation>
    </message>
    <message>
        <source>Hour, minutes, seconds, AM PM</source>
        <translation>Heure, minutes, secondes, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes, AM PM</source>
        <translation>Heure, minutes, AM PM</translation>
    </message>
    <message>
        <source>Hour, minutes</source>
        <translation>Heure, minutes</translation>
    </message>
    <message>
        <source>Prevent Option</source>
        <translation>Pendant l’affichage de l’horloge</translation>
    </message>
    <message>
        <source>Prevent computer from sleeping or starting screensaver</source>
        <translation>Garder l’écran allumé</translation>
    </message>
    <message>
        <source>Hide &apos;Press ESC To Exit&apos;</source>
        <translation>Masquer l’indication de la touche Échap</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Options de démarrage</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Démarrer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Démarrer dans la zone de notification</translation>
    </message>
    <message>
        <source>Change Font Style &amp;&amp; Size</source>
        <translation>Changer la police et la taille</translation>
    </message>
    <message>
        <source>Reset Font To Defaults</source>
        <translation>Réinitialiser la police</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Changer la couleur</translation>
    </message>
    <message>
        <source>Reset Color To Defaults</source>
        <translation>Réinitialiser la couleur</translation>
    </message>
    <message>
        <source>Some settings are set by your administrator</source>
        <translation>Certains paramètres sont définis par votre administrateur</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Proprietary software of Orvanta. All rights reserved.</source>
        <translation>Logiciel propriétaire d’Orvanta. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>RankedZonesModel</name>
    <message>
        <source>No time zone matches &apos;%1&apos;</source>
        <translation>Aucun fuseau horaire ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>The program will not start at log-in: the start-up entry &quot;%1&quot; could not be written (%2).</source>
        <translation>Le programme ne démarrera pas à l’ouverture de session&#xa0;: l’entrée de démarrage «&#xa0;%1&#xa0;» n’a pas pu être écrite (%2).</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The program may still start at log-in: the start-up entry &quot;%1&quot; could not be removed (%2).</source>
        <translation>Le programme risque encore de démarrer à l’ouverture de session&#xa0;: l’entrée de démarrage «&#xa0;%1&#xa0;» n’a pas pu être supprimée (%2).</translation>
    </message>
    <message>
        <source>The program cannot be started at log-in: %1.</source>
        <translation>Le programme ne peut pas démarrer à l’ouverture de session&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Argument ou appel de procédure incorrect</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L’indice n’appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
</context>
<context>
    <name>ScreenSaverBus</name>
    <message>
        <source>Showing the full-screen clock</source>
        <translation>Affichage de l’horloge en plein écran</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; held characters that are not valid UTF-8 text; they now read as &quot;%3&quot;. The file as it was has been kept as &quot;%2&quot;.</source>
        <translation>Le fichier de paramètres «&#xa0;%1&#xa0;» contenait des caractères qui ne sont pas du texte UTF-8 valide&#xa0;; ils se lisent désormais «&#xa0;%3&#xa0;». Le fichier d’origine a été conservé sous «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. It has been kept as &quot;%2&quot; and the program starts with its default settings.</source>
        <translation>Le fichier de paramètres «&#xa0;%1&#xa0;» n’a pas pu être lu. Il a été conservé sous «&#xa0;%2&#xa0;» et le programme démarre avec ses paramètres par défaut.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, and it could not be set aside either. The program starts with its default settings; changes are not saved.</source>
        <translation>Le fichier de paramètres «&#xa0;%1&#xa0;» n’a pu être ni lu ni mis de côté. Le programme démarre avec ses paramètres par défaut&#xa0;; les modifications ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;. Check that the folder exists, is writable and that the disk is not full. Your changes stay in force while the program runs.</source>
        <translation>Les paramètres n’ont pas pu être enregistrés dans «&#xa0;%1&#xa0;». Vérifiez que le dossier existe, qu’il est accessible en écriture et que le disque n’est pas plein. Vos modifications restent en vigueur tant que le programme fonctionne.</translation>
    </message>
</context>
<context>
    <name>SiteLocks</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Défini par votre administrateur</translation>
    </message>
    <message>
        <source>%1 (set by your administrator)</source>
        <translation>%1 (défini par votre administrateur)</translation>
    </message>
</context>
<context>
    <name>UnreadableZoneNotice</name>
    <message>
        <source>Cannot read time zone data for %1</source>
        <translation>Impossible de lire les données de fuseau horaire de %1</translation>
    </message>
    <message>
        <source>Cannot read time zone data for %1: showing this computer&apos;s time</source>
        <translation>Impossible de lire les données de fuseau horaire de %1&#xa0;: affichage de l’heure de cet ordinateur</translation>
    </message>
</context>
<context>
    <name>WallScreenMenu</name>
    <message>
        <source>Fit to screen</source>
        <translation>Ajuster à l’écran</translation>
    </message>
    <message>
        <source>Burn-in guard</source>
        <translation>Protection anti-marquage</translation>
    </message>
    <message>
        <source>Night dimming</source>
        <translation>Atténuation nocturne</translation>
    </message>
    <message>
        <source>Seconds in 24-hour time</source>
        <translation>Secondes au format 24 heures</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Afficher la date</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Long</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Court</translation>
    </message>
    <message>
        <source>ISO 8601</source>
        <translation>ISO 8601</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>Afficher le fuseau horaire</translation>
    </message>
    <message>
        <source>Announce clock changes</source>
        <translation>Annoncer les changements d’heure</translation>
    </message>
    <message>
        <source>Warn when time is not synchronised</source>
        <translation>Avertir si l’heure n’est pas synchronisée</translation>
    </message>
    <message>
        <source>Other zones…</source>
        <translation>Autres fuseaux horaires…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Choose hours…</source>
        <translation>Choisir les heures…</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>De %1 à %2</translation>
    </message>
    <message>
        <source>Digits at %1% brightness</source>
        <translation>Chiffres à %1&#xa0;% de luminosité</translation>
    </message>
    <message>
        <source>Wall-screen options</source>
        <translation>Options de l’écran mural</translation>
    </message>
    <message>
        <source>Close clock</source>
        <translation>Fermer l’horloge</translation>
    </message>
    <message>
        <source>Only with the 24-hour format “%1”</source>
        <translation>Uniquement avec le format 24&#xa0;heures «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Format: %1 (24-hour)</source>
        <translation>Format&#xa0;: %1 (24&#xa0;heures)</translation>
    </message>
    <message>
        <source>Format: %1 (12-hour)</source>
        <translation>Format&#xa0;: %1 (12&#xa0;heures)</translation>
    </message>
</context>
<context>
    <name>WaylandStripSurface</name>
    <message>
        <source>Wayland: the time is drawn through Qt&apos;s window painting: %1</source>
        <translation>Wayland&#xa0;: l’heure est dessinée par le rendu de fenêtre de Qt&#xa0;: %1</translation>
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
        <translation>Demain</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
</context>
<context>
    <name>ZonePicker</name>
    <message>
        <source>City, country or UTC offset</source>
        <translation>Ville, pays ou décalage UTC</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is running but not answering (process %2)</source>
        <translation>%1 est en cours d’exécution mais ne répond pas (processus %2)</translation>
    </message>
</context>
<context>
    <name>modTimeZones</name>
    <message>
        <source>The time zone database cannot be read: %1</source>
        <translation>Impossible de lire la base de données des fuseaux horaires&#xa0;: %1</translation>
    </message>
</context>
</TS>
