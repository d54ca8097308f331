// SPDX-License-Identifier: MIT
#pragma once

#include "app/VendraskApp.h"
#include "app/VendraskHotKeyState.h"
#include "common/hook/KelvoCommonHookMouse.h"
#include "common/platform/KelvoCommonHotKey.h"
#include "dialogs/VendraskConfigPage.h"

#include <array>
#include <span>

class QPainter;

// The first page: how the menu is called up and how it behaves. Every
// change goes into the model at once; a new hot key is registered at once
// (unless the hot key is paused) and the mouse hook's switches are copied
// into the running hook, so an edge switched off stops working at once.
class CVendraskConfigBehavior final : public CVendraskConfigPage {
    Q_OBJECT

public:
    static constexpr int kIdEdgeFrame = 1112;
    static constexpr int kIdEdgeLabel = 1113;
    static constexpr int kIdHotKey = 1117;
    static constexpr int kIdHookWait = 1118;
    static constexpr int kIdDefaultGroup = 1119;
    static constexpr int kIdTop = 1120;
    static constexpr int kIdBottom = 1121;
    static constexpr int kIdLeft = 1122;
    static constexpr int kIdRight = 1123;
    static constexpr int kIdClickOnDesktop = 1124;
    static constexpr int kIdConfirmation = 1125;
    static constexpr int kIdItemLock = 1126;
    static constexpr int kIdTopMost = 1127;
    static constexpr int kIdUnableHotKey = 1128;

    struct HotKeyEntry {
        const char* text;
        int modifier;
        int code;
    };
    struct ValueEntry {
        const char* text;
        int value;
    };
    using HotKey = CKelvoCommonHotKey;
    static constexpr std::array<HotKeyEntry, 5> kHotKeys{{
        {QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Ctrl + Alt"),
         HotKey::kModControl | HotKey::kModAlt, 0},
        {QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Ctrl + Shift"),
         HotKey::kModControl | HotKey::kModShift, 0},
        {QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Shift + Alt"),
         HotKey::kModShift | HotKey::kModAlt, 0},
        {QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Ctrl + Alt + Shift"),
         HotKey::kModControl | HotKey::kModAlt | HotKey::kModShift, 0},
        {QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Alt + Q"), HotKey::kModAlt, 'Q'},
    }};
    static constexpr std::array<ValueEntry, 8> kHookWaits{
        {{"0ms", 0},
         {"100ms", 100},
         {"200ms", 200},
         {"500ms", 500},
         {"1000ms", 1000},
         {"2000ms", 2000},
         {"3000ms", 3000},
         {QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "Click"),
          CKelvoCommonHookMouse::kClickMode}}};
    static constexpr std::array<ValueEntry, 11> kDefaultGroups{
        {{QT_TRANSLATE_NOOP("CVendraskConfigBehavior", "None"), CVendraskApp::kDefaultGroupNone},
         {"1", 1},
         {"2", 2},
         {"3", 3},
         {"4", 4},
         {"5", 5},
         {"6", 6},
         {"7", 7},
         {"8", 8},
         {"9", 9},
         {"0", 0}}};

    // Item of the hot key list a stored combination shows, or -1: a
    // modifier-only chord by its modifiers, anything with Q as "Alt + Q".
    static int HotKeyIndex(int modifier, int code);
    // What a screen reader calls an edge's box, which shows no text.
    static QString EdgeName(int id);
    // Item of a value list with that value, or -1.
    static int ValueIndex(std::span<const ValueEntry> table, int value);

    // hotKeyState: the menu's hot key, which a new choice registers.
    CVendraskConfigBehavior(CVendraskApp& app, QWidget* parent, CVendraskHotKeyState& hotKeyState);
    ~CVendraskConfigBehavior() override;

    void ApplyPageColors() override;

protected:
    void OnInitDialog() override;
    void PaintPage(QPainter& painter) override;

private:
    void OnHotKeyChanged(int index);
    void OnHookWaitChanged(int index);
    void OnDefaultGroupChanged(int index);
    void OnCheck(int id);

    CVendraskHotKeyState& m_hotKeyState;
    // The list item of the combination in use, for a refusal to return to.
    int m_hotKeyIndex = -1;
    std::array<CKelvoCommonStatic*, 4> m_static{};
    CKelvoCommonCombo* m_hotKey = nullptr;
    CKelvoCommonCombo* m_hookWait = nullptr;
    CKelvoCommonCombo* m_defaultGroup = nullptr;
    std::array<CKelvoCommonCheck*, 9> m_check{};
    QWidget* m_edgeFrame = nullptr;
};
