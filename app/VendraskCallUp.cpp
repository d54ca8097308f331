// SPDX-License-Identifier: MIT
#include "app/VendraskCallUp.h"

#include "app/VendraskApp.h"
#include "app/VendraskLog.h"
#include "common/KelvoCommonScheduler.h"
#include "common/platform/KelvoCommonHotKey.h"
#include "common/platform/KelvoCommonWindowSystem.h"

#include <array>
#include <utility>

namespace {

// Opacity change per fade step by fade level; 0 means no fade.
constexpr std::array<int, 8> kFadeStep = {0, 120, 80, 50, 30, 20, 15, 12};
constexpr int kInvalidLevelStep = 50;

} // namespace

CVendraskCallUp::CVendraskCallUp(CVendraskApp& app, CKelvoCommonScheduler& scheduler,
                                 CVendraskCallUpView& view)
    : m_app(app), m_scheduler(scheduler), m_view(view), m_hotKeyState(app) {}

std::vector<int> CVendraskCallUp::FadeSequence(int fadeLevel, int transparency, int fadeAlpha,
                                               bool fadeIn) {
    int step = kInvalidLevelStep;
    if (fadeLevel >= 1 && fadeLevel < static_cast<int>(kFadeStep.size()))
        step = kFadeStep[static_cast<std::size_t>(fadeLevel)];
    std::vector<int> sequence;
    if (fadeIn) {
        for (int alpha = fadeAlpha + step; alpha <= transparency; alpha += step)
            sequence.push_back(alpha & 0xFF);
        sequence.push_back(transparency & 0xFF);
    } else {
        for (int alpha = fadeAlpha - step; alpha >= 0; alpha -= step)
            sequence.push_back(alpha & 0xFF);
        sequence.push_back(0);
    }
    return sequence;
}

void CVendraskCallUp::OnHotKey(int identifier) {
    if (m_app.m_behaviorUnableHotKey != 0 &&
        m_app.Services().windowSystem->IsFullScreenWindowPresent())
        return;
    if (identifier != CKelvoCommonHotKey::Identifier(m_app.m_hotKeyModifier, m_app.m_hotKeyCode))
        return;
    Toggle();
}

void CVendraskCallUp::Toggle() {
    if (m_fading) {
        HoldRequest(Request::Toggle);
        return;
    }
    if (!m_view.IsShown()) {
        m_flagKeepHidden = 0;
        Show();
    } else {
        Hide();
    }
}

void CVendraskCallUp::PlaySound(int sound) {
    if (m_app.m_soundFlag == 1)
        m_view.PlaySound(sound);
}

void CVendraskCallUp::RunFade(bool fadeIn) {
    if (m_app.m_colorSetFadeLevel < 0 ||
        m_app.m_colorSetFadeLevel >= static_cast<int>(kFadeStep.size()))
        qCDebug(lcVendrask) << "m_colorSetFadeLevel has been invalid value !!";
    m_fadeAlpha = fadeIn ? 0 : m_app.m_colorSetTransparency;
    // Held here only: a wait ended early (the application quitting) leaves
    // the steps still timed nothing to act on.
    const auto fade = std::make_shared<Fade>();
    fade->steps =
        FadeSequence(m_app.m_colorSetFadeLevel, m_app.m_colorSetTransparency, m_fadeAlpha, fadeIn);
    m_fading = true;
    FadeStep(fade);
    m_scheduler.Wait([&fade] { return fade->next >= fade->steps.size(); });
    m_fading = false;
}

void CVendraskCallUp::FadeStep(const std::shared_ptr<Fade>& fade) {
    m_fadeAlpha = fade->steps[fade->next];
    m_view.SetOpacity(m_fadeAlpha);
    if (++fade->next >= fade->steps.size())
        return;
    m_scheduler.RunLater(kFadeStepMs, [this, weak = std::weak_ptr<Fade>(fade)] {
        if (const std::shared_ptr<Fade> running = weak.lock())
            FadeStep(running);
    });
}

void CVendraskCallUp::HoldRequest(Request what) {
    // A quiet hide waits with its request; with no hide waiting, none is due.
    const bool quiet = std::exchange(m_flagQuietHide, 0) == 1;
    if (!m_heldRequest || m_scheduler.LastHeld() != m_heldPlace) {
        m_heldRequest = std::make_shared<HeldRequest>();
        m_heldPlace =
            m_scheduler.Hold([this, request = m_heldRequest] { RunHeldRequest(request); });
    }
    HeldRequest& held = *m_heldRequest;
    switch (what) {
    case Request::Toggle:
        held.what = held.what == Request::Nothing  ? Request::Toggle
                    : held.what == Request::Toggle ? Request::Nothing
                    : held.what == Request::Show   ? Request::Hide
                                                   : Request::Show;
        break;
    case Request::Hide:
        held.quiet = quiet;
        held.what = what;
        break;
    default:
        held.what = what;
        break;
    }
    if (held.what != Request::Hide)
        held.quiet = false;
}

void CVendraskCallUp::RunHeldRequest(const std::shared_ptr<HeldRequest>& request) {
    // Out of line now: what is asked from here on waits anew.
    if (m_heldRequest == request)
        m_heldRequest.reset();
    switch (request->what) {
    case Request::Show:
        Show();
        break;
    case Request::Hide:
        m_flagQuietHide = request->quiet ? 1 : 0;
        Hide();
        break;
    case Request::Toggle:
        Toggle();
        break;
    case Request::Nothing:
        break;
    }
}

void CVendraskCallUp::Show() {
    if (m_fading) {
        HoldRequest(Request::Show);
        return;
    }
    if (m_flagKeepHidden == 1 || m_view.IsShown())
        return;
    // The keyboard at once: keys typed during the fade wait for its end.
    m_view.Present();
    // Fade in; the open sound after it.
    if (m_app.m_colorSetFadeLevel == 0)
        m_view.SetOpacity(m_app.m_colorSetTransparency);
    else
        RunFade(true);
    PlaySound(CVendraskApp::SoundMenuOpen);
    m_scheduler.ReleaseHeld();
}

void CVendraskCallUp::Hide() {
    if (m_fading) {
        HoldRequest(Request::Hide);
        return;
    }
    // Used up by this hide whatever it finds: a quiet hide asked for a
    // menu already gone must not silence the next one.
    const int quiet = std::exchange(m_flagQuietHide, 0);
    if (!m_view.IsShown())
        return;
    if (quiet == 1) {
        m_view.SetOpacity(0);
    } else {
        PlaySound(CVendraskApp::SoundMenuClose);
        if (m_app.m_colorSetFadeLevel == 0)
            m_view.SetOpacity(0);
        else
            RunFade(false);
    }
    m_view.Dismiss();
    m_scheduler.ReleaseHeld();
}

void CVendraskCallUp::OnHotKeyRefused(int identifier) {
    if (m_hotKeyState.RefusedLater(identifier))
        m_view.HotKeyRefusedLater();
}

void CVendraskCallUp::OnPause() {
    if (m_flagHotKeyActive == 1) {
        if (m_view.IsShown()) {
            m_flagQuietHide = 1;
            Hide();
        }
        m_flagHotKeyActive = 0;
        m_hotKeyState.Pause();
        m_view.PauseChanged(true);
    } else {
        m_flagHotKeyActive = 1;
        const bool taken = m_hotKeyState.Resume();
        m_view.PauseChanged(false);
        if (!taken)
            m_view.ResumeRefused();
    }
}
