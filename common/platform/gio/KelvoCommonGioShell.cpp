// SPDX-License-Identifier: MIT
#include "common/platform/gio/KelvoCommonGioShell.h"

#include "common/KelvoCommonLog.h"
#include "common/platform/gio/KelvoCommonGioApi.h"
#include "common/system/KelvoCommonShortcutFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// A followed ".lnk" may point at another one; links that point at each
// other end here.
constexpr int kMaxLinkDepth = 8;

struct GObjectUnref {
    void operator()(gpointer object) const { KelvoGio().object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
using GErrorPtr = std::unique_ptr<GError, GErrorFree>;

struct StrvFree {
    void operator()(gchar** list) const { g_strfreev(list); }
};
using StrvPtr = std::unique_ptr<gchar*, StrvFree>;

struct GFree {
    void operator()(gpointer data) const { g_free(data); }
};
using GCharPtr = std::unique_ptr<gchar, GFree>;

QString FromGChar(const gchar* text) {
    return text != nullptr ? QString::fromUtf8(text) : QString();
}

// A NULL-terminated array of C strings over a list of byte arrays; the
// arrays must outlive it.
std::vector<char*> CStrings(std::vector<QByteArray>& bytes) {
    std::vector<char*> list;
    list.reserve(bytes.size() + 1);
    for (QByteArray& item : bytes)
        list.push_back(item.data());
    list.push_back(nullptr);
    return list;
}

// Runs in the started program's process between fork and exec: only
// async-signal-safe calls. A session of its own, so that the launcher's
// end (or a signal to its process group) does not take it along.
struct ChildSetup {
    const char* folder = nullptr;
};
void SetUpChild(gpointer data) {
    ::setsid();
    const auto* setup = static_cast<const ChildSetup*>(data);
    if (setup != nullptr && setup->folder != nullptr && ::chdir(setup->folder) != 0) {
        // The folder went away since it was checked: run where we are.
    }
}

bool IsDesktopEntry(const QString& path) {
    return path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive);
}

bool IsShellLink(const QString& path) {
    return path.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive);
}

// "https://...", "trash:///", "mailto:..." - a scheme of two or more
// characters, so that "C:\..." is not taken for one.
bool IsAddress(const QString& text) {
    if (text.startsWith(QLatin1Char('/')))
        return false;
    const gchar* scheme = g_uri_peek_scheme(text.toUtf8().constData());
    return scheme != nullptr && std::strlen(scheme) >= 2;
}

// The first %NAME% pair of a stored link path, when the variable is set.
QString ExpandFirstVariable(const QString& text) {
    const qsizetype open = text.indexOf(QLatin1Char('%'));
    if (open < 0)
        return text;
    const qsizetype close = text.indexOf(QLatin1Char('%'), open + 1);
    if (close < 0)
        return text;
    const QString value =
        qEnvironmentVariable(text.mid(open + 1, close - open - 1).toLocal8Bit().constData());
    if (value.isEmpty())
        return text;
    return text.left(open) + value + text.mid(close + 1);
}

// A link written on Windows stores backslashes; one written here slashes.
QString LinkPath(const QString& stored, const QString& linkFolder) {
    QString path = ExpandFirstVariable(stored);
    if (path.isEmpty())
        return path;
    if (!QFileInfo::exists(QDir(linkFolder).absoluteFilePath(path)) &&
        path.contains(QLatin1Char('\\')))
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(linkFolder).absoluteFilePath(path);
}

QString ExistingFolder(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? QFileInfo(folder).absoluteFilePath()
                                                          : QString();
}

QString FileUri(const QString& path) {
    GObjectPtr<GFile> file(KelvoGio().file_new_for_path(QFile::encodeName(path).constData()));
    GCharPtr uri(KelvoGio().file_get_uri(file.get()));
    return FromGChar(uri.get());
}

