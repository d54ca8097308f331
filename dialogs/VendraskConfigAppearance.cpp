// SPDX-License-Identifier: MIT
#include "dialogs/VendraskConfigAppearance.h"

#include "app/VendraskApp.h"
#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonCombo.h"
#include "common/controls/KelvoCommonPaint.h"
#include "common/controls/KelvoCommonStatic.h"
#include "dialogs/VendraskDialogUnits.h"

#include <QColorDialog>
#include <QPainter>
#include <algorithm>

using VendraskDialogUnits::Rect;

namespace {

// The colour rows: label id, text and place (dialog units), in colour order.
struct ColorRow {
    int labelId;
    const char* text;
    int x;
    int y;
};
constexpr std::array<ColorRow, 10> kColorRows{{
    {1149, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Dialog Text Color"), 12, 84},
    {1150, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Dialog Background(Top) Color"), 12, 108},
    {1151, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Dialog Background(Bottom) Color"), 12,
     132},
    {1152, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Dialog Frame Color"), 12, 156},
    {1153, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Button Text Color"), 12, 180},
    {1154, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Button Background Default Color"), 234,
     84},
    {1155, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Button Background Hovered Color"), 234,
     108},
    {1156, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Button Background Clicked Color"), 234,
     132},
    {1157, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Button Frame Focused Color"), 234, 156},
    {1158, QT_TRANSLATE_NOOP("CVendraskConfigAppearance", "Button Frame Not Focused Color"), 234,
     180},
}};

// A swatch lies 120 units right of its label and 3 higher, its button 24
// units right of the swatch; each measured from left edge to left edge.
constexpr int kSwatchOffsetX = 120;
constexpr int kSwatchOffsetY = -3;
constexpr int kButtonOffsetX = kSwatchOffsetX + 24;

} // namespace

QRect CVendraskConfigAppearance::SwatchRect(int color) {
    const ColorRow& row = kColorRows[static_cast<std::size_t>(std::clamp(color, 0, 9))];
    return Rect(row.x + kSwatchOffsetX, row.y + kSwatchOffsetY, 18, 13);
}

void CVendraskConfigAppearance::PaintSwatch(QPainter& painter, const QRect& rect,
                                            const QColor& frame, COLORREF fill) {
    kelvo::paint::FrameRect(painter, rect, frame);
    painter.fillRect(rect.adjusted(1, 1, -1, -1), kelvo::paint::Color(fill));
}

std::optional<COLORREF> CVendraskConfigAppearance::DefaultColorChooser(QWidget* owner,
                                                                       COLORREF initial) {
    const QColor chosen = QColorDialog::getColor(kelvo::paint::Color(initial), owner);
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<COLORREF>(chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16));
}

CVendraskConfigAppearance::CVendraskConfigAppearance(CVendraskApp& app, QWidget* parent)
    : CVendraskConfigPage(app, parent, tr("Vendrask Configuration (Appearance)")),
      m_colorChooser(&CVendraskConfigAppearance::DefaultColorChooser) {
    setObjectName(QStringLiteral("VendraskConfigAppearance"));
    // Creation order is the tab order: the upper part, then the colour rows.
    m_static[2] = AddStatic(1130, tr("Color Set"), Rect(12, 12, 60, 12));
    m_colorSet = AddCombo(kIdColorSet, Rect(72, 8, 144, 62));
    // Each list's label is its screen-reader label; no text here has a mnemonic.
    m_static[2]->setBuddy(m_colorSet);
    m_static[3] = AddStatic(1131, tr("Transparency"), Rect(12, 36, 60, 12));
    m_transparency = AddCombo(kIdTransparency, Rect(72, 32, 54, 62));
    m_static[3]->setBuddy(m_transparency);
    m_static[4] = AddStatic(1132, tr("Fade Level"), Rect(12, 60, 60, 12));
    m_fadeLevel = AddCombo(kIdFadeLevel, Rect(72, 56, 54, 62));
    m_static[4]->setBuddy(m_fadeLevel);
    m_static[1] = AddStatic(1129, tr("Button Font"), Rect(234, 12, 60, 12));
    m_buttonFont = AddCombo(kIdButtonFont, Rect(294, 8, 144, 62), CKelvoCommonCombo::CBS_SORT);
    m_static[1]->setBuddy(m_buttonFont);
    m_static[0] = AddStatic(1128, tr("Dialog Font"), Rect(234, 36, 60, 12));
    m_dialogFont = AddCombo(kIdDialogFont, Rect(294, 32, 144, 62), CKelvoCommonCombo::CBS_SORT);
    m_static[0]->setBuddy(m_dialogFont);
    m_whiteTitlebar = AddCheck(kIdWhiteTitlebar, tr("White Titlebar"), Rect(234, 59, 94, 10), true);
    for (std::size_t i = 0; i < kColorRows.size(); ++i) {
        const ColorRow& row = kColorRows[i];
        m_static[5 + i] = AddStatic(row.labelId, tr(row.text), Rect(row.x, row.y, 120, 12));
        m_selectColor[i] = AddButton(kSelectColorIds[i], tr("Select Color"),
                                     Rect(row.x + kButtonOffsetX, row.y + kSwatchOffsetY, 60, 13));
        connect(m_selectColor[i], &QAbstractButton::clicked, this,
                [this, i] { OnSelectColor(static_cast<int>(i)); });
    }
    connect(m_dialogFont, &QComboBox::activated, this, [this] { OnFontChanged(kIdDialogFont); });
    connect(m_buttonFont, &QComboBox::activated, this, [this] { OnFontChanged(kIdButtonFont); });
    connect(m_colorSet, &QComboBox::activated, this, &CVendraskConfigAppearance::OnColorSetChanged);
    connect(m_transparency, &QComboBox::activated, this,
            &CVendraskConfigAppearance::OnTransparencyChanged);
    connect(m_fadeLevel, &QComboBox::activated, this,
            &CVendraskConfigAppearance::OnFadeLevelChanged);
    connect(m_whiteTitlebar, &CKelvoCommonCheck::Flipped, this,
            &CVendraskConfigAppearance::OnWhiteTitlebar);
}

CVendraskConfigAppearance::~CVendraskConfigAppearance() = default;

void CVendraskConfigAppearance::OnInitDialog() {
    for (const char* name : kColorSetNames)
        m_colorSet->AddString(tr(name));
    for (int value : kTransparencies)
        m_transparency->AddString(QString::number(value));
    for (int level = 0; level < kFadeLevelCount; ++level)
        m_fadeLevel->AddString(QString::number(level));
    const int index = m_app.m_colorSetIndex;
    m_colorSet->SetCurSel(index >= 0 && index < CVendraskApp::kColorSetCount ? index : -1);
    // The first item that begins with the stored value, else the first
    // item; the stored value itself stays as it is.
    SelectByPrefix(*m_transparency, QString::number(m_app.m_colorSetTransparency));
    SelectByPrefix(*m_fadeLevel, QString::number(m_app.m_colorSetFadeLevel));
    m_dialogFont->EnumFont(CKelvoCommonCombo::DEFAULT_CHARSET, 0);
    m_buttonFont->EnumFont(CKelvoCommonCombo::DEFAULT_CHARSET, 0);
    SelectByPrefix(*m_dialogFont, m_app.m_fontDialogFaceName);
    SelectByPrefix(*m_buttonFont, m_app.m_fontButtonFaceName);
    EnableSelectColor();
    m_whiteTitlebar->SetCheck(m_app.m_colorSetInvertTitlebar != 0 ? 1 : 0);
}

void CVendraskConfigAppearance::ApplyPageColors() {
    for (CKelvoCommonButton* button : m_selectColor)
        ColorControl(button);
    for (CKelvoCommonStatic* label : m_static)
        ColorControl(label);
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_dialogFont, m_buttonFont, m_colorSet, m_transparency, m_fadeLevel, m_whiteTitlebar})
        ColorControl(control);
}

void CVendraskConfigAppearance::PaintPage(QPainter& painter) {
    const CVendraskApp::ColorSet& set = m_app.ActiveColorSet();
    const QColor frame = m_app.m_brushDialogFrame.color();
    for (int color = 0; color < CVendraskApp::kColorsPerSet; ++color)
        PaintSwatch(painter, SwatchRect(color), frame, set[color]);
}

void CVendraskConfigAppearance::EnableSelectColor() {
    for (CKelvoCommonButton* button : m_selectColor)
        button->setEnabled(m_app.m_colorSetIndex == 0);
}

void CVendraskConfigAppearance::Apply() {
    m_app.ApplyColorSet();
    ApplyPageColors();
    update();
    // The page's parent is the tab control, whose parent is the window.
    QWidget* tab = parentWidget();
    if (QWidget* window = tab != nullptr ? tab->parentWidget() : nullptr)
        KelvoCommonSendMessage(window, WM_APP_COLORCHANGED);
}

void CVendraskConfigAppearance::OnSelectColor(int color) {
    COLORREF& stored = m_app.m_colorSet[0][static_cast<std::size_t>(color)];
    const std::optional<COLORREF> chosen = m_colorChooser(this, stored);
    if (!chosen)
        return;
    stored = *chosen;
    Apply();
}

void CVendraskConfigAppearance::OnFontChanged(int id) {
    if (m_flagInitialized == 0)
        return;
    const bool dialog = id == kIdDialogFont;
    // The whole name is kept; only the font made from it takes a part.
    (dialog ? m_app.m_fontDialogFaceName : m_app.m_fontButtonFaceName) =
        (dialog ? m_dialogFont : m_buttonFont)->currentText();
    Apply();
}

void CVendraskConfigAppearance::OnColorSetChanged(int index) {
    if (m_flagInitialized == 0 || index < 0 || index >= CVendraskApp::kColorSetCount)
        return;
    m_app.m_colorSetIndex = index;
    EnableSelectColor();
    Apply();
}

void CVendraskConfigAppearance::OnTransparencyChanged(int index) {
    if (m_flagInitialized == 0 || index < 0)
        return;
    m_app.m_colorSetTransparency = m_transparency->GetLBText(index).toInt();
    Apply();
}

void CVendraskConfigAppearance::OnFadeLevelChanged(int index) {
    if (m_flagInitialized == 0 || index < 0)
        return;
    // Read by the next fade; nothing to redraw.
    m_app.m_colorSetFadeLevel = m_fadeLevel->GetLBText(index).toInt();
}

void CVendraskConfigAppearance::OnWhiteTitlebar() {
    m_app.m_colorSetInvertTitlebar = m_whiteTitlebar->GetCheck() == 1 ? 1 : 0;
    Apply();
}
