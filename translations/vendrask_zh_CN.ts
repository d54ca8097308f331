<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CKelvoCommonFlockInstance</name>
    <message>
        <location filename="../common/platform/posix/KelvoCommonFlockInstance.cpp" line="+35"/>
        <source>There is no private folder for the lock that keeps one copy running: %1 must be a folder of yours that only you can open.</source>
        <translation>没有可存放单实例锁的私有文件夹：%1 必须是属于您且只有您能打开的文件夹。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The lock file %1 cannot be opened: %2.</source>
        <translation>无法打开锁文件 %1：%2。</translation>
    </message>
</context>
<context>
    <name>CKelvoCommonPortalHotKey</name>
    <message>
        <location filename="../common/platform/wayland/KelvoCommonPortalHotKey.cpp" line="+556"/>
        <source>Show or hide the launcher</source>
        <translation>显示或隐藏启动器</translation>
    </message>
</context>
<context>
    <name>CVendraskApp</name>
    <message>
        <location filename="../app/VendraskApp.cpp" line="+75"/>
        <source>マイコンピュータ</source>
        <translation>计算机</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>マイドキュメント</source>
        <translation>文档</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ごみ箱</source>
        <translation>回收站</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最近使ったファイル</source>
        <translation>最近使用的文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お気に入り</source>
        <translation>收藏夹</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Vendrask cannot start. %1</source>
        <translation>Vendrask 无法启动。%1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.</source>
        <translation>CVendraskApp::SaveToIniFile 出错，参数为 %1。</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vendrask could not save its settings.

File: %1
Reason: %2

Settings you change stay in effect while Vendrask runs; it tries again to save them with every further change.</source>
        <translation>Vendrask 无法保存设置。

文件：%1
原因：%2

您更改的设置在 Vendrask 运行期间仍然有效；此后每次更改设置时，它都会再次尝试保存。</translation>
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
请尝试执行“vendrask --help”。
</translation>
    </message>
    <message>
        <location filename="../app/VendraskCommandLine.cpp" line="+19"/>
        <location line="+8"/>
        <source>--ini needs a file name</source>
        <translation>--ini 需要一个文件名</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown argument: %1</source>
        <translation>未知参数：%1</translation>
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
        <translation>用法：vendrask [--ini FILE]
      vendrask VERB [ARGUMENTS]

Vendrask %1：应用程序与文件夹启动器。它带着托盘图标在后台隐藏运行；
可用热键（默认为 Ctrl+Alt）、托盘图标、屏幕边缘或双击空白桌面呼出菜单。

选项：
  --ini FILE     使用 FILE 作为设置文件（不存在时自动创建）
  -h, --help     显示此帮助并退出
  -v, --version  显示版本并退出

命令（发给正在运行的启动器）：
  toggle [--ini FILE]             显示菜单；菜单已显示时则隐藏
  show [--group N] [--ini FILE]   显示菜单（第 N 组，0-9）
  hide                            隐藏菜单
  configure                       显示菜单及其设置窗口
  start GROUP LETTER              启动一个项目（“start 0 A”）
  pause, resume                   暂停或恢复热键
  quit                            退出启动器
  status                          报告是否在运行（未运行时退出码为 3）
  autostart on [--ini FILE] | off | status
                                  随桌面会话自动启动
没有启动器在运行时，toggle 和 show 会启动它（以 FILE 作为其设置文件）；
其他命令此时以退出码 3 退出。

设置：程序所在文件夹中的 Vendrask.ini；若该文件夹不可写，则为
$XDG_CONFIG_HOME/Vendrask/Vendrask.ini。
</translation>
    </message>
