<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
    <name>CVendraskApp</name>
    <message>
        <location filename="../app/VendraskApp.cpp" line="+127"/>
        <source>Vendrask cannot start. %1</source>
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
</context>
<context>
    <name>CVendraskConfig</name>
    <message>
        <location filename="../dialogs/VendraskConfig.cpp" line="+31"/>
        <source>Configuration pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskConfigBehavior</name>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.cpp" line="+65"/>
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
        <location line="+63"/>
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
</context>
<context>
    <name>CVendraskInformation</name>
    <message>
        <location filename="../dialogs/VendraskInformation.cpp" line="+110"/>
        <source>Vendrask icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVendraskMain</name>
    <message>
        <location filename="../menu/VendraskMain.cpp" line="+163"/>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+100"/>
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
        <location filename="../menu/VendraskMainShowHide.cpp" line="+129"/>
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
