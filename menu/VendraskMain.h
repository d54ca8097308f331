// SPDX-License-Identifier: MIT
#pragma once

#include "app/ItemRecord.h"
#include "app/VendraskCallUp.h"
#include "app/VendraskLaunch.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPixmap>
#include <array>
#include <functional>

class CKelvoCommonButton;
class CKelvoCommonMessageEvent;
class CKelvoCommonStatic;
class CVendraskApp;
class CVendraskConfig;
class CVendraskConfirmation;
class CVendraskGroupTitle;
class CVendraskInformation;
class CVendraskItemSetting;
class CVendraskWindowFrame;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The launcher's menu window: ten group buttons, 26 item buttons labelled
// A to Z, the group title button, "Configuration", and the hide and
// information buttons on the title strip. It is built hidden and lives as
// long as the process; the whole life of the launcher runs in its loop.
class CVendraskMain final : public QDialog, private CVendraskCallUpView {
    Q_OBJECT

public:
    // Control ids.
    static constexpr int kIdGroupFirst = 1000; // 1000 + g: group g
    static constexpr int kIdItemFirst = 1010;  // 1010 + s: slot s
    static constexpr int kIdItemLast = 1035;
    static constexpr int kIdLabelFirst = 1046; // 1046 + s: letter of slot s
    static constexpr int kIdHide = 1082;
    static constexpr int kIdInformation = 1083;
    static constexpr int kIdGroupTitle = 1084;
    static constexpr int kIdConfiguration = 1085;
    // Commands of the icon menu and the item menu.
    static constexpr int kCmdPause = 149;
    static constexpr int kCmdClose = 150;
    static constexpr int kCmdEdit = 152;
    static constexpr int kCmdCopy = 153;
    static constexpr int kCmdCut = 154;
    static constexpr int kCmdPaste = 155;
    static constexpr int kCmdDelete = 156;
    static constexpr int kCmdOpenFolder = 157;
    static constexpr int kCmdSpecialFirst = 158; // 158 ... 162

    // Logical pixels at 96 dpi; Qt scales them to the screen.
    static constexpr int kWidth = 790;
    static constexpr int kHeight = 550;
    static const QRect kHideRect;
    static const QRect kInformationRect;

    // owner: the never-shown window that owns the menu window.
    CVendraskMain(CVendraskApp& app, QWidget* owner);
    ~CVendraskMain() override;
    CVendraskMain(const CVendraskMain&) = delete;
    CVendraskMain& operator=(const CVendraskMain&) = delete;

    // Runs the window's loop until the window ends (Close); returns its result.
    int RunModalLoop();

    void ShowCurrentGroup();
    void ShowItemNames();
    void ApplyAppearance();

    // Every show and hide goes through these two: placement, top-most,
    // fade, sounds, focus and the default group (CVendraskCallUp decides).
    void ShowMenu() { m_callUp.Show(); }
    void HideMenu() { m_callUp.Hide(); }
    // Hot key and tray icon: show when hidden, hide when shown. The first
    // call-up releases the start-up guard.
    void ToggleMenu() { m_callUp.Toggle(); }
    void OnHotKey(int identifier) { m_callUp.OnHotKey(identifier); }
    // Icon menu commands.
    void OnPause() { m_callUp.OnPause(); }
    QMenu* IconMenu() const { return m_iconMenu; }
    QSystemTrayIcon* TrayIcon() const { return m_trayIcon; }

    // The icon the tray shows: normal, or crossed out while paused.
    int TrayIconId() const { return m_trayIconId; }
    // Starts the item of the focused item button: a quiet hide, then the
    // launch service.
    void ExecuteItem();
    // Ends the launcher: open sub-windows first, then this window.
    void CloseLauncher();

    // An item of the model: slot 0 to 25 of group 0 to 9.
    struct ItemPlace {
        int group = -1;
        int slot = -1;
        bool IsItem() const;
        bool operator==(const ItemPlace&) const = default;
    };
    // The focused item button's slot in the current group; slot -1 when no
    // item button has the focus.
    ItemPlace FocusedItem() const;

