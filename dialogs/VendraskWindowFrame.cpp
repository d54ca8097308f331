// SPDX-License-Identifier: MIT
#include "dialogs/VendraskWindowFrame.h"

#include "app/VendraskApp.h"
#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCapture.h"
#include "common/controls/KelvoCommonGdiplus.h"
#include "common/controls/KelvoCommonPaint.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

CVendraskWindowFrame::CVendraskWindowFrame(CVendraskApp& app, QWidget* window)
    : QObject(window), m_app(app), m_window(window) {
    // At start-up the menu's frame waits: the logo's text wakes fontconfig.
    if (m_app.FontsMade())
        m_app.EnsureFonts();
    window->installEventFilter(this);
}

QPoint CVendraskWindowFrame::CentredOn(const QRect& monitor, QSize window) {
    const auto half = [](int free) { return free >= 0 ? free / 2 : 0; };
    return {monitor.left() + half(monitor.width() - window.width()),
            monitor.top() + half(monitor.height() - window.height())};
}

QScreen* CVendraskWindowFrame::ScreenUnderPointer() {
    // With one screen the pointer is on it; reading the pointer costs a round trip.
    if (QGuiApplication::screens().size() == 1)
        return QGuiApplication::primaryScreen();
    const QPoint pointer = QCursor::pos();
    if (QScreen* screen = QGuiApplication::screenAt(pointer))
        return screen;
    QScreen* nearest = QGuiApplication::primaryScreen();
    qint64 best = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const qint64 dx = std::max({g.left() - pointer.x(), 0, pointer.x() - g.right()});
        const qint64 dy = std::max({g.top() - pointer.y(), 0, pointer.y() - g.bottom()});
        if (best < 0 || dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = screen;
        }
    }
    return nearest;
}

void CVendraskWindowFrame::PaintBackground(QPainter& painter, const QRect& rect,
                                           const CVendraskApp& app) {
    PaintGradient(painter, rect, app);
    PaintFrame(painter, rect, app);
}

void CVendraskWindowFrame::PaintGradient(QPainter& painter, const QRect& rect,
                                         const CVendraskApp& app) {
    const CVendraskApp::ColorSet& set = app.ActiveColorSet();
    // Colours 1 and 2 of a set: dialog background top and bottom.
    CKelvoCommonGdiplus::DrawRectGradationVertical(painter, rect, set[1], 255, set[2], 255);
}

void CVendraskWindowFrame::PaintFrame(QPainter& painter, const QRect& rect,
                                      const CVendraskApp& app) {
    kelvo::paint::FrameRect(painter, rect, app.m_brushDialogFrame.color());
}

bool CVendraskWindowFrame::IsCloseKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return (event.key() == Qt::Key_Escape && modifiers == Qt::NoModifier) ||
           (event.key() == Qt::Key_F4 && modifiers == Qt::AltModifier);
}

void CVendraskWindowFrame::AddCaptionButton(CKelvoCommonButton* button) {
    m_captionButtons.push_back(button);
}

QRect CVendraskWindowFrame::TitleRect() const {
    return TitleRect(m_window->width());
}

bool CVendraskWindowFrame::IsDrawnEnabled() const {
    return m_window->isEnabled() && !m_windowBlocked;
}

void CVendraskWindowFrame::PaintTitle(QPainter& painter) {
    m_app.DrawTitleBar(painter, TitleRect(), IsDrawnEnabled());
    UpdateCaptionButtons();
}

void CVendraskWindowFrame::UpdateCaptionButtons() {
    // Only the strip shows a blocked window. The caption buttons keep their
    // own picture: their disabled pictures are the hovered ones, which would
    // light a red close button under every chooser; the modal window keeps
    // the clicks from them anyway.
    const int invert = m_app.m_colorSetInvertTitlebar;
    for (CKelvoCommonButton* button : m_captionButtons) {
        if (button->FlagInvert() != invert)
            button->SetFlagInvert(invert);
        if (button->FlagEnable() != 1)
            button->SetFlagEnable(1);
    }
}

void CVendraskWindowFrame::MoveToPrimaryScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_window->move(CentredOn(screen->availableGeometry(), m_window->size()));
}

void CVendraskWindowFrame::MoveToPointerMonitor() {
    // Where no pointer position can be read, the compositor's focused output.
    CKelvoCommonActiveScreen* active = m_app.Services().activeScreen.get();
    if (const QScreen* screen = active != nullptr ? active->Screen() : ScreenUnderPointer())
        m_window->move(CentredOn(screen->geometry(), m_window->size()));
}

void CVendraskWindowFrame::ClickFocusedControl() const {
    const QWidget* focused = m_window->focusWidget();
    if (focused == nullptr)
        return;
    // The centre of the control on the screen, as a real click would hit it.
    const QRect global(focused->mapToGlobal(QPoint(0, 0)), focused->size());
    const QPoint centre((2 * global.left() + global.width()) / 2,
                        (2 * global.top() + global.height()) / 2);
    m_app.Services().input->ClickAt(centre);
}

bool CVendraskWindowFrame::StartTitleDrag(const QEvent& event) {
    // Moved with the left button alone, no Shift or Ctrl.
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    if (KelvoKeyState(mouse.buttons(), mouse.modifiers()) != MK_LBUTTON ||
        !TitleRect().contains(mouse.position().toPoint()) || m_window->windowHandle() == nullptr)
        return false;
    // A button holding the mouse while hovered lets go of it first.
    if (QWidget* holder = CKelvoCommonCapture::GetCapture())
        CKelvoCommonCapture::ReleaseCapture(holder);
    m_window->windowHandle()->startSystemMove();
    return true;
}

bool CVendraskWindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::WindowBlocked:
    case QEvent::WindowUnblocked:
        m_windowBlocked = event->type() == QEvent::WindowBlocked;
        m_window->update(TitleRect());
        UpdateCaptionButtons();
        return false;
    case QEvent::EnabledChange:
        m_window->update(TitleRect());
        UpdateCaptionButtons();
        return false;
    case QEvent::MouseMove:
        return StartTitleDrag(*event);
    default:
        return false;
    }
}
