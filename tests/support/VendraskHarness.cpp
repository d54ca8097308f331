// SPDX-License-Identifier: MIT
#include "tests/support/VendraskHarness.h"

#include "app/VendraskApp.h"

#include <stdexcept>

namespace vendrask::test {

CVendraskHarness::CVendraskHarness(Start start) {
    if (start == Start::Nothing)
        return;
    app = MakeApp();
    app->LoadFromIniFile();
    app->ApplyColorSet();
}

CVendraskHarness::~CVendraskHarness() = default;

QString CVendraskHarness::IniPath() const {
    return PathText(dir.File("Vendrask.ini"));
}

std::unique_ptr<CVendraskApp> CVendraskHarness::MakeApp() {
    CKelvoCommonFakePlatform fakes;
    auto made = std::make_unique<CVendraskApp>(KelvoCreateFakePlatformServices(&fakes));
    made->SetIniFilePath(IniPath());
    // A model freed earlier may have left its address to this one.
    m_fakes[made.get()] = fakes;
    return made;
}

std::unique_ptr<CVendraskApp> CVendraskHarness::Reloaded() {
    auto fresh = MakeApp();
    fresh->LoadFromIniFile();
    return fresh;
}

const CKelvoCommonFakePlatform& CVendraskHarness::Fakes(const CVendraskApp& of) const {
    const auto found = m_fakes.find(&of);
    if (found == m_fakes.end())
        throw std::logic_error("a model the harness did not make");
    return found->second;
}

} // namespace vendrask::test