CKelvoCommonGioShell::Plan PlanAt(const QString& file, const QString& parameters,
                                  const QString& workingFolder, int depth) {
    using Plan = CKelvoCommonGioShell::Plan;
    if (file.isEmpty())
        return {};
    Plan plan;
    plan.workingFolder = ExistingFolder(workingFolder);
    if (IsAddress(file) && !QFileInfo::exists(file)) {
        plan.kind = Plan::DefaultApplication;
        plan.uri = file;
        return plan;
    }
    const QFileInfo info(file);
    if (!info.exists())
        return {};
    const QString path = info.absoluteFilePath();

    if (info.isFile() && IsShellLink(path)) {
        KelvoLnkInformation link;
        if (depth >= kMaxLinkDepth ||
            CKelvoCommonShortcutFile::ReadLnk(QFile::encodeName(path).toStdString(), link) !=
                KelvoShortcutStatus::Ok) {
            qCDebug(lcKelvoCommon) << "shell: unreadable shortcut" << path;
            return {};
        }
        const QString folder = info.absolutePath();
        const QString target = LinkPath(QString::fromStdU16String(link.target), folder);
        if (target.isEmpty()) {
            qCDebug(lcKelvoCommon) << "shell: shortcut without a file target" << path;
            return {};
        }
        // The link's own arguments first; what the caller adds follows them.
        QString arguments = QString::fromStdU16String(link.arguments);
        if (!parameters.isEmpty())
            arguments += (arguments.isEmpty() ? QString() : QStringLiteral(" ")) + parameters;
        const QString linkFolder = LinkPath(QString::fromStdU16String(link.workingFolder), folder);
        return PlanAt(target, arguments, linkFolder.isEmpty() ? workingFolder : linkFolder,
                      depth + 1);
    }
    if (info.isFile() && IsDesktopEntry(path)) {
        plan.kind = Plan::DesktopEntry;
        plan.program = path;
        const QByteArray cwd = QFile::encodeName(plan.workingFolder.isEmpty() ? QDir::currentPath()
                                                                              : plan.workingFolder);
        for (const QString& argument : CKelvoCommonGioShell::SplitArguments(parameters)) {
            GObjectPtr<GFile> named(KelvoGio().file_new_for_commandline_arg_and_cwd(
                argument.toUtf8().constData(), cwd.constData()));
            GCharPtr uri(KelvoGio().file_get_uri(named.get()));
            plan.arguments.append(FromGChar(uri.get()));
        }
        return plan;
    }
    if (CKelvoCommonGioShell::IsExecutableFile(path)) {
        plan.kind = Plan::Execute;
        plan.program = path;
        plan.arguments = CKelvoCommonGioShell::SplitArguments(parameters);
        return plan;
    }
    plan.kind = Plan::DefaultApplication;
    plan.uri = FileUri(path);
    return plan;
}

GObjectPtr<GAppLaunchContext> NewLaunchContext() {
    GObjectPtr<GAppLaunchContext> context(KelvoGio().app_launch_context_new());
    for (const QString& name : CKelvoCommonGioShell::OwnVariables())
        KelvoGio().app_launch_context_unsetenv(context.get(), name.toUtf8().constData());
    return context;
}

// Starts an application with uris (none: just the application), detached
// like every program started here, in folder unless its entry names one.
bool Launch(GAppInfo* application, GList* uris, const QString& folder, QString& why) {
    GObjectPtr<GAppLaunchContext> context = NewLaunchContext();
    GError* error = nullptr;
    bool launched = false;
    const GType desktopType = KelvoGio().desktop_app_info_get_type();
    if (KelvoGio().type_check_instance_is_a(reinterpret_cast<GTypeInstance*>(application),
                                            desktopType) != FALSE) {
        auto* desktop = reinterpret_cast<GDesktopAppInfo*>(application);
        GCharPtr entryPath(KelvoGio().desktop_app_info_get_string(desktop, "Path"));
        const QByteArray folderBytes = QFile::encodeName(folder);
        ChildSetup setup;
        if ((entryPath == nullptr || *entryPath == '\0') && !folderBytes.isEmpty())
            setup.folder = folderBytes.constData();
        launched = KelvoGio().desktop_app_info_launch_uris_as_manager(
            desktop, uris, context.get(), G_SPAWN_SEARCH_PATH, SetUpChild, &setup, nullptr, nullptr,
            &error);
    } else {
        launched = KelvoGio().app_info_launch_uris(application, uris, context.get(), &error);
    }
    GErrorPtr owned(error);
    if (!launched && owned)
        why = FromGChar(owned->message);
    if (!launched)
        qCWarning(lcKelvoCommon) << "shell: cannot launch"
                                 << FromGChar(KelvoGio().app_info_get_id(application))
                                 << (owned ? FromGChar(owned->message) : QString());
    return launched;
}

