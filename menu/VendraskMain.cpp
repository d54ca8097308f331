// SPDX-License-Identifier: MIT
#include "menu/VendraskMain.h"

#include "app/VendraskApp.h"
#include "app/VendraskLog.h"
#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCapture.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonWindow.h"
#include "dialogs/VendraskConfig.h"
#include "dialogs/VendraskDialogUnits.h"
#include "dialogs/VendraskInformation.h"
#include "dialogs/VendraskWindowFrame.h"
#include "res/VendraskResources.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDataStream>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtMath>
#include <cstdlib>
#include <utility>

namespace {

using VendraskDialogUnits::Rect;

constexpr int kGroupCount = CVendraskApp::kGroupCount;
constexpr int kSlotCount = CVendraskApp::kSlotCount;

// Template positions in dialog units.
constexpr QRect kGroupTitleDu{27, 20, 474, 13};
constexpr QRect kConfigurationDu{27, 292, 474, 13};
constexpr int kGroupButtonY = 38;
constexpr int kItemLeftX = 27;
constexpr int kItemRightX = 282;
constexpr int kItemTopY = 57;
constexpr int kRowStep = 18;
constexpr int kLabelLeftX = 13;
constexpr int kLabelRightX = 268;

QRect GroupButtonRect(int group) {
    // Buttons "1" ... "9" from the left, then "0" at the right end.
    const int x = group == 0 ? 459 : 27 + 48 * (group - 1);
    return Rect(x, kGroupButtonY, 42, 13);
}
QRect ItemButtonRect(int slot) {
    const int column = slot / 13;
    return Rect(column == 0 ? kItemLeftX : kItemRightX, kItemTopY + kRowStep * (slot % 13), 219,
                13);
}
QRect LabelRect(int slot) {
    const int column = slot / 13;
    return Rect(column == 0 ? kLabelLeftX : kLabelRightX, kItemTopY + 1 + kRowStep * (slot % 13),
                12, 12);
}

} // namespace

const QRect CVendraskMain::kHideRect =
    CVendraskWindowFrame::CaptionButtonRect(kWidth, CVendraskWindowFrame::kCloseInset);
const QRect CVendraskMain::kInformationRect =
    CVendraskWindowFrame::CaptionButtonRect(kWidth, CVendraskWindowFrame::kSecondInset);

