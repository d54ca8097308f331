<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CKelvoCommonFlockInstance</name>
    <message>
        <location filename="../common/platform/posix/KelvoCommonFlockInstance.cpp" line="+35"/>
        <source>There is no private folder for the lock that keeps one copy running: %1 must be a folder of yours that only you can open.</source>
        <translation>Es gibt keinen privaten Ordner für die Sperre, die nur eine laufende Instanz zulässt: %1 muss ein eigener Ordner sein, den nur Sie öffnen können.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The lock file %1 cannot be opened: %2.</source>
        <translation>Die Sperrdatei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>CKelvoCommonPortalHotKey</name>
    <message>
        <location filename="../common/platform/wayland/KelvoCommonPortalHotKey.cpp" line="+556"/>
        <source>Show or hide the launcher</source>
        <translation>Programmstarter ein- oder ausblenden</translation>
    </message>
</context>
<context>
    <name>CVendraskApp</name>
    <message>
        <location filename="../app/VendraskApp.cpp" line="+75"/>
        <source>マイコンピュータ</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>マイドキュメント</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ごみ箱</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最近使ったファイル</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お気に入り</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Vendrask cannot start. %1</source>
        <translation>Vendrask kann nicht gestartet werden. %1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.</source>
        <translation>Fehler in CVendraskApp::SaveToIniFile, der Parameter ist %1.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vendrask could not save its settings.

File: %1
Reason: %2

Settings you change stay in effect while Vendrask runs; it tries again to save them with every further change.</source>
        <translation>Vendrask konnte seine Einstellungen nicht speichern.

Datei: %1
Grund: %2

Geänderte Einstellungen bleiben wirksam, solange Vendrask läuft; bei jeder weiteren Änderung wird erneut versucht, sie zu speichern.</translation>
    </message>
</context>
<context>
    <name>CVendraskCommandLine</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+96"/>
        <source>vendrask: %1
Try &apos;vendrask --help&apos;.
</source>
        <translation>vendrask: %1
„vendrask --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <location filename="../app/VendraskCommandLine.cpp" line="+19"/>
        <location line="+8"/>
        <source>--ini needs a file name</source>
        <translation>--ini braucht einen Dateinamen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown argument: %1</source>
        <translation>unbekanntes Argument: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Usage: vendrask [--ini FILE]
       vendrask VERB [ARGUMENTS]

Vendrask %1: an application and folder launcher. It lives hidden with a
tray icon; call its menu up with the hot key (Ctrl+Alt by default), the
tray icon, a screen edge or a double click on the empty desktop.

Options:
  --ini FILE     use FILE as the settings file (created when missing)
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Verbs, for the running launcher:
  toggle [--ini FILE]             show the menu, or hide it when shown
  show [--group N] [--ini FILE]   show the menu (group N, 0-9)
  hide                            hide the menu
  configure                       show the menu and its configuration
  start GROUP LETTER              start an item (&quot;start 0 A&quot;)
  pause, resume                   pause or resume the hot key
  quit                            end the launcher
  status                          tell whether it runs (exit 3: not)
  autostart on [--ini FILE] | off | status
                                  start it with the desktop session
toggle and show start the launcher when none runs (with FILE as its
settings file); the others exit 3 then.

Settings: Vendrask.ini in the program&apos;s folder, or, when that folder is
not writable, $XDG_CONFIG_HOME/Vendrask/Vendrask.ini.
</source>
        <extracomment>Keep the options, verbs and their arguments as they are, and the columns lined up.</extracomment>
        <translation>Aufruf: vendrask [--ini FILE]
        vendrask VERB [ARGUMENTS]

Vendrask %1: ein Starter für Programme und Ordner. Er läuft verborgen mit
einem Symbol in der Systemleiste; sein Menü erscheint mit dem Tastenkürzel
(standardmäßig Strg+Alt), über das Symbol, einen Bildschirmrand oder einen
Doppelklick auf den leeren Desktop.

Optionen:
  --ini FILE     FILE als Einstellungsdatei nutzen (wird ggf. angelegt)
  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden

Befehle an den laufenden Starter:
  toggle [--ini FILE]             Menü ein- oder ausblenden
  show [--group N] [--ini FILE]   Menü einblenden (Gruppe N, 0-9)
  hide                            Menü ausblenden
  configure                       Menü und seine Einstellungen einblenden
  start GROUP LETTER              einen Eintrag starten („start 0 A“)
  pause, resume                   Tastenkürzel anhalten oder fortsetzen
  quit                            den Starter beenden
  status                          melden, ob er läuft (Exit-Status 3: nein)
  autostart on [--ini FILE] | off | status
                                  mit der Desktop-Sitzung starten
toggle und show starten den Starter, wenn keiner läuft (mit FILE als
Einstellungsdatei); die anderen enden dann mit Exit-Status 3.

Einstellungen: Vendrask.ini im Ordner des Programms oder, wenn dieser
nicht beschreibbar ist, $XDG_CONFIG_HOME/Vendrask/Vendrask.ini.
</translation>
    </message>
</context>
<context>
    <name>CVendraskConfig</name>
    <message>
        <location filename="../dialogs/VendraskConfig.cpp" line="+23"/>
        <source>Vendrask Configuration</source>
        <translation>Vendrask-Einstellungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Configuration pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Behavior</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigAppearance</name>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.cpp" line="+29"/>
        <source>Dialog Text Color</source>
        <translation>Dialog: Textfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Top) Color</source>
        <translation>Dialog: Hintergrund oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Bottom) Color</source>
        <translation>Dialog: Hintergrund unten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog Frame Color</source>
        <translation>Dialog: Rahmenfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text Color</source>
        <translation>Knopf: Textfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Background Default Color</source>
        <translation>Knopf: Hintergrund normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Hovered Color</source>
        <translation>Knopf: Hintergrund beim Überfahren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Clicked Color</source>
        <translation>Knopf: Hintergrund geklickt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Frame Focused Color</source>
        <translation>Knopf: Rahmen mit Fokus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Frame Not Focused Color</source>
        <translation>Knopf: Rahmen ohne Fokus</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Vendrask Configuration (Appearance)</source>
        <translation>Vendrask-Einstellungen (Darstellung)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Color Set</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fade Level</source>
        <translation>Einblendstufe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Button Font</source>
        <translation>Knopfschrift</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dialog Font</source>
        <translation>Dialogschrift</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White Titlebar</source>
        <translation>Weiße Titelleiste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.h" line="+33"/>
        <source>User Defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua Blue</source>
        <translation>Aquablau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champagne Gold</source>
        <translation>Champagnergold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rose Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunshine Orange</source>
        <translation>Sonnenorange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ocean Cobalt</source>
        <translation>Ozeankobalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigBehavior</name>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.cpp" line="+39"/>
        <source>Hook with Click on Desktop</source>
        <translation>Aufruf per Klick auf Desktop</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirmation Dialog</source>
        <translation>Bestätigungsdialog</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Item Lock</source>
        <translation>Einträge sperren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show Menu Top Most</source>
        <translation>Menü immer im Vordergrund</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unable Hot Key at Full Screen Mode</source>
        <translation>Tastenkürzel nicht im Vollbild</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Top edge</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom edge</source>
        <translation>Unterer Rand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left edge</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right edge</source>
        <translation>Rechter Rand</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Vendrask Configuration (Behavior)</source>
        <translation>Vendrask-Einstellungen (Verhalten)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hot Key</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hook Wait on Desktop Edge</source>
        <translation>Wartezeit am Bildschirmrand</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hookable Desktop Edge</source>
        <translation>Aktive Bildschirmränder</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Default Group</source>
        <translation>Standardgruppe</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A double click on a desktop icon opens the icon and leaves the menu hidden where the desktop program shows its icons to the accessibility bus (Caja, PCManFM-Qt, PCManFM with GTK&apos;s accessibility modules). On other desktops (Nemo, Xfce) any double click on the desktop calls up the menu.</source>
        <translation>Ein Doppelklick auf ein Desktop-Symbol öffnet das Symbol und lässt das Menü verborgen, wenn das Desktop-Programm seine Symbole dem Barrierefreiheits-Bus zeigt (Caja, PCManFM-Qt, PCManFM mit den Barrierefreiheitsmodulen von GTK). Auf anderen Desktops (Nemo, Xfce) ruft jeder Doppelklick auf den Desktop das Menü auf.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The hot key &quot;%1&quot; could not be registered: another program may be using it.</source>
        <translation>Das Tastenkürzel „%1“ konnte nicht registriert werden: Möglicherweise wird es von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hot key &quot;%1&quot; stays in use.</source>
        <translation>Das Tastenkürzel „%1“ bleibt aktiv.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No hot key works now; choose another one, or call the menu up with the icon or a screen edge.</source>
        <translation>Derzeit funktioniert kein Tastenkürzel. Wählen Sie ein anderes oder rufen Sie das Menü über das Symbol oder einen Bildschirmrand auf.</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.h" line="+49"/>
        <source>Ctrl + Alt</source>
        <translation>Strg + Alt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Shift</source>
        <translation>Strg + Umschalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift + Alt</source>
        <translation>Umschalt + Alt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Alt + Shift</source>
        <translation>Strg+Alt+Umsch.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alt + Q</source>
        <translation>Alt + Q</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigSound</name>
    <message>
        <location filename="../dialogs/VendraskConfigSound.cpp" line="+18"/>
        <source>Vendrask Configuration (Sound)</source>
        <translation>Vendrask-Einstellungen (Klang)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound On/Off</source>
        <translation>Klänge abspielen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A sound path can have at most 259 characters; a longer one is not stored.</source>
        <translation>Ein Klangpfad darf höchstens 259 Zeichen lang sein; ein längerer wird nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>WAVファイル(*.wav) (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>WAV-Dateien (*.wav) (*.wav)</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigSound.h" line="+32"/>
        <source>Menu Open Sound Path</source>
        <translation>Klang: Menü öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Close Sound Path</source>
        <translation>Klang: Menü schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Click Sound Path</source>
        <translation>Klang: Knopf geklickt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Hover Sound Path</source>
        <translation>Klang: Zeiger auf Knopf</translation>
    </message>
</context>
<context>
    <name>CVendraskConfirmation</name>
    <message>
        <location filename="../dialogs/VendraskConfirmation.cpp" line="+13"/>
        <source>Are you sure you want to &quot;Cut&quot; this item ?</source>
        <translation>Möchten Sie diesen Eintrag wirklich ausschneiden?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Paste&quot; this item ?</source>
        <translation>Möchten Sie diesen Eintrag wirklich einfügen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Delete&quot; this item ?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Move&quot; this item ?</source>
        <translation>Möchten Sie diesen Eintrag wirklich verschieben?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vendrask Confirmation</source>
        <translation>Vendrask-Bestätigung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CVendraskControlAdapter</name>
    <message>
        <location filename="../control/VendraskControlAdapter.cpp" line="+59"/>
        <source>no such item</source>
        <translation>kein solcher Eintrag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 is empty</source>
        <translation>der Eintrag %1 ist leer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>item %1: its file does not exist</source>
        <translation>die Datei von Eintrag %1 existiert nicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 could not be started: %2</source>
        <translation>der Eintrag %1 konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>CVendraskGroupTitle</name>
    <message>
        <location filename="../dialogs/VendraskGroupTitle.cpp" line="+16"/>
        <source>Vendrask Group Title</source>
        <translation>Vendrask-Gruppentitel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group Title</source>
        <translation>Gruppentitel</translation>
    </message>
</context>
<context>
    <name>CVendraskInformation</name>
    <message>
        <location filename="../dialogs/VendraskInformation.cpp" line="+57"/>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Vendrask ～ Application and Folder Launcher ～</source>
        <translation>Vendrask ～ Programm- und Ordnerstarter ～</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copyright (C) %1 The Vendrask developers</source>
        <translation>Copyright (C) %1 Die Vendrask-Entwickler</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Vendrask Information</source>
        <translation>Vendrask-Information</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vendrask icon</source>
        <translation>Vendrask-Symbol</translation>
    </message>
</context>
<context>
    <name>CVendraskItemSetting</name>
    <message>
        <location filename="../dialogs/VendraskItemSetting.cpp" line="+50"/>
        <source>Vendrask Item Setting</source>
        <translation>Vendrask-Eintragseinstellungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Item ID</source>
        <translation>Eintrags-ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Name</source>
        <translation>Eintragsname</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Browse Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Item Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Working Folder</source>
        <translation>Arbeitsordner</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Item Setting for &quot;%1&quot;</source>
        <translation>Eintrag „%1“</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>A path can have at most %1 characters; the longer one was not stored.</source>
        <translation>Ein Pfad darf höchstens %1 Zeichen lang sein; der längere wurde nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An option can have at most %1 characters; the longer one was not stored.</source>
        <translation>Eine Option darf höchstens %1 Zeichen lang sein; die längere wurde nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A working folder can have at most %1 characters; the longer one was not stored.</source>
        <translation>Ein Arbeitsordner darf höchstens %1 Zeichen lang sein; der längere wurde nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>すべてのファイル(*.*) (*)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>Alle Dateien (*.*) (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select preferable folder.</source>
        <translation>Bitte wählen Sie den gewünschten Ordner.</translation>
    </message>
</context>
<context>
    <name>CVendraskMain</name>
    <message>
        <location filename="../menu/VendraskMain.cpp" line="+162"/>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Group Title</source>
        <translation>Gruppentitel</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit (&amp;E)	Ctrl+E</source>
        <translation>Bearbeiten (&amp;E)	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy (&amp;C)	Ctrl+C</source>
        <translation>Kopieren (&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut (&amp;T)	Ctrl+X</source>
        <translation>Ausschneiden (&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste (&amp;P)	Ctrl+V</source>
        <translation>Einfügen (&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete (&amp;D)	Ctrl+D</source>
        <translation>Löschen (&amp;D)	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Folder (&amp;O)	Ctrl+O</source>
        <translation>Ordner öffnen (&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Special Item (&amp;R)</source>
        <translation>Spezialeintrag anlegen (&amp;R)</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Group title</source>
        <translation>Gruppentitel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group title, %1</source>
        <translation>Gruppentitel, %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group %1, %2</source>
        <translation>Gruppe %1, %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1, empty</source>
        <translation>%1, leer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainLaunch.cpp" line="+28"/>
        <source>Its file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The item &quot;%1&quot; could not be started.</source>
        <translation>Der Eintrag „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainShowHide.cpp" line="+30"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause (Hot Key) (&amp;P)</source>
        <translation>Pause (Tastenkürzel) (&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (&amp;C)</source>
        <translation>Schließen (&amp;C)</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>The hot key could not be registered again after the pause: another program may be using it.

Choose another one on the Behavior page of the configuration window.</source>
        <translation>Das Tastenkürzel konnte nach der Pause nicht erneut registriert werden: Möglicherweise wird es von einem anderen Programm verwendet.

Wählen Sie auf der Seite „Verhalten“ der Einstellungen ein anderes.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The desktop did not bind the hot key: another program may be using it.

Choose another one on the Behavior page of the configuration window, or give the launcher a key in the desktop&apos;s keyboard shortcut settings.</source>
        <translation>Die Arbeitsumgebung hat das Tastenkürzel nicht übernommen: Möglicherweise wird es von einem anderen Programm verwendet.

Wählen Sie auf der Seite „Verhalten“ der Einstellungen ein anderes, oder legen Sie in den Tastenkürzel-Einstellungen der Arbeitsumgebung eine Taste für den Programmstarter fest.</translation>
    </message>
</context>
<context>
    <name>CVendraskSmallWindow</name>
    <message>
        <location filename="../dialogs/VendraskSmallWindow.cpp" line="+34"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CVendraskStartup</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+10"/>
        <source>vendrask: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a ./run.sh
</source>
        <translation>vendrask: keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); zum Ausprobieren ohne Desktop: xvfb-run -a ./run.sh
</translation>
    </message>
</context>
<context>
    <name>KelvoCommonShell</name>
    <message>
        <location filename="../common/platform/gio/KelvoCommonGioShell.cpp" line="+380"/>
        <source>nothing here can open it</source>
        <translation>kein Programm hier kann es öffnen</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>no application opens it</source>
        <translation>keine Anwendung öffnet es</translation>
    </message>
</context>
</TS>