QString XdgFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location);
}

} // namespace

CKelvoCommonGioShell::Plan CKelvoCommonGioShell::PlanOpen(const QString& file,
                                                          const QString& parameters,
                                                          const QString& workingFolder) {
    return PlanAt(file, parameters, workingFolder, 0);
}

bool CKelvoCommonGioShell::IsExecutableFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status{};
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode) ||
        (status.st_mode & S_IXUSR) == 0)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head == QByteArrayLiteral("\x7f"
                                     "ELF") ||
           head.startsWith("#!");
}

QString CKelvoCommonGioShell::SpecialFolderLocation(int csidl, const QStringList& schemes) {
    const auto location = [&schemes](const char* scheme, const QString& fallback = {}) {
        return schemes.contains(QLatin1String(scheme))
                   ? QLatin1String(scheme) + QLatin1String(":///")
                   : fallback;
    };
    QString folder;
    switch (csidl) {
    case 0:
    case 16:
        folder = XdgFolder(QStandardPaths::DesktopLocation);
        break;
    case 2:
        folder = XdgFolder(QStandardPaths::ApplicationsLocation);
        break;
    case 5:
        folder = XdgFolder(QStandardPaths::DocumentsLocation);
        break;
    case 8:
        return location("recent");
    case 10:
        return location("trash");
    case 13:
        folder = XdgFolder(QStandardPaths::MusicLocation);
        break;
    case 14:
        folder = XdgFolder(QStandardPaths::MoviesLocation);
        break;
    case 39:
        folder = XdgFolder(QStandardPaths::PicturesLocation);
        break;
    case 17:
        return location("computer", QStringLiteral("/"));
    case 18:
        return location("network");
    case 20:
        folder = XdgFolder(QStandardPaths::GenericDataLocation) + QStringLiteral("/fonts");
        break;
    case 26:
        folder = XdgFolder(QStandardPaths::GenericConfigLocation);
        break;
    case 28:
        folder = XdgFolder(QStandardPaths::GenericDataLocation);
        break;
    case 32:
        folder = XdgFolder(QStandardPaths::GenericCacheLocation);
        break;
    case 40:
        folder = QDir::homePath();
        break;
    default: // 6 (favorites) and every number not known here
        return {};
    }
    // Folders are not created: one that is not there is no folder.
    return QFileInfo(folder).isDir() ? folder : QString();
}

CKelvoCommonGioShell::ShellObject
CKelvoCommonGioShell::ShellObjectLocation(const QString& object, const QStringList& schemes) {
    if (!object.startsWith(QLatin1String("::")))
        return {};
    const QString clsid = object.mid(2).toUpper();
    if (clsid == QLatin1String("{20D04FE0-3AEA-1069-A2D8-08002B30309D}"))
        return {ShellObject::Location, SpecialFolderLocation(17, schemes)};
    if (clsid == QLatin1String("{450D8FBA-AD25-11D0-98A8-0800361B1103}")) {
        const QString documents = SpecialFolderLocation(5, schemes);
        return {documents.isEmpty() ? ShellObject::Unknown : ShellObject::Location, documents};
    }
    if (clsid == QLatin1String("{871C5380-42A0-1069-A2EA-08002B30309D}"))
        return {ShellObject::WebBrowser, {}};
    const auto uri = [&schemes](const char* scheme) -> ShellObject {
        if (!schemes.contains(QLatin1String(scheme)))
            return {};
        return {ShellObject::Location, QLatin1String(scheme) + QLatin1String(":///")};
    };
    if (clsid == QLatin1String("{645FF040-5081-101B-9F08-00AA002F954E}"))
        return uri("trash");
    if (clsid == QLatin1String("{208D2C60-3AEA-1069-A2D7-08002B30309D}"))
        return uri("network");
    return {};
}

