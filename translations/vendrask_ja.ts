<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CKelvoCommonFlockInstance</name>
    <message>
        <location filename="../common/platform/posix/KelvoCommonFlockInstance.cpp" line="+35"/>
        <source>There is no private folder for the lock that keeps one copy running: %1 must be a folder of yours that only you can open.</source>
        <translation>多重起動を防ぐロック用の専用フォルダーがありません。%1 は、あなたが所有し、あなただけが開けるフォルダーである必要があります。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The lock file %1 cannot be opened: %2.</source>
        <translation>ロックファイル %1 を開けません（%2）。</translation>
    </message>
</context>
<context>
    <name>CKelvoCommonPortalHotKey</name>
    <message>
        <location filename="../common/platform/wayland/KelvoCommonPortalHotKey.cpp" line="+556"/>
        <source>Show or hide the launcher</source>
        <translation>ランチャーの表示／非表示を切り替える</translation>
    </message>
</context>
<context>
    <name>CVendraskApp</name>
    <message>
        <location filename="../app/VendraskApp.cpp" line="+75"/>
        <source>マイコンピュータ</source>
        <translation>マイコンピュータ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>マイドキュメント</source>
        <translation>マイドキュメント</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ごみ箱</source>
        <translation>ごみ箱</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最近使ったファイル</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お気に入り</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Vendrask cannot start. %1</source>
        <translation>Vendrask を起動できません。%1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.</source>
        <translation>CVendraskApp::SaveToIniFile でエラーが発生しました。パラメーターは %1 です。</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vendrask could not save its settings.

File: %1
Reason: %2

Settings you change stay in effect while Vendrask runs; it tries again to save them with every further change.</source>
        <translation>Vendrask は設定を保存できませんでした。

ファイル: %1
理由: %2

変更した設定は Vendrask の実行中は有効です。以後、設定を変更するたびに保存を再試行します。</translation>
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
詳しくは &apos;vendrask --help&apos; を実行してください。
</translation>
    </message>
    <message>
        <location filename="../app/VendraskCommandLine.cpp" line="+19"/>
        <location line="+8"/>
        <source>--ini needs a file name</source>
        <translation>--ini にはファイル名が必要です</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown argument: %1</source>
        <translation>不明な引数: %1</translation>
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
        <translation>使い方: vendrask [--ini FILE]
        vendrask VERB [ARGUMENTS]

Vendrask %1: アプリケーションとフォルダーのランチャーです。ふだんは
隠れていてトレイアイコンだけを表示します。メニューはホットキー（既定は
Ctrl+Alt）、トレイアイコン、画面の端、またはデスクトップの何もない所の
ダブルクリックで呼び出します。

オプション:
  --ini FILE     FILE を設定ファイルとして使う（なければ作成）
  -h, --help     このヘルプを表示して終了
  -v, --version  バージョンを表示して終了

動詞（実行中のランチャーへの指示）:
  toggle [--ini FILE]             メニューを表示（表示中なら隠す）
  show [--group N] [--ini FILE]   メニューを表示（グループ N、0～9）
  hide                            メニューを隠す
  configure                       メニューとその設定ウィンドウを表示
  start GROUP LETTER              アイテムを起動（&quot;start 0 A&quot;）
  pause, resume                   ホットキーを一時停止／再開
  quit                            ランチャーを終了
  status                          実行中かを表示（未実行なら終了コード 3）
  autostart on [--ini FILE] | off | status
                                  デスクトップセッションと一緒に起動
toggle と show は、ランチャーが実行されていなければ起動します（FILE を
設定ファイルとして使用）。その他の動詞はその場合、終了コード 3 で終了します。

設定: プログラムのフォルダーにある Vendrask.ini。そのフォルダーに
書き込めない場合は $XDG_CONFIG_HOME/Vendrask/Vendrask.ini。
</translation>
    </message>