CVendraskMain::CVendraskMain(CVendraskApp& app, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::FramelessWindowHint), m_app(app),
      m_frame(new CVendraskWindowFrame(app, this)), m_launch(app),
      m_callUp(app, *app.Services().scheduler, *this), m_trayIconId(VendraskResource::kIconNormal) {
    setObjectName(QStringLiteral("VendraskMain"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kWidth, kHeight);
    CreateControls();
    OnInitDialog();
}

CVendraskMain::~CVendraskMain() {
    m_callUp.HotKeyState().Release();
    if (m_trayIcon != nullptr)
        m_trayIcon->hide();
}

CKelvoCommonButton* CVendraskMain::AddButton(int id, const QString& text, QRect rect) {
    auto* button = new CKelvoCommonButton(text, this);
    KelvoCommonSetDlgCtrlID(button, id);
    button->setGeometry(rect);
    button->SetFlagTabStop(1);
    button->installEventFilter(this);
    // The drag-hover highlight times on the windows' clock, as the fade does.
    if (m_app.Services().scheduler)
        button->SetScheduler(*m_app.Services().scheduler);
    connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
    return button;
}

void CVendraskMain::CreateControls() {
    // Creation order is the tab order of the template.
    m_groupTitleButton = AddButton(kIdGroupTitle, tr("Group Title"), Rect(kGroupTitleDu));
    for (int k = 1; k <= 9; ++k)
        m_groupButton[k] = AddButton(kIdGroupFirst + k, QString::number(k), GroupButtonRect(k));
    m_groupButton[0] = AddButton(kIdGroupFirst, QStringLiteral("0"), GroupButtonRect(0));
    for (int s = 0; s < kSlotCount; ++s) {
        m_itemButton[s] =
            AddButton(kIdItemFirst + s, QStringLiteral("%1").arg(s + 1, 2, 10, QLatin1Char('0')),
                      ItemButtonRect(s));
        m_itemButton[s]->setAcceptDrops(true);
    }
    m_configurationButton =
        AddButton(kIdConfiguration, tr("Configuration"), Rect(kConfigurationDu));
    m_hideButton = AddButton(kIdHide, QString(), Rect(434, 5, 14, 12));
    m_informationButton = AddButton(kIdInformation, QString(), Rect(418, 5, 14, 12));
    for (int s = 0; s < kSlotCount; ++s) {
        auto* label =
            new CKelvoCommonStatic(QStringLiteral("%1").arg(s + 1, 2, 10, QLatin1Char('0')), this);
        KelvoCommonSetDlgCtrlID(label, kIdLabelFirst + s);
        label->setGeometry(LabelRect(s));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->installEventFilter(this);
        // Not the button's label: its name already begins with the letter,
        // and a screen reader would say the letter twice ("A A, Notes").
        m_label[s] = label;
    }

    m_itemMenu = new QMenu(tr("Item"), this);
    const auto add = [this](QMenu* menu, int command, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setData(command);
        return action;
    };
    add(m_itemMenu, kCmdEdit, tr("Edit (&E)\tCtrl+E"));
    add(m_itemMenu, kCmdCopy, tr("Copy (&C)\tCtrl+C"));
    add(m_itemMenu, kCmdCut, tr("Cut (&T)\tCtrl+X"));
    add(m_itemMenu, kCmdPaste, tr("Paste (&P)\tCtrl+V"));
    add(m_itemMenu, kCmdDelete, tr("Delete (&D)\tCtrl+D"));
    add(m_itemMenu, kCmdOpenFolder, tr("Open Folder (&O)\tCtrl+O"));
    QMenu* special = m_itemMenu->addMenu(tr("Register Special Item (&R)"));
    for (int i = 0; i < CVendraskApp::kSpecialItemCount; ++i)
        add(special, kCmdSpecialFirst + i, m_app.m_specialItem[i].Name.ToQString());
    connect(m_itemMenu, &QMenu::triggered, this, [this](QAction* action) {
        OnItemCommand(action->data().toInt(),
                      m_itemMenuPlace.IsItem() ? m_itemMenuPlace : FocusedItem());
    });
}

void CVendraskMain::OnInitDialog() {
    setWindowIcon(VendraskLoadIcon(VendraskResource::kIconNormal));

    m_frame->MoveToPrimaryScreen();
    setWindowTitle(QStringLiteral("Vendrask"));

    m_hideButton->setGeometry(kHideRect);
    m_informationButton->setGeometry(kInformationRect);
    m_hideButton->setAccessibleName(tr("Hide"));
    m_informationButton->setAccessibleName(tr("Information"));
    m_configurationButton->setAccessibleName(tr("Configuration"));
    m_frame->AddCaptionButton(m_hideButton);
    m_frame->AddCaptionButton(m_informationButton);

    for (int s = 0; s < kSlotCount; ++s)
        m_label[s]->setText(QString(QLatin1Char(static_cast<char>('A' + s))));
    for (CKelvoCommonButton* button : m_itemButton)
        button->SetFlagBeginDrag(1);

    SetUpShowHide();
    ItemMenuAction(kCmdPaste)->setEnabled(false);

    if (m_app.m_behaviorDefaultGroupID != CVendraskApp::kDefaultGroupNone &&
        m_app.m_behaviorDefaultGroupID >= 0 && m_app.m_behaviorDefaultGroupID < kGroupCount)
        m_app.m_currentGroup = m_app.m_behaviorDefaultGroupID;
    ShowCurrentGroup();
    m_app.Services().sound->Stop();
    // A window built after start-up (the fonts are there): nothing to wait for.
    if (m_app.FontsMade())
        Prepare();
}

void CVendraskMain::Prepare() {
    if (m_prepared)
        return;
    m_prepared = true;
    m_app.EnsureFonts();
    m_hideButton->SetBitmap(m_app.m_captionBitmap[6], m_app.m_captionBitmap[7]);
    m_informationButton->SetBitmap(m_app.m_captionBitmap[8], m_app.m_captionBitmap[9]);
    ApplyAppearance();
    m_app.Services().windowSystem->SetWindowOpacity(this, 0);
    m_app.Services().windowSystem->PrepareMenuWindow(this);
}

int CVendraskMain::RunModalLoop() {
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
    return result();
}

void CVendraskMain::accept() {}

void CVendraskMain::reject() {}

QWidget* CVendraskMain::Control(int id) const {
    if (id >= kIdGroupFirst && id < kIdGroupFirst + kGroupCount)
        return m_groupButton[id - kIdGroupFirst];
    if (id >= kIdItemFirst && id <= kIdItemLast)
        return m_itemButton[id - kIdItemFirst];
    if (id >= kIdLabelFirst && id < kIdLabelFirst + kSlotCount)
        return m_label[id - kIdLabelFirst];
    switch (id) {
    case kIdHide:
        return m_hideButton;
    case kIdInformation:
        return m_informationButton;
    case kIdGroupTitle:
        return m_groupTitleButton;
    case kIdConfiguration:
        return m_configurationButton;
    default:
        return nullptr;
    }
}

int CVendraskMain::ControlId(const QWidget* control) {
    return control != nullptr ? KelvoCommonGetDlgCtrlID(control) : 0;
}

QAction* CVendraskMain::ItemMenuAction(int command) const {
    QList<QMenu*> menus{m_itemMenu};
    while (!menus.isEmpty()) {
        const QMenu* menu = menus.takeFirst();
        for (QAction* action : menu->actions()) {
            if (action->menu() != nullptr)
                menus.append(action->menu());
            else if (action->data().toInt() == command)
                return action;
        }
    }
    return nullptr;
}

int CVendraskMain::FocusedSlot() const {
    const int id = ControlId(focusWidget());
    return id >= kIdItemFirst && id <= kIdItemLast ? id - kIdItemFirst : -1;
}

bool CVendraskMain::ItemPlace::IsItem() const {
    return group >= 0 && group < kGroupCount && slot >= 0 && slot < kSlotCount;
}

CVendraskMain::ItemPlace CVendraskMain::FocusedItem() const {
    return {m_app.m_currentGroup, FocusedSlot()};
}

void CVendraskMain::ShowCurrentGroup() {
    for (CKelvoCommonButton* button : m_groupButton)
        button->SetCheck(0);
    const int group = m_app.m_currentGroup;
    if (group >= 0 && group < kGroupCount) {
        m_groupButton[group]->SetCheck(1);
        m_groupButton[group]->setFocus(Qt::OtherFocusReason);
        ShowGroupTitle();
    }
    ShowItemNames();
}

void CVendraskMain::ShowGroupTitle() {
    const QString title = m_app.m_groupTitle[m_app.m_currentGroup].ToQString();
    m_groupTitleButton->setText(title);
    m_groupTitleButton->setAccessibleName(title.isEmpty() ? tr("Group title")
                                                          : tr("Group title, %1").arg(title));
    // The numbers as the buttons show them: 1 to 9, then 0.
    for (int g = 0; g < kGroupCount; ++g) {
        const QString groupTitle = m_app.m_groupTitle[g].ToQString();
        // An untitled group shows its section name ("Group3"): no title to read.
        const bool untitled =
            groupTitle.isEmpty() || groupTitle == QStringLiteral("Group%1").arg(g);
        m_groupButton[g]->setAccessibleName(untitled ? tr("Group %1").arg(g)
                                                     : tr("Group %1, %2").arg(g).arg(groupTitle));
    }
}

void CVendraskMain::ShowItemNames() {
    const int group = m_app.m_currentGroup;
    if (group < 0 || group >= kGroupCount)
        return;
    for (int s = 0; s < kSlotCount; ++s)
        ShowItem(s);
}

void CVendraskMain::ShowItem(int slot) {
    const ItemRecord& item = m_app.Item(m_app.m_currentGroup, slot);
    const QString name = item.Name.ToQString();
    CKelvoCommonButton* button = m_itemButton[slot];
    button->setText(name);
    // A screen reader hears the letter first, as the menu shows it beside.
    const QString letter(QLatin1Char(static_cast<char>('A' + slot)));
    button->setAccessibleName(name.isEmpty() ? tr("%1, empty").arg(letter)
                                             : tr("%1, %2").arg(letter, name));
    button->setAccessibleDescription(item.Path.ToQString());
    button->SetAccessibleShortcut(letter);
}

void CVendraskMain::ApplyAppearance() {
    m_app.Services().windowSystem->SetWindowOpacity(this, m_app.m_colorSetTransparency & 0xFF);
    const auto buttons = findChildren<CKelvoCommonButton*>(Qt::FindDirectChildrenOnly);
    for (CKelvoCommonButton* button : buttons) {
        button->SetColor(m_app.m_buttonColor);
        if (button != m_hideButton && button != m_informationButton)
            button->setFont(m_app.m_fontButton);
        button->update();
    }
    for (CKelvoCommonStatic* label : m_label) {
        label->m_color = m_app.m_staticTextColor;
        label->setFont(m_app.m_fontDialog);
        label->update();
    }
}

// --- Painting -------------------------------------------------------------

void CVendraskMain::PaintBackground(QPainter& painter) {
    // The gradient changes only from top to bottom: one column of it is
    // kept and stretched across, not a third copy of the menu's pixels
    // beside its picture and the backing store.
    const qreal ratio = devicePixelRatioF();
    const QSize device = size() * ratio;
    const QSize column(qCeil(ratio), device.height());
    if (m_flagRedrawBackground == 1 || m_background.size() != column ||
        m_background.devicePixelRatio() != ratio) {
        m_flagRedrawBackground = 0;
        ++m_backgroundPaintCount;
        m_background = QPixmap(column);
        m_background.setDevicePixelRatio(ratio);
        QPainter back(&m_background);
        CVendraskWindowFrame::PaintGradient(back, QRect(0, 0, 1, height()), m_app);
    }
    painter.drawPixmap(QRectF(rect()), m_background, QRectF(0, 0, 1, device.height()));
    CVendraskWindowFrame::PaintFrame(painter, rect(), m_app);
}

QByteArray CVendraskMain::MenuPaintKey() const {
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << size() << devicePixelRatioF() << m_flagRedrawBackground << m_background.cacheKey()
        << m_app.m_colorSetInvertTitlebar << m_frame->IsDrawnEnabled() << palette().cacheKey();
    for (const QPixmap& bitmap : m_app.m_captionBitmap)
        out << bitmap.cacheKey();
    for (const QObject* child : children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget == nullptr || widget->isWindow())
            continue;
        out << widget->geometry() << widget->isVisibleTo(this) << widget->font().key();
        if (const auto* button = qobject_cast<const CKelvoCommonButton*>(widget))
            out << button->PaintKey();
        else if (const auto* label = qobject_cast<const CKelvoCommonStatic*>(widget))
            out << label->PaintKey();
        else
            return {};
    }
    return key;
}

