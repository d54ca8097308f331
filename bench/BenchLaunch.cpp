// SPDX-License-Identifier: MIT
// Letter key to started program: the key reaches the shown menu window,
// which hides quietly and starts the item through the real shell. The
// shell returns once the program's exec has succeeded, so the time is key
// to a running child. Target on a 2-core machine: median of 20 <= 5 ms.
// The shell alone is measured beside it.
#include "app/VendraskApp.h"
#include "common/platform/KelvoCommonPlatform.h"
#include "common/platform/fake/KelvoCommonFakePlatform.h"
#include "common/platform/gio/KelvoCommonGioShell.h"
#include "menu/VendraskMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// A small program that ends at once.
const QString kProgram = QStringLiteral("/bin/true");

std::filesystem::path MakeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vendrask-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    return pattern;
}

void BM_LetterKeyToChild(benchmark::State& state) {
    const std::filesystem::path folder = MakeFolder();
    CKelvoCommonPlatformServices services = KelvoCreateFakePlatformServices();
    services.shell = std::make_unique<CKelvoCommonGioShell>();
    auto* shell = static_cast<CKelvoCommonGioShell*>(services.shell.get());
    CVendraskApp app(std::move(services));
    app.SetProgramFolder(QString::fromStdString(folder.string()));
    app.SetIniFilePath(QString::fromStdString((folder / "Vendrask.ini").string()));
    app.LoadFromIniFile();
    app.m_colorSetFadeLevel = 0;
    app.m_soundFlag = 0;
    ItemRecord& item = app.Item(app.m_currentGroup, 0);
    item.Name.Assign(QStringLiteral("true"));
    item.Path.Assign(kProgram);
    item.Option.Assign(QStringLiteral("--one \"two words\""));
    QWidget owner;
    CVendraskMain menu(app, &owner);
    menu.ReleaseKeepHidden();

    for (auto _ : state) {
        menu.ShowMenu();
        const qint64 before = shell->LastProcessId();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        const auto start = std::chrono::steady_clock::now();
        QCoreApplication::sendEvent(&menu, &press);
        const auto end = std::chrono::steady_clock::now();
        if (shell->LastProcessId() == before || menu.isVisible()) {
            state.SkipWithError("the item did not start");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LetterKeyToChild)
    ->Iterations(1)
    ->Repetitions(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_ShellStartsProgram(benchmark::State& state) {
    CKelvoCommonGioShell shell;
    for (auto _ : state) {
        if (!shell.Open(kProgram, QStringLiteral("--one"), QString())) {
            state.SkipWithError("the program did not start");
            break;
        }
    }
}
BENCHMARK(BM_ShellStartsProgram)->Iterations(1)->Repetitions(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