</context>
<context>
    <name>CVendraskConfig</name>
    <message>
        <location filename="../dialogs/VendraskConfig.cpp" line="+23"/>
        <source>Vendrask Configuration</source>
        <translation>Vendrask 設定</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Configuration pages</source>
        <translation>設定ページ</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Behavior</source>
        <translation>動作</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigAppearance</name>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.cpp" line="+29"/>
        <source>Dialog Text Color</source>
        <translation>ダイアログの文字色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Top) Color</source>
        <translation>ダイアログの背景色（上）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Bottom) Color</source>
        <translation>ダイアログの背景色（下）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog Frame Color</source>
        <translation>ダイアログの枠の色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text Color</source>
        <translation>ボタンの文字色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Background Default Color</source>
        <translation>ボタンの背景色（通常）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Hovered Color</source>
        <translation>ボタンの背景色（ホバー）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Clicked Color</source>
        <translation>ボタンの背景色（クリック）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Frame Focused Color</source>
        <translation>ボタンの枠の色（フォーカス）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Frame Not Focused Color</source>
        <translation>ボタンの枠の色（非フォーカス）</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Vendrask Configuration (Appearance)</source>
        <translation>Vendrask 設定（外観）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Color Set</source>
        <translation>カラーセット</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fade Level</source>
        <translation>フェードレベル</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Button Font</source>
        <translation>ボタンフォント</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dialog Font</source>
        <translation>ダイアログフォント</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White Titlebar</source>
        <translation>白いタイトルバー</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Color</source>
        <translation>色の選択</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.h" line="+33"/>
        <source>User Defined</source>
        <translation>ユーザー定義</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua Blue</source>
        <translation>アクアブルー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champagne Gold</source>
        <translation>シャンパンゴールド</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rose Pink</source>
        <translation>ローズピンク</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunshine Orange</source>
        <translation>サンシャインオレンジ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ocean Cobalt</source>
        <translation>オーシャンコバルト</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Contrast</source>
        <translation>ハイコントラスト</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigBehavior</name>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.cpp" line="+39"/>
        <source>Hook with Click on Desktop</source>
        <translation>デスクトップのダブルクリックで表示</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirmation Dialog</source>
        <translation>確認ダイアログ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Item Lock</source>
        <translation>アイテムのロック</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show Menu Top Most</source>
        <translation>メニューを最前面に表示</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unable Hot Key at Full Screen Mode</source>
        <translation>全画面表示中はホットキーを無効にする</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Top edge</source>
        <translation>上端</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom edge</source>
        <translation>下端</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left edge</source>
        <translation>左端</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right edge</source>
        <translation>右端</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Vendrask Configuration (Behavior)</source>
        <translation>Vendrask 設定（動作）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hot Key</source>
        <translation>ホットキー</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hook Wait on Desktop Edge</source>
        <translation>画面端での待ち時間</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hookable Desktop Edge</source>
        <translation>メニューを呼び出す画面端</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Default Group</source>
        <translation>既定のグループ</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A double click on a desktop icon opens the icon and leaves the menu hidden where the desktop program shows its icons to the accessibility bus (Caja, PCManFM-Qt, PCManFM with GTK&apos;s accessibility modules). On other desktops (Nemo, Xfce) any double click on the desktop calls up the menu.</source>
        <translation>デスクトップのプログラムがアイコンをアクセシビリティバスに公開している環境（Caja、PCManFM-Qt、GTK のアクセシビリティモジュールを使った PCManFM）では、デスクトップのアイコンをダブルクリックするとそのアイコンが開き、メニューは表示されません。その他のデスクトップ（Nemo、Xfce）では、デスクトップ上のどこをダブルクリックしてもメニューが表示されます。</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The hot key &quot;%1&quot; could not be registered: another program may be using it.</source>
        <translation>ホットキー「%1」を登録できませんでした。別のプログラムが使用している可能性があります。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hot key &quot;%1&quot; stays in use.</source>
        <translation>ホットキー「%1」を引き続き使用します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No hot key works now; choose another one, or call the menu up with the icon or a screen edge.</source>
        <translation>現在、使えるホットキーはありません。別のホットキーを選ぶか、アイコンまたは画面端からメニューを呼び出してください。</translation>
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
        <translation>クリック</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigSound</name>
    <message>
        <location filename="../dialogs/VendraskConfigSound.cpp" line="+18"/>
        <source>Vendrask Configuration (Sound)</source>
        <translation>Vendrask 設定（サウンド）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound On/Off</source>
        <translation>サウンドを鳴らす</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse File</source>
        <translation>ファイル参照...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A sound path can have at most 259 characters; a longer one is not stored.</source>
        <translation>サウンドのパスは 259 文字までです。それより長いパスは保存されません。</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>WAVファイル(*.wav) (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>WAVファイル(*.wav) (*.wav)</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigSound.h" line="+32"/>
        <source>Menu Open Sound Path</source>
        <translation>メニューを開く音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Close Sound Path</source>
        <translation>メニューを閉じる音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Click Sound Path</source>
        <translation>ボタンのクリック音</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Hover Sound Path</source>
        <translation>ボタンのホバー音</translation>
    </message>
</context>
<context>
    <name>CVendraskConfirmation</name>
    <message>
        <location filename="../dialogs/VendraskConfirmation.cpp" line="+13"/>
        <source>Are you sure you want to &quot;Cut&quot; this item ?</source>
        <translation>このアイテムを「切り取り」してもよろしいですか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Paste&quot; this item ?</source>
        <translation>このアイテムを「貼り付け」してもよろしいですか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Delete&quot; this item ?</source>
        <translation>このアイテムを「削除」してもよろしいですか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Move&quot; this item ?</source>
        <translation>このアイテムを「移動」してもよろしいですか？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vendrask Confirmation</source>
        <translation>Vendrask 確認</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CVendraskControlAdapter</name>
    <message>
        <location filename="../control/VendraskControlAdapter.cpp" line="+59"/>
        <source>no such item</source>
        <translation>そのようなアイテムはありません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 is empty</source>
        <translation>アイテム %1 は空です</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>item %1: its file does not exist</source>
        <translation>アイテム %1: ファイルが存在しません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 could not be started: %2</source>
        <translation>アイテム %1 を起動できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>CVendraskGroupTitle</name>
    <message>
        <location filename="../dialogs/VendraskGroupTitle.cpp" line="+16"/>
        <source>Vendrask Group Title</source>
        <translation>Vendrask グループ名</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group Title</source>
        <translation>グループ名</translation>
    </message>
</context>
<context>
    <name>CVendraskInformation</name>
    <message>
        <location filename="../dialogs/VendraskInformation.cpp" line="+57"/>
        <source>Version %1 (%2)</source>
        <translation>バージョン %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Vendrask ～ Application and Folder Launcher ～</source>
        <translation>Vendrask ～ アプリケーション＆フォルダー ランチャー ～</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copyright (C) %1 The Vendrask developers</source>
        <translation>Copyright (C) %1 Vendrask 開発者</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Vendrask Information</source>
        <translation>Vendrask 情報</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vendrask icon</source>
        <translation>Vendrask アイコン</translation>
    </message>
</context>
<context>
    <name>CVendraskItemSetting</name>
    <message>
        <location filename="../dialogs/VendraskItemSetting.cpp" line="+50"/>
        <source>Vendrask Item Setting</source>
        <translation>Vendrask アイテム設定</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Item ID</source>
        <translation>アイテム ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Name</source>
        <translation>アイテム名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Path</source>
        <translation>アイテムのパス</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse File</source>
        <translation>ファイル参照...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Browse Folder</source>
        <translation>フォルダー参照...</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Item Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Working Folder</source>
        <translation>作業フォルダー</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Item Setting for &quot;%1&quot;</source>
        <translation>「%1」のアイテム設定</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>A path can have at most %1 characters; the longer one was not stored.</source>
        <translation>パスは %1 文字までです。それより長いパスは保存されませんでした。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An option can have at most %1 characters; the longer one was not stored.</source>
        <translation>オプションは %1 文字までです。それより長いオプションは保存されませんでした。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A working folder can have at most %1 characters; the longer one was not stored.</source>
        <translation>作業フォルダーは %1 文字までです。それより長い作業フォルダーは保存されませんでした。</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>すべてのファイル(*.*) (*)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>すべてのファイル(*.*) (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select preferable folder.</source>
        <translation>使用するフォルダーを選択してください。</translation>
    </message>
</context>
<context>
    <name>CVendraskMain</name>
    <message>
        <location filename="../menu/VendraskMain.cpp" line="+162"/>
        <source>Hide</source>
        <translation>隠す</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Group Title</source>
        <translation>グループ名</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Item</source>
        <translation>アイテム</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit (&amp;E)	Ctrl+E</source>
        <translation>編集(&amp;E)	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy (&amp;C)	Ctrl+C</source>
        <translation>コピー(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut (&amp;T)	Ctrl+X</source>
        <translation>切り取り(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste (&amp;P)	Ctrl+V</source>
        <translation>貼り付け(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete (&amp;D)	Ctrl+D</source>
        <translation>削除(&amp;D)	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Folder (&amp;O)	Ctrl+O</source>
        <translation>フォルダーを開く(&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Special Item (&amp;R)</source>
        <translation>特殊アイテムの登録(&amp;R)</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Group title</source>
        <translation>グループ名</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group title, %1</source>
        <translation>グループ名、%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Group %1</source>
        <translation>グループ %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group %1, %2</source>
        <translation>グループ %1、%2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1, empty</source>
        <translation>%1、空</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainLaunch.cpp" line="+28"/>
        <source>Its file &quot;%1&quot; does not exist.</source>
        <translation>ファイル「%1」が存在しません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The item &quot;%1&quot; could not be started.</source>
        <translation>アイテム「%1」を起動できませんでした。</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainShowHide.cpp" line="+30"/>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause (Hot Key) (&amp;P)</source>
        <translation>一時停止（ホットキー）(&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (&amp;C)</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>The hot key could not be registered again after the pause: another program may be using it.

Choose another one on the Behavior page of the configuration window.</source>
        <translation>一時停止の後、ホットキーを再登録できませんでした。別のプログラムが使用している可能性があります。

設定ウィンドウの［動作］ページで別のホットキーを選んでください。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The desktop did not bind the hot key: another program may be using it.

Choose another one on the Behavior page of the configuration window, or give the launcher a key in the desktop&apos;s keyboard shortcut settings.</source>
        <translation>デスクトップがホットキーを割り当てませんでした。別のプログラムが使用している可能性があります。

設定ウィンドウの［動作］ページで別のホットキーを選ぶか、デスクトップのキーボードショートカット設定でランチャーにキーを割り当ててください。</translation>
    </message>
</context>
<context>
    <name>CVendraskSmallWindow</name>
    <message>
        <location filename="../dialogs/VendraskSmallWindow.cpp" line="+34"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CVendraskStartup</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+10"/>
        <source>vendrask: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a ./run.sh
</source>
        <translation>vendrask: ディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）。デスクトップなしで試すには: xvfb-run -a ./run.sh
</translation>
    </message>
</context>
<context>
    <name>KelvoCommonShell</name>
    <message>
        <location filename="../common/platform/gio/KelvoCommonGioShell.cpp" line="+380"/>
        <source>nothing here can open it</source>
        <translation>これを開けるものがありません</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>no application opens it</source>
        <translation>これを開くアプリケーションがありません</translation>
    </message>
</context>
</TS>
