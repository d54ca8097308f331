<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CKelvoCommonFlockInstance</name>
    <message>
        <location filename="../common/platform/posix/KelvoCommonFlockInstance.cpp" line="+35"/>
        <source>There is no private folder for the lock that keeps one copy running: %1 must be a folder of yours that only you can open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The lock file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CKelvoCommonPortalHotKey</name>
    <message>
        <location filename="../common/platform/wayland/KelvoCommonPortalHotKey.cpp" line="+484"/>
        <source>Show or hide the launcher</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskApp</name>
    <message>
        <location filename="../app/VendraskApp.cpp" line="+74"/>
        <source>マイコンピュータ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>マイドキュメント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ごみ箱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最近使ったファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お気に入り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Vendrask cannot start. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+155"/>
        <source>Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vendrask could not save its settings.

File: %1
Reason: %2

Settings you change stay in effect while Vendrask runs; it tries again to save them with every further change.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskCommandLine</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+96"/>
        <source>vendrask: %1
Try &apos;vendrask --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/VendraskCommandLine.cpp" line="+19"/>
        <location line="+8"/>
        <source>--ini needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown argument: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskConfig</name>
    <message>
        <location filename="../dialogs/VendraskConfig.cpp" line="+23"/>
        <source>Vendrask Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Configuration pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Behavior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskConfigAppearance</name>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.cpp" line="+29"/>
        <source>Dialog Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Top) Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Bottom) Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog Frame Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Background Default Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Hovered Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Clicked Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Frame Focused Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Frame Not Focused Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Vendrask Configuration (Appearance)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Color Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fade Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Button Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dialog Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White Titlebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.h" line="+33"/>
        <source>User Defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champagne Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rose Pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunshine Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ocean Cobalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Contrast</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskConfigBehavior</name>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.cpp" line="+39"/>
        <source>Hook with Click on Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirmation Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Item Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show Menu Top Most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unable Hot Key at Full Screen Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Top edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Vendrask Configuration (Behavior)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hot Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hook Wait on Desktop Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hookable Desktop Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Default Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A double click on a desktop icon opens the icon and leaves the menu hidden where the desktop program shows its icons to the accessibility bus (Caja, PCManFM-Qt, PCManFM with GTK&apos;s accessibility modules). On other desktops (Nemo, Xfce) any double click on the desktop calls up the menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The hot key &quot;%1&quot; could not be registered: another program may be using it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hot key &quot;%1&quot; stays in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No hot key works now; choose another one, or call the menu up with the icon or a screen edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.h" line="+49"/>
        <source>Ctrl + Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift + Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Alt + Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alt + Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskConfigSound</name>
    <message>
        <location filename="../dialogs/VendraskConfigSound.cpp" line="+18"/>
        <source>Vendrask Configuration (Sound)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>WAVファイル(*.wav) (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigSound.h" line="+32"/>
        <source>Menu Open Sound Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Close Sound Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Click Sound Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Hover Sound Path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskConfirmation</name>
    <message>
        <location filename="../dialogs/VendraskConfirmation.cpp" line="+13"/>
        <source>Are you sure you want to &quot;Cut&quot; this item ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Paste&quot; this item ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Delete&quot; this item ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Move&quot; this item ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vendrask Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskControlAdapter</name>
    <message>
        <location filename="../control/VendraskControlAdapter.cpp" line="+59"/>
        <source>no such item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>item %1: its file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 could not be started: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskGroupTitle</name>
    <message>
        <location filename="../dialogs/VendraskGroupTitle.cpp" line="+16"/>
        <source>Vendrask Group Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group Title</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskInformation</name>
    <message>
        <location filename="../dialogs/VendraskInformation.cpp" line="+57"/>
        <source>Version %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Vendrask ～ Application and Folder Launcher ～</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copyright (C) %1 The Vendrask developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Vendrask Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vendrask icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskItemSetting</name>
    <message>
        <location filename="../dialogs/VendraskItemSetting.cpp" line="+50"/>
        <source>Vendrask Item Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Item ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Browse Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Item Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Working Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Item Setting for &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>A path can have at most %1 characters; the longer one was not stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An option can have at most %1 characters; the longer one was not stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A working folder can have at most %1 characters; the longer one was not stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>すべてのファイル(*.*) (*)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select preferable folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskMain</name>
    <message>
        <location filename="../menu/VendraskMain.cpp" line="+162"/>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Group Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit (&amp;E)	Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy (&amp;C)	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut (&amp;T)	Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste (&amp;P)	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete (&amp;D)	Ctrl+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Folder (&amp;O)	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Special Item (&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Group title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group title, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Group %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1, empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainLaunch.cpp" line="+28"/>
        <source>Its file &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The item &quot;%1&quot; could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainShowHide.cpp" line="+30"/>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause (Hot Key) (&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+95"/>
        <source>The hot key could not be registered again after the pause: another program may be using it.

Choose another one on the Behavior page of the configuration window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskSmallWindow</name>
    <message>
        <location filename="../dialogs/VendraskSmallWindow.cpp" line="+34"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskStartup</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+10"/>
        <source>vendrask: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a ./run.sh
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KelvoCommonShell</name>
    <message>
        <location filename="../common/platform/gio/KelvoCommonGioShell.cpp" line="+380"/>
        <source>nothing here can open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+109"/>
        <source>no application opens it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
