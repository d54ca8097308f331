// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonButton.h"

#include "common/KelvoCommonLog.h"
#include "common/controls/KelvoCommonAccessible.h"
#include "common/controls/KelvoCommonCapture.h"
#include "common/controls/KelvoCommonDragPicture.h"
#include "common/controls/KelvoCommonDropFiles.h"
#include "common/controls/KelvoCommonPaint.h"
#include "common/controls/KelvoCommonWindow.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <algorithm>

namespace {
// Brightness steps of the pictures.
constexpr int kBrightnessHovered = 20;
constexpr int kBrightnessPressed = 50;
// How long a drop target keeps its highlight after the last hover.
constexpr int kDragHoverMilliseconds = 1000;
constexpr int kEscape = 27;
// The drag picture's colours.
constexpr QRgb kDragPictureText = 0xFFFFFFFF;
constexpr QRgb kDragPictureBackground = 0xFF000000;

int Adjusted(int channel, int brightness) {
    return std::clamp(channel + brightness * 255 / 100, 0, 255);
}
} // namespace

CKelvoCommonButton::CFileParameter::~CFileParameter() = default;

CKelvoCommonButton::CKelvoCommonButton(QWidget* parent) : QAbstractButton(parent) {
    Initialize();
}

CKelvoCommonButton::CKelvoCommonButton(const QString& text, QWidget* parent)
    : QAbstractButton(parent) {
    setText(text);
    Initialize();
}

