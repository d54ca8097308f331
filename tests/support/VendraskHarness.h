// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/fake/KelvoCommonFakeClock.h"
#include "common/platform/fake/KelvoCommonFakeHookMouseSource.h"
#include "common/platform/fake/KelvoCommonFakeHotKey.h"
#include "common/platform/fake/KelvoCommonFakeInput.h"
#include "common/platform/fake/KelvoCommonFakeInstance.h"
#include "common/platform/fake/KelvoCommonFakeKeyboard.h"
#include "common/platform/fake/KelvoCommonFakeMessageBox.h"
#include "common/platform/fake/KelvoCommonFakePlatform.h"
#include "common/platform/fake/KelvoCommonFakeShell.h"
#include "common/platform/fake/KelvoCommonFakeSound.h"
#include "common/platform/fake/KelvoCommonFakeWindowSystem.h"
#include "tests/support/TestSupport.h"

#include <QString>
#include <map>
#include <memory>

class CVendraskApp;

namespace vendrask::test {

// The model on fake platform services with a settings file of its own in a
// fresh folder; the fakes come back typed. A base of test fixtures.
class CVendraskHarness {
public:
    // Read: App() is made and reads the file (which makes it), its colours
    // applied. Nothing: the test makes its models with MakeApp().
    enum class Start { Read, Nothing };
    explicit CVendraskHarness(Start start = Start::Read);
    virtual ~CVendraskHarness();
    CVendraskHarness(const CVendraskHarness&) = delete;
    CVendraskHarness& operator=(const CVendraskHarness&) = delete;

    CVendraskApp& App() const { return *app; }
    QString IniPath() const;
    // Another model on fakes of its own and the same file, not yet read.
    std::unique_ptr<CVendraskApp> MakeApp();
    // The settings file read afresh, as the next start would see it.
    std::unique_ptr<CVendraskApp> Reloaded();

    // The fakes of a model this harness made; without one, of App().
    const CKelvoCommonFakePlatform& Fakes(const CVendraskApp& of) const;
    CKelvoCommonFakeMessageBox& FakeMessageBox() const { return *Fakes(*app).messageBox; }
    CKelvoCommonFakeSound& FakeSound() const { return *Fakes(*app).sound; }
    CKelvoCommonFakeInstance& FakeInstance() const { return *Fakes(*app).instance; }
    CKelvoCommonFakeInput& FakeInput() const { return *Fakes(*app).input; }
    CKelvoCommonFakeWindowSystem& FakeWindowSystem() const { return *Fakes(*app).windowSystem; }
    CKelvoCommonFakeHotKey& FakeHotKey() const { return *Fakes(*app).hotKey; }
    CKelvoCommonFakeShell& FakeShell() const { return *Fakes(*app).shell; }
    CKelvoCommonFakeKeyboard& FakeKeyboard() const { return *Fakes(*app).keyboard; }
    CKelvoCommonFakeHookMouseSource& FakeHookSource() const { return *Fakes(*app).hookSource; }
    CKelvoCommonFakeClock& FakeHookClock() const { return *Fakes(*app).hookClock; }
    CKelvoCommonFakeClock& FakeClock() const { return *Fakes(*app).clock; }

protected:
    TempDir dir;
    std::unique_ptr<CVendraskApp> app;

private:
    std::map<const CVendraskApp*, CKelvoCommonFakePlatform> m_fakes;
};

} // namespace vendrask::test