void CVendraskMain::UpdateMenuPicture() {
    m_menuPictureScheduled = false;
    QByteArray key = MenuPaintKey();
    if (!key.isEmpty() && key == m_menuPictureKey && !m_menuPicture.isNull())
        return;
    m_menuPicture = grab();
    ++m_menuPicturePaintCount;
    // The paint itself may settle state (the title's caption buttons).
    m_menuPictureKey = MenuPaintKey();
}

void CVendraskMain::ScheduleMenuPicture() {
    // While the menu is shown or still active its controls show focus and
    // hover that the next show will not have; made once it is all gone.
    if (m_menuPictureScheduled || isVisible() || isActiveWindow())
        return;
    m_menuPictureScheduled = true;
    QTimer::singleShot(0, this, [this] {
        if (isVisible() || isActiveWindow()) {
            m_menuPictureScheduled = false;
            return;
        }
        UpdateMenuPicture();
        // Hidden from here on. Qt's pixmap cache (scaled icons) would wake
        // the launcher 30 s later to trim itself; the next show is drawn
        // from the picture and needs none of it.
        QPixmapCache::clear();
    });
}

void CVendraskMain::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool fromPicture = std::exchange(m_showFromPicture, false) && !m_menuPicture.isNull() &&
                             m_menuPicture.size() == size() * devicePixelRatioF() &&
                             MenuPaintKey() == m_menuPictureKey;
    if (fromPicture) {
        painter.drawPixmap(0, 0, m_menuPicture);
        // The controls paint right after this, in the same pass.
        m_skipControlPaints = true;
        QMetaObject::invokeMethod(
            this, [this] { m_skipControlPaints = false; }, Qt::QueuedConnection);
    } else {
        PaintBackground(painter);
        m_frame->PaintTitle(painter);
    }
    if (m_callUpClock.isValid()) {
        qCInfo(lcVendraskTiming, "menu painted %.2f ms after the call-up%s",
               static_cast<double>(m_callUpClock.nsecsElapsed()) / 1e6,
               fromPicture ? " (from its picture)" : "");
        m_callUpClock.invalidate();
    }
}

