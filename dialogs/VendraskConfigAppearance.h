// SPDX-License-Identifier: MIT
#pragma once

#include "common/controls/KelvoCommonColor.h"
#include "dialogs/VendraskConfigPage.h"

#include <array>
#include <functional>
#include <optional>

class QPainter;

// The second page: colour set, the user-defined set's ten colours,
// transparency, fade level, inverted title strip and the two fonts. Every
// change goes into the model at once and, but for the fade level, is
// applied at once to every open window of the program.
class CVendraskConfigAppearance final : public CVendraskConfigPage {
    Q_OBJECT

public:
    static constexpr int kIdDialogFont = 1133;
    static constexpr int kIdButtonFont = 1134;
    static constexpr int kIdColorSet = 1135;
    static constexpr int kIdTransparency = 1136;
    static constexpr int kIdFadeLevel = 1137;
    static constexpr int kIdWhiteTitlebar = 1138;
    static constexpr int kIdFirstSwatch = 1159; // 1159 + colour number

    // "Select Color" button of each colour, in colour order.
    static constexpr std::array<int, 10> kSelectColorIds{1139, 1141, 1142, 1140, 1143,
                                                         1144, 1145, 1146, 1147, 1148};
    static constexpr std::array<const char*, 7> kColorSetNames{
        QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "User Defined"),
        QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Aqua Blue"),
        QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Champagne Gold"),
        QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Rose Pink"),
        QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Sunshine Orange"),
        QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Ocean Cobalt"),
        QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "High Contrast")};
    static constexpr std::array<int, 11> kTransparencies{255, 240, 230, 220, 210, 200,
                                                         180, 160, 140, 120, 100};
    static constexpr int kFadeLevelCount = 8;

    // Asks for a colour, starting at initial; nothing when cancelled.
    using ColorChooser = std::function<std::optional<COLORREF>(QWidget* owner, COLORREF initial)>;
    static std::optional<COLORREF> DefaultColorChooser(QWidget* owner, COLORREF initial);

    // A colour's swatch: a one-pixel frame, the colour inside it.
    static void PaintSwatch(QPainter& painter, const QRect& rect, const QColor& frame,
                            COLORREF fill);
    // Where the swatch of a colour lies on the page.
    static QRect SwatchRect(int color);

    CVendraskConfigAppearance(CVendraskApp& app, QWidget* parent);
    ~CVendraskConfigAppearance() override;

    void ApplyPageColors() override;
    void SetColorChooser(ColorChooser chooser) { m_colorChooser = std::move(chooser); }

protected:
    void OnInitDialog() override;
    void PaintPage(QPainter& painter) override;

private:
    void OnSelectColor(int color);
    void OnFontChanged(int id);
    void OnColorSetChanged(int index);
    void OnTransparencyChanged(int index);
    void OnFadeLevelChanged(int index);
    void OnWhiteTitlebar();
    void EnableSelectColor();
    // Rebuilds the model's drawing objects, re-colours this page and tells
    // the configuration window, which passes it on to the menu window.
    void Apply();

    std::array<CKelvoCommonButton*, 10> m_selectColor{};
    std::array<CKelvoCommonStatic*, 15> m_static{};
    CKelvoCommonCombo* m_dialogFont = nullptr;
    CKelvoCommonCombo* m_buttonFont = nullptr;
    CKelvoCommonCombo* m_colorSet = nullptr;
    CKelvoCommonCombo* m_transparency = nullptr;
    CKelvoCommonCombo* m_fadeLevel = nullptr;
    CKelvoCommonCheck* m_whiteTitlebar = nullptr;
    ColorChooser m_colorChooser;
};