void CKelvoCommonButton::Initialize() {
    KelvoCommonInstallAccessible();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

CKelvoCommonButton::~CKelvoCommonButton() {
    m_dragPicture.reset();
    CKelvoCommonCapture::Forget(this);
}

// --- Interface -------------------------------------------------------------

void CKelvoCommonButton::SetColor(CKelvoCommonButtonColor color) {
    m_color = color;
}

void CKelvoCommonButton::GetColor(CKelvoCommonButtonColor* color) const {
    if (color)
        *color = m_color;
}

void CKelvoCommonButton::SetBitmap(const QPixmap& normal, const QPixmap& disabled) {
    m_bitmapNormal = normal;
    m_bitmapDisabled = disabled;
    m_bitmapMode = kModeTwoBitmaps;
}

void CKelvoCommonButton::SetBitmap(const QPixmap& normal, const QPixmap& pressed,
                                   const QPixmap& disabled) {
    m_bitmapNormal = normal;
    m_bitmapPressed = pressed;
    m_bitmapDisabled = disabled;
    m_bitmapMode = kModeThreeBitmaps;
}

void CKelvoCommonButton::SetFlagInvert(int value) {
    m_flagInvert = value;
}

void CKelvoCommonButton::SetFlagEnable(int value) {
    m_flagEnable = value;
    Invalidate();
}

void CKelvoCommonButton::SetFlagTabStop(int value) {
    setFocusPolicy(value == 1 ? Qt::StrongFocus : Qt::ClickFocus);
}

void CKelvoCommonButton::SetFlagBeginDrag(int value) {
    m_flagBeginDrag = value;
}

void CKelvoCommonButton::SetCheckMode(int value) {
    m_flagCheckMode = value;
}

void CKelvoCommonButton::SetCheck(int value) {
    if (value != 0 && value != 1)
        return;
    m_ownerChecks = true;
    if (m_flagChecked == value)
        return;
    m_flagChecked = value;
    Invalidate();
    KelvoCommonNotifyCheckedChanged(this);
}

void CKelvoCommonButton::SetAccessibleShortcut(const QString& shortcut) {
    m_accessibleShortcut = shortcut;
}

void CKelvoCommonButton::SetFlagHovered(int value) {
    m_flagHovered = value;
    update();
}

void CKelvoCommonButton::SetFlagPressed(int value) {
    m_flagPressed = value;
    update();
}

void CKelvoCommonButton::SetFlagChecked(int value) {
    m_flagChecked = value;
    update();
}

int CKelvoCommonButton::GetCheck() const {
    return m_flagChecked == 1 ? 1 : 0;
}

bool CKelvoCommonButton::IsDrawnEnabled() const {
    return m_flagEnable == 1 && isEnabled();
}

CKelvoCommonButton::PaintState CKelvoCommonButton::CurrentPaintState() const {
    PaintState state;
    state.bitmapMode = m_bitmapMode;
    state.enabled = IsDrawnEnabled();
    state.hovered = m_flagHovered == 1;
    state.pressed = m_flagPressed == 1;
    state.checked = m_flagChecked == 1;
    state.checkMode = m_flagCheckMode != 0;
    state.invert = m_flagInvert != 0;
    state.focused = hasFocus();
    return state;
}

// --- Painting --------------------------------------------------------------

COLORREF CKelvoCommonButton::BackgroundColor(const PaintState& state,
                                             const CKelvoCommonButtonColor& colors) {
    if (!state.enabled)
        return colors.colorBackgroundDisabled;
    if (state.checked || state.pressed)
        return colors.colorBackgroundClicked;
    if (state.hovered)
        return colors.colorBackgroundHovered;
    return colors.colorBackgroundDefault;
}

COLORREF CKelvoCommonButton::FrameColor(const PaintState& state,
                                        const CKelvoCommonButtonColor& colors) {
    return state.focused || state.checked ? colors.colorFrameFocused : colors.colorFrameNotFocused;
}

COLORREF CKelvoCommonButton::TextColor(const PaintState& state,
                                       const CKelvoCommonButtonColor& colors) {
    return state.enabled ? colors.colorText : colors.colorTextDisabled;
}

void CKelvoCommonButton::PaintColorMode(QPainter& painter, QRect rect, const PaintState& state,
                                        const CKelvoCommonButtonColor& colors) {
    kelvo::paint::FillSolidRect(painter, rect, kelvo::paint::Color(BackgroundColor(state, colors)));
    kelvo::paint::FrameRect(painter, rect, kelvo::paint::Color(FrameColor(state, colors)));
}

CKelvoCommonButton::ColorAdjustment
CKelvoCommonButton::TwoBitmapAdjustment(const PaintState& state) {
    ColorAdjustment adjustment;
    adjustment.negative = state.invert;
    const int sign = state.invert ? -1 : 1;
    if (state.hovered)
        adjustment.brightness = sign * kBrightnessHovered;
    if (state.pressed)
        adjustment.brightness = sign * kBrightnessPressed;
    return adjustment;
}

CKelvoCommonButton::ColorAdjustment
CKelvoCommonButton::ThreeBitmapAdjustment(const PaintState& state) {
    ColorAdjustment adjustment;
    if (state.enabled && state.invert) {
        adjustment.negative = true;
        adjustment.brightness = state.hovered ? -kBrightnessPressed : kBrightnessPressed;
    }
    return adjustment;
}

const QPixmap& CKelvoCommonButton::ChosenPicture(const PaintState& state,
                                                 const Pictures& pictures) {
    if (!state.enabled)
        return pictures.disabled;
    if (state.bitmapMode == kModeThreeBitmaps && (state.checkMode ? state.checked : state.pressed))
        return pictures.pressed;
    return pictures.normal;
}

QRgb CKelvoCommonButton::AdjustPixel(QRgb pixel, ColorAdjustment adjustment, bool notSource) {
    int r = Adjusted(qRed(pixel), adjustment.brightness);
    int g = Adjusted(qGreen(pixel), adjustment.brightness);
    int b = Adjusted(qBlue(pixel), adjustment.brightness);
    if (adjustment.negative) {
        r = 255 - r;
        g = 255 - g;
        b = 255 - b;
    }
    if (notSource) {
        r = 255 - r;
        g = 255 - g;
        b = 255 - b;
    }
    return qRgb(r, g, b);
}

void CKelvoCommonButton::PaintPicture(QPainter& painter, QRect rect, const QPixmap& picture,
                                      QSizeF sourceSize, ColorAdjustment adjustment,
                                      bool notSource) {
    if (picture.isNull() || sourceSize.isEmpty() || rect.isEmpty())
        return;
    // The source rectangle has the normal picture's size whatever picture is
    // shown; what lies beyond a smaller picture is black.
    const qreal ratio = picture.devicePixelRatio();
    const QRect source(0, 0, qMax(1, qRound(sourceSize.width() * ratio)),
                       qMax(1, qRound(sourceSize.height() * ratio)));
    QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32).copy(source);
    const bool identity = adjustment == ColorAdjustment{} && !notSource;
    if (!identity) {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = AdjustPixel(line[x], adjustment, notSource);
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(rect), image, QRectF(image.rect()));
    painter.restore();
}

