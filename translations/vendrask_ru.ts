<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CKelvoCommonFlockInstance</name>
    <message>
        <location filename="../common/platform/posix/KelvoCommonFlockInstance.cpp" line="+35"/>
        <source>There is no private folder for the lock that keeps one copy running: %1 must be a folder of yours that only you can open.</source>
        <translation>Нет личной папки для файла блокировки, который не даёт запустить вторую копию: папка %1 должна принадлежать вам и быть доступна только вам.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The lock file %1 cannot be opened: %2.</source>
        <translation>Не удаётся открыть файл блокировки %1: %2.</translation>
    </message>
</context>
<context>
    <name>CKelvoCommonPortalHotKey</name>
    <message>
        <location filename="../common/platform/wayland/KelvoCommonPortalHotKey.cpp" line="+556"/>
        <source>Show or hide the launcher</source>
        <translation>Показать или скрыть меню запуска</translation>
    </message>
</context>
<context>
    <name>CVendraskApp</name>
    <message>
        <location filename="../app/VendraskApp.cpp" line="+75"/>
        <source>マイコンピュータ</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>マイドキュメント</source>
        <translation>Документы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ごみ箱</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最近使ったファイル</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お気に入り</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Vendrask cannot start. %1</source>
        <translation>Не удаётся запустить Vendrask. %1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.</source>
        <translation>Ошибка в CVendraskApp::SaveToIniFile, параметр: %1.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vendrask could not save its settings.

File: %1
Reason: %2

Settings you change stay in effect while Vendrask runs; it tries again to save them with every further change.</source>
        <translation>Vendrask не удалось сохранить настройки.

Файл: %1
Причина: %2

Изменённые настройки действуют, пока Vendrask работает; при каждом следующем изменении он снова попытается их сохранить.</translation>
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
Попробуйте «vendrask --help».
</translation>
    </message>
    <message>
        <location filename="../app/VendraskCommandLine.cpp" line="+19"/>
        <location line="+8"/>
        <source>--ini needs a file name</source>
        <translation>для --ini нужно указать имя файла</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown argument: %1</source>
        <translation>неизвестный аргумент: %1</translation>
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
        <translation>Использование: vendrask [--ini FILE]
               vendrask VERB [ARGUMENTS]

Vendrask %1: программа быстрого запуска приложений и открытия папок.
Работает в фоне со значком в системном лотке; меню вызывается горячей
клавишей (по умолчанию Ctrl+Alt), значком в лотке, краем экрана или
двойным щелчком по пустому рабочему столу.

Параметры:
  --ini FILE     использовать FILE как файл настроек (создаётся, если нет)
  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти

Команды для запущенной программы:
  toggle [--ini FILE]             показать меню или скрыть, если оно открыто
  show [--group N] [--ini FILE]   показать меню (группа N, 0-9)
  hide                            скрыть меню
  configure                       показать меню и окно настройки
  start GROUP LETTER              запустить элемент («start 0 A»)
  pause, resume                   приостановить/возобновить горячую клавишу
  quit                            завершить работу программы
  status                          проверить, работает ли (код выхода 3: нет)
  autostart on [--ini FILE] | off | status
                                  запускать вместе с сеансом рабочего стола
toggle и show запускают программу, если она не запущена (с FILE в качестве
файла настроек); остальные команды тогда завершаются с кодом 3.

Настройки: Vendrask.ini в папке программы или, если в эту папку нельзя
записывать, $XDG_CONFIG_HOME/Vendrask/Vendrask.ini.
</translation>
    </message>