</context>
<context>
    <name>CVendraskConfig</name>
    <message>
        <location filename="../dialogs/VendraskConfig.cpp" line="+23"/>
        <source>Vendrask Configuration</source>
        <translation>Vendrask 设置</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Configuration pages</source>
        <translation>设置页面</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Behavior</source>
        <translation>行为</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigAppearance</name>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.cpp" line="+29"/>
        <source>Dialog Text Color</source>
        <translation>对话框文字颜色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Top) Color</source>
        <translation>对话框背景颜色（上）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Bottom) Color</source>
        <translation>对话框背景颜色（下）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog Frame Color</source>
        <translation>对话框边框颜色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text Color</source>
        <translation>按钮文字颜色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Background Default Color</source>
        <translation>按钮背景颜色（默认）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Hovered Color</source>
        <translation>按钮背景颜色（悬停）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Clicked Color</source>
        <translation>按钮背景颜色（按下）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Frame Focused Color</source>
        <translation>按钮边框颜色（有焦点）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Frame Not Focused Color</source>
        <translation>按钮边框颜色（无焦点）</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Vendrask Configuration (Appearance)</source>
        <translation>Vendrask 设置（外观）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Color Set</source>
        <translation>配色方案</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fade Level</source>
        <translation>淡入级别</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Button Font</source>
        <translation>按钮字体</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dialog Font</source>
        <translation>对话框字体</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White Titlebar</source>
        <translation>白色标题栏</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.h" line="+33"/>
        <source>User Defined</source>
        <translation>自定义</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua Blue</source>
        <translation>水蓝</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champagne Gold</source>
        <translation>香槟金</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rose Pink</source>
        <translation>玫瑰粉</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunshine Orange</source>
        <translation>阳光橙</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ocean Cobalt</source>
        <translation>海洋钴蓝</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Contrast</source>
        <translation>高对比度</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigBehavior</name>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.cpp" line="+39"/>
        <source>Hook with Click on Desktop</source>
        <translation>双击桌面呼出菜单</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirmation Dialog</source>
        <translation>操作前确认</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Item Lock</source>
        <translation>锁定项目</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show Menu Top Most</source>
        <translation>菜单总在最前</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unable Hot Key at Full Screen Mode</source>
        <translation>全屏时禁用热键</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Top edge</source>
        <translation>上边缘</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom edge</source>
        <translation>下边缘</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left edge</source>
        <translation>左边缘</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right edge</source>
        <translation>右边缘</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Vendrask Configuration (Behavior)</source>
        <translation>Vendrask 设置（行为）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hot Key</source>
        <translation>热键</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hook Wait on Desktop Edge</source>
        <translation>屏幕边缘停留时间</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hookable Desktop Edge</source>
        <translation>呼出菜单的屏幕边缘</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Default Group</source>
        <translation>默认分组</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A double click on a desktop icon opens the icon and leaves the menu hidden where the desktop program shows its icons to the accessibility bus (Caja, PCManFM-Qt, PCManFM with GTK&apos;s accessibility modules). On other desktops (Nemo, Xfce) any double click on the desktop calls up the menu.</source>
        <translation>如果桌面程序向无障碍总线提供其图标（Caja、PCManFM-Qt，以及加载了 GTK 无障碍模块的 PCManFM），双击桌面图标会打开该图标，而不会呼出菜单。在其他桌面上（Nemo、Xfce），在桌面上任意位置双击都会呼出菜单。</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The hot key &quot;%1&quot; could not be registered: another program may be using it.</source>
        <translation>无法注册热键“%1”：可能有其他程序正在使用它。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hot key &quot;%1&quot; stays in use.</source>
        <translation>继续使用热键“%1”。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No hot key works now; choose another one, or call the menu up with the icon or a screen edge.</source>
        <translation>现在没有可用的热键；请另选一个，或通过图标或屏幕边缘呼出菜单。</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.h" line="+49"/>
        <source>Ctrl + Alt</source>
        <translation>Ctrl + Alt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Shift</source>
        <translation>Ctrl + Shift</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift + Alt</source>
        <translation>Shift + Alt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Alt + Shift</source>
        <translation>Ctrl + Alt + Shift</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alt + Q</source>
        <translation>Alt + Q</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Click</source>
        <translation>点击</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigSound</name>
    <message>
        <location filename="../dialogs/VendraskConfigSound.cpp" line="+18"/>
        <source>Vendrask Configuration (Sound)</source>
        <translation>Vendrask 设置（声音）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound On/Off</source>
        <translation>启用声音</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse File</source>
        <translation>浏览文件</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A sound path can have at most 259 characters; a longer one is not stored.</source>
        <translation>声音路径最多可包含 259 个字符；更长的路径不会被保存。</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>WAVファイル(*.wav) (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>WAV 文件 (*.wav) (*.wav)</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigSound.h" line="+32"/>
        <source>Menu Open Sound Path</source>
        <translation>菜单打开音效路径</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Close Sound Path</source>
        <translation>菜单关闭音效路径</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Click Sound Path</source>
        <translation>按钮点击音效路径</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Hover Sound Path</source>
        <translation>按钮悬停音效路径</translation>
    </message>
</context>
<context>
    <name>CVendraskConfirmation</name>
    <message>
        <location filename="../dialogs/VendraskConfirmation.cpp" line="+13"/>
        <source>Are you sure you want to &quot;Cut&quot; this item ?</source>
        <translation>确定要“剪切”此项目吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Paste&quot; this item ?</source>
        <translation>确定要“粘贴”此项目吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Delete&quot; this item ?</source>
        <translation>确定要“删除”此项目吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Move&quot; this item ?</source>
        <translation>确定要“移动”此项目吗？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vendrask Confirmation</source>
        <translation>Vendrask 确认</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CVendraskControlAdapter</name>
    <message>
        <location filename="../control/VendraskControlAdapter.cpp" line="+59"/>
        <source>no such item</source>
        <translation>没有此项目</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 is empty</source>
        <translation>项目 %1 为空</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>item %1: its file does not exist</source>
        <translation>项目 %1：其文件不存在</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 could not be started: %2</source>
        <translation>无法启动项目 %1：%2</translation>
    </message>
</context>
<context>
    <name>CVendraskGroupTitle</name>
    <message>
        <location filename="../dialogs/VendraskGroupTitle.cpp" line="+16"/>
        <source>Vendrask Group Title</source>
        <translation>Vendrask 分组标题</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group Title</source>
        <translation>分组标题</translation>
    </message>
</context>
<context>
    <name>CVendraskInformation</name>
    <message>
        <location filename="../dialogs/VendraskInformation.cpp" line="+57"/>
        <source>Version %1 (%2)</source>
        <translation>版本 %1（%2）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Vendrask ～ Application and Folder Launcher ～</source>
        <translation>Vendrask ～ 应用程序与文件夹启动器 ～</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copyright (C) %1 The Vendrask developers</source>
        <translation>版权所有 (C) %1 Vendrask 开发者</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Vendrask Information</source>
        <translation>Vendrask 信息</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vendrask icon</source>
        <translation>Vendrask 图标</translation>
    </message>
</context>
<context>
    <name>CVendraskItemSetting</name>
    <message>
        <location filename="../dialogs/VendraskItemSetting.cpp" line="+50"/>
        <source>Vendrask Item Setting</source>
        <translation>Vendrask 项目设置</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Item ID</source>
        <translation>项目 ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Name</source>
        <translation>项目名称</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Path</source>
        <translation>项目路径</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse File</source>
        <translation>浏览文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Browse Folder</source>
        <translation>浏览文件夹</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Item Option</source>
        <translation>项目参数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Working Folder</source>
        <translation>项目工作文件夹</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Item Setting for &quot;%1&quot;</source>
        <translation>“%1”的项目设置</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>A path can have at most %1 characters; the longer one was not stored.</source>
        <translation>路径最多只能有 %1 个字符；过长的路径未被保存。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An option can have at most %1 characters; the longer one was not stored.</source>
        <translation>参数最多只能有 %1 个字符；过长的参数未被保存。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A working folder can have at most %1 characters; the longer one was not stored.</source>
        <translation>工作文件夹最多只能有 %1 个字符；过长的路径未被保存。</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>すべてのファイル(*.*) (*)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>所有文件 (*.*) (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select preferable folder.</source>
        <translation>请选择所需的文件夹。</translation>
    </message>
</context>
<context>
    <name>CVendraskMain</name>
    <message>
        <location filename="../menu/VendraskMain.cpp" line="+162"/>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>Configuration</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Group Title</source>
        <translation>分组标题</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit (&amp;E)	Ctrl+E</source>
        <translation>编辑(&amp;E)	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy (&amp;C)	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut (&amp;T)	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste (&amp;P)	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete (&amp;D)	Ctrl+D</source>
        <translation>删除(&amp;D)	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Folder (&amp;O)	Ctrl+O</source>
        <translation>打开文件夹(&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Special Item (&amp;R)</source>
        <translation>添加特殊项目(&amp;R)</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Group title</source>
        <translation>分组标题</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group title, %1</source>
        <translation>分组标题，%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Group %1</source>
        <translation>分组 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group %1, %2</source>
        <translation>分组 %1，%2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1, empty</source>
        <translation>%1，空</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainLaunch.cpp" line="+28"/>
        <source>Its file &quot;%1&quot; does not exist.</source>
        <translation>文件“%1”不存在。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The item &quot;%1&quot; could not be started.</source>
        <translation>无法启动项目“%1”。</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainShowHide.cpp" line="+30"/>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause (Hot Key) (&amp;P)</source>
        <translation>暂停热键(&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (&amp;C)</source>
        <translation>退出(&amp;C)</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>The hot key could not be registered again after the pause: another program may be using it.

Choose another one on the Behavior page of the configuration window.</source>
        <translation>暂停结束后无法重新注册热键：可能有其他程序正在使用它。

请在设置窗口的“行为”页面中另选一个热键。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The desktop did not bind the hot key: another program may be using it.

Choose another one on the Behavior page of the configuration window, or give the launcher a key in the desktop&apos;s keyboard shortcut settings.</source>
        <translation>桌面环境没有绑定该热键：可能有其他程序正在使用它。

请在设置窗口的“行为”页面中另选一个热键，或在桌面环境的键盘快捷键设置中为启动器指定一个按键。</translation>
    </message>
</context>
<context>
    <name>CVendraskSmallWindow</name>
    <message>
        <location filename="../dialogs/VendraskSmallWindow.cpp" line="+34"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CVendraskStartup</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+10"/>
        <source>vendrask: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a ./run.sh
</source>
        <translation>vendrask: 没有可用的显示（DISPLAY 和 WAYLAND_DISPLAY 均未设置）；如需在没有桌面的环境中试用：xvfb-run -a ./run.sh
</translation>
    </message>
</context>
<context>
    <name>KelvoCommonShell</name>
    <message>
        <location filename="../common/platform/gio/KelvoCommonGioShell.cpp" line="+380"/>
        <source>nothing here can open it</source>
        <translation>这里没有能打开它的程序</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>no application opens it</source>
        <translation>没有能打开它的应用程序</translation>
    </message>
</context>
</TS>
