// SPDX-License-Identifier: MIT
#pragma once

#include "app/VendraskHotKeyState.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CKelvoCommonScheduler;
class CVendraskApp;

// What the call-up asks of the window it calls up and sends away.
class CVendraskCallUpView {
public:
    virtual ~CVendraskCallUpView() = default;

    virtual bool IsShown() const = 0;
    // Placed on the monitor under the pointer, top-most as set, at opacity
    // 0, shown and given the keyboard.
    virtual void Present() = 0;
    // Hidden, back on the default group.
    virtual void Dismiss() = 0;
    // 0 (invisible) to 255; only the low 8 bits count.
    virtual void SetOpacity(int alpha) = 0;
    virtual void PlaySound(int sound) = 0;
    // The tray's Pause switched on or off.
    virtual void PauseChanged(bool paused) = 0;
    // The hot key could not be taken back after a pause.
    virtual void ResumeRefused() = 0;
    // The desktop refused the hot key after it had seemed taken.
    virtual void HotKeyRefusedLater() = 0;

protected:
    CVendraskCallUpView() = default;
    CVendraskCallUpView(const CVendraskCallUpView&) = default;
    CVendraskCallUpView& operator=(const CVendraskCallUpView&) = default;
};

// When the menu comes and goes: the start-up guard, the fade and what is
// asked for during it, the quiet hide, the sounds, and the tray's Pause
// with the hot key it holds. The fade's steps run on the scheduler; a fade
// blocks its caller until it ends, taking no user input meanwhile.
class CVendraskCallUp final {
public:
    CVendraskCallUp(CVendraskApp& app, CKelvoCommonScheduler& scheduler, CVendraskCallUpView& view);
    CVendraskCallUp(const CVendraskCallUp&) = delete;
    CVendraskCallUp& operator=(const CVendraskCallUp&) = delete;

    // Opacities a fade shows, one every kFadeStepMs, the final value last.
    static std::vector<int> FadeSequence(int fadeLevel, int transparency, int fadeAlpha,
                                         bool fadeIn);
    static constexpr int kFadeStepMs = 30;

    // Show: present, fade in, open sound. Hide: close sound, fade out,
    // dismiss; quiet (no sound, no fade) when asked for, which it clears.
    // Asked for during a fade, either waits for the fade's end, in line
    // with the keys and clicks that came meanwhile.
    void Show();
    void Hide();
    // Show when hidden, hide when shown. The first call-up releases the
    // start-up guard.
    void Toggle();
    // The hot key with that identifier was pressed.
    void OnHotKey(int identifier);
    // The tray's Pause command: pauses, or resumes.
    void OnPause();
    // The hot key service refused that identifier in its own time.
    void OnHotKeyRefused(int identifier);

    // The start-up guard: nothing shows until the first call-up releases it.
    bool IsKeptHidden() const { return m_flagKeepHidden == 1; }
    void ReleaseKeepHidden() { m_flagKeepHidden = 0; }
    // The next Hide is quiet (no sound, no fade).
    void HideQuietlyNext() { m_flagQuietHide = 1; }
    bool IsQuietHideAsked() const { return m_flagQuietHide == 1; }
    // The hot key does nothing while paused.
    bool IsPaused() const { return m_flagHotKeyActive == 0; }
    bool IsFading() const { return m_fading; }
    CVendraskHotKeyState& HotKeyState() { return m_hotKeyState; }
    const CVendraskHotKeyState& HotKeyState() const { return m_hotKeyState; }

private:
    struct Fade {
        std::vector<int> steps;
        std::size_t next = 0;
    };
    void RunFade(bool fadeIn);
    void FadeStep(const std::shared_ptr<Fade>& fade);
    // A call-up or send-away asked for during a fade waits in line with
    // the input that came meanwhile; requests in a row are one.
    enum class Request { Nothing, Show, Hide, Toggle };
    struct HeldRequest {
        Request what = Request::Nothing;
        bool quiet = false;
    };
    void HoldRequest(Request what);
    void RunHeldRequest(const std::shared_ptr<HeldRequest>& request);
    void PlaySound(int sound);

    CVendraskApp& m_app;
    CKelvoCommonScheduler& m_scheduler;
    CVendraskCallUpView& m_view;
    CVendraskHotKeyState m_hotKeyState;
    int m_flagHotKeyActive = 1;
    int m_flagKeepHidden = 1;
    int m_flagQuietHide = 0;
    int m_fadeAlpha = 0;
    bool m_fading = false;
    // The request waiting last in the scheduler's line, while it is last.
    std::shared_ptr<HeldRequest> m_heldRequest;
    std::uint64_t m_heldPlace = 0;
};
