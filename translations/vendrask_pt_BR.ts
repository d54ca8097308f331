<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CKelvoCommonFlockInstance</name>
    <message>
        <location filename="../common/platform/posix/KelvoCommonFlockInstance.cpp" line="+35"/>
        <source>There is no private folder for the lock that keeps one copy running: %1 must be a folder of yours that only you can open.</source>
        <translation>Não há uma pasta privada para a trava que mantém uma única cópia em execução: %1 deve ser uma pasta sua que só você pode abrir.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The lock file %1 cannot be opened: %2.</source>
        <translation>Não é possível abrir o arquivo de trava %1: %2.</translation>
    </message>
</context>
<context>
    <name>CKelvoCommonPortalHotKey</name>
    <message>
        <location filename="../common/platform/wayland/KelvoCommonPortalHotKey.cpp" line="+556"/>
        <source>Show or hide the launcher</source>
        <translation>Mostrar ou ocultar o lançador</translation>
    </message>
</context>
<context>
    <name>CVendraskApp</name>
    <message>
        <location filename="../app/VendraskApp.cpp" line="+75"/>
        <source>マイコンピュータ</source>
        <translation>Computador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>マイドキュメント</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ごみ箱</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最近使ったファイル</source>
        <translation>Arquivos recentes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お気に入り</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Vendrask cannot start. %1</source>
        <translation>Não é possível iniciar o Vendrask. %1</translation>
    </message>
    <message>
        <location line="+155"/>
        <source>Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.</source>
        <translation>Ocorreu um erro em CVendraskApp::SaveToIniFile; o parâmetro é %1.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Vendrask could not save its settings.

File: %1
Reason: %2

Settings you change stay in effect while Vendrask runs; it tries again to save them with every further change.</source>
        <translation>O Vendrask não pôde salvar suas configurações.

Arquivo: %1
Motivo: %2

As configurações que você alterar continuam valendo enquanto o Vendrask estiver em execução; ele tentará salvá-las novamente a cada nova alteração.</translation>
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
Tente &apos;vendrask --help&apos;.
</translation>
    </message>
    <message>
        <location filename="../app/VendraskCommandLine.cpp" line="+19"/>
        <location line="+8"/>
        <source>--ini needs a file name</source>
        <translation>--ini precisa de um nome de arquivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unknown argument: %1</source>
        <translation>argumento desconhecido: %1</translation>
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

Vendrask %1: um lançador de aplicativos e pastas. Fica oculto, com um
ícone na bandeja; chame o menu com a tecla de atalho (Ctrl+Alt por padrão),
o ícone da bandeja, uma borda da tela ou um clique duplo na área de
trabalho vazia.

Opções:
  --ini FILE     usa FILE como arquivo de configurações (criado se faltar)
  -h, --help     mostra esta ajuda e sai
  -v, --version  mostra a versão e sai

Verbos, para o lançador em execução:
  toggle [--ini FILE]             mostra o menu, ou o oculta se visível
  show [--group N] [--ini FILE]   mostra o menu (grupo N, 0-9)
  hide                            oculta o menu
  configure                       mostra o menu e sua configuração
  start GROUP LETTER              inicia um item (&quot;start 0 A&quot;)
  pause, resume                   pausa ou retoma a tecla de atalho
  quit                            encerra o lançador
  status                          diz se está em execução (saída 3: não)
  autostart on [--ini FILE] | off | status
                                  inicia-o com a sessão da área de trabalho
toggle e show iniciam o lançador quando nenhum está em execução (com FILE
como arquivo de configurações); os demais saem então com código 3.

Configurações: Vendrask.ini na pasta do programa ou, quando essa pasta
não permite gravação, $XDG_CONFIG_HOME/Vendrask/Vendrask.ini.
</translation>
    </message>
