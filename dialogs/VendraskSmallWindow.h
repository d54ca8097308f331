// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>

class CKelvoCommonButton;
class CVendraskApp;
class CVendraskWindowFrame;

// What every small window of the launcher shares: a borderless,
// colour-themed pop-up of a fixed size in logical pixels on the window
// frame (title strip, drag, placement, close keys, Enter), an optional close
// button on the strip, Escape and Alt+F4 mapped to the window's close (or
// Cancel) command, and the window's opacity from the transparency setting.
//
// A window runs with DoModal(): its opening steps (OnInitDialog) run first,
// then the modal loop. Every way of ending a run goes through done(), where
// OnEndDialog() runs before the window goes away.
class CVendraskSmallWindow : public QDialog {
    Q_OBJECT

public:
    // Where a window appears.
    enum class Placement {
        // Centred on the primary screen's work area, among normal windows.
        PrimaryScreen,
        // Centred on the whole monitor under the pointer, above other windows.
        PointerMonitorTopMost,
    };

    ~CVendraskSmallWindow() override;
    CVendraskSmallWindow(const CVendraskSmallWindow&) = delete;
    CVendraskSmallWindow& operator=(const CVendraskSmallWindow&) = delete;

    // Opens the window for one run and returns its result. The window it
    // was opened over, when still shown, has the keyboard again afterwards.
    int DoModal();
    // The opening steps without the loop (DoModal runs them; tests that
    // look at a window without running it call this).
    void PrepareRun();

    CKelvoCommonButton* CloseButton() const { return m_closeButton; }
    Placement WindowPlacement() const { return m_placement; }

    void done(int result) override;

public Q_SLOTS:
    // The dialog's own Cancel (and the window manager's close) is the
    // window's close command.
    void reject() override;

protected:
    CVendraskSmallWindow(CVendraskApp& app, QWidget* parent, QSize size, const QString& windowText,
                         Placement placement);

    // The command Escape, Alt+F4, the window manager's close and a
    // double click on the background give.
    virtual void OnCloseCommand() = 0;
    // Opening steps of the window itself, after the frame's own.
    virtual void OnInitDialog() {}
    // Last thing before the window ends a run.
    virtual void OnEndDialog() {}

    // The close button, at the close rectangle with the caption bitmaps
    // of the close button; a click is the close command.
    CKelvoCommonButton* CreateCloseButton(int id);
    // Sets the opacity from the transparency setting (255: opaque).
    void ApplyTransparency();

    // The window's background under the title strip: the framed gradient.
    virtual void PaintBackground(QPainter& painter);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    CVendraskApp& m_app;
    CVendraskWindowFrame* m_frame;

private:
    QRect CloseRect() const;
    // True when the key is one the frame handles (and it has handled it).
    bool TranslateKey(const QKeyEvent* event);

    Placement m_placement;
    QString m_windowText;
    CKelvoCommonButton* m_closeButton = nullptr;
    bool m_running = false;
};
