// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonCombo.h"

#include "common/controls/KelvoCommonBitmaps.h"
#include "common/controls/KelvoCommonPaint.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

// Left aligned, vertically centred, one line, "..." at the end when cut.
constexpr kelvo::paint::TextFlags kEntryTextFlags{Qt::AlignLeft | Qt::AlignVCenter, true, true,
                                                  false};

void FillRect(QPainter& painter, QRect rect, COLORREF color) {
    kelvo::paint::FillSolidRect(painter, rect, kelvo::paint::Color(color));
}

// The list's entries: painted by the control's rule, as high as the sample
// text measured.
class CKelvoCommonComboDelegate final : public QStyledItemDelegate {
public:
    explicit CKelvoCommonComboDelegate(CKelvoCommonCombo* combo)
        : QStyledItemDelegate(combo), m_combo(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->setFont(m_combo->font());
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QString text = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
        CKelvoCommonCombo::PaintEntry(*painter, option.rect, selected, text, m_combo->m_color);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(),
                m_combo->MeasuredSize().height()};
    }

private:
    CKelvoCommonCombo* m_combo;
};

// The writing system a character set stands for; Any for the default set
// and for sets that have no counterpart here.
QFontDatabase::WritingSystem WritingSystemOf(quint8 charSet) {
    struct Pair {
        quint8 charSet;
        QFontDatabase::WritingSystem system;
    };
    static constexpr Pair kPairs[] = {
        {0, QFontDatabase::Latin},                // ANSI
        {2, QFontDatabase::Symbol},               // SYMBOL
        {128, QFontDatabase::Japanese},           // SHIFTJIS
        {129, QFontDatabase::Korean},             // HANGUL
        {134, QFontDatabase::SimplifiedChinese},  // GB2312
        {136, QFontDatabase::TraditionalChinese}, // CHINESEBIG5
        {161, QFontDatabase::Greek},              // GREEK
        {162, QFontDatabase::Latin},              // TURKISH
        {163, QFontDatabase::Vietnamese},         // VIETNAMESE
        {177, QFontDatabase::Hebrew},             // HEBREW
        {178, QFontDatabase::Arabic},             // ARABIC
        {186, QFontDatabase::Latin},              // BALTIC
        {204, QFontDatabase::Cyrillic},           // RUSSIAN
        {222, QFontDatabase::Thai},               // THAI
        {238, QFontDatabase::Latin},              // EASTEUROPE
    };
    for (const Pair& pair : kPairs) {
        if (pair.charSet == charSet)
            return pair.system;
    }
    return QFontDatabase::Any;
}

} // namespace

CKelvoCommonCombo::CKelvoCommonCombo(QWidget* parent, quint32 style)
    : QComboBox(parent), m_style(style) {
    setEditable(false);
    setItemDelegate(new CKelvoCommonComboDelegate(this));
    MeasureItem();
    CreateBrushes();
    ApplyListColors();
}

CKelvoCommonCombo::~CKelvoCommonCombo() = default;

void CKelvoCommonCombo::SetColor(CKelvoCommonComboColor color) {
    m_color = color;
    CreateBrushes();
    ApplyListColors();
}

void CKelvoCommonCombo::GetColor(CKelvoCommonComboColor* color) const {
    if (color)
        *color = m_color;
}

void CKelvoCommonCombo::CreateBrushes() {
    m_brushBackground = QBrush(kelvo::paint::Color(m_color.colorBackground));
    m_brushBackgroundDisabled = QBrush(kelvo::paint::Color(m_color.colorBackgroundDisabled));
    m_brushFrame = QBrush(kelvo::paint::Color(m_color.colorFrame));
}

QBrush CKelvoCommonCombo::CtlColor() const {
    return isEnabled() ? m_brushBackground : m_brushBackgroundDisabled;
}

void CKelvoCommonCombo::ApplyListColors() {
    // The open list's background between and around the entries.
    QAbstractItemView* list = view();
    if (list == nullptr)
        return;
    QPalette palette = list->palette();
    palette.setBrush(QPalette::Base, CtlColor());
    palette.setBrush(QPalette::Window, CtlColor());
    list->setPalette(palette);
}

