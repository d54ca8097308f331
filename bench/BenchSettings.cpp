// SPDX-License-Identifier: MIT
// Settings file load and one-item save on a full file (260 items with long
// texts, all titles). Targets on a 2-core machine: load <= 1 ms, save <= 5 ms.
#include "app/VendraskApp.h"
#include "common/platform/fake/KelvoCommonFakePlatform.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

std::filesystem::path MakeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vendrask-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    return pattern;
}

QString LongText(int n, int length) {
    QString text = QStringLiteral("Item %1 ").arg(n);
    while (text.size() < length)
        text += QStringLiteral("abcdefghij");
    return text.left(length);
}

void FillModel(CVendraskApp& app) {
    for (int i = 0; i < CVendraskApp::kItemCount; ++i) {
        ItemRecord& item = app.m_item[i];
        item.Name.Assign(LongText(i, 36));
        item.Path.Assign(QStringLiteral("/usr/share/applications/") + LongText(i, 200));
        item.Option.Assign(QStringLiteral("--flag \"quoted value\" ") + LongText(i, 180));
        item.WorkingFolder.Assign(QStringLiteral("/home/user/") + LongText(i, 200));
    }
    for (int g = 0; g < CVendraskApp::kGroupCount; ++g)
        app.m_groupTitle[g].Assign(LongText(g, 64));
}

struct FullFile {
    std::filesystem::path folder = MakeFolder();
    QString ini = QString::fromStdString((folder / "Vendrask.ini").string());

    FullFile() {
        CVendraskApp app(KelvoCreateFakePlatformServices());
        app.SetIniFilePath(ini);
        app.LoadFromIniFile();
        FillModel(app);
        for (int part = 1; part <= CVendraskApp::kPartLastGroupTitle; ++part)
            app.SaveToIniFile(part);
        app.SaveToIniFile(0);
    }
    ~FullFile() { std::filesystem::remove_all(folder); }
};

void BM_LoadFromIniFile(benchmark::State& state) {
    FullFile file;
    CVendraskApp app(KelvoCreateFakePlatformServices());
    app.SetIniFilePath(file.ini);
    for (auto _ : state)
        app.LoadFromIniFile();
    state.counters["file_bytes"] =
        static_cast<double>(std::filesystem::file_size(file.folder / "Vendrask.ini"));
}
BENCHMARK(BM_LoadFromIniFile)->Unit(benchmark::kMicrosecond);

void BM_SaveOneItem(benchmark::State& state) {
    FullFile file;
    CVendraskApp app(KelvoCreateFakePlatformServices());
    app.SetIniFilePath(file.ini);
    app.LoadFromIniFile();
    int n = 0;
    for (auto _ : state) {
        app.m_item[0].Name.Assign(QStringLiteral("Name %1").arg(++n));
        if (!app.SaveToIniFile(1))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveOneItem)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