// --- Events ---------------------------------------------------------------

bool CVendraskMain::event(QEvent* event) {
    if (auto* message = dynamic_cast<CKelvoCommonMessageEvent*>(event)) {
        message->SetResult(OnMessage(*message));
        return true;
    }
    if (event->type() == QEvent::WindowDeactivate)
        ScheduleMenuPicture();
    return QDialog::event(event);
}

qintptr CVendraskMain::OnMessage(CKelvoCommonMessageEvent& message) {
    const QEvent::Type type = message.Message();
    if (type == WM_APP_COLORCHANGED) {
        ApplyAppearance();
        m_flagRedrawBackground = 1;
        update();
        return 1;
    }
    if (type == WM_KC_BUTTON_PRESSED) {
        RequestSound(CVendraskApp::SoundButtonClick, 0);
        return 1;
    }
    if (type == WM_KC_BUTTON_HOVERED) {
        RequestSound(CVendraskApp::SoundButtonHover, CKelvoCommonSound::NoStop);
        return 1;
    }
    if (type == WM_KC_HOOK_SHOW) {
        ReleaseKeepHidden();
        return 1;
    }
    if (type == WM_RBUTTONDOWN) {
        OnRButtonDown();
        return 0;
    }
    if (type == WM_DROPFILES)
        return OnDropFiles(message);
    if (type == WM_KC_BUTTON_DROPPED)
        return OnButtonDropped(message);
    return 0;
}

