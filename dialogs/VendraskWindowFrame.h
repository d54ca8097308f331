// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

class CKelvoCommonButton;
class CVendraskApp;
class QKeyEvent;
class QPainter;
class QScreen;
class QWidget;

// The frame the menu window and every small window share: the title strip
// (drawn lighter while the window is disabled or a modal window runs over
// it, and the handle that moves the window), the caption buttons on it,
// the framed gradient background, placement on a screen, the close keys
// and Enter clicking the focused control. The window holds one and calls
// it from its own paint and key handling; the strip's state and the drag
// the frame follows by itself.
class CVendraskWindowFrame final : public QObject {
    Q_OBJECT

public:
    static constexpr int kTitleHeight = 21;
    static constexpr QSize kCaptionButtonSize{16, 15};

    // The title rectangle (1, 1, width - 1, 22), right and bottom exclusive.
    static constexpr QRect TitleRect(int width) { return {1, 1, width - 2, kTitleHeight}; }
    // A caption button whose right edge lies inset pixels inside the
    // window's: 6 for the close (or hide) button, 36 for the next one left.
    static constexpr QRect CaptionButtonRect(int width, int inset) {
        return {width - inset - kCaptionButtonSize.width(), 3, kCaptionButtonSize.width(),
                kCaptionButtonSize.height()};
    }
    static constexpr int kCloseInset = 6;
    static constexpr int kSecondInset = 36;

    // Where a window of that size goes on a monitor: centred, halves
    // rounded down, or at the monitor's left or top edge when it does not fit.
    static QPoint CentredOn(const QRect& monitor, QSize window);
    // The monitor under the pointer, else the nearest one.
    static QScreen* ScreenUnderPointer();
    // The background of a window: the active colour set's dialog gradient,
    // fully opaque, framed with the dialog frame colour.
    static void PaintBackground(QPainter& painter, const QRect& rect, const CVendraskApp& app);
    // Its two parts. The gradient changes only from top to bottom.
    static void PaintGradient(QPainter& painter, const QRect& rect, const CVendraskApp& app);
    static void PaintFrame(QPainter& painter, const QRect& rect, const CVendraskApp& app);
    // Escape alone and Alt+F4: the window's close command.
    static bool IsCloseKey(const QKeyEvent& event);

    // window: the frameless top-level window the frame belongs to (and its
    // parent).
    CVendraskWindowFrame(CVendraskApp& app, QWidget* window);

    // A button on the title strip: it follows the strip's inversion and
    // enabled look.
    void AddCaptionButton(CKelvoCommonButton* button);
    QRect TitleRect() const;
    // Enabled and no modal window over it.
    bool IsDrawnEnabled() const;
    // The title strip after the window's state; the caption buttons follow.
    void PaintTitle(QPainter& painter);
    // The caption buttons' inversion and enabled look after the window's.
    void UpdateCaptionButtons();
    // Centred on the primary screen's work area.
    void MoveToPrimaryScreen();
    // Centred on the whole monitor under the pointer.
    void MoveToPointerMonitor();
    // Clicks the focused control at its centre with a real click.
    void ClickFocusedControl() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A left-button move over the title strip: the window manager moves
    // the window. True when it took the event.
    bool StartTitleDrag(const QEvent& event);

    CVendraskApp& m_app;
    QWidget* m_window;
    std::vector<CKelvoCommonButton*> m_captionButtons;
    bool m_windowBlocked = false;
};
