// SPDX-License-Identifier: MIT
#include "dialogs/VendraskSmallWindow.h"

#include "app/VendraskApp.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonWindow.h"
#include "dialogs/VendraskWindowFrame.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CVendraskSmallWindow::CVendraskSmallWindow(CVendraskApp& app, QWidget* parent, QSize size,
                                           const QString& windowText, Placement placement)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_app(app),
      m_frame(new CVendraskWindowFrame(app, this)), m_placement(placement),
      m_windowText(windowText) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(size);
    // Modal to the menu window only: the tray icon (and its Close) still
    // reach the launcher while a small window runs.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(windowText);
}

CVendraskSmallWindow::~CVendraskSmallWindow() = default;

CKelvoCommonButton* CVendraskSmallWindow::CreateCloseButton(int id) {
    m_closeButton = new CKelvoCommonButton(this);
    KelvoCommonSetDlgCtrlID(m_closeButton, id);
    m_closeButton->setGeometry(CloseRect());
    m_closeButton->SetFlagTabStop(1);
    m_closeButton->setAccessibleName(tr("Close"));
    m_frame->AddCaptionButton(m_closeButton);
    m_closeButton->SetBitmap(m_app.m_captionBitmap[4], m_app.m_captionBitmap[5]);
    connect(m_closeButton, &QAbstractButton::clicked, this, [this] { OnCloseCommand(); });
    return m_closeButton;
}

void CVendraskSmallWindow::PrepareRun() {
    // Centred on the primary screen first; the pointer's monitor may move it
    // when it is shown.
    m_frame->MoveToPrimaryScreen();
    setWindowTitle(m_windowText);
    if (m_closeButton != nullptr) {
        m_closeButton->setGeometry(CloseRect());
        m_closeButton->SetBitmap(m_app.m_captionBitmap[4], m_app.m_captionBitmap[5]);
    }
    OnInitDialog();
    // Every control hears Escape, Alt+F4 and Enter through the frame first.
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children)
        child->installEventFilter(this);
    m_frame->UpdateCaptionButtons();
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

QRect CVendraskSmallWindow::CloseRect() const {
    return CVendraskWindowFrame::CaptionButtonRect(width(), CVendraskWindowFrame::kCloseInset);
}

// --- Painting -------------------------------------------------------------

void CVendraskSmallWindow::PaintBackground(QPainter& painter) {
    CVendraskWindowFrame::PaintBackground(painter, rect(), m_app);
}

void CVendraskSmallWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintBackground(painter);
    m_frame->PaintTitle(painter);
}

// --- Events ---------------------------------------------------------------

void CVendraskSmallWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_placement == Placement::PointerMonitorTopMost) {
        m_frame->MoveToPointerMonitor();
        m_app.Services().windowSystem->SetTopMost(this, true);
    }
    // Asked for, not left to the window manager's choice, and Escape typed
    // before the focus arrives waits for it: it would reach the window
    // below, which the modal run keeps from acting on it.
    if (m_running)
        m_app.Services().windowSystem->ActivateWindow(this);
}

bool CVendraskSmallWindow::TranslateKey(const QKeyEvent* event) {
    if (CVendraskWindowFrame::IsCloseKey(*event)) {
        OnCloseCommand();
        return true;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_frame->ClickFocusedControl();
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