void CVendraskMain::RequestSound(int sound, int flags) {
    if (m_app.m_soundFlag != 1)
        return;
    m_app.Services().sound->Play(m_app.m_soundData[sound], flags);
}

bool CVendraskMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && m_skipControlPaints)
        return true;
    if (event->type() == QEvent::KeyPress && isVisible() &&
        PreTranslateKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void CVendraskMain::keyPressEvent(QKeyEvent* event) {
    if (isVisible() && PreTranslateKey(event))
        return;
    QDialog::keyPressEvent(event);
}

int CVendraskMain::VirtualKey(const QKeyEvent& event) const {
    CKelvoCommonKeyboard* keyboard = m_app.Services().keyboard.get();
    return keyboard != nullptr ? keyboard->VirtualKey(event)
                               : CKelvoCommonKeyboard::VirtualKeyFromQtKey(event);
}

bool CVendraskMain::TranslateAccelerator(const QKeyEvent* event, int virtualKey) {
    if (CVendraskWindowFrame::IsCloseKey(*event)) {
        OnCommand(kIdHide);
        return true;
    }
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (modifiers != Qt::ControlModifier)
        return false;
    // By the key's letter in the user's Latin layout, so Ctrl+E edits on a
    // Russian or French keymap too.
    static constexpr std::array<std::pair<char, int>, 6> kControlKeys = {{
        {'E', kCmdEdit},
        {'C', kCmdCopy},
        {'X', kCmdCut},
        {'V', kCmdPaste},
        {'D', kCmdDelete},
        {'O', kCmdOpenFolder},
    }};
    for (const auto& [letter, command] : kControlKeys) {
        if (virtualKey == letter) {
            OnItemCommand(command);
            return true;
        }
    }
    return false;
}

bool CVendraskMain::PreTranslateKey(QKeyEvent* event) {
    const int virtualKey = VirtualKey(*event);
    if (TranslateAccelerator(event, virtualKey))
        return true;
    // With Alt held (and not Ctrl, as AltGr may be) a key is a system key:
    // it neither starts an item nor changes the group.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((modifiers & Qt::AltModifier) != 0 && (modifiers & Qt::ControlModifier) == 0)
        return false;
    const int key = event->key();
    // The keyboard's way to the item menu, at the focused item, under the
    // same lock as the right click.
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        const int slot = FocusedSlot();
        if (m_app.m_behaviorItemLock == 0 && slot >= 0) {
            const QWidget* button = m_itemButton[slot];
            OpenItemMenu(button->mapToGlobal(button->rect().center()));
        }
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        KelvoCommonSendMessage(this, WM_KC_BUTTON_HOVERED);
        return false; // the dialog moves the focus
    }
    if (key == Qt::Key_Down || key == Qt::Key_Up) {
        const int slot = FocusedSlot();
        const int step = key == Qt::Key_Down ? 1 : -1;
        if (slot < 0)
            FocusItem(key == Qt::Key_Down ? 0 : kSlotCount - 1);
        else
            FocusItem((slot + step + kSlotCount) % kSlotCount);
        KelvoCommonSendMessage(this, WM_KC_BUTTON_HOVERED);
        return true;
    }
    if (key == Qt::Key_Right || key == Qt::Key_PageDown || key == Qt::Key_Left ||
        key == Qt::Key_PageUp) {
        StepGroup(key == Qt::Key_Right || key == Qt::Key_PageDown ? 1 : -1);
        return true;
    }
    // Digits and letters by the key's place, whatever the layout and Shift.
    using Keyboard = CKelvoCommonKeyboard;
    if (virtualKey >= Keyboard::kVkDigitFirst && virtualKey < Keyboard::kVkDigitFirst + 10) {
        ChangeGroup(virtualKey - Keyboard::kVkDigitFirst);
        return true;
    }
    if (virtualKey >= Keyboard::kVkNumpadFirst && virtualKey < Keyboard::kVkNumpadFirst + 10) {
        ChangeGroup(virtualKey - Keyboard::kVkNumpadFirst);
        return true;
    }
    if (virtualKey >= Keyboard::kVkLetterFirst && virtualKey <= Keyboard::kVkLetterLast) {
        FocusItem(virtualKey - Keyboard::kVkLetterFirst);
        KelvoCommonSendMessage(this, WM_KC_BUTTON_PRESSED);
        ExecuteItem();
        return true;
    }
    if (key == Qt::Key_Space)
        return true;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_frame->ClickFocusedControl();
        return true;
    }
    return false;
}