void CKelvoCommonButton::Paint(QPainter& painter, QRect rect, const PaintState& state,
                               const CKelvoCommonButtonColor& colors, const Pictures& pictures,
                               const QString& text, QColor bitmapTextColor) {
    QColor textColor = bitmapTextColor;
    const QSizeF sourceSize = pictures.normal.deviceIndependentSize();
    switch (state.bitmapMode) {
    case kModeColors:
        PaintColorMode(painter, rect, state, colors);
        textColor = kelvo::paint::Color(TextColor(state, colors));
        break;
    case kModeTwoBitmaps:
        PaintPicture(painter, rect, ChosenPicture(state, pictures), sourceSize,
                     TwoBitmapAdjustment(state), false);
        break;
    case kModeThreeBitmaps:
        PaintPicture(painter, rect, ChosenPicture(state, pictures), sourceSize,
                     ThreeBitmapAdjustment(state), true);
        break;
    default:
        break;
    }
    kelvo::paint::DrawText(painter, rect, text, {}, textColor);
}

void CKelvoCommonButton::PaintDragHoverFrame(QPainter& painter, QRect rect, DragHoverFrame frame,
                                             const CKelvoCommonButtonColor& colors) {
    switch (frame) {
    case DragHoverFrame::Focused:
        kelvo::paint::FrameRect(painter, rect, kelvo::paint::Color(colors.colorFrameFocused));
        break;
    case DragHoverFrame::NotFocused:
        kelvo::paint::FrameRect(painter, rect, kelvo::paint::Color(colors.colorFrameNotFocused));
        break;
    case DragHoverFrame::None:
        break;
    }
}

QPixmap CKelvoCommonButton::DragPicture(QSize size, const QString& text, const QFont& font,
                                        qreal devicePixelRatio) {
    if (size.isEmpty())
        return {};
    if (!(devicePixelRatio > 0.0))
        devicePixelRatio = 1.0;
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(kDragPictureBackground);
    {
        QPainter painter(&image);
        painter.setFont(font);
        kelvo::paint::TextFlags flags;
        flags.endEllipsis = true;
        kelvo::paint::DrawText(painter, QRect(QPoint(0, 0), size), text, flags,
                               QColor::fromRgb(kDragPictureText));
    }
    return QPixmap::fromImage(image);
}

void CKelvoCommonButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    Paint(painter, rect(), CurrentPaintState(), m_color,
          {m_bitmapNormal, m_bitmapPressed, m_bitmapDisabled}, text(),
          palette().color(QPalette::ButtonText));
    PaintDragHoverFrame(painter, rect(), m_dragHoverFrame, m_color);
}

QSize CKelvoCommonButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const QSize textSize = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text());
    return {std::max(textSize.width() + 16, 75), std::max(metrics.height() + 8, 23)};
}

void CKelvoCommonButton::Invalidate() {
    m_dragHoverFrame = DragHoverFrame::None;
    update();
}

// --- Messages to the parent ---------------------------------------------------

void CKelvoCommonButton::SendToParent(QEvent::Type message) {
    KelvoCommonSendMessage(parentWidget(), message);
}

