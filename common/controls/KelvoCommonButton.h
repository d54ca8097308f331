// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/KelvoCommonMessages.h"
#include "common/KelvoCommonScheduler.h"
#include "common/controls/KelvoCommonColor.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <array>
#include <memory>

class CKelvoCommonDragPicture;
class QUrl;

// The owner-drawn button of every window: flat colours or stretched
// pictures, hover tracked by holding the mouse capture while the pointer is
// over it, an optional toggle, mouse clicks forwarded to the parent, a drag
// of one button onto another that accepts drops, and one file dropped from
// the file manager handed on to the parent.
//
// The parent learns everything through messages (KelvoCommonMessages.h):
//   WM_KC_BUTTON_HOVERED  sent    the pointer entered (not while checked)
//   WM_KC_BUTTON_PRESSED  sent    first thing on a left press
//   WM_LBUTTONDOWN/UP     posted  wParam MK_LBUTTON, lParam the point
//   WM_RBUTTONDOWN/UP     posted  wParam MK_RBUTTON, lParam the point
//   WM_KC_BUTTON_DROPPED  posted  a drag ended over another button that
//                                 accepts drops: wParam object the target,
//                                 lParam object this button
//   WM_DROPFILES          posted  one file dropped on the button
//                                 (CKelvoCommonDropFilesEvent)
// and clicked() as any button (a press and release on the button).
// The widget under the pointer during a drag receives WM_KC_DRAGGING_HOVERED
// (sent) when it accepts drops.
class KELVOCOMMON_EXPORT CKelvoCommonButton : public QAbstractButton {
    Q_OBJECT

public:
    // Four texts a sender may store in the button (WM_KC_SET_PARAMETER).
    class KELVOCOMMON_EXPORT CFileParameter {
    public:
        // Characters of each text, the terminator included.
        static constexpr qsizetype kCapacity = 260;

        CFileParameter() = default;
        CFileParameter(const CFileParameter&) = default;
        CFileParameter& operator=(const CFileParameter&) = default;
        virtual ~CFileParameter();

        std::array<QString, 4> m_text;
    };

    // Painting modes.
    static constexpr int kModeColors = 0;
    static constexpr int kModeTwoBitmaps = 1;
    static constexpr int kModeThreeBitmaps = 2;

    // Everything a paint of the button depends on besides colours, pictures
    // and text.
    struct PaintState {
        int bitmapMode = kModeColors;
        bool enabled = true;
        bool hovered = false;
        bool pressed = false;
        bool checked = false;
        bool checkMode = false;
        bool invert = false;
        bool focused = false;
    };

    struct Pictures {
        QPixmap normal;
        QPixmap pressed;
        QPixmap disabled;
    };

    // The colour adjustment applied to a picture: brightness from -100 to
    // 100 moves every channel by that share of full scale; negative then
    // turns the colours over. The brightness works on the picture before it
    // is turned, which is why inverted pictures take the opposite sign.
    struct ColorAdjustment {
        bool negative = false;
        int brightness = 0;
        friend bool operator==(const ColorAdjustment&, const ColorAdjustment&) = default;
    };

    // The one-pixel frame a drop target shows while a button is dragged over it.
    enum class DragHoverFrame { None, Focused, NotFocused };

    explicit CKelvoCommonButton(QWidget* parent = nullptr);
    explicit CKelvoCommonButton(const QString& text, QWidget* parent = nullptr);
    ~CKelvoCommonButton() override;

    // Colours; neither repaints.
    void SetColor(CKelvoCommonButtonColor color);
    void GetColor(CKelvoCommonButtonColor* color) const;
    // Two pictures (normal, disabled) or three (normal, pressed, disabled);
    // the pictures are shared, not copied.
    void SetBitmap(const QPixmap& normal, const QPixmap& disabled);
    void SetBitmap(const QPixmap& normal, const QPixmap& pressed, const QPixmap& disabled);
    void SetFlagInvert(int value);
    // Only 1 draws the button enabled; it still takes the mouse either way.
    void SetFlagEnable(int value);
    // 1: a tab stop; anything else: focus by click or code only.
    void SetFlagTabStop(int value);
    void SetFlagBeginDrag(int value);
    void SetCheckMode(int value);
    // 1 checks, 0 unchecks (repainting on a change); other values are ignored.
    void SetCheck(int value);
    int GetCheck() const;
    // The key a screen reader names as the button's shortcut; only told, the
    // owner handles the key itself.
    void SetAccessibleShortcut(const QString& shortcut);
    QString AccessibleShortcut() const { return m_accessibleShortcut; }
    // In check mode, or its owner shows a checked state with SetCheck (the
    // menu's group buttons): a screen reader calls it checkable.
    bool IsCheckable() const { return m_flagCheckMode != 0 || m_ownerChecks; }

    // Drawn and treated as enabled: m_flagEnable is 1 and the widget is enabled.
    bool IsDrawnEnabled() const;
    PaintState CurrentPaintState() const;
    // What the button's picture is made of: equal keys paint alike (the
    // menu's picture cache compares them).
    QByteArray PaintKey() const;
    DragHoverFrame CurrentDragHoverFrame() const { return m_dragHoverFrame; }
    bool IsDragHoverTimerActive() const { return m_dragHoverTimer.IsActive(); }
    // The drag-hover highlight's second runs on it (Qt's timers unless set).
    void SetScheduler(CKelvoCommonScheduler& scheduler) {
        m_dragHoverTimer.SetScheduler(scheduler);
    }

