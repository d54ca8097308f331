// SPDX-License-Identifier: MIT
#include "app/VendraskCallUp.h"

#include "app/VendraskApp.h"
#include "common/platform/fake/KelvoCommonFakeClock.h"
#include "common/platform/fake/KelvoCommonFakePlatform.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Writes down what the call-up asks of its window, with the clock's time.
class FakeView final : public CVendraskCallUpView {
public:
    explicit FakeView(const CKelvoCommonFakeClock& clock) : m_clock(clock) {}

    bool IsShown() const override { return m_shown; }
    void Present() override {
        m_shown = true;
        Note("present");
    }
    void Dismiss() override {
        m_shown = false;
        Note("dismiss");
    }
    void SetOpacity(int alpha) override { Note("alpha " + std::to_string(alpha)); }
    void PlaySound(int sound) override {
        Note(sound == CVendraskApp::SoundMenuOpen ? "open sound" : "close sound");
    }
    void PauseChanged(bool paused) override { Note(paused ? "paused" : "resumed"); }
    void ResumeRefused() override { Note("refused"); }
    void HotKeyRefusedLater() override { Note("refused later"); }

    std::vector<std::string>& Log() { return m_log; }

private:
    void Note(const std::string& what) {
        m_log.push_back(std::to_string(m_clock.Now()) + " " + what);
    }

    const CKelvoCommonFakeClock& m_clock;
    bool m_shown = false;
    std::vector<std::string> m_log;
};

} // namespace

TEST(VendraskCallUp, AFadeRunsItsStepsThenWhatWasAskedDuringIt) {
    // Escape: the menu's own key, input the fade holds in line.
    enum Request { Toggle, Show, Hide, QuietHide, Pause, Escape };
    struct Row {
        const char* name;
        bool shownBefore;
        Request start;
        std::vector<Request> duringFade; // one step into the fade
        std::vector<std::string> log;    // not looked at when empty
        bool shownAfter;
    };
    // Fade level 1 to 255: in 120, 240, 255; out 135, 15, 0.
    const Row rows[] = {
        {"a show during the fade-out",
         true,
         Hide,
         {Show},
         {"0 close sound", "0 alpha 135", "30 alpha 15", "60 alpha 0", "60 dismiss", "60 present",
          "60 alpha 120", "90 alpha 240", "120 alpha 255", "120 open sound"},
         true},
        {"a hide during the fade-in",
         false,
         Toggle,
         {Hide},
         {"0 present", "0 alpha 120", "30 alpha 240", "60 alpha 255", "60 open sound",
          "60 close sound", "60 alpha 135", "90 alpha 15", "120 alpha 0", "120 dismiss"},
         false},
        {"two toggles during a fade cancel each other",
         false,
         Toggle,
         {Toggle, Toggle},
         {"0 present", "0 alpha 120", "30 alpha 240", "60 alpha 255", "60 open sound"},
         true},
        {"a quiet hide waits with its request",
         false,
         Toggle,
         {QuietHide},
         {"0 present", "0 alpha 120", "30 alpha 240", "60 alpha 255", "60 open sound", "60 alpha 0",
          "60 dismiss"},
         false},
        {"a pause while shown hides quietly",
         true,
         Pause,
         {},
         {"0 alpha 0", "0 dismiss", "0 paused"},
         false},
        {"a pause during the fade-in hides quietly at its end",
         false,
         Toggle,
         {Pause},
         {"0 present", "0 alpha 120", "30 paused", "30 alpha 240", "60 alpha 255", "60 open sound",
          "60 alpha 0", "60 dismiss"},
         false},
        {"Escapes and hot keys in turn keep their order",
         false,
         Toggle,
         {Escape, Toggle, Escape, Toggle},
         {},
         true},
        {"an Escape after hot keys comes after them",
         false,
         Toggle,
         {Toggle, Toggle, Escape},
         {},
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CKelvoCommonFakePlatform fakes;
        CVendraskApp app(KelvoCreateFakePlatformServices(&fakes));
        CKelvoCommonFakeClock& clock = *fakes.clock;
        FakeView view(clock);
        CVendraskCallUp callUp(app, clock, view);
        callUp.HotKeyState().Arm();
        const auto ask = [&callUp, &clock](Request request) {
            switch (request) {
            case Toggle:
                callUp.Toggle();
                break;
            case Show:
                callUp.Show();
                break;
            case Hide:
                callUp.Hide();
                break;
            case QuietHide:
                callUp.HideQuietlyNext();
                callUp.Hide();
                break;
            case Pause:
                callUp.OnPause();
                break;
            case Escape:
                clock.Input([&callUp] { callUp.Hide(); });
                break;
            }
        };
        app.m_colorSetFadeLevel = 0;
        if (row.shownBefore)
            callUp.Toggle();
        app.m_colorSetFadeLevel = 1;
        app.m_colorSetTransparency = 255;
        view.Log().clear();
        clock.RunLater(CVendraskCallUp::kFadeStepMs, [&] {
            ASSERT_TRUE(callUp.IsFading());
            for (Request request : row.duringFade)
                ask(request);
        });
        ask(row.start);
        if (!row.log.empty()) {
            EXPECT_EQ(view.Log(), row.log);
        }
        EXPECT_EQ(view.IsShown(), row.shownAfter);
        EXPECT_FALSE(callUp.IsFading());
        EXPECT_FALSE(callUp.IsQuietHideAsked());
    }
}