QStringList CKelvoCommonGioShell::OwnVariables() {
    return {
        QStringLiteral("DESKTOP_STARTUP_ID"),
        QStringLiteral("XDG_ACTIVATION_TOKEN"),
        QStringLiteral("GIO_LAUNCHED_DESKTOP_FILE"),
        QStringLiteral("GIO_LAUNCHED_DESKTOP_FILE_PID"),
    };
}

QStringList CKelvoCommonGioShell::ChildEnvironment() {
    StrvPtr environment(g_get_environ());
    for (const QString& name : OwnVariables())
        environment.reset(g_environ_unsetenv(environment.release(), name.toUtf8().constData()));
    QStringList list;
    for (gchar** entry = environment.get(); entry != nullptr && *entry != nullptr; ++entry)
        list.append(QFile::decodeName(*entry));
    return list;
}

QStringList CKelvoCommonGioShell::SupportedSchemes() {
    QStringList list;
    const gchar* const* schemes =
        KelvoGio().vfs_get_supported_uri_schemes(KelvoGio().vfs_get_default());
    for (; schemes != nullptr && *schemes != nullptr; ++schemes)
        list.append(FromGChar(*schemes));
    return list;
}

bool CKelvoCommonGioShell::Open(const QString& file, const QString& parameters,
                                const QString& workingFolder) {
    const Plan plan = PlanOpen(file, parameters, workingFolder);
    m_lastError = QCoreApplication::translate("KelvoCommonShell", "nothing here can open it");
    switch (plan.kind) {
    case Plan::Execute:
        return Execute(plan);
    case Plan::DesktopEntry:
    case Plan::DefaultApplication:
        return LaunchApplication(plan);
    case Plan::Nothing:
        break;
    }
    qCDebug(lcKelvoCommon) << "shell: nothing to start for" << file;
    return false;
}

CKelvoCommonGioShell::CKelvoCommonGioShell() : m_reaper(std::make_unique<QObject>()) {}

CKelvoCommonGioShell::~CKelvoCommonGioShell() {
    // Programs still running are the system's to reap once we are gone.
    const auto watchers = m_reaper->findChildren<QSocketNotifier*>();
    for (QSocketNotifier* watcher : watchers)
        ::close(static_cast<int>(watcher->socket()));
}

bool CKelvoCommonGioShell::Execute(const Plan& plan) {
    std::vector<QByteArray> argumentBytes{QFile::encodeName(plan.program)};
    for (const QString& argument : plan.arguments)
        argumentBytes.push_back(QFile::encodeName(argument));
    std::vector<char*> argv = CStrings(argumentBytes);
    std::vector<QByteArray> environmentBytes;
    for (const QString& entry : ChildEnvironment())
        environmentBytes.push_back(QFile::encodeName(entry));
    std::vector<char*> envp = CStrings(environmentBytes);
    const QByteArray folder = QFile::encodeName(plan.workingFolder);

    // posix_spawn (no copy of the launcher's memory): a session of its own,
    // default signal handling, no descriptor of ours but the output ones,
    // and nothing read from our input. It returns once exec has succeeded
    // or failed.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    sigset_t mask;
    sigemptyset(&mask);
    posix_spawnattr_setsigmask(&attributes, &mask);
    sigfillset(&mask);
    posix_spawnattr_setsigdefault(&attributes, &mask);
    pid_t pid = 0;
    const int result =
        ::posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        m_lastError = QString::fromLocal8Bit(std::strerror(result));
        qCWarning(lcKelvoCommon) << "shell: cannot start" << plan.program << ":"
                                 << QString::fromLocal8Bit(std::strerror(result));
        return false;
    }
    m_lastProcessId = pid;
    Reap(pid);
    return true;
}

