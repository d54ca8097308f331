<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CKelvoCommonFlockInstance</name>
    <message>
        <location filename="../common/platform/posix/KelvoCommonFlockInstance.cpp" line="+35"/>
        <source>There is no private folder for the lock that keeps one copy running: %1 must be a folder of yours that only you can open.</source>
        <translation>No hay ninguna carpeta privada para el bloqueo que mantiene una sola copia en ejecución: %1 debe ser una carpeta suya que solo usted pueda abrir.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The lock file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo de bloqueo %1: %2.</translation>
    </message>
</context>
<context>
    <name>CKelvoCommonPortalHotKey</name>
    <message>
        <location filename="../common/platform/wayland/KelvoCommonPortalHotKey.cpp" line="+556"/>
        <source>Show or hide the launcher</source>
        <translation>Mostrar u ocultar el lanzador</translation>
    </message>
</context>
<context>
    <name>CVendraskApp</name>
    <message>
        <location filename="../app/VendraskApp.cpp" line="+75"/>
        <source>マイコンピュータ</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>マイドキュメント</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ごみ箱</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最近使ったファイル</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お気に入り</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Vendrask cannot start. %1</source>
        <translation>Vendrask no puede iniciarse. %1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.</source>
        <translation>Se produjo un error en CVendraskApp::SaveToIniFile; el parámetro es %1.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vendrask could not save its settings.

File: %1
Reason: %2

Settings you change stay in effect while Vendrask runs; it tries again to save them with every further change.</source>
        <translation>Vendrask no pudo guardar su configuración.

Archivo: %1
Motivo: %2

Los ajustes que cambie seguirán vigentes mientras Vendrask esté en ejecución; volverá a intentar guardarlos con cada nuevo cambio.</translation>
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
Pruebe &apos;vendrask --help&apos;.
</translation>
    </message>
    <message>
        <location filename="../app/VendraskCommandLine.cpp" line="+19"/>
        <location line="+8"/>
        <source>--ini needs a file name</source>
        <translation>--ini necesita un nombre de archivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown argument: %1</source>
        <translation>argumento desconocido: %1</translation>
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
        <translation>Uso: vendrask [--ini FILE]
     vendrask VERB [ARGUMENTS]

Vendrask %1: un lanzador de aplicaciones y carpetas. Permanece oculto con
un icono en la bandeja; abra su menú con el atajo de teclado (Ctrl+Alt de
forma predeterminada), el icono de la bandeja, un borde de la pantalla o
un doble clic en el escritorio vacío.

Opciones:
  --ini FILE     usar FILE como archivo de configuración (se crea si falta)
  -h, --help     mostrar esta ayuda y salir
  -v, --version  mostrar la versión y salir

Verbos, para el lanzador en ejecución:
  toggle [--ini FILE]             mostrar el menú, u ocultarlo si se muestra
  show [--group N] [--ini FILE]   mostrar el menú (grupo N, 0-9)
  hide                            ocultar el menú
  configure                       mostrar el menú y su configuración
  start GROUP LETTER              iniciar un elemento (&quot;start 0 A&quot;)
  pause, resume                   pausar o reanudar el atajo de teclado
  quit                            cerrar el lanzador
  status                          indicar si se ejecuta (si no, sale con 3)
  autostart on [--ini FILE] | off | status
                                  iniciarlo con la sesión de escritorio
toggle y show inician el lanzador si no hay ninguno en ejecución (con FILE
como archivo de configuración); los demás salen entonces con 3.

Configuración: Vendrask.ini en la carpeta del programa o, si no se puede
escribir en esa carpeta, $XDG_CONFIG_HOME/Vendrask/Vendrask.ini.
</translation>
    </message>
