<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CKelvoCommonFlockInstance</name>
    <message>
        <location filename="../common/platform/posix/KelvoCommonFlockInstance.cpp" line="+35"/>
        <source>There is no private folder for the lock that keeps one copy running: %1 must be a folder of yours that only you can open.</source>
        <translation>Il n&apos;y a pas de dossier privé pour le verrou qui garantit qu&apos;une seule copie s&apos;exécute&#xa0;: %1 doit être un dossier à vous, que vous seul pouvez ouvrir.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The lock file %1 cannot be opened: %2.</source>
        <translation>Le fichier de verrou %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CKelvoCommonPortalHotKey</name>
    <message>
        <location filename="../common/platform/wayland/KelvoCommonPortalHotKey.cpp" line="+556"/>
        <source>Show or hide the launcher</source>
        <translation>Afficher ou masquer le lanceur</translation>
    </message>
</context>
<context>
    <name>CVendraskApp</name>
    <message>
        <location filename="../app/VendraskApp.cpp" line="+75"/>
        <source>マイコンピュータ</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>マイドキュメント</source>
        <translation>Documents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ごみ箱</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最近使ったファイル</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お気に入り</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Vendrask cannot start. %1</source>
        <translation>Vendrask ne peut pas démarrer. %1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.</source>
        <translation>Une erreur s&apos;est produite dans CVendraskApp::SaveToIniFile&#xa0;; le paramètre vaut %1.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vendrask could not save its settings.

File: %1
Reason: %2

Settings you change stay in effect while Vendrask runs; it tries again to save them with every further change.</source>
        <translation>Vendrask n&apos;a pas pu enregistrer ses paramètres.

Fichier&#xa0;: %1
Raison&#xa0;: %2

Les paramètres que vous modifiez restent en vigueur tant que Vendrask fonctionne&#xa0;; il essaie de nouveau de les enregistrer à chaque nouvelle modification.</translation>
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
Essayez «&#xa0;vendrask --help&#xa0;».
</translation>
    </message>
    <message>
        <location filename="../app/VendraskCommandLine.cpp" line="+19"/>
        <location line="+8"/>
        <source>--ini needs a file name</source>
        <translation>--ini demande un nom de fichier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown argument: %1</source>
        <translation>argument inconnu&#xa0;: %1</translation>
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
        <translation>Utilisation&#xa0;: vendrask [--ini FILE]
              vendrask VERB [ARGUMENTS]

Vendrask %1&#xa0;: un lanceur d&apos;applications et de dossiers. Il reste caché,
avec une icône dans la zone de notification&#xa0;; appelez son menu avec le
raccourci clavier (Ctrl+Alt par défaut), l&apos;icône, un bord de l&apos;écran ou un
double clic sur le bureau vide.

