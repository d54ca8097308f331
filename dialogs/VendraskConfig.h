// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/VendraskSmallWindow.h"

class CKelvoCommonTab;
class CVendraskConfigAppearance;
class CVendraskConfigBehavior;
class CVendraskConfigPage;
class CVendraskConfigSound;
class CVendraskHotKeyState;

// The configuration window: three pages on a tab control ("Behavior",
// "Appearance", "Sound"). There is no Cancel: the pages change the model
// as the user goes, and every way of closing writes the general settings
// and reloads the sounds. Colour changes of the Appearance page reach this
// window, the Behavior page and the menu window before the page goes on.
class CVendraskConfig final : public CVendraskSmallWindow {
    Q_OBJECT

public:
    static constexpr int kWidth = 720;
    static constexpr int kHeight = 430;
    static constexpr int kIdClose = 1110;
    static constexpr int kIdTab = 1111;
    // Where the pages lie in the tab control (pixels).
    static constexpr QPoint kPageOrigin{10, 30};
    enum PageIndex { PageBehavior, PageAppearance, PageSound, kPageCount };

    // owner: the menu window, which hears of colour changes.
    // hotKeyState: the menu's hot key, which the Behavior page changes.
    CVendraskConfig(CVendraskApp& app, QWidget* owner, CVendraskHotKeyState& hotKeyState);
    ~CVendraskConfig() override;

    CKelvoCommonTab* Tab() const { return m_tab; }
    // The pages of the current or last run (null before the first run).
    CVendraskConfigBehavior* Behavior() const { return m_behavior; }
    CVendraskConfigAppearance* Appearance() const { return m_appearance; }
    CVendraskConfigSound* Sound() const { return m_sound; }
    CVendraskConfigPage* Page(int index) const;

protected:
    void OnCloseCommand() override;
    void OnInitDialog() override;
    void OnEndDialog() override;
    void PaintBackground(QPainter& painter) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Ctrl+Tab and Ctrl+PageDown show the next page, Ctrl+Shift+Tab and
    // Ctrl+PageUp the one before; true when the key was one of them.
    bool StepPageByKey(const QKeyEvent& event);
    // Gives the keyboard to the first control of the page that Tab reaches.
    static void FocusFirstControl(CVendraskConfigPage& page);
    void ApplyWindowColors();
    void SwitchPage(int index);
    void OnColorChanged();

    CVendraskHotKeyState& m_hotKeyState;
    CKelvoCommonTab* m_tab = nullptr;
    // Children of the tab control, rebuilt at every opening.
    CVendraskConfigBehavior* m_behavior = nullptr;
    CVendraskConfigAppearance* m_appearance = nullptr;
    CVendraskConfigSound* m_sound = nullptr;
};