</context>
<context>
    <name>CVendraskConfig</name>
    <message>
        <location filename="../dialogs/VendraskConfig.cpp" line="+23"/>
        <source>Vendrask Configuration</source>
        <translation>Настройка Vendrask</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Configuration pages</source>
        <translation>Страницы настройки</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Behavior</source>
        <translation>Поведение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigAppearance</name>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.cpp" line="+29"/>
        <source>Dialog Text Color</source>
        <translation>Цвет текста окна</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Top) Color</source>
        <translation>Фон окна (верх)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Bottom) Color</source>
        <translation>Фон окна (низ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog Frame Color</source>
        <translation>Цвет рамки окна</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text Color</source>
        <translation>Цвет текста кнопки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Background Default Color</source>
        <translation>Фон кнопки (обычный)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Hovered Color</source>
        <translation>Фон кнопки (наведение)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Clicked Color</source>
        <translation>Фон кнопки (нажатие)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Frame Focused Color</source>
        <translation>Рамка кнопки (в фокусе)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Frame Not Focused Color</source>
        <translation>Рамка кнопки (без фокуса)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Vendrask Configuration (Appearance)</source>
        <translation>Настройка Vendrask (внешний вид)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Color Set</source>
        <translation>Цветовая схема</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transparency</source>
        <translation>Прозрачность</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fade Level</source>
        <translation>Плавность</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Button Font</source>
        <translation>Шрифт кнопок</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dialog Font</source>
        <translation>Шрифт окон</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White Titlebar</source>
        <translation>Светлый заголовок</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Color</source>
        <translation>Выбрать цвет</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.h" line="+33"/>
        <source>User Defined</source>
        <translation>Пользовательская</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua Blue</source>
        <translation>Аквамарин</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champagne Gold</source>
        <translation>Золотое шампанское</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rose Pink</source>
        <translation>Роза</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunshine Orange</source>
        <translation>Солнечный апельсин</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ocean Cobalt</source>
        <translation>Океанский кобальт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Contrast</source>
        <translation>Высокая контрастность</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigBehavior</name>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.cpp" line="+39"/>
        <source>Hook with Click on Desktop</source>
        <translation>Вызов щелчком по рабочему столу</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirmation Dialog</source>
        <translation>Запрашивать подтверждение</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Item Lock</source>
        <translation>Блокировка элементов</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show Menu Top Most</source>
        <translation>Меню поверх других окон</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unable Hot Key at Full Screen Mode</source>
        <translation>Без горячей клавиши в полном экране</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Top edge</source>
        <translation>Верхний край</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom edge</source>
        <translation>Нижний край</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left edge</source>
        <translation>Левый край</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right edge</source>
        <translation>Правый край</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Vendrask Configuration (Behavior)</source>
        <translation>Настройка Vendrask (поведение)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hot Key</source>
        <translation>Гор. клавиша</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hook Wait on Desktop Edge</source>
        <translation>Задержка у края экрана</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hookable Desktop Edge</source>
        <translation>Активные края экрана</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Default Group</source>
        <translation>Группа по умолчанию</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A double click on a desktop icon opens the icon and leaves the menu hidden where the desktop program shows its icons to the accessibility bus (Caja, PCManFM-Qt, PCManFM with GTK&apos;s accessibility modules). On other desktops (Nemo, Xfce) any double click on the desktop calls up the menu.</source>
        <translation>Двойной щелчок по значку на рабочем столе открывает этот значок и не вызывает меню, если программа рабочего стола сообщает о своих значках шине специальных возможностей (Caja, PCManFM-Qt, PCManFM с модулями специальных возможностей GTK). На других рабочих столах (Nemo, Xfce) меню вызывает любой двойной щелчок по рабочему столу.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The hot key &quot;%1&quot; could not be registered: another program may be using it.</source>
        <translation>Не удалось зарегистрировать горячую клавишу «%1»: возможно, её использует другая программа.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hot key &quot;%1&quot; stays in use.</source>
        <translation>По-прежнему действует горячая клавиша «%1».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No hot key works now; choose another one, or call the menu up with the icon or a screen edge.</source>
        <translation>Сейчас ни одна горячая клавиша не работает; выберите другую или вызывайте меню значком или краем экрана.</translation>
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
        <translation>Щелчок</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigSound</name>
    <message>
        <location filename="../dialogs/VendraskConfigSound.cpp" line="+18"/>
        <source>Vendrask Configuration (Sound)</source>
        <translation>Настройка Vendrask (звук)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound On/Off</source>
        <translation>Включить звуки</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse File</source>
        <translation>Обзор файлов</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A sound path can have at most 259 characters; a longer one is not stored.</source>
        <translation>Путь к звуку может содержать не более 259 символов; более длинный путь не сохраняется.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>WAVファイル(*.wav) (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>Файлы WAV (*.wav) (*.wav)</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigSound.h" line="+32"/>
        <source>Menu Open Sound Path</source>
        <translation>Звук открытия меню</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Close Sound Path</source>
        <translation>Звук закрытия меню</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Click Sound Path</source>
        <translation>Звук нажатия кнопки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Hover Sound Path</source>
        <translation>Звук наведения на кнопку</translation>
    </message>
</context>
<context>
    <name>CVendraskConfirmation</name>
    <message>
        <location filename="../dialogs/VendraskConfirmation.cpp" line="+13"/>
        <source>Are you sure you want to &quot;Cut&quot; this item ?</source>
        <translation>Вы действительно хотите вырезать этот элемент?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Paste&quot; this item ?</source>
        <translation>Вы действительно хотите вставить этот элемент?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Delete&quot; this item ?</source>
        <translation>Вы действительно хотите удалить этот элемент?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Move&quot; this item ?</source>
        <translation>Вы действительно хотите переместить этот элемент?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vendrask Confirmation</source>
        <translation>Vendrask — подтверждение</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CVendraskControlAdapter</name>
    <message>
        <location filename="../control/VendraskControlAdapter.cpp" line="+59"/>
        <source>no such item</source>
        <translation>нет такого элемента</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 is empty</source>
        <translation>элемент %1 пуст</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>item %1: its file does not exist</source>
        <translation>элемент %1: файл не существует</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 could not be started: %2</source>
        <translation>не удалось запустить элемент %1: %2</translation>
    </message>
</context>
<context>
    <name>CVendraskGroupTitle</name>
    <message>
        <location filename="../dialogs/VendraskGroupTitle.cpp" line="+16"/>
        <source>Vendrask Group Title</source>
        <translation>Vendrask — заголовок группы</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group Title</source>
        <translation>Заголовок группы</translation>
    </message>
</context>
<context>
    <name>CVendraskInformation</name>
    <message>
        <location filename="../dialogs/VendraskInformation.cpp" line="+57"/>
        <source>Version %1 (%2)</source>
        <translation>Версия %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Vendrask ～ Application and Folder Launcher ～</source>
        <translation>Vendrask ～ запуск программ и папок ～</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copyright (C) %1 The Vendrask developers</source>
        <translation>Copyright (C) %1 разработчики Vendrask</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Vendrask Information</source>
        <translation>О программе Vendrask</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vendrask icon</source>
        <translation>Значок Vendrask</translation>
    </message>
</context>
<context>
    <name>CVendraskItemSetting</name>
    <message>
        <location filename="../dialogs/VendraskItemSetting.cpp" line="+50"/>
        <source>Vendrask Item Setting</source>
        <translation>Vendrask — параметры элемента</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Item ID</source>
        <translation>ID элемента</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse File</source>
        <translation>Обзор файлов</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Browse Folder</source>
        <translation>Обзор папок</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Item Option</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Working Folder</source>
        <translation>Рабочая папка</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Item Setting for &quot;%1&quot;</source>
        <translation>Элемент «%1»</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>A path can have at most %1 characters; the longer one was not stored.</source>
        <translation>Путь может содержать не более %1 символов; более длинный путь не сохранён.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An option can have at most %1 characters; the longer one was not stored.</source>
        <translation>Параметры запуска могут содержать не более %1 символов; более длинные параметры не сохранены.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A working folder can have at most %1 characters; the longer one was not stored.</source>
        <translation>Путь к рабочей папке может содержать не более %1 символов; более длинный путь не сохранён.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>すべてのファイル(*.*) (*)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>Все файлы (*.*) (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select preferable folder.</source>
        <translation>Выберите нужную папку.</translation>
    </message>
</context>
<context>
    <name>CVendraskMain</name>
    <message>
        <location filename="../menu/VendraskMain.cpp" line="+162"/>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>Configuration</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Group Title</source>
        <translation>Заголовок группы</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Item</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit (&amp;E)	Ctrl+E</source>
        <translation>Изменить (&amp;E)	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy (&amp;C)	Ctrl+C</source>
        <translation>Копировать (&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut (&amp;T)	Ctrl+X</source>
        <translation>Вырезать (&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste (&amp;P)	Ctrl+V</source>
        <translation>Вставить (&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete (&amp;D)	Ctrl+D</source>
        <translation>Удалить (&amp;D)	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Folder (&amp;O)	Ctrl+O</source>
        <translation>Открыть папку (&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Special Item (&amp;R)</source>
        <translation>Добавить специальный элемент (&amp;R)</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Group title</source>
        <translation>Заголовок группы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group title, %1</source>
        <translation>Заголовок группы, %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Group %1</source>
        <translation>Группа %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group %1, %2</source>
        <translation>Группа %1, %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1, empty</source>
        <translation>%1, пусто</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainLaunch.cpp" line="+28"/>
        <source>Its file &quot;%1&quot; does not exist.</source>
        <translation>Файл «%1» не существует.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The item &quot;%1&quot; could not be started.</source>
        <translation>Не удалось запустить элемент «%1».</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainShowHide.cpp" line="+30"/>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause (Hot Key) (&amp;P)</source>
        <translation>Приостановить горячую клавишу (&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (&amp;C)</source>
        <translation>Закрыть (&amp;C)</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>The hot key could not be registered again after the pause: another program may be using it.

Choose another one on the Behavior page of the configuration window.</source>
        <translation>После паузы не удалось снова зарегистрировать горячую клавишу: возможно, её использует другая программа.

Выберите другую на странице «Поведение» окна настройки.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The desktop did not bind the hot key: another program may be using it.

Choose another one on the Behavior page of the configuration window, or give the launcher a key in the desktop&apos;s keyboard shortcut settings.</source>
        <translation>Рабочий стол не назначил горячую клавишу: возможно, её использует другая программа.

Выберите другую на странице «Поведение» окна настройки или назначьте клавишу для меню запуска в настройках комбинаций клавиш рабочего стола.</translation>
    </message>
</context>
<context>
    <name>CVendraskSmallWindow</name>
    <message>
        <location filename="../dialogs/VendraskSmallWindow.cpp" line="+34"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CVendraskStartup</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+10"/>
        <source>vendrask: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a ./run.sh
</source>
        <translation>vendrask: нет дисплея (не задана ни DISPLAY, ни WAYLAND_DISPLAY); чтобы попробовать без рабочего стола: xvfb-run -a ./run.sh
</translation>
    </message>
</context>
<context>
    <name>KelvoCommonShell</name>
    <message>
        <location filename="../common/platform/gio/KelvoCommonGioShell.cpp" line="+380"/>
        <source>nothing here can open it</source>
        <translation>нечем открыть</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>no application opens it</source>
        <translation>нет приложения для открытия</translation>
    </message>
</context>
</TS>
