// SPDX-License-Identifier: MIT
#include "control/VendraskClientText.h"

#include <cstdlib>
#include <cstring>

namespace {

using Row = CVendraskClientText::Row;

// Columns: de, fr, es, pt_BR, ru, ja, zh_CN.
constexpr Row kRows[] = {
    // The request line's faults, as the client finds them before sending.
    {"request too long",
     {"Anfrage zu lang", "requête trop longue", "solicitud demasiado larga",
      "solicitação longa demais", "слишком длинный запрос", "要求が長すぎます", "请求过长"}},
    {"bad byte in request",
     {"ungültiges Byte in der Anfrage", "octet non valide dans la requête",
      "byte no válido en la solicitud", "byte inválido na solicitação",
      "недопустимый байт в запросе", "要求に不正なバイトがあります", "请求中含有无效字节"}},
    {"empty request",
     {"leere Anfrage", "requête vide", "solicitud vacía", "solicitação vazia", "пустой запрос",
      "要求が空です", "请求为空"}},
    {"unknown verb",
     {"unbekannter Befehl", "commande inconnue", "comando desconocido", "comando desconhecido",
      "неизвестная команда", "不明なコマンドです", "未知命令"}},
    {"start needs a group and a letter",
     {"start braucht eine Gruppe und einen Buchstaben", "start attend un groupe et une lettre",
      "start necesita un grupo y una letra", "start precisa de um grupo e uma letra",
      "для start нужны группа и буква", "start にはグループと文字が必要です",
      "start 需要一个组和一个字母"}},
    {"group must be 0-9",
     {"die Gruppe muss 0-9 sein", "le groupe doit être compris entre 0 et 9",
      "el grupo debe estar entre 0 y 9", "o grupo deve estar entre 0 e 9",
      "группа должна быть от 0 до 9", "グループは 0-9 で指定してください", "组必须是 0-9"}},
    {"letter must be A-Z",
     {"der Buchstabe muss A-Z sein", "la lettre doit être comprise entre A et Z",
      "la letra debe estar entre A y Z", "a letra deve estar entre A e Z",
      "буква должна быть от A до Z", "文字は A-Z で指定してください", "字母必须是 A-Z"}},
    {"unexpected argument",
     {"unerwartetes Argument", "argument inattendu", "argumento inesperado", "argumento inesperado",
      "неожиданный аргумент", "予期しない引数です", "意外的参数"}},
    {"token too long",
     {"Token zu lang", "jeton trop long", "token demasiado largo", "token longo demais",
      "слишком длинный токен", "トークンが長すぎます", "令牌过长"}},
    // The client's own.
    {"Try 'vendrask --help'.",
     {"„vendrask --help“ liefert weitere Informationen.", "Essayez « vendrask --help ».",
      "Pruebe «vendrask --help».", "Tente \"vendrask --help\".", "Попробуйте «vendrask --help».",
      "詳しくは 'vendrask --help' を実行してください。", "请尝试 'vendrask --help'。"}},
    {"--ini goes with toggle and show only",
     {"--ini gibt es nur mit toggle und show", "--ini ne s'emploie qu'avec toggle et show",
      "--ini solo se usa con toggle y show", "--ini só pode ser usado com toggle e show",
      "--ini допустим только с toggle и show", "--ini は toggle と show でのみ使えます",
      "--ini 只能与 toggle 和 show 一起使用"}},
    {"no safe folder for the control socket",
     {"kein sicherer Ordner für den Steuer-Socket", "aucun dossier sûr pour le socket de contrôle",
      "no hay ninguna carpeta segura para el socket de control",
      "nenhuma pasta segura para o socket de controle",
      "нет безопасной папки для управляющего сокета",
      "制御ソケット用の安全なフォルダーがありません", "没有可供控制套接字使用的安全文件夹"}},
    {"%s is not a private folder of this user",
     {"%s ist kein privater Ordner dieses Benutzers",
      "%s n'est pas un dossier privé de cet utilisateur",
      "%s no es una carpeta privada de este usuario", "%s não é uma pasta privada deste usuário",
      "%s не является личной папкой этого пользователя",
      "%s はこのユーザーの非公開フォルダーではありません", "%s 不是此用户的私有文件夹"}},
    {"cannot reach the launcher: %s",
     {"der Starter ist nicht erreichbar: %s", "impossible de joindre le lanceur : %s",
      "no se puede contactar con el lanzador: %s", "não foi possível contatar o lançador: %s",
      "не удаётся связаться с лаунчером: %s", "ランチャーに接続できません: %s",
      "无法连接启动器：%s"}},
    {"not running",
     {"der Starter läuft nicht", "le lanceur n'est pas en cours d'exécution",
      "el lanzador no se está ejecutando", "o lançador não está em execução", "лаунчер не запущен",
      "ランチャーは起動していません", "启动器未运行"}},
    {"cannot start the launcher: %s",
     {"der Starter kann nicht gestartet werden: %s", "impossible de démarrer le lanceur : %s",
      "no se puede iniciar el lanzador: %s", "não foi possível iniciar o lançador: %s",
      "не удаётся запустить лаунчер: %s", "ランチャーを起動できません: %s", "无法运行启动器：%s"}},
    {"the launcher did not start",
     {"der Starter ist nicht gestartet", "le lanceur n'a pas démarré", "el lanzador no se inició",
      "o lançador não iniciou", "лаунчер не запустился", "ランチャーが起動しませんでした",
      "启动器未能启动"}},
    {"no reply from the launcher",
     {"keine Antwort vom Starter", "aucune réponse du lanceur", "no hay respuesta del lanzador",
      "nenhuma resposta do lançador", "лаунчер не отвечает", "ランチャーから応答がありません",
      "启动器没有回复"}},
    {"unexpected reply: %s",
     {"unerwartete Antwort: %s", "réponse inattendue : %s", "respuesta inesperada: %s",
      "resposta inesperada: %s", "неожиданный ответ: %s", "予期しない応答です: %s",
      "意外的回复：%s"}},
    {"cannot load the launcher: %s",
     {"der Starter kann nicht geladen werden: %s", "impossible de charger le lanceur : %s",
      "no se puede cargar el lanzador: %s", "não foi possível carregar o lançador: %s",
      "не удаётся загрузить лаунчер: %s", "ランチャーを読み込めません: %s", "无法加载启动器：%s"}},
    {"libVendraskLauncher.so not found",
     {"libVendraskLauncher.so nicht gefunden", "libVendraskLauncher.so introuvable",
      "no se encontró libVendraskLauncher.so", "libVendraskLauncher.so não encontrada",
      "libVendraskLauncher.so не найдена", "libVendraskLauncher.so が見つかりません",
      "找不到 libVendraskLauncher.so"}},
    // `vendrask autostart`.
    {"usage: vendrask autostart on [--ini FILE] | off | status",
     {"Aufruf: vendrask autostart on [--ini DATEI] | off | status",
      "utilisation : vendrask autostart on [--ini FICHIER] | off | status",
      "uso: vendrask autostart on [--ini ARCHIVO] | off | status",
      "uso: vendrask autostart on [--ini ARQUIVO] | off | status",
      "использование: vendrask autostart on [--ini ФАЙЛ] | off | status",
      "使い方: vendrask autostart on [--ini ファイル] | off | status",
      "用法：vendrask autostart on [--ini 文件] | off | status"}},
    {"neither XDG_CONFIG_HOME nor HOME is set",
     {"weder XDG_CONFIG_HOME noch HOME ist gesetzt", "ni XDG_CONFIG_HOME ni HOME n'est défini",
      "no está definida ni XDG_CONFIG_HOME ni HOME", "nem XDG_CONFIG_HOME nem HOME está definida",
      "не задана ни XDG_CONFIG_HOME, ни HOME", "XDG_CONFIG_HOME も HOME も設定されていません",
      "XDG_CONFIG_HOME 和 HOME 均未设置"}},
    {"cannot tell where this program lies",
     {"der Ort dieses Programms lässt sich nicht ermitteln",
      "impossible de déterminer l'emplacement de ce programme",
      "no se puede determinar dónde está este programa",
      "não foi possível determinar onde este programa está",
      "не удаётся определить, где находится эта программа", "このプログラムの場所がわかりません",
      "无法确定此程序所在的位置"}},
    {"a path holds a control character; no autostart entry can name it",
     {"ein Pfad enthält ein Steuerzeichen; kein Autostart-Eintrag kann ihn nennen",
      "un chemin contient un caractère de contrôle ; aucune entrée de démarrage automatique ne "
      "peut le désigner",
      "una ruta contiene un carácter de control; ninguna entrada de inicio automático puede "
      "nombrarla",
      "um caminho contém um caractere de controle; nenhuma entrada de início automático pode "
      "indicá-lo",
      "путь содержит управляющий символ; ни одна запись автозапуска не может его указать",
      "パスに制御文字が含まれているため、自動起動エントリーに記述できません",
      "路径中含有控制字符，自动启动条目无法引用它"}},
};

constexpr int kEnglish = -1;
constexpr int kNoMatch = -2;

// One language name ("de_AT.UTF-8@euro", "zh-Hans-CN", "pt"): its column,
// kEnglish, or kNoMatch for a language the table lacks.
int Match(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    std::string wanted(name);
    for (char& c : wanted)
        c = c == '-' ? '_' : c;
    const std::string base = wanted.substr(0, wanted.find('_'));
    if (wanted.empty() || wanted == "C" || wanted == "POSIX" || base == "en")
        return kEnglish;
    // zh_Hans_CN: the script dropped gives zh_CN.
    const std::size_t first = wanted.find('_');
    const std::size_t last = wanted.rfind('_');
    if (first != last)
        wanted = base + wanted.substr(last);
    const auto& languages = CVendraskClientText::kLanguages;
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (wanted == languages[i])
            return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < languages.size(); ++i) {
        const std::string_view column = languages[i];
        // de_AT takes de; a bare pt or zh takes the table's pt_BR or zh_CN.
        if (column == base ||
            (wanted == base && column.substr(0, column.find('_')) == std::string_view(base)))
            return static_cast<int>(i);
    }
    return kNoMatch;
}

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

} // namespace

std::span<const Row> CVendraskClientText::Table() {
    return kRows;
}

int CVendraskClientText::Language(const char* language, const char* lcAll, const char* lcMessages,
                                  const char* lang) {
    if (IsSet(language)) {
        std::string_view list = language;
        while (!list.empty()) {
            const std::size_t end = list.find(':');
            const std::string_view name = list.substr(0, end);
            list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
            if (name.empty())
                continue;
            const int found = Match(name);
            if (found != kNoMatch)
                return found;
        }
        return kEnglish;
    }
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (IsSet(value)) {
            const int found = Match(value);
            return found == kNoMatch ? kEnglish : found;
        }
    }
    return kEnglish;
}

const char* CVendraskClientText::Text(const char* english) {
    static const int column = Language(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                       std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    if (column < 0)
        return english;
    for (const Row& row : kRows) {
        if (std::strcmp(row.english, english) == 0)
            return row.translations[static_cast<std::size_t>(column)];
    }
    return english;
}

std::string CVendraskClientText::Fill(const char* english,
                                      std::initializer_list<std::string_view> values) {
    std::string text = Text(english);
    std::size_t from = 0;
    for (const std::string_view value : values) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, value);
        from = at + value.size();
    }
    return text;
}