void CKelvoCommonButton::PostToParent(QEvent::Type message, quintptr wParam, QPoint point) {
    KelvoCommonPostMessage(parentWidget(), message, wParam, KelvoMakeLParam(point.x(), point.y()));
}

// --- Mouse -------------------------------------------------------------------

bool CKelvoCommonButton::HoldsCapture() const {
    return CKelvoCommonCapture::GetCapture() == this;
}

bool CKelvoCommonButton::IsStrayEvent(QPoint point) const {
    return m_flagDragging != 1 && !HoldsCapture() && !rect().contains(point);
}

void CKelvoCommonButton::PassToButtonUnderPointer(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    auto* target = qobject_cast<CKelvoCommonButton*>(KelvoCommonWindowFromPoint(global));
    if (!target || target == this)
        return;
    QMouseEvent passed(event->type(), QPointF(target->mapFromGlobal(global)),
                       event->globalPosition(), event->button(), event->buttons(),
                       event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(target, &passed);
}

void CKelvoCommonButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint point = event->position().toPoint();
    if (IsStrayEvent(point)) {
        StandardMouseMove(point, event->buttons());
        PassToButtonUnderPointer(event);
        return;
    }
    OnMouseMove(KelvoKeyState(event->buttons(), event->modifiers()), point,
                event->globalPosition().toPoint());
    StandardMouseMove(point, event->buttons());
}

void CKelvoCommonButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        OnLButtonDown(point);
        StandardLButtonDown();
    } else if (event->button() == Qt::RightButton) {
        OnRButtonDown(point);
    }
}

void CKelvoCommonButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const QPoint point = event->position().toPoint();
    if (IsStrayEvent(point)) {
        if (event->button() == Qt::LeftButton)
            StandardLButtonUp(point);
        PassToButtonUnderPointer(event);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        OnLButtonUp(point, event->globalPosition().toPoint());
        StandardLButtonUp(point);
    } else if (event->button() == Qt::RightButton) {
        OnRButtonUp(point);
    }
}

void CKelvoCommonButton::OnMouseMove(quintptr keyState, QPoint point, QPoint global) {
    m_lastPointer = global;
    if (m_flagDragging == 1) {
        QWidget* target = KelvoCommonWindowFromPoint(global);
        if (target && target != this && target->acceptDrops())
            KelvoCommonSendMessage(target, WM_KC_DRAGGING_HOVERED);
        if (m_dragPicture)
            m_dragPicture->MoveTo(global);
        return;
    }
    const bool leftAlone = keyState == MK_LBUTTON;
    if (rect().contains(point)) {
        if (m_flagHovered != 0)
            return;
        CKelvoCommonCapture::SetCapture(this);
        setFocus(Qt::MouseFocusReason);
        m_flagHovered = 1;
        m_flagPressed = leftAlone ? 1 : 0;
        if (m_flagChecked != 1)
            SendToParent(WM_KC_BUTTON_HOVERED);
        Invalidate();
        return;
    }
    if (m_flagHovered != 1)
        return;
    CKelvoCommonCapture::ReleaseCapture(this);
    m_flagHovered = 0;
    Invalidate();
    if (leftAlone && m_flagBeginDrag == 1) {
        m_flagPressed = 1;
        Invalidate();
        repaint();
        BeginDrag(global);
    }
}

void CKelvoCommonButton::OnLButtonDown(QPoint point) {
    SendToParent(WM_KC_BUTTON_PRESSED);
    if (m_flagCheckMode != 0)
        m_flagPressStarted = 1;
    m_flagPressed = 1;
    Invalidate();
    PostToParent(WM_LBUTTONDOWN, MK_LBUTTON, point);
}

void CKelvoCommonButton::OnLButtonUp(QPoint point, QPoint global) {
    if (m_flagDragging == 1)
        EndDrag(global);
    if (m_flagCheckMode != 0 && m_flagPressStarted == 1)
        m_flagChecked = m_flagChecked == 1 ? 0 : 1;
    m_flagPressed = 0;
    Invalidate();
    PostToParent(WM_LBUTTONUP, MK_LBUTTON, point);
}