    // Item commands (menu 151 and its accelerators) and drops onto items.
    // A command acts on the item it was started for, captured when it
    // starts: a hide meanwhile (which returns to the default group) does
    // not move it to another group.
    void OnItemCommand(int command);
    void OnItemCommand(int command, ItemPlace place);
    // When confirmations are on, asks the question and says whether the
    // user chose OK; true at once when they are off.
    bool Confirm(const QString& question);
    // The small windows this window runs, made on first use.
    CVendraskConfirmation& Confirmation();
    CVendraskItemSetting& ItemSetting();
    CVendraskGroupTitle& GroupTitle();
    CVendraskConfig& Config();

    // The control with that id, or null.
    QWidget* Control(int id) const;
    // The id of a control of this window, or 0.
    static int ControlId(const QWidget* control);
    CKelvoCommonButton* ItemButton(int slot) const { return m_itemButton[slot]; }
    CKelvoCommonButton* GroupButton(int group) const { return m_groupButton[group]; }
    CKelvoCommonStatic* Label(int slot) const { return m_label[slot]; }
    QMenu* ItemMenu() const { return m_itemMenu; }
    QAction* ItemMenuAction(int command) const;
    // The slot of the focused item button, or -1.
    int FocusedSlot() const;

    // How a pop-up menu is run: at a point, returning the chosen action.
    // Tests replace it; it blocks otherwise.
    using PopupRunner = std::function<QAction*(QMenu&, QPoint)>;
    void SetPopupRunner(PopupRunner runner) { m_popupRunner = std::move(runner); }

    // How often the background gradient was painted (it is painted only
    // after construction and after a colour change).
    int BackgroundPaintCount() const { return m_backgroundPaintCount; }

    // The picture of the whole menu a show draws at once instead of painting
    // every control. It is made while the menu is hidden, again only when
    // something it shows changed (a label, the group, a colour, a font, a
    // control's state); a show whose menu differs from it paints afresh.
    // Null until first made.
    const QPixmap& MenuPicture() const { return m_menuPicture; }
    // Makes the picture again when it no longer matches the menu.
    void UpdateMenuPicture();
    // UpdateMenuPicture once the menu is hidden and no longer active, on
    // the next pass of the loop.
    void ScheduleMenuPicture();
    // How often the picture was made.
    int MenuPicturePaintCount() const { return m_menuPicturePaintCount; }
    // The fonts, the appearance and the native window: what the menu needs
    // before it first shows, made once the hot key and the tray take
    // call-ups. Every show and the configuration window ask for it first.
    void Prepare();

    // The start-up guard: nothing shows until the first call-up releases it.
    bool IsKeptHidden() const { return m_callUp.IsKeptHidden(); }
    void ReleaseKeepHidden() { m_callUp.ReleaseKeepHidden(); }
    // The next HideMenu is quiet (no sound, no fade).
    void HideQuietlyNext() { m_callUp.HideQuietlyNext(); }
    bool IsQuietHideAsked() const { return m_callUp.IsQuietHideAsked(); }
    // The tray's Pause: the hot key does nothing while paused.
    bool IsPaused() const { return m_callUp.IsPaused(); }
    void Pause() {
        if (!IsPaused())
            OnPause();
    }
    void Resume() {
        if (IsPaused())
            OnPause();
    }
    // As a click on the Configuration button: shows the menu first.
    void OpenConfiguration();
    // Whether each small window is open now.
    bool IsConfigurationOpen() const { return m_flagConfigOpen == 1; }
    bool IsInformationOpen() const { return m_flagInformationOpen == 1; }
    bool IsConfirmationOpen() const { return m_flagConfirmationOpen == 1; }
    bool IsItemSettingOpen() const { return m_flagItemSettingOpen == 1; }
    bool IsGroupTitleOpen() const { return m_flagGroupTitleOpen == 1; }