    // The whole picture of a button.
    static void Paint(QPainter& painter, QRect rect, const PaintState& state,
                      const CKelvoCommonButtonColor& colors, const Pictures& pictures,
                      const QString& text, QColor bitmapTextColor);
    static void PaintColorMode(QPainter& painter, QRect rect, const PaintState& state,
                               const CKelvoCommonButtonColor& colors);
    static COLORREF BackgroundColor(const PaintState& state, const CKelvoCommonButtonColor& colors);
    static COLORREF FrameColor(const PaintState& state, const CKelvoCommonButtonColor& colors);
    static COLORREF TextColor(const PaintState& state, const CKelvoCommonButtonColor& colors);
    // Stretches the source rectangle (the normal picture's size) of picture
    // smoothly over rect, adjusted; notSource turns the result over as well.
    static void PaintPicture(QPainter& painter, QRect rect, const QPixmap& picture,
                             QSizeF sourceSize, ColorAdjustment adjustment, bool notSource);
    static ColorAdjustment TwoBitmapAdjustment(const PaintState& state);
    static ColorAdjustment ThreeBitmapAdjustment(const PaintState& state);
    // Which picture a bitmap mode shows (may be null).
    static const QPixmap& ChosenPicture(const PaintState& state, const Pictures& pictures);
    static QRgb AdjustPixel(QRgb pixel, ColorAdjustment adjustment, bool notSource);
    static void PaintDragHoverFrame(QPainter& painter, QRect rect, DragHoverFrame frame,
                                    const CKelvoCommonButtonColor& colors);
    // The drag picture: white text on black, the button's size, the text
    // centred on one line and cut with an ellipsis.
    static QPixmap DragPicture(QSize size, const QString& text, const QFont& font,
                               qreal devicePixelRatio);

    // The look's flags stored as given (only 1 counts), repainting; for a
    // picture of a state the pointer did not make.
    void SetFlagHovered(int value);
    void SetFlagPressed(int value);
    void SetFlagChecked(int value);

    int FlagHovered() const { return m_flagHovered; }
    int FlagPressed() const { return m_flagPressed; }
    int FlagChecked() const { return m_flagChecked; }
    int FlagCheckMode() const { return m_flagCheckMode; }
    int FlagInvert() const { return m_flagInvert; }
    int FlagEnable() const { return m_flagEnable; }
    int FlagDragging() const { return m_flagDragging; }
    int FlagBeginDrag() const { return m_flagBeginDrag; }
    int BitmapMode() const { return m_bitmapMode; }
    const QPixmap& BitmapNormal() const { return m_bitmapNormal; }
    const QPixmap& BitmapPressed() const { return m_bitmapPressed; }
    const QPixmap& BitmapDisabled() const { return m_bitmapDisabled; }
    const CFileParameter& FileParameter() const { return m_fileParameter; }

    // Public: the launcher sets the colours of its buttons directly.
    CKelvoCommonButtonColor m_color;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QSize sizeHint() const override;

    // The design's handlers, in the terms of its messages.
    void OnMouseMove(quintptr keyState, QPoint point, QPoint global);
    void OnLButtonDown(QPoint point);
    void OnLButtonUp(QPoint point, QPoint global);
    void OnRButtonDown(QPoint point);
    void OnRButtonUp(QPoint point);
    void OnCaptureChanged(QWidget* gaining);
    void OnDraggingHovered();
    void OnTimer();
    void OnChar(int code);
    // Returns whether the drop was handed on.
    bool OnDropFiles(const QList<QUrl>& urls);
    qintptr OnSetParameter(const CKelvoCommonMessageEvent& message);

    void BeginDrag(QPoint global);
    void EndDrag(QPoint global);
    void WriteGlobalAndDrop(const QString& path, QObject* target);

private:
    void Initialize();
    // Repaints the whole button; whatever was drawn over it is gone.
    void Invalidate();
    bool FocusChangesLook() const;
    bool HoldsCapture() const;
    void SendToParent(QEvent::Type message);
    void PostToParent(QEvent::Type message, quintptr wParam, QPoint point);
    // The press handling every button has underneath: a left press takes the
    // capture, the release lets go of it and clicks when still over the button.
    void StandardLButtonDown();
    void StandardMouseMove(QPoint point, Qt::MouseButtons buttons);
    void StandardLButtonUp(QPoint point);
    void StandardCaptureChanged();
    // A mouse event Qt gave this button only because a press began here,
    // while the pointer is elsewhere and the capture is gone: it belongs to
    // the button under the pointer, if any.
    bool IsStrayEvent(QPoint point) const;
    void PassToButtonUnderPointer(QMouseEvent* event);

    QPixmap m_bitmapNormal;
    QPixmap m_bitmapPressed;
    QPixmap m_bitmapDisabled;
    int m_bitmapMode = kModeColors;
    int m_flagHovered = 0;
    int m_flagPressed = 0;
    int m_flagPressStarted = 0;
    int m_flagChecked = 0;
    int m_flagCheckMode = 0;
    QString m_accessibleShortcut;
    bool m_ownerChecks = false;
    int m_flagInvert = 0;
    int m_flagEnable = 1;
    int m_flagDragging = 0;
    int m_flagBeginDrag = 0;
    CFileParameter m_fileParameter;
    std::unique_ptr<CKelvoCommonDragPicture> m_dragPicture;
    QPoint m_lastPointer;
    CKelvoCommonOneShot m_dragHoverTimer{[this] { OnTimer(); }};
    DragHoverFrame m_dragHoverFrame = DragHoverFrame::None;
    bool m_standardCaptured = false;
};