void CKelvoCommonCombo::MeasureItem() {
    // The default font of a fresh context, not the control's own.
    const QFontMetrics metrics(QGuiApplication::font());
    const QString sample = kSampleText.toString();
    m_measuredSize = QSize(metrics.horizontalAdvance(sample), metrics.height());
}

// --- Fonts ----------------------------------------------------------------

std::vector<CKelvoCommonCombo::FontFamily> CKelvoCommonCombo::SystemFontFamilies(quint8 charSet) {
    std::vector<FontFamily> families;
    const QStringList names = QFontDatabase::families(WritingSystemOf(charSet));
    for (const QString& name : names) {
        // Families the platform keeps for itself are no choice for a user.
        if (QFontDatabase::isPrivateFamily(name))
            continue;
        // A family several foundries make comes as "Name [Foundry]"; a face
        // name is the family's own name.
        QString family = name;
        if (family.endsWith(QLatin1Char(']'))) {
            const qsizetype open = family.lastIndexOf(QLatin1String(" ["));
            if (open > 0)
                family.truncate(open);
        }
        families.push_back({family, QFontDatabase::isSmoothlyScalable(name) ? TRUETYPE_FONTTYPE
                                                                            : RASTER_FONTTYPE});
    }
    return families;
}

void CKelvoCommonCombo::EnumFont(quint8 charSet, int clear) {
    if (clear != 0) {
        m_fontList.clear();
        while (DeleteString(0) > 0) {
        }
    }
    for (const FontFamily& family : SystemFontFamilies(charSet)) {
        QFont description;
        description.setFamilies({family.name});
        EnumFontFamExProc(description, family.fontType, this);
    }
}

int CKelvoCommonCombo::EnumFontFamExProc(const QFont& description, int fontType,
                                         CKelvoCommonCombo* combo) {
    if (combo == nullptr || fontType != TRUETYPE_FONTTYPE)
        return 1;
    const QString name = description.family();
    if (combo->FindString(-1, name) != -1)
        return 1;
    combo->AddString(name);
    combo->m_fontList.push_back({name, description});
    return 1;
}

int CKelvoCommonCombo::GetLogFont(QFont* out) const {
    const QString shown = currentText();
    for (const FontEntry& entry : m_fontList) {
        if (entry.faceName == shown) {
            if (out)
                *out = entry.description;
            return 1;
        }
    }
    return 0;
}

QStringList CKelvoCommonCombo::FontListNames() const {
    QStringList names;
    for (const FontEntry& entry : m_fontList)
        names.append(entry.faceName);
    return names;
}

// --- List operations --------------------------------------------------------