    // Held by the system now: not paused and not refused.
    bool IsHotKeyRegistered() const { return m_callUp.HotKeyState().IsRegistered(); }
    // Not paused, but the system refused the combination.
    bool IsHotKeyRefused() const { return m_callUp.HotKeyState().IsRefused(); }

public Q_SLOTS:
    // The dialog's own OK and Cancel never end it; only Close does.
    void accept() override;
    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    // The title button's text and the group buttons' names, for the current group.
    void ShowGroupTitle();
    // A slot's button text and what a screen reader says of it.
    void ShowItem(int slot);
    void OnInitDialog();
    CKelvoCommonButton* AddButton(int id, const QString& text, QRect rect);
    // Keyboard, before the focused control sees it. True when handled.
    bool PreTranslateKey(QKeyEvent* event);
    bool TranslateAccelerator(const QKeyEvent* event, int virtualKey);
    // The key's code by its place on the keyboard (digits, letters), or 0.
    int VirtualKey(const QKeyEvent& event) const;
    void OnCommand(int id);
    void RunGroupTitle();
    void RunConfig();
    qintptr OnDropFiles(CKelvoCommonMessageEvent& message);
    qintptr OnButtonDropped(const CKelvoCommonMessageEvent& message);
    void SaveItem(ItemPlace place);
    // The item's button shows its name, when its group is the one shown.
    void ShowItemName(ItemPlace place);
    void OnRButtonDown();
    void OpenItemMenu(QPoint at);
    void ChangeGroup(int group);
    void StepGroup(int step);
    void FocusItem(int slot);
    void RequestSound(int sound, int flags);
    qintptr OnMessage(CKelvoCommonMessageEvent& message);
    void PaintBackground(QPainter& painter);
    // Everything the menu's paint depends on; equal keys paint equal pixels.
    // Empty when a control of an unknown kind makes it unsure.
    QByteArray MenuPaintKey() const;
    void SetUpShowHide();
    void SetUpHook();
    // The call-up's view.
    bool IsShown() const override;
    void Present() override;
    void Dismiss() override;
    void SetOpacity(int alpha) override;
    void PlaySound(int sound) override;
    void PauseChanged(bool paused) override;
    void ResumeRefused() override;
    void HotKeyRefusedLater() override;
    void UpdateTrayIcon();

    CVendraskApp& m_app;
    CVendraskWindowFrame* m_frame;
    // The background to repaint, and the open flags of sub-windows.
    int m_flagRedrawBackground = 1;
    int m_flagConfigOpen = 0;
    int m_flagInformationOpen = 0;
    int m_flagConfirmationOpen = 0;
    int m_flagItemSettingOpen = 0;
    int m_flagGroupTitleOpen = 0;
    ItemRecord m_clipboardItem;

    CVendraskLaunch m_launch;
    CVendraskCallUp m_callUp;
    std::array<CKelvoCommonButton*, 10> m_groupButton{};
    std::array<CKelvoCommonButton*, 26> m_itemButton{};
    std::array<CKelvoCommonStatic*, 26> m_label{};
    CKelvoCommonButton* m_groupTitleButton = nullptr;
    CKelvoCommonButton* m_configurationButton = nullptr;
    CKelvoCommonButton* m_hideButton = nullptr;
    CKelvoCommonButton* m_informationButton = nullptr;
    QMenu* m_itemMenu = nullptr;
    QMenu* m_iconMenu = nullptr;
    QAction* m_pauseAction = nullptr;
    QSystemTrayIcon* m_trayIcon = nullptr;
    int m_trayIconId;
    PopupRunner m_popupRunner;
    // The item the open item menu was opened for.
    ItemPlace m_itemMenuPlace;
    QPixmap m_background;
    int m_backgroundPaintCount = 0;
    QPixmap m_menuPicture;
    QByteArray m_menuPictureKey;
    int m_menuPicturePaintCount = 0;
    bool m_menuPictureScheduled = false;
    bool m_prepared = false;
    // Set by a show; the show's first paint draws the picture when it matches.
    bool m_showFromPicture = false;
    // While a show's paint draws the picture, the controls' own paints are
    // skipped: the picture already holds them.
    bool m_skipControlPaints = false;
    // Vertical wheel distance not yet worth a group (touchpads send parts
    // of a notch).
    int m_wheelDistance = 0;
    static constexpr int kWheelNotch = 120;
    // From a show to its first paint, for the timing log.
    QElapsedTimer m_callUpClock;
    CVendraskConfig* m_configWindow = nullptr;
    CVendraskConfirmation* m_confirmationWindow = nullptr;
    CVendraskItemSetting* m_itemSettingWindow = nullptr;
    CVendraskGroupTitle* m_groupTitleWindow = nullptr;
    CVendraskInformation* m_informationWindow = nullptr;
};
