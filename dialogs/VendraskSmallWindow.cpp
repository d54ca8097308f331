#include "VendraskSmallWindow.h"

#include "KelvoCommonButton.h"
#include "KelvoCommonCapture.h"
#include "KelvoCommonGdiplus.h"
#include "KelvoCommonMessages.h"
#include "KelvoCommonWindow.h"
#include "VendraskApp.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

CVendraskSmallWindow::CVendraskSmallWindow(CVendraskApp& app, QWidget* parent, QSize size,
                                           const QString& windowText, Placement placement)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_app(app), m_placement(placement),
      m_windowText(windowText) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(size);
    // Modal to the menu window only: the tray icon (and its Close) still
    // reach the launcher while a small window runs.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(windowText);
    if (m_app.m_captionBitmap[0].isNull())
        m_app.LoadCaptionBitmaps();
}

CVendraskSmallWindow::~CVendraskSmallWindow() = default;

QPoint CVendraskSmallWindow::CentredOn(const QRect& monitor, QSize window) {
    const auto half = [](int free) { return free >= 0 ? free / 2 : 0; };
    return {monitor.left() + half(monitor.width() - window.width()),
            monitor.top() + half(monitor.height() - window.height())};
}

QScreen* CVendraskSmallWindow::ScreenUnderPointer() {
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

CKelvoCommonButton* CVendraskSmallWindow::CreateCloseButton(int id) {
    m_closeButton = new CKelvoCommonButton(this);
    KelvoCommonSetDlgCtrlID(m_closeButton, id);
    m_closeButton->setGeometry(CloseRect(width()));
    m_closeButton->SetFlagTabStop(1);
    m_closeButton->SetBitmap(m_app.m_captionBitmap[4], m_app.m_captionBitmap[5]);
    connect(m_closeButton, &QAbstractButton::clicked, this, [this] { OnCloseCommand(); });
    return m_closeButton;
}

void CVendraskSmallWindow::PrepareRun() {
    // Centred on the primary screen first; the pointer's monitor may move it
    // when it is shown.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(CentredOn(screen->availableGeometry(), size()));
    setWindowTitle(m_windowText);
    if (m_closeButton != nullptr) {
        m_closeButton->setGeometry(CloseRect(width()));
        m_closeButton->SetBitmap(m_app.m_captionBitmap[4], m_app.m_captionBitmap[5]);
    }
    OnInitDialog();
    // Every control hears Escape, Alt+F4 and Enter through the frame first.
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children)
        child->installEventFilter(this);
    UpdateCloseButton();
    m_running = true;
}

int CVendraskSmallWindow::DoModal() {
    PrepareRun();
    const int result = exec();
    // A window manager may give the keyboard to no window when this one
    // ends (openbox passes over tool windows such as the menu): hand it
    // back to the window this one was opened over, whose focused control
    // Qt still remembers.
    QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (owner != nullptr && owner->isVisible())
        m_app.Services().windowSystem->ActivateWindow(owner);
    return result;
}

void CVendraskSmallWindow::done(int result) {
    // A chooser still open over this window (or over one of its pages)
    // goes first: Close of the icon menu can end a run at any time.
    const auto choosers = findChildren<QDialog*>();
    for (QDialog* chooser : choosers) {
        if (chooser->isVisible())
            chooser->reject();
    }
    if (m_running) {
        m_running = false;
        OnEndDialog();
    }
    QDialog::done(result);
}

void CVendraskSmallWindow::reject() {
    OnCloseCommand();
}

void CVendraskSmallWindow::ApplyTransparency() {
    // 255 leaves the window opaque, that is not layered at all.
    m_app.Services().windowSystem->SetWindowOpacity(this, m_app.m_colorSetTransparency & 0xFF);
}

void CVendraskSmallWindow::ClickFocusedControl() {
    QWidget* focused = focusWidget();
    if (focused == nullptr)
        return;
    const QRect global(focused->mapToGlobal(QPoint(0, 0)), focused->size());
    const QPoint centre((2 * global.left() + global.width()) / 2,
                        (2 * global.top() + global.height()) / 2);
    m_app.Services().input->ClickAt(centre);
}

void CVendraskSmallWindow::UpdateCloseButton() {
    if (m_closeButton == nullptr)
        return;
    const int invert = m_app.m_colorSetInvertTitlebar;
    const int enable = IsDrawnEnabled() ? 1 : 0;
    if (m_closeButton->m_flagInvert != invert)
        m_closeButton->SetFlagInvert(invert);
    if (m_closeButton->m_flagEnable != enable)
        m_closeButton->SetFlagEnable(enable);
}

// --- Painting -------------------------------------------------------------

void CVendraskSmallWindow::PaintFrame(QPainter& painter, const QRect& rect,
                                      const CVendraskApp& app) {
    const CVendraskApp::ColorSet& set = app.ActiveColorSet();
    // Colours 1 and 2 of a set: dialog background top and bottom.
    CKelvoCommonGdiplus::DrawRectGradationVertical(painter, rect, set[1], 255, set[2], 255);
    painter.save();
    painter.setPen(app.m_brushDialogFrame.color());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void CVendraskSmallWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintBackground(painter);
    m_app.DrawTitleBar(painter, TitleRect(width()), IsDrawnEnabled());
    UpdateCloseButton();
}

// --- Events ---------------------------------------------------------------

bool CVendraskSmallWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowBlocked:
    case QEvent::WindowUnblocked:
        // A chooser over this window: the lighter title strip.
        m_windowBlocked = event->type() == QEvent::WindowBlocked;
        update(TitleRect(width()));
        UpdateCloseButton();
        break;
    case QEvent::EnabledChange:
        update(TitleRect(width()));
        UpdateCloseButton();
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void CVendraskSmallWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_placement != Placement::PointerMonitorTopMost)
        return;
    if (const QScreen* screen = ScreenUnderPointer())
        move(CentredOn(screen->geometry(), size()));
    m_app.Services().windowSystem->SetTopMost(this, true);
}

bool CVendraskSmallWindow::TranslateKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event->key();
    if ((key == Qt::Key_Escape && modifiers == Qt::NoModifier) ||
        (key == Qt::Key_F4 && modifiers == Qt::AltModifier)) {
        OnCloseCommand();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ClickFocusedControl();
        return true;
    }
    return false;
}

bool CVendraskSmallWindow::eventFilter(QObject* watched, QEvent* event) {
    // An open drop-down list is a window of its own: its keys are its own.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && isVisible() && widget != nullptr &&
        widget->window() == this && TranslateKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void CVendraskSmallWindow::keyPressEvent(QKeyEvent* event) {
    if (TranslateKey(event))
        return;
    QDialog::keyPressEvent(event);
}

void CVendraskSmallWindow::mouseMoveEvent(QMouseEvent* event) {
    // Moved by the title strip with the left button alone, no Shift or Ctrl.
    const quintptr keyState = KelvoKeyState(event->buttons(), event->modifiers());
    if (keyState == MK_LBUTTON && TitleRect(width()).contains(event->position().toPoint()) &&
        windowHandle() != nullptr) {
        if (QWidget* holder = CKelvoCommonCapture::GetCapture())
            CKelvoCommonCapture::ReleaseCapture(holder);
        windowHandle()->startSystemMove();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CVendraskSmallWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnCloseCommand();
        return;
    }
    QDialog::mouseDoubleClickEvent(event);
}

void CVendraskSmallWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close is Alt+F4.
    event->ignore();
    if (isVisible())
        OnCloseCommand();
}