int CKelvoCommonCombo::AddString(const QString& text) {
    int index = count();
    if ((m_style & CBS_SORT) != 0) {
        index = 0;
        while (index < count() && QString::compare(itemText(index), text, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    insertItem(index, text);
    return index;
}

int CKelvoCommonCombo::FindString(int start, const QString& text) const {
    const int total = count();
    if (total == 0)
        return -1;
    const int first = (start < -1 || start >= total) ? 0 : start + 1;
    for (int step = 0; step < total; ++step) {
        const int index = (first + step) % total;
        if (itemText(index).startsWith(text, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

int CKelvoCommonCombo::DeleteString(int index) {
    if (index < 0 || index >= count())
        return -1;
    removeItem(index);
    return count();
}

int CKelvoCommonCombo::SetCurSel(int index) {
    if (index < 0 || index >= count()) {
        setCurrentIndex(-1);
        return -1;
    }
    setCurrentIndex(index);
    return index;
}

// --- Painting -------------------------------------------------------------

int CKelvoCommonCombo::ArrowPictureId(FaceState state) {
    if (!state.enabled)
        return IDB_KC_COMBO_ARROW_DISABLED;
    return state.pressed ? IDB_KC_COMBO_ARROW_PRESSED : IDB_KC_COMBO_ARROW_NORMAL;
}

void CKelvoCommonCombo::PaintFace(QPainter& painter, QRect client, const QString& text,
                                  FaceState state, const CKelvoCommonComboColor& colors,
                                  const QPixmap& arrow) {
    FillRect(painter, client,
             state.enabled ? colors.colorBackground : colors.colorBackgroundDisabled);
    // The text's rectangle runs under the arrow button, which covers it.
    kelvo::paint::DrawText(
        painter, client.adjusted(kFaceTextIndent, 0, 0, 0), text, kEntryTextFlags,
        kelvo::paint::Color(state.enabled ? colors.colorText : colors.colorTextDisabled));
    const QRect button(client.x() + client.width() - kArrowWidth, client.y(), kArrowWidth,
                       client.height());
    if (!arrow.isNull() && !button.isEmpty()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(button, arrow);
        painter.restore();
    }
    const QRect frame(client.x(), client.y(), client.width() - kArrowWidth, client.height());
    kelvo::paint::FrameRect(painter, frame, kelvo::paint::Color(colors.colorFrame));
}

void CKelvoCommonCombo::PaintEntry(QPainter& painter, QRect item, bool selected,
                                   const QString& text, const CKelvoCommonComboColor& colors) {
    FillRect(painter, item, selected ? colors.colorBackgroundSelected : colors.colorBackground);
    if (text.isNull())
        return;
    kelvo::paint::DrawText(
        painter, item.adjusted(kEntryTextIndent, 0, 0, 0), text, kEntryTextFlags,
        kelvo::paint::Color(selected ? colors.colorTextSelected : colors.colorText));
}

const QPixmap& CKelvoCommonCombo::ArrowPicture(int id) {
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_arrowRatio) {
        m_arrowNormal = KelvoCommonLoadBitmap(IDB_KC_COMBO_ARROW_NORMAL, ratio);
        m_arrowDisabled = KelvoCommonLoadBitmap(IDB_KC_COMBO_ARROW_DISABLED, ratio);
        m_arrowPressed = KelvoCommonLoadBitmap(IDB_KC_COMBO_ARROW_PRESSED, ratio);
        m_arrowRatio = ratio;
    }
    if (id == IDB_KC_COMBO_ARROW_DISABLED)
        return m_arrowDisabled;
    return id == IDB_KC_COMBO_ARROW_PRESSED ? m_arrowPressed : m_arrowNormal;
}

void CKelvoCommonCombo::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    const FaceState state{isEnabled(), m_pressed == 1};
    const int selected = currentIndex();
    PaintFace(painter, rect(), selected >= 0 ? itemText(selected) : QString(), state, m_color,
              ArrowPicture(ArrowPictureId(state)));
}

// --- Events ---------------------------------------------------------------

void CKelvoCommonCombo::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = 1;
        update();
    }
    QComboBox::mousePressEvent(event);
}

void CKelvoCommonCombo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressed == 1) {
        m_pressed = 0;
        update();
    }
    QComboBox::mouseReleaseEvent(event);
}

void CKelvoCommonCombo::showPopup() {
    QComboBox::showPopup();
    // Styles that lay the list over the face (Fusion) show every entry
    // and ignore maxVisibleItems: it drops below the face, as a drop-down
    // list does.
    QWidget* container = view()->parentWidget();
    const int rows = std::min(count(), maxVisibleItems());
    const int rowHeight = view()->sizeHintForRow(0);
    if (container == nullptr || rows <= 0 || rowHeight <= 0)
        return;
    const int height = std::min(container->height(), rows * rowHeight + container->height() -
                                                         view()->viewport()->height());
    QPoint where = mapToGlobal(QPoint(0, this->height()));
    if (const QScreen* shown = screen();
        shown != nullptr && where.y() + height > shown->availableGeometry().bottom())
        where.setY(mapToGlobal(QPoint(0, 0)).y() - height);
    container->setGeometry(where.x(), where.y(), container->width(), height);
    // A shortened list shows its scroll arrows, which take rows' room.
    if (const int shortBy = rows * rowHeight - view()->viewport()->height(); shortBy > 0)
        container->resize(container->width(), height + shortBy);
    view()->scrollTo(view()->currentIndex());
}

void CKelvoCommonCombo::hidePopup() {
    // The release that ends a click on the face lands in the open list, so
    // the list's closing also lets the button up.
    QComboBox::hidePopup();
    if (m_pressed == 1) {
        m_pressed = 0;
        update();
    }
}

void CKelvoCommonCombo::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        ApplyListColors();
}