</context>
<context>
    <name>CVendraskConfig</name>
    <message>
        <location filename="../dialogs/VendraskConfig.cpp" line="+23"/>
        <source>Vendrask Configuration</source>
        <translation>Configuración de Vendrask</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Configuration pages</source>
        <translation>Páginas de configuración</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Behavior</source>
        <translation>Comportamiento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigAppearance</name>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.cpp" line="+29"/>
        <source>Dialog Text Color</source>
        <translation>Color del texto del diálogo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Top) Color</source>
        <translation>Color de fondo del diálogo (arriba)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Bottom) Color</source>
        <translation>Color de fondo del diálogo (abajo)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog Frame Color</source>
        <translation>Color del marco del diálogo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text Color</source>
        <translation>Color del texto del botón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Background Default Color</source>
        <translation>Color de fondo del botón (normal)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Hovered Color</source>
        <translation>Color de fondo del botón (señalado)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Clicked Color</source>
        <translation>Color de fondo del botón (pulsado)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Frame Focused Color</source>
        <translation>Color del marco del botón (con foco)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Frame Not Focused Color</source>
        <translation>Color del marco del botón (sin foco)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Vendrask Configuration (Appearance)</source>
        <translation>Configuración de Vendrask (Apariencia)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Color Set</source>
        <translation>Tema de colores</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transparency</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fade Level</source>
        <translation>Nivel de fundido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Button Font</source>
        <translation>Letra de botones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dialog Font</source>
        <translation>Letra de diálogos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White Titlebar</source>
        <translation>Barra de título clara</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Color</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.h" line="+33"/>
        <source>User Defined</source>
        <translation>Definido por el usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua Blue</source>
        <translation>Azul agua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champagne Gold</source>
        <translation>Oro champán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rose Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunshine Orange</source>
        <translation>Naranja soleado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ocean Cobalt</source>
        <translation>Cobalto océano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigBehavior</name>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.cpp" line="+39"/>
        <source>Hook with Click on Desktop</source>
        <translation>Doble clic en el escritorio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirmation Dialog</source>
        <translation>Pedir confirmación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Item Lock</source>
        <translation>Bloquear elementos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show Menu Top Most</source>
        <translation>Menú siempre encima</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unable Hot Key at Full Screen Mode</source>
        <translation>Desactivar atajo en pantalla completa</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Top edge</source>
        <translation>Borde superior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom edge</source>
        <translation>Borde inferior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left edge</source>
        <translation>Borde izquierdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right edge</source>
        <translation>Borde derecho</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Vendrask Configuration (Behavior)</source>
        <translation>Configuración de Vendrask (Comportamiento)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hot Key</source>
        <translation>Atajo de teclado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hook Wait on Desktop Edge</source>
        <translation>Espera en borde de pantalla</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hookable Desktop Edge</source>
        <translation>Bordes activos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Default Group</source>
        <translation>Grupo predeterminado</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A double click on a desktop icon opens the icon and leaves the menu hidden where the desktop program shows its icons to the accessibility bus (Caja, PCManFM-Qt, PCManFM with GTK&apos;s accessibility modules). On other desktops (Nemo, Xfce) any double click on the desktop calls up the menu.</source>
        <translation>Un doble clic en un icono del escritorio abre el icono y deja el menú oculto si el programa de escritorio muestra sus iconos al bus de accesibilidad (Caja, PCManFM-Qt, PCManFM con los módulos de accesibilidad de GTK). En otros escritorios (Nemo, Xfce), cualquier doble clic en el escritorio abre el menú.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The hot key &quot;%1&quot; could not be registered: another program may be using it.</source>
        <translation>No se pudo registrar el atajo de teclado «%1»: puede que otro programa lo esté usando.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hot key &quot;%1&quot; stays in use.</source>
        <translation>El atajo de teclado «%1» sigue en uso.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No hot key works now; choose another one, or call the menu up with the icon or a screen edge.</source>
        <translation>Ahora no funciona ningún atajo de teclado; elija otro, o abra el menú con el icono o con un borde de la pantalla.</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.h" line="+49"/>
        <source>Ctrl + Alt</source>
        <translation>Ctrl + Alt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Shift</source>
        <translation>Ctrl + Mayús</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift + Alt</source>
        <translation>Mayús + Alt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Alt + Shift</source>
        <translation>Ctrl + Alt + Mayús</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alt + Q</source>
        <translation>Alt + Q</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigSound</name>
    <message>
        <location filename="../dialogs/VendraskConfigSound.cpp" line="+18"/>
        <source>Vendrask Configuration (Sound)</source>
        <translation>Configuración de Vendrask (Sonido)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound On/Off</source>
        <translation>Activar sonidos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse File</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A sound path can have at most 259 characters; a longer one is not stored.</source>
        <translation>Una ruta de sonido puede tener como máximo 259 caracteres; una más larga no se guarda.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>WAVファイル(*.wav) (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>Archivos WAV (*.wav) (*.wav)</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigSound.h" line="+32"/>
        <source>Menu Open Sound Path</source>
        <translation>Sonido al abrir el menú</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Close Sound Path</source>
        <translation>Sonido al cerrar el menú</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Click Sound Path</source>
        <translation>Sonido al pulsar un botón</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Hover Sound Path</source>
        <translation>Sonido al señalar un botón</translation>
    </message>
</context>
<context>
    <name>CVendraskConfirmation</name>
    <message>
        <location filename="../dialogs/VendraskConfirmation.cpp" line="+13"/>
        <source>Are you sure you want to &quot;Cut&quot; this item ?</source>
        <translation>¿Seguro que desea «Cortar» este elemento?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Paste&quot; this item ?</source>
        <translation>¿Seguro que desea «Pegar» este elemento?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Delete&quot; this item ?</source>
        <translation>¿Seguro que desea «Eliminar» este elemento?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Move&quot; this item ?</source>
        <translation>¿Seguro que desea «Mover» este elemento?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vendrask Confirmation</source>
        <translation>Confirmación de Vendrask</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CVendraskControlAdapter</name>
    <message>
        <location filename="../control/VendraskControlAdapter.cpp" line="+59"/>
        <source>no such item</source>
        <translation>no existe ese elemento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 is empty</source>
        <translation>el elemento %1 está vacío</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>item %1: its file does not exist</source>
        <translation>elemento %1: su archivo no existe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 could not be started: %2</source>
        <translation>no se pudo iniciar el elemento %1: %2</translation>
    </message>
</context>
<context>
    <name>CVendraskGroupTitle</name>
    <message>
        <location filename="../dialogs/VendraskGroupTitle.cpp" line="+16"/>
        <source>Vendrask Group Title</source>
        <translation>Título de grupo de Vendrask</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group Title</source>
        <translation>Título del grupo</translation>
    </message>
</context>
<context>
    <name>CVendraskInformation</name>
    <message>
        <location filename="../dialogs/VendraskInformation.cpp" line="+57"/>
        <source>Version %1 (%2)</source>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Vendrask ～ Application and Folder Launcher ～</source>
        <translation>Vendrask ～ Lanzador de programas y carpetas ～</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copyright (C) %1 The Vendrask developers</source>
        <translation>Copyright (C) %1 Los desarrolladores de Vendrask</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Vendrask Information</source>
        <translation>Información de Vendrask</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vendrask icon</source>
        <translation>Icono de Vendrask</translation>
    </message>
</context>
<context>
    <name>CVendraskItemSetting</name>
    <message>
        <location filename="../dialogs/VendraskItemSetting.cpp" line="+50"/>
        <source>Vendrask Item Setting</source>
        <translation>Ajustes de elemento de Vendrask</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Item ID</source>
        <translation>ID del elemento</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse File</source>
        <translation>Elegir archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Browse Folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Item Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Working Folder</source>
        <translation>Carpeta de trabajo</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Item Setting for &quot;%1&quot;</source>
        <translation>Configurar «%1»</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>A path can have at most %1 characters; the longer one was not stored.</source>
        <translation>Una ruta puede tener como máximo %1 caracteres; la ruta más larga no se guardó.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An option can have at most %1 characters; the longer one was not stored.</source>
        <translation>Las opciones pueden tener como máximo %1 caracteres; el texto más largo no se guardó.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A working folder can have at most %1 characters; the longer one was not stored.</source>
        <translation>Una carpeta de trabajo puede tener como máximo %1 caracteres; la carpeta más larga no se guardó.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>すべてのファイル(*.*) (*)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>Todos los archivos (*.*) (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select preferable folder.</source>
        <translation>Seleccione la carpeta que prefiera.</translation>
    </message>
</context>
<context>
    <name>CVendraskMain</name>
    <message>
        <location filename="../menu/VendraskMain.cpp" line="+162"/>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Group Title</source>
        <translation>Título del grupo</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit (&amp;E)	Ctrl+E</source>
        <translation>Editar (&amp;E)	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy (&amp;C)	Ctrl+C</source>
        <translation>Copiar (&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut (&amp;T)	Ctrl+X</source>
        <translation>Cortar (&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste (&amp;P)	Ctrl+V</source>
        <translation>Pegar (&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete (&amp;D)	Ctrl+D</source>
        <translation>Eliminar (&amp;D)	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Folder (&amp;O)	Ctrl+O</source>
        <translation>Abrir carpeta (&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Special Item (&amp;R)</source>
        <translation>Registrar elemento especial (&amp;R)</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Group title</source>
        <translation>Título del grupo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group title, %1</source>
        <translation>Título del grupo, %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group %1, %2</source>
        <translation>Grupo %1, %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1, empty</source>
        <translation>%1, vacío</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainLaunch.cpp" line="+28"/>
        <source>Its file &quot;%1&quot; does not exist.</source>
        <translation>Su archivo «%1» no existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The item &quot;%1&quot; could not be started.</source>
        <translation>No se pudo iniciar el elemento «%1».</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainShowHide.cpp" line="+30"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause (Hot Key) (&amp;P)</source>
        <translation>Pausar (atajo de teclado) (&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (&amp;C)</source>
        <translation>Cerrar (&amp;C)</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>The hot key could not be registered again after the pause: another program may be using it.

Choose another one on the Behavior page of the configuration window.</source>
        <translation>No se pudo volver a registrar el atajo de teclado después de la pausa: puede que otro programa lo esté usando.

Elija otro en la página Comportamiento de la ventana de configuración.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The desktop did not bind the hot key: another program may be using it.

Choose another one on the Behavior page of the configuration window, or give the launcher a key in the desktop&apos;s keyboard shortcut settings.</source>
        <translation>El escritorio no asignó el atajo de teclado: puede que otro programa lo esté usando.

Elija otro en la página Comportamiento de la ventana de configuración, o asigne una tecla al lanzador en los ajustes de atajos de teclado del escritorio.</translation>
    </message>
</context>
<context>
    <name>CVendraskSmallWindow</name>
    <message>
        <location filename="../dialogs/VendraskSmallWindow.cpp" line="+34"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CVendraskStartup</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+10"/>
        <source>vendrask: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a ./run.sh
</source>
        <translation>vendrask: no hay pantalla (no está definida DISPLAY ni WAYLAND_DISPLAY); para probarlo sin escritorio: xvfb-run -a ./run.sh
</translation>
    </message>
</context>
<context>
    <name>KelvoCommonShell</name>
    <message>
        <location filename="../common/platform/gio/KelvoCommonGioShell.cpp" line="+380"/>
        <source>nothing here can open it</source>
        <translation>no hay nada aquí que pueda abrirlo</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>no application opens it</source>
        <translation>ninguna aplicación puede abrirlo</translation>
    </message>
</context>
</TS>