void CKelvoCommonButton::OnRButtonDown(QPoint point) {
    setFocus(Qt::MouseFocusReason);
    PostToParent(WM_RBUTTONDOWN, MK_RBUTTON, point);
}

void CKelvoCommonButton::OnRButtonUp(QPoint point) {
    PostToParent(WM_RBUTTONUP, MK_RBUTTON, point);
}

void CKelvoCommonButton::OnCaptureChanged(QWidget* gaining) {
    if (m_flagDragging == 1)
        EndDrag(m_lastPointer);
    StandardCaptureChanged();
    if (gaining == this)
        return;
    bool changed = false;
    if (m_flagCheckMode != 0) {
        m_flagPressStarted = 0;
        changed = true;
    }
    if (m_flagHovered != 0 || m_flagPressed != 0)
        changed = true;
    m_flagHovered = 0;
    m_flagPressed = 0;
    if (changed)
        Invalidate();
}

void CKelvoCommonButton::StandardLButtonDown() {
    if (!HoldsCapture())
        CKelvoCommonCapture::SetCapture(this);
    setFocus(Qt::MouseFocusReason);
    m_standardCaptured = true;
    setDown(true);
}

void CKelvoCommonButton::StandardMouseMove(QPoint point, Qt::MouseButtons buttons) {
    if (m_standardCaptured && (buttons & Qt::LeftButton))
        setDown(rect().contains(point));
}

void CKelvoCommonButton::StandardLButtonUp(QPoint point) {
    if (!m_standardCaptured)
        return;
    m_standardCaptured = false;
    const bool click = isDown() && rect().contains(point);
    setDown(false);
    CKelvoCommonCapture::ReleaseCapture(this);
    if (click) {
        emit released();
        emit clicked(false);
    }
}

void CKelvoCommonButton::StandardCaptureChanged() {
    if (!m_standardCaptured)
        return;
    m_standardCaptured = false;
    setDown(false);
}

// --- Dragging a button ---------------------------------------------------------

void CKelvoCommonButton::BeginDrag(QPoint global) {
    const QPixmap picture = DragPicture(size(), text(), font(), devicePixelRatioF());
    m_dragPicture =
        std::make_unique<CKelvoCommonDragPicture>(picture, QPoint(width() / 2, height() / 2));
    m_dragPicture->Enter(global);
    CKelvoCommonCapture::SetCapture(this);
    m_flagDragging = 1;
    m_lastPointer = global;
}

void CKelvoCommonButton::EndDrag(QPoint global) {
    if (m_dragPicture)
        m_dragPicture->Leave();
    m_dragPicture.reset();
    m_flagDragging = 0;
    CKelvoCommonCapture::ReleaseCapture(this);
    QWidget* target = KelvoCommonWindowFromPoint(global);
    if (target && target != this && target->acceptDrops())
        KelvoCommonPostMessage(parentWidget(), WM_KC_BUTTON_DROPPED, target, this);
}

void CKelvoCommonButton::OnDraggingHovered() {
    m_dragHoverFrame = DragHoverFrame::Focused;
    update();
    m_dragHoverTimer.Start(kDragHoverMilliseconds);
}

void CKelvoCommonButton::OnTimer() {
    if (!hasFocus()) {
        m_dragHoverFrame = DragHoverFrame::NotFocused;
        update();
    }
    m_dragHoverTimer.Stop();
}

void CKelvoCommonButton::OnChar(int code) {
    if (code == kEscape && m_flagDragging == 1)
        EndDrag(m_lastPointer);
}

void CKelvoCommonButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_flagDragging == 1) {
        OnChar(kEscape);
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

// The base classes repaint on every focus change; focus shows only in the
// frame colour, which a checked button has either way. The menu's current
// group gets the focus at every call-up, and that repaint would come a few
// milliseconds after the menu is already on screen.
bool CKelvoCommonButton::FocusChangesLook() const {
    return m_flagChecked != 1 || m_dragHoverFrame != DragHoverFrame::None;
}

void CKelvoCommonButton::focusInEvent(QFocusEvent* event) {
    event->accept();
    if (FocusChangesLook())
        Invalidate();
}

void CKelvoCommonButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    Invalidate();
}

// --- Files dropped from the file manager -----------------------------------------

void CKelvoCommonButton::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptDrops() && event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    event->ignore();
}

void CKelvoCommonButton::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptDrops() && event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    event->ignore();
}

void CKelvoCommonButton::dropEvent(QDropEvent* event) {
    if (!acceptDrops() || !event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    // Only the path is handed on; the file itself is never moved.
    if (OnDropFiles(KelvoCommonDroppedUrls(event->mimeData()))) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

bool CKelvoCommonButton::OnDropFiles(const QList<QUrl>& urls) {
    if (!acceptDrops())
        return false;
    setFocus(Qt::OtherFocusReason);
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return false;
    const QString path = urls.front().toLocalFile();
    if (!CKelvoCommonDropFiles::CanCarry(path)) {
        qCDebug(lcKelvoCommon) << "CKelvoCommonButton: dropped path cannot be handed on" << path;
        return false;
    }
    WriteGlobalAndDrop(path, parentWidget());
    return true;
}

void CKelvoCommonButton::WriteGlobalAndDrop(const QString& path, QObject* target) {
    KelvoCommonPostDropFiles(target, CKelvoCommonDropFiles::Build({path}));
}

// --- Messages ------------------------------------------------------------------

qintptr CKelvoCommonButton::OnSetParameter(const CKelvoCommonMessageEvent& message) {
    const auto* parameter = reinterpret_cast<const CFileParameter*>(message.WParam());
    if (!parameter)
        return 0;
    for (std::size_t i = 0; i < m_fileParameter.m_text.size(); ++i) {
        QStringView text = parameter->m_text[i];
        if (const qsizetype nul = text.indexOf(QChar(u'\0')); nul >= 0)
            text = text.first(nul);
        m_fileParameter.m_text[i] = KelvoCommonCutText(text, CFileParameter::kCapacity - 1);
    }
    return 0;
}

bool CKelvoCommonButton::event(QEvent* event) {
    auto* message = dynamic_cast<CKelvoCommonMessageEvent*>(event);
    switch (static_cast<int>(event->type())) {
    case WM_CAPTURECHANGED:
        if (message)
            OnCaptureChanged(qobject_cast<QWidget*>(message->LParamObject()));
        return true;
    case WM_KC_DRAGGING_HOVERED:
        OnDraggingHovered();
        if (message)
            message->SetResult(0);
        return true;
    case WM_KC_SET_PARAMETER:
        if (message)
            message->SetResult(OnSetParameter(*message));
        return true;
    case QEvent::Polish: {
        // The style turns hover events on, and Qt repaints the button at
        // each of them; the button draws its hover from the pointer's moves
        // itself. With the pointer over the menu that repaint came right
        // after every call-up, a paint the user never sees change.
        const bool done = QAbstractButton::event(event);
        setAttribute(Qt::WA_Hover, false);
        return done;
    }
    default:
        break;
    }
    return QAbstractButton::event(event);
}

QByteArray CKelvoCommonButton::PaintKey() const {
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    const PaintState state = CurrentPaintState();
    out << text() << state.bitmapMode << state.enabled << state.hovered << state.pressed
        << state.checked << state.checkMode << state.invert << state.focused
        << m_bitmapNormal.cacheKey() << m_bitmapPressed.cacheKey() << m_bitmapDisabled.cacheKey()
        << static_cast<int>(CurrentDragHoverFrame()) << palette().color(QPalette::ButtonText);
    out.writeRawData(reinterpret_cast<const char*>(&m_color), sizeof m_color);
    return key;
}
