// SPDX-License-Identifier: MIT
#pragma once

class CVendraskApp;

// The launcher's hot key as the system holds it: registered while not
// paused, unless the system refused the combination (another program holds
// it). A refusal is remembered, so status can tell, and the next choice does
// not unregister what was never held.
class CVendraskHotKeyState final {
public:
    enum class Choice {
        Taken,        // registered, or stored while paused
        KeptPrevious, // refused; the combination before it works again
        Refused,      // refused, and so was the one before: no hot key
    };

    explicit CVendraskHotKeyState(CVendraskApp& app);
    CVendraskHotKeyState(const CVendraskHotKeyState&) = delete;
    CVendraskHotKeyState& operator=(const CVendraskHotKeyState&) = delete;

    // Registers the stored combination; false when refused.
    bool Arm();
    void Pause();
    // Registers the stored combination again; false when refused.
    bool Resume();
    // The user chose another combination: stores it in the model and, unless
    // paused, registers it. A refused one gives way to the one before.
    Choice Choose(int modifier, int code);
    // The end of the run: whatever is held goes.
    void Release();
    // The system refused in its own time what Register had seemed to take;
    // true when that is the combination held now.
    bool RefusedLater(int identifier);

    bool IsPaused() const { return m_flagHotKeyRegistered == 0; }
    bool IsRefused() const { return !IsPaused() && m_refused; }
    bool IsRegistered() const { return !IsPaused() && !m_refused; }

private:
    bool RegisterStored();

    CVendraskApp& m_app;
    // 0 while paused, as the Behavior page sees it.
    int m_flagHotKeyRegistered = 1;
    bool m_refused = false;
};