void CVendraskMain::FocusItem(int slot) {
    m_itemButton[slot]->setFocus(Qt::OtherFocusReason);
}

void CVendraskMain::ChangeGroup(int group) {
    m_app.m_currentGroup = group;
    KelvoCommonSendMessage(this, WM_KC_BUTTON_PRESSED);
    ShowCurrentGroup();
}

void CVendraskMain::StepGroup(int step) {
    ChangeGroup((m_app.m_currentGroup + step + kGroupCount) % kGroupCount);
}

void CVendraskMain::wheelEvent(QWheelEvent* event) {
    if (!isVisible())
        return;
    event->accept();
    // Only the vertical wheel changes the group; a horizontal wheel or a
    // sideways swipe has no vertical distance. A touchpad sends a notch in
    // many small parts: they add up to one group a notch, not one each.
    const int distance = event->angleDelta().y();
    if (distance == 0)
        return;
    if ((distance < 0) != (m_wheelDistance < 0))
        m_wheelDistance = 0;
    m_wheelDistance += distance;
    if (std::abs(m_wheelDistance) < kWheelNotch)
        return;
    m_wheelDistance = 0;
    StepGroup(distance < 0 ? 1 : -1);
}

void CVendraskMain::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        OnRButtonDown();
        return;
    }
    QDialog::mousePressEvent(event);
}

