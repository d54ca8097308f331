// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/controls/KelvoCommonColor.h"

#include <QBrush>
#include <QComboBox>
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;

// Owner-drawn drop-down list in the library's flat colours: the closed face
// (text, the arrow pictures 1004-1006 stretched into a 15-pixel button at
// the right, a frame left of it) and the entries of the list are painted
// by the control. It can fill itself with the system's scalable outline
// font families and hand back the description (a QFont) of the name shown.
//
// The user can only choose entries (a drop-down list); the window text is
// the chosen entry's text.
class KELVOCOMMON_EXPORT CKelvoCommonCombo : public QComboBox {
    Q_OBJECT

public:
    // Style bit: entries are kept in case-insensitive order as they are added.
    static constexpr quint32 CBS_SORT = 0x0100;
    // Character sets of EnumFont.
    static constexpr quint8 ANSI_CHARSET = 0;
    static constexpr quint8 DEFAULT_CHARSET = 1;
    // Font types the enumeration reports: only outline fonts are listed.
    static constexpr int RASTER_FONTTYPE = 1;
    static constexpr int DEVICE_FONTTYPE = 2;
    static constexpr int TRUETYPE_FONTTYPE = 4;
    // The arrow button's width at the right of the face.
    static constexpr int kArrowWidth = 15;
    // Text insets of the face and of the list's entries.
    static constexpr int kFaceTextIndent = 8;
    static constexpr int kEntryTextIndent = 5;
    // The sample text the entries' height is measured with.
    static constexpr QStringView kSampleText = u"KelvoCommonCombo";

    explicit CKelvoCommonCombo(QWidget* parent = nullptr, quint32 style = 0);
    ~CKelvoCommonCombo() override;

    // Recreates the three brushes; no repaint.
    void SetColor(CKelvoCommonComboColor color);
    void GetColor(CKelvoCommonComboColor* color) const;

    // Adds the outline font families of the character set (DEFAULT_CHARSET:
    // all); with clear non-zero the list and the font list are emptied first.
    // A family is skipped when an entry already begins with its name, in any
    // case.
    void EnumFont(quint8 charSet, int clear);
    // The description of the name shown now, compared case-sensitively; 0
    // when no listed family has that name, and out is left alone.
    int GetLogFont(QFont* out) const;
    // One family reported by the enumeration; always answers 1 (go on).
    static int EnumFontFamExProc(const QFont& description, int fontType, CKelvoCommonCombo* combo);

    // The list operations the owners use, with the list box's answers.
    // Adds an entry (in order when sorted) and answers its index.
    int AddString(const QString& text);
    // The first entry after index start (-1: from the top, going round)
    // that begins with text, in any case; -1 when none does.
    int FindString(int start, const QString& text) const;
    // Deletes an entry and answers the number left, or -1 for a bad index.
    int DeleteString(int index);
    int GetCount() const { return count(); }
    int GetCurSel() const { return currentIndex(); }
    // -1 for a bad index, which also clears the selection.
    int SetCurSel(int index);
    QString GetLBText(int index) const { return itemText(index); }

    // The size of the sample text, as measured for the entries.
    QSize MeasuredSize() const { return m_measuredSize; }
    int IsPressed() const { return m_pressed; }
    // The face names of the font list, in the order added.
    QStringList FontListNames() const;
    // The background brush for the enabled state (CtlColor's answer).
    QBrush CtlColor() const;

    // --- Paint decisions, free of widget state ---

    struct FaceState {
        bool enabled = true;
        bool pressed = false;
    };
    // The closed face: background, text, arrow button, frame.
    static void PaintFace(QPainter& painter, QRect client, const QString& text, FaceState state,
                          const CKelvoCommonComboColor& colors, const QPixmap& arrow);
    // The arrow picture id for a state: disabled wins over pressed.
    static int ArrowPictureId(FaceState state);
    // One entry of the list; a null text draws the fill only.
    static void PaintEntry(QPainter& painter, QRect item, bool selected, const QString& text,
                           const CKelvoCommonComboColor& colors);
    // The family list of the system for a character set, in the database's
    // order, each with its font type.
    struct FontFamily {
        QString name;
        int fontType = TRUETYPE_FONTTYPE;
    };
    static std::vector<FontFamily> SystemFontFamilies(quint8 charSet);

    CKelvoCommonComboColor m_color;

public Q_SLOTS:
    // The list drops below the face, maxVisibleItems entries tall.
    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The entries' height from the sample text in the default font.
    void MeasureItem();

private:
    struct FontEntry {
        QString faceName;
        QFont description;
    };

    void CreateBrushes();
    void ApplyListColors();
    const QPixmap& ArrowPicture(int id);

    int m_pressed = 0;
    QSize m_measuredSize{100, 18};
    quint32 m_style = 0;
    QPixmap m_arrowNormal;
    QPixmap m_arrowDisabled;
    QPixmap m_arrowPressed;
    qreal m_arrowRatio = 0.0;
    QBrush m_brushBackground;
    QBrush m_brushBackgroundDisabled;
    QBrush m_brushFrame;
    std::vector<FontEntry> m_fontList;
};