void CKelvoCommonGioShell::Reap(qint64 pid) {
    // The program is our child: collected when it ends, so that it never
    // lingers as a zombie, without a timer or a signal handler of ours.
    const int handle = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
    if (handle < 0) {
        m_unwatched.push_back(pid);
        return;
    }
    auto* watcher = new QSocketNotifier(handle, QSocketNotifier::Read, m_reaper.get());
    QObject::connect(watcher, &QSocketNotifier::activated, watcher, [watcher, pid] {
        watcher->setEnabled(false);
        ::waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG);
        ::close(static_cast<int>(watcher->socket()));
        watcher->deleteLater();
    });
    // Without pidfds (old kernels) ended programs are collected here.
    std::erase_if(m_unwatched, [](qint64 child) {
        return ::waitpid(static_cast<pid_t>(child), nullptr, WNOHANG) != 0;
    });
}

bool CKelvoCommonGioShell::LaunchApplication(const Plan& plan) {
    GObjectPtr<GAppInfo> application;
    GList* uris = nullptr;
    const auto freeUris = qScopeGuard([&uris] { g_list_free_full(uris, g_free); });
    GError* error = nullptr;
    if (plan.kind == Plan::DesktopEntry) {
        application.reset(reinterpret_cast<GAppInfo*>(KelvoGio().desktop_app_info_new_from_filename(
            QFile::encodeName(plan.program).constData())));
        for (const QString& uri : plan.arguments)
            uris = g_list_append(uris, g_strdup(uri.toUtf8().constData()));
    } else {
        GObjectPtr<GFile> target(KelvoGio().file_new_for_uri(plan.uri.toUtf8().constData()));
        application.reset(KelvoGio().file_query_default_handler(target.get(), nullptr, &error));
        uris = g_list_append(uris, g_strdup(plan.uri.toUtf8().constData()));
    }
    GErrorPtr queryError(error);
    if (!application) {
        m_lastError =
            queryError ? FromGChar(queryError->message)
                       : QCoreApplication::translate("KelvoCommonShell", "no application opens it");
        qCWarning(lcKelvoCommon) << "shell: no application for"
                                 << (plan.kind == Plan::DesktopEntry ? plan.program : plan.uri)
                                 << (queryError ? FromGChar(queryError->message) : QString());
        return false;
    }

    return Launch(application.get(), uris, plan.workingFolder, m_lastError);
}

QString CKelvoCommonGioShell::SpecialFolderPath(int csidl) {
    return SpecialFolderLocation(csidl, SupportedSchemes());
}

bool CKelvoCommonGioShell::OpenShellObject(const QString& object) {
    const ShellObject meaning = ShellObjectLocation(object, SupportedSchemes());
    switch (meaning.kind) {
    case ShellObject::Location:
        return Open(meaning.location, {}, {});
    case ShellObject::WebBrowser:
        return LaunchWebBrowser();
    case ShellObject::Unknown:
        break;
    }
    qCDebug(lcKelvoCommon) << "shell: no such shell object here" << object;
    return false;
}

bool CKelvoCommonGioShell::LaunchWebBrowser() {
    GObjectPtr<GAppInfo> browser(KelvoGio().app_info_get_default_for_uri_scheme("https"));
    if (!browser)
        browser.reset(KelvoGio().app_info_get_default_for_uri_scheme("http"));
    if (!browser) {
        qCWarning(lcKelvoCommon) << "shell: no default web browser";
        return false;
    }
    return Launch(browser.get(), nullptr, {}, m_lastError);
}