void CVendraskMain::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isVisible()) {
        HideMenu();
        return;
    }
    QDialog::mouseDoubleClickEvent(event);
}

void CVendraskMain::closeEvent(QCloseEvent* event) {
    // The window manager's close (Alt+F4) hides, as the accelerator does.
    event->ignore();
    OnCommand(kIdHide);
}

void CVendraskMain::OnRButtonDown() {
    if (!isVisible() || m_app.m_behaviorItemLock != 0)
        return;
    if (FocusedSlot() < 0) {
        HideMenu();
        return;
    }
    OpenItemMenu(QCursor::pos());
}

void CVendraskMain::OpenItemMenu(QPoint at) {
    // The menu runs its own loop; what it was opened for is kept.
    m_itemMenuPlace = FocusedItem();
    QAction* chosen = m_popupRunner ? m_popupRunner(*m_itemMenu, at) : m_itemMenu->exec(at);
    Q_UNUSED(chosen); // the menu's triggered signal runs the command
    m_itemMenuPlace = ItemPlace();
}

// --- Commands -------------------------------------------------------------

CVendraskConfig& CVendraskMain::Config() {
    if (m_configWindow == nullptr)
        m_configWindow = new CVendraskConfig(m_app, this, m_callUp.HotKeyState());
    return *m_configWindow;
}

void CVendraskMain::OpenConfiguration() {
    Prepare();
    // The button's own path: its command opens the window in its loop.
    m_configurationButton->click();
}

void CVendraskMain::RunConfig() {
    m_flagConfigOpen = 1;
    Config().DoModal();
    m_flagConfigOpen = 0;
}

void CVendraskMain::OnCommand(int id) {
    if (id >= kIdGroupFirst && id < kIdGroupFirst + kGroupCount) {
        // The focused control decides: buttons take the focus on entry.
        const int group = ControlId(focusWidget()) - kIdGroupFirst;
        if (group >= 0 && group < kGroupCount) {
            m_app.m_currentGroup = group;
            ShowCurrentGroup();
        }
        return;
    }
    if (id >= kIdItemFirst && id <= kIdItemLast) {
        ExecuteItem();
        return;
    }
    switch (id) {
    case kIdHide:
        HideMenu();
        break;
    case kIdInformation:
    case kIdGroupTitle:
    case kIdConfiguration:
        if (QWidget* grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        if (id == kIdGroupTitle) {
            RunGroupTitle();
            ShowGroupTitle();
        }
        if (id == kIdConfiguration)
            RunConfig();
        if (id == kIdInformation) {
            // A button holding the mouse while hovered lets go of it too.
            if (QWidget* holder = CKelvoCommonCapture::GetCapture())
                CKelvoCommonCapture::ReleaseCapture(holder);
            if (m_informationWindow == nullptr)
                m_informationWindow = new CVendraskInformation(m_app, this);
            m_flagInformationOpen = 1;
            // The documentation opened: the menu steps aside without a sound.
            if (m_informationWindow->DoModal() == CVendraskInformation::kResultAddressOpened) {
                HideQuietlyNext();
                HideMenu();
            }
            m_flagInformationOpen = 0;
        }
        break;
    default:
        break;
    }
}