Options&#xa0;:
  --ini FILE     utiliser FILE comme fichier de paramètres (créé s&apos;il manque)
  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Verbes, pour le lanceur en cours d&apos;exécution&#xa0;:
  toggle [--ini FILE]             afficher ou masquer le menu
  show [--group N] [--ini FILE]   afficher le menu (groupe N, 0-9)
  hide                            masquer le menu
  configure                       afficher le menu et sa configuration
  start GROUP LETTER              lancer un élément («&#xa0;start 0 A&#xa0;»)
  pause, resume                   suspendre ou reprendre le raccourci clavier
  quit                            quitter le lanceur
  status                          dire s&apos;il est lancé (code de sortie 3&#xa0;: non)
  autostart on [--ini FILE] | off | status
                                  le lancer avec la session de bureau
toggle et show démarrent le lanceur s&apos;il n&apos;est pas lancé (avec FILE comme
fichier de paramètres)&#xa0;; les autres verbes sortent alors avec le code 3.

Paramètres&#xa0;: Vendrask.ini dans le dossier du programme ou, si ce dossier
n&apos;est pas accessible en écriture, $XDG_CONFIG_HOME/Vendrask/Vendrask.ini.
</translation>
    </message>
</context>
<context>
    <name>CVendraskConfig</name>
    <message>
        <location filename="../dialogs/VendraskConfig.cpp" line="+23"/>
        <source>Vendrask Configuration</source>
        <translation>Configuration de Vendrask</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Configuration pages</source>
        <translation>Pages de configuration</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Behavior</source>
        <translation>Comportement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigAppearance</name>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.cpp" line="+29"/>
        <source>Dialog Text Color</source>
        <translation>Texte des fenêtres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Top) Color</source>
        <translation>Fond des fenêtres (haut)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Bottom) Color</source>
        <translation>Fond des fenêtres (bas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog Frame Color</source>
        <translation>Cadre des fenêtres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text Color</source>
        <translation>Texte des boutons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Background Default Color</source>
        <translation>Fond des boutons (normal)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Hovered Color</source>
        <translation>Fond des boutons (survol)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Clicked Color</source>
        <translation>Fond des boutons (clic)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Frame Focused Color</source>
        <translation>Cadre du bouton actif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Frame Not Focused Color</source>
        <translation>Cadre des boutons inactifs</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Vendrask Configuration (Appearance)</source>
        <translation>Configuration de Vendrask (Apparence)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Color Set</source>
        <translation>Jeu de couleurs</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fade Level</source>
        <translation>Niveau de fondu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Button Font</source>
        <translation>Police (boutons)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dialog Font</source>
        <translation>Police (fenêtres)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White Titlebar</source>
        <translation>Barre de titre claire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.h" line="+33"/>
        <source>User Defined</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua Blue</source>
        <translation>Bleu aqua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champagne Gold</source>
        <translation>Or champagne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rose Pink</source>
        <translation>Rose tendre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunshine Orange</source>
        <translation>Orange soleil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ocean Cobalt</source>
        <translation>Cobalt océan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Contrast</source>
        <translation>Contraste élevé</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigBehavior</name>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.cpp" line="+39"/>
        <source>Hook with Click on Desktop</source>
        <translation>Appel par double clic sur le bureau</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirmation Dialog</source>
        <translation>Demander confirmation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Item Lock</source>
        <translation>Verrouiller les éléments</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show Menu Top Most</source>
        <translation>Menu toujours au premier plan</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unable Hot Key at Full Screen Mode</source>
        <translation>Raccourci inactif en plein écran</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Top edge</source>
        <translation>Bord supérieur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom edge</source>
        <translation>Bord inférieur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left edge</source>
        <translation>Bord gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right edge</source>
        <translation>Bord droit</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Vendrask Configuration (Behavior)</source>
        <translation>Configuration de Vendrask (Comportement)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hot Key</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hook Wait on Desktop Edge</source>
        <translation>Délai au bord de l&apos;écran</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hookable Desktop Edge</source>
        <translation>Bords actifs de l&apos;écran</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Default Group</source>
        <translation>Groupe par défaut</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A double click on a desktop icon opens the icon and leaves the menu hidden where the desktop program shows its icons to the accessibility bus (Caja, PCManFM-Qt, PCManFM with GTK&apos;s accessibility modules). On other desktops (Nemo, Xfce) any double click on the desktop calls up the menu.</source>
        <translation>Un double clic sur une icône du bureau ouvre l&apos;icône sans afficher le menu lorsque le programme du bureau expose ses icônes au bus d&apos;accessibilité (Caja, PCManFM-Qt, PCManFM avec les modules d&apos;accessibilité de GTK). Sur les autres bureaux (Nemo, Xfce), tout double clic sur le bureau appelle le menu.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The hot key &quot;%1&quot; could not be registered: another program may be using it.</source>
        <translation>Le raccourci clavier «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré&#xa0;: un autre programme l&apos;utilise peut-être.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hot key &quot;%1&quot; stays in use.</source>
        <translation>Le raccourci clavier «&#xa0;%1&#xa0;» reste actif.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No hot key works now; choose another one, or call the menu up with the icon or a screen edge.</source>
        <translation>Aucun raccourci clavier ne fonctionne à présent&#xa0;; choisissez-en un autre, ou appelez le menu avec l&apos;icône ou un bord de l&apos;écran.</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigBehavior.h" line="+49"/>
        <source>Ctrl + Alt</source>
        <translation>Ctrl + Alt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Shift</source>
        <translation>Ctrl + Maj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift + Alt</source>
        <translation>Maj + Alt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ctrl + Alt + Shift</source>
        <translation>Ctrl + Alt + Maj</translation>
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
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigSound</name>
    <message>
        <location filename="../dialogs/VendraskConfigSound.cpp" line="+18"/>
        <source>Vendrask Configuration (Sound)</source>
        <translation>Configuration de Vendrask (Son)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound On/Off</source>
        <translation>Activer les sons</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse File</source>
        <translation>Fichier…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A sound path can have at most 259 characters; a longer one is not stored.</source>
        <translation>Un chemin de son compte au plus 259 caractères&#xa0;; au-delà, il n&apos;est pas enregistré.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>WAVファイル(*.wav) (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>Fichiers WAV (*.wav) (*.wav)</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigSound.h" line="+32"/>
        <source>Menu Open Sound Path</source>
        <translation>Son d&apos;ouverture du menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Close Sound Path</source>
        <translation>Son de fermeture du menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Click Sound Path</source>
        <translation>Son du clic sur bouton</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Hover Sound Path</source>
        <translation>Son du survol de bouton</translation>
    </message>
</context>
<context>
    <name>CVendraskConfirmation</name>
    <message>
        <location filename="../dialogs/VendraskConfirmation.cpp" line="+13"/>
        <source>Are you sure you want to &quot;Cut&quot; this item ?</source>
        <translation>Voulez-vous vraiment «&#xa0;Couper&#xa0;» cet élément&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Paste&quot; this item ?</source>
        <translation>Voulez-vous vraiment «&#xa0;Coller&#xa0;» cet élément&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Delete&quot; this item ?</source>
        <translation>Voulez-vous vraiment «&#xa0;Supprimer&#xa0;» cet élément&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Move&quot; this item ?</source>
        <translation>Voulez-vous vraiment «&#xa0;Déplacer&#xa0;» cet élément&#xa0;?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vendrask Confirmation</source>
        <translation>Vendrask – Confirmation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CVendraskControlAdapter</name>
    <message>
        <location filename="../control/VendraskControlAdapter.cpp" line="+59"/>
        <source>no such item</source>
        <translation>élément introuvable</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 is empty</source>
        <translation>l&apos;élément %1 est vide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>item %1: its file does not exist</source>
        <translation>élément %1&#xa0;: son fichier n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 could not be started: %2</source>
        <translation>l&apos;élément %1 n&apos;a pas pu être lancé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CVendraskGroupTitle</name>
    <message>
        <location filename="../dialogs/VendraskGroupTitle.cpp" line="+16"/>
        <source>Vendrask Group Title</source>
        <translation>Vendrask – Titre du groupe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group Title</source>
        <translation>Titre du groupe</translation>
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
        <translation>Vendrask ～ Lanceur d&apos;applications et dossiers ～</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copyright (C) %1 The Vendrask developers</source>
        <translation>Copyright (C) %1 Les développeurs de Vendrask</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Vendrask Information</source>
        <translation>Vendrask – Informations</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vendrask icon</source>
        <translation>Icône de Vendrask</translation>
    </message>
</context>
<context>
    <name>CVendraskItemSetting</name>
    <message>
        <location filename="../dialogs/VendraskItemSetting.cpp" line="+50"/>
        <source>Vendrask Item Setting</source>
        <translation>Vendrask – Réglages de l&apos;élément</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Item ID</source>
        <translation>Lettre de l&apos;élément</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse File</source>
        <translation>Fichier…</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Browse Folder</source>
        <translation>Dossier…</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Item Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Working Folder</source>
        <translation>Dossier de travail</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Item Setting for &quot;%1&quot;</source>
        <translation>Élément «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>A path can have at most %1 characters; the longer one was not stored.</source>
        <translation>Un chemin peut compter au plus %1 caractères&#xa0;; le chemin plus long n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An option can have at most %1 characters; the longer one was not stored.</source>
        <translation>Une option peut compter au plus %1 caractères&#xa0;; l&apos;option plus longue n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A working folder can have at most %1 characters; the longer one was not stored.</source>
        <translation>Un dossier de travail peut compter au plus %1 caractères&#xa0;; le dossier plus long n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>すべてのファイル(*.*) (*)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>Tous les fichiers (*.*) (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select preferable folder.</source>
        <translation>Veuillez choisir le dossier voulu.</translation>
    </message>
</context>
<context>
    <name>CVendraskMain</name>
    <message>
        <location filename="../menu/VendraskMain.cpp" line="+162"/>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Group Title</source>
        <translation>Titre du groupe</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit (&amp;E)	Ctrl+E</source>
        <translation>Modifier (&amp;E)	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy (&amp;C)	Ctrl+C</source>
        <translation>Copier (&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut (&amp;T)	Ctrl+X</source>
        <translation>Couper (&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste (&amp;P)	Ctrl+V</source>
        <translation>Coller (&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete (&amp;D)	Ctrl+D</source>
        <translation>Supprimer (&amp;D)	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Folder (&amp;O)	Ctrl+O</source>
        <translation>Ouvrir le dossier (&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Special Item (&amp;R)</source>
        <translation>Ajouter un élément spécial (&amp;R)</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Group title</source>
        <translation>Titre du groupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group title, %1</source>
        <translation>Titre du groupe, %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group %1, %2</source>
        <translation>Groupe %1, %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1, empty</source>
        <translation>%1, vide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainLaunch.cpp" line="+28"/>
        <source>Its file &quot;%1&quot; does not exist.</source>
        <translation>Son fichier «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The item &quot;%1&quot; could not be started.</source>
        <translation>L&apos;élément «&#xa0;%1&#xa0;» n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainShowHide.cpp" line="+30"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause (Hot Key) (&amp;P)</source>
        <translation>Suspendre le raccourci clavier (&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (&amp;C)</source>
        <translation>Fermer (&amp;C)</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>The hot key could not be registered again after the pause: another program may be using it.

Choose another one on the Behavior page of the configuration window.</source>
        <translation>Le raccourci clavier n&apos;a pas pu être réenregistré après la pause&#xa0;: un autre programme l&apos;utilise peut-être.

Choisissez-en un autre dans la page Comportement de la fenêtre de configuration.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The desktop did not bind the hot key: another program may be using it.

Choose another one on the Behavior page of the configuration window, or give the launcher a key in the desktop&apos;s keyboard shortcut settings.</source>
        <translation>Le bureau n&apos;a pas attribué le raccourci clavier&#xa0;: un autre programme l&apos;utilise peut-être.

Choisissez-en un autre dans la page Comportement de la fenêtre de configuration, ou attribuez une touche au lanceur dans les réglages des raccourcis clavier du bureau.</translation>
    </message>
</context>
<context>
    <name>CVendraskSmallWindow</name>
    <message>
        <location filename="../dialogs/VendraskSmallWindow.cpp" line="+34"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CVendraskStartup</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+10"/>
        <source>vendrask: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a ./run.sh
</source>
        <translation>vendrask: aucun affichage (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)&#xa0;; pour l&apos;essayer sans bureau&#xa0;: xvfb-run -a ./run.sh
</translation>
    </message>
</context>
<context>
    <name>KelvoCommonShell</name>
    <message>
        <location filename="../common/platform/gio/KelvoCommonGioShell.cpp" line="+380"/>
        <source>nothing here can open it</source>
        <translation>aucun programme ne peut l&apos;ouvrir ici</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>no application opens it</source>
        <translation>aucune application ne l&apos;ouvre</translation>
    </message>
</context>
</TS>