</context>
<context>
    <name>CVendraskConfig</name>
    <message>
        <location filename="../dialogs/VendraskConfig.cpp" line="+23"/>
        <source>Vendrask Configuration</source>
        <translation>Configuração do Vendrask</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Configuration pages</source>
        <translation>Páginas de configuração</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Behavior</source>
        <translation>Comportamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigAppearance</name>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.cpp" line="+29"/>
        <source>Dialog Text Color</source>
        <translation>Cor do texto da janela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Top) Color</source>
        <translation>Cor do fundo da janela (topo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dialog Background(Bottom) Color</source>
        <translation>Cor do fundo da janela (base)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dialog Frame Color</source>
        <translation>Cor da borda da janela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text Color</source>
        <translation>Cor do texto do botão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Background Default Color</source>
        <translation>Cor do fundo do botão (normal)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Hovered Color</source>
        <translation>Cor do fundo do botão (apontado)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Background Clicked Color</source>
        <translation>Cor do fundo do botão (clicado)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Frame Focused Color</source>
        <translation>Cor da borda do botão (com foco)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Frame Not Focused Color</source>
        <translation>Cor da borda do botão (sem foco)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Vendrask Configuration (Appearance)</source>
        <translation>Configuração do Vendrask (Aparência)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Color Set</source>
        <translation>Tema de cores</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transparency</source>
        <translation>Transparência</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fade Level</source>
        <translation>Esmaecimento</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Button Font</source>
        <translation>Fonte do botão</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dialog Font</source>
        <translation>Fonte da janela</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White Titlebar</source>
        <translation>Barra de título clara</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Color</source>
        <translation>Escolher cor</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigAppearance.h" line="+33"/>
        <source>User Defined</source>
        <translation>Definido pelo usuário</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua Blue</source>
        <translation>Azul-água</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champagne Gold</source>
        <translation>Dourado champanhe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rose Pink</source>
        <translation>Rosa rosé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunshine Orange</source>
        <translation>Laranja solar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ocean Cobalt</source>
        <translation>Cobalto oceânico</translation>
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
        <translation>Chamar com clique na área de trabalho</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirmation Dialog</source>
        <translation>Pedir confirmação</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Item Lock</source>
        <translation>Bloquear itens</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show Menu Top Most</source>
        <translation>Manter o menu sempre acima</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unable Hot Key at Full Screen Mode</source>
        <translation>Desativar tecla de atalho em tela cheia</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Top edge</source>
        <translation>Borda superior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom edge</source>
        <translation>Borda inferior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left edge</source>
        <translation>Borda esquerda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right edge</source>
        <translation>Borda direita</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Vendrask Configuration (Behavior)</source>
        <translation>Configuração do Vendrask (Comportamento)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hot Key</source>
        <translation>Tecla de atalho</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hook Wait on Desktop Edge</source>
        <translation>Espera na borda da tela</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Hookable Desktop Edge</source>
        <translation>Bordas da tela ativas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Default Group</source>
        <translation>Grupo padrão</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A double click on a desktop icon opens the icon and leaves the menu hidden where the desktop program shows its icons to the accessibility bus (Caja, PCManFM-Qt, PCManFM with GTK&apos;s accessibility modules). On other desktops (Nemo, Xfce) any double click on the desktop calls up the menu.</source>
        <translation>Um clique duplo em um ícone da área de trabalho abre o ícone e mantém o menu oculto quando o programa da área de trabalho expõe seus ícones ao barramento de acessibilidade (Caja, PCManFM-Qt, PCManFM com os módulos de acessibilidade do GTK). Em outras áreas de trabalho (Nemo, Xfce), qualquer clique duplo na área de trabalho chama o menu.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The hot key &quot;%1&quot; could not be registered: another program may be using it.</source>
        <translation>Não foi possível registrar a tecla de atalho &quot;%1&quot;: outro programa pode estar usando-a.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hot key &quot;%1&quot; stays in use.</source>
        <translation>A tecla de atalho &quot;%1&quot; continua em uso.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No hot key works now; choose another one, or call the menu up with the icon or a screen edge.</source>
        <translation>Nenhuma tecla de atalho funciona agora; escolha outra ou chame o menu pelo ícone ou por uma borda da tela.</translation>
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
        <translation>Clique</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>CVendraskConfigSound</name>
    <message>
        <location filename="../dialogs/VendraskConfigSound.cpp" line="+18"/>
        <source>Vendrask Configuration (Sound)</source>
        <translation>Configuração do Vendrask (Som)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound On/Off</source>
        <translation>Ativar sons</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse File</source>
        <translation>Procurar arquivo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A sound path can have at most 259 characters; a longer one is not stored.</source>
        <translation>O caminho do som pode ter até 259 caracteres; um mais longo não é salvo.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>WAVファイル(*.wav) (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>Arquivos WAV (*.wav) (*.wav)</translation>
    </message>
    <message>
        <location filename="../dialogs/VendraskConfigSound.h" line="+32"/>
        <source>Menu Open Sound Path</source>
        <translation>Som ao abrir o menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Close Sound Path</source>
        <translation>Som ao fechar o menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Click Sound Path</source>
        <translation>Som ao clicar no botão</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button Hover Sound Path</source>
        <translation>Som ao apontar para o botão</translation>
    </message>
</context>
<context>
    <name>CVendraskConfirmation</name>
    <message>
        <location filename="../dialogs/VendraskConfirmation.cpp" line="+13"/>
        <source>Are you sure you want to &quot;Cut&quot; this item ?</source>
        <translation>Tem certeza de que deseja &quot;Recortar&quot; este item?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Paste&quot; this item ?</source>
        <translation>Tem certeza de que deseja &quot;Colar&quot; este item?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Delete&quot; this item ?</source>
        <translation>Tem certeza de que deseja &quot;Excluir&quot; este item?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to &quot;Move&quot; this item ?</source>
        <translation>Tem certeza de que deseja &quot;Mover&quot; este item?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vendrask Confirmation</source>
        <translation>Confirmação do Vendrask</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>item inexistente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 is empty</source>
        <translation>o item %1 está vazio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>item %1: its file does not exist</source>
        <translation>item %1: seu arquivo não existe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 could not be started: %2</source>
        <translation>não foi possível iniciar o item %1: %2</translation>
    </message>
</context>
<context>
    <name>CVendraskGroupTitle</name>
    <message>
        <location filename="../dialogs/VendraskGroupTitle.cpp" line="+16"/>
        <source>Vendrask Group Title</source>
        <translation>Título de grupo do Vendrask</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group Title</source>
        <translation>Título do grupo</translation>
    </message>
</context>
<context>
    <name>CVendraskInformation</name>
    <message>
        <location filename="../dialogs/VendraskInformation.cpp" line="+57"/>
        <source>Version %1 (%2)</source>
        <translation>Versão %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Vendrask ～ Application and Folder Launcher ～</source>
        <translation>Vendrask ～ Lançador de aplicativos e pastas ～</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copyright (C) %1 The Vendrask developers</source>
        <translation>Copyright (C) %1 Os desenvolvedores do Vendrask</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Vendrask Information</source>
        <translation>Informações do Vendrask</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Vendrask icon</source>
        <translation>Ícone do Vendrask</translation>
    </message>
</context>
<context>
    <name>CVendraskItemSetting</name>
    <message>
        <location filename="../dialogs/VendraskItemSetting.cpp" line="+50"/>
        <source>Vendrask Item Setting</source>
        <translation>Configuração de item do Vendrask</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Item ID</source>
        <translation>ID do item</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Name</source>
        <translation>Nome do item</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Path</source>
        <translation>Caminho do item</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse File</source>
        <translation>Procurar arq.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Browse Folder</source>
        <translation>Procurar pasta</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Item Option</source>
        <translation>Opções do item</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Item Working Folder</source>
        <translation>Pasta de trabalho</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Item Setting for &quot;%1&quot;</source>
        <translation>Ajustes do item &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>A path can have at most %1 characters; the longer one was not stored.</source>
        <translation>Um caminho pode ter no máximo %1 caracteres; o mais longo não foi salvo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An option can have at most %1 characters; the longer one was not stored.</source>
        <translation>Uma opção pode ter no máximo %1 caracteres; a mais longa não foi salva.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A working folder can have at most %1 characters; the longer one was not stored.</source>
        <translation>Uma pasta de trabalho pode ter no máximo %1 caracteres; a mais longa não foi salva.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>すべてのファイル(*.*) (*)</source>
        <extracomment>The file chooser&apos;s filter: keep the pattern in parentheses at the end.</extracomment>
        <translation>Todos os arquivos (*.*) (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select preferable folder.</source>
        <translation>Selecione a pasta desejada.</translation>
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
        <translation>Informações</translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Group Title</source>
        <translation>Título do grupo</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Item</source>
        <translation>Item</translation>
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
        <translation>Recortar (&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste (&amp;P)	Ctrl+V</source>
        <translation>Colar (&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete (&amp;D)	Ctrl+D</source>
        <translation>Excluir (&amp;D)	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Folder (&amp;O)	Ctrl+O</source>
        <translation>Abrir pasta (&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Register Special Item (&amp;R)</source>
        <translation>Registrar item especial (&amp;R)</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Group title</source>
        <translation>Título do grupo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group title, %1</source>
        <translation>Título do grupo, %1</translation>
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
        <translation>%1, vazio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainLaunch.cpp" line="+28"/>
        <source>Its file &quot;%1&quot; does not exist.</source>
        <translation>O arquivo &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The item &quot;%1&quot; could not be started.</source>
        <translation>Não foi possível iniciar o item &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../menu/VendraskMainShowHide.cpp" line="+30"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause (Hot Key) (&amp;P)</source>
        <translation>Pausar (tecla de atalho) (&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (&amp;C)</source>
        <translation>Fechar (&amp;C)</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>The hot key could not be registered again after the pause: another program may be using it.

Choose another one on the Behavior page of the configuration window.</source>
        <translation>Não foi possível registrar a tecla de atalho novamente após a pausa: outro programa pode estar usando-a.

Escolha outra na página Comportamento da janela de configuração.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The desktop did not bind the hot key: another program may be using it.

Choose another one on the Behavior page of the configuration window, or give the launcher a key in the desktop&apos;s keyboard shortcut settings.</source>
        <translation>A área de trabalho não atribuiu a tecla de atalho: outro programa pode estar usando-a.

Escolha outra na página Comportamento da janela de configuração ou atribua uma tecla ao lançador nas configurações de atalhos de teclado da área de trabalho.</translation>
    </message>
</context>
<context>
    <name>CVendraskSmallWindow</name>
    <message>
        <location filename="../dialogs/VendraskSmallWindow.cpp" line="+34"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>CVendraskStartup</name>
    <message>
        <location filename="../launcher/VendraskStartup.cpp" line="+10"/>
        <source>vendrask: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to try it without a desktop: xvfb-run -a ./run.sh
</source>
        <translation>vendrask: nenhuma tela (nem DISPLAY nem WAYLAND_DISPLAY está definida); para experimentá-lo sem uma área de trabalho: xvfb-run -a ./run.sh
</translation>
    </message>
</context>
<context>
    <name>KelvoCommonShell</name>
    <message>
        <location filename="../common/platform/gio/KelvoCommonGioShell.cpp" line="+380"/>
        <source>nothing here can open it</source>
        <translation>nada aqui pode abri-lo</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>no application opens it</source>
        <translation>nenhum aplicativo o abre</translation>
    </message>
</context>
</TS>
