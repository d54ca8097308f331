#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>

class CKelvoCommonButton;
class CVendraskApp;
class QScreen;

// The frame every small window of the launcher shares: a borderless,
// colour-themed pop-up of a fixed size in logical pixels, with the title
// strip at the top (also the handle that moves it), an optional close
// button on the strip, Escape and Alt+F4 mapped to the window's close (or
// Cancel) command, Enter clicking the focused control at its centre, and
// the window's opacity from the transparency setting.
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

    static constexpr int kTitleHeight = 21;
    static constexpr QSize kCloseSize{16, 15};

    // The title rectangle (1, 1, width - 1, 22) and the close button
    // (width - 22, 3, width - 6, 18), right and bottom exclusive.
    static constexpr QRect TitleRect(int width) { return {1, 1, width - 2, kTitleHeight}; }
    static constexpr QRect CloseRect(int width) {
        return {width - 22, 3, kCloseSize.width(), kCloseSize.height()};
    }
    // Where a window of that size goes on a monitor: centred, halves
    // rounded down, or at the monitor's left or top edge when it does not fit.
    static QPoint CentredOn(const QRect& monitor, QSize window);
    // The monitor under the pointer, else the nearest one.
    static QScreen* ScreenUnderPointer();

    ~CVendraskSmallWindow() override;
    CVendraskSmallWindow(const CVendraskSmallWindow&) = delete;
    CVendraskSmallWindow& operator=(const CVendraskSmallWindow&) = delete;

    // Opens the window for one run and returns its result. The window it
    // was opened over, when still shown, has the keyboard again afterwards.
    int DoModal();
    // The opening steps without the loop (DoModal runs them; tests that
    // look at a window without running it call this).
    void PrepareRun();

    bool IsDrawnEnabled() const { return isEnabled() && !m_windowBlocked; }
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
    // Clicks the focused control at its centre with a real click.
    void ClickFocusedControl();

    static void PaintFrame(QPainter& painter, const QRect& rect, const CVendraskApp& app);
    // The window's background under the title strip: the framed gradient.
    virtual void PaintBackground(QPainter& painter) { PaintFrame(painter, rect(), m_app); }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    CVendraskApp& m_app;

private:
    // True when the key is one the frame handles (and it has handled it).
    bool TranslateKey(const QKeyEvent* event);
    void UpdateCloseButton();

    Placement m_placement;
    QString m_windowText;
    CKelvoCommonButton* m_closeButton = nullptr;
    bool m_windowBlocked = false;
    bool m_running = false;
};
