// SPDX-License-Identifier: MIT
#include "tools/gallery/KelvoGallery.h"

#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonBitmaps.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonCombo.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonGdiplus.h"
#include "common/controls/KelvoCommonGroup.h"
#include "common/controls/KelvoCommonList.h"
#include "common/controls/KelvoCommonSlider.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonTab.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTextStream>
#include <QVBoxLayout>
#include <cstring>
#include <functional>

namespace {

constexpr COLORREF kWindowTop = 0x3A3A3A;
constexpr COLORREF kWindowBottom = 0x202020;
constexpr QSize kButtonSize{112, 30};
constexpr QSize kCheckSize{120, 20};
constexpr int kMagnify = 3;
constexpr int kEditId = 1200;

QColor LabelColor() {
    return QColor(0xBC, 0xBC, 0xBC);
}

// A picture for the bitmap modes: a light tile with a dark cross, as the
// caption buttons have.
QPixmap SamplePicture(QColor background, QColor glyph) {
    QImage image(16, 15, QImage::Format_RGB32);
    image.fill(background);
    for (int i = 3; i < 12; ++i) {
        image.setPixelColor(i + 1, i, glyph);
        image.setPixelColor(i + 1, 14 - i, glyph);
        image.setPixelColor(i, i, glyph);
        image.setPixelColor(i, 14 - i, glyph);
    }
    return QPixmap::fromImage(image);
}

// The device pixels of a picture, each shown as a kMagnify square.
QPixmap Magnified(const QPixmap& picture) {
    QImage image = picture.toImage();
    image.setDevicePixelRatio(1.0);
    return QPixmap::fromImage(
        image.scaled(image.size() * kMagnify, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QLabel* RowTitle(const QString& text) {
    auto* title = new CKelvoCommonStatic(text);
    title->setFixedWidth(120);
    title->m_color.colorText = 0xFFFFFF;
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    return title;
}

struct ButtonLook {
    QString caption;
    std::function<void(CKelvoCommonButton&)> set;
};

// Paints a group frame around a label onto the label's parent, after the
// parent's own painting.
class CManualDrawn final : public QObject {
public:
    CManualDrawn(QWidget* control, QObject* parent) : QObject(parent), m_control(control) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        QPainter painter(widget);
        painter.setFont(widget->font());
        const CKelvoCommonGroupColor colors;
        CKelvoCommonGroup::ManualDraw(painter, m_control, widget, colors.colorText,
                                      colors.colorBackground, colors.colorFrame, widget->font());
        return true;
    }

private:
    QWidget* m_control;
};

// The drop-down list closed in its states, and its entries as the open
// list paints them.
void AddComboRow(QGridLayout* grid, int& row,
                 const std::function<QWidget*(QWidget*, const QString&)>& cell) {
    struct ComboLook {
        QString caption;
        std::function<void(CKelvoCommonCombo&)> set;
    };
    const QList<ComboLook> looks = {
        {QStringLiteral("normal"), [](CKelvoCommonCombo&) {}},
        {QStringLiteral("disabled"), [](CKelvoCommonCombo& c) { c.setEnabled(false); }},
        {QStringLiteral("long text"),
         [](CKelvoCommonCombo& c) { c.SetCurSel(c.AddString(QString(40, QChar(u'W')))); }},
        {QStringLiteral("no selection"), [](CKelvoCommonCombo& c) { c.SetCurSel(-1); }},
    };
    grid->addWidget(RowTitle(QStringLiteral("Combo")), row, 0);
    int column = 1;
    for (const ComboLook& look : looks) {
        auto* combo = new CKelvoCommonCombo;
        combo->AddString(QStringLiteral("Alt + Q"));
        combo->AddString(QStringLiteral("Ctrl + Alt"));
        combo->SetCurSel(0);
        combo->setFixedSize(kButtonSize.width(), 24);
        look.set(*combo);
        grid->addWidget(cell(combo, look.caption), row, column++);
    }
    // Held down (a press opens the list, so the face is painted alone) and
    // the entries as the open list draws them: plain and selected.
    const CKelvoCommonComboColor colors;
    auto* pressed = new QLabel;
    QImage face(QSize(kButtonSize.width(), 24), QImage::Format_RGB32);
    {
        QPainter painter(&face);
        CKelvoCommonCombo::PaintFace(painter, face.rect(), QStringLiteral("Alt + Q"), {true, true},
                                     colors, KelvoCommonLoadBitmap(IDB_KC_COMBO_ARROW_PRESSED));
    }
    pressed->setPixmap(QPixmap::fromImage(face));
    grid->addWidget(cell(pressed, QStringLiteral("pressed")), row, column++);
    auto* entries = new QLabel;
    QImage picture(QSize(kButtonSize.width(), 40), QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        CKelvoCommonCombo::PaintEntry(painter, QRect(0, 0, picture.width(), 20), false,
                                      QStringLiteral("entry"), colors);
        CKelvoCommonCombo::PaintEntry(painter, QRect(0, 20, picture.width(), 20), true,
                                      QStringLiteral("selected entry"), colors);
    }
    entries->setPixmap(QPixmap::fromImage(picture));
    grid->addWidget(cell(entries, QStringLiteral("list entries")), row, column++);
    ++row;
}

} // namespace

CKelvoGalleryWindow::CKelvoGalleryWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("kelvo-gallery"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setContentsMargins(12, 12, 12, 12);
    int row = 0;
    AddButtonRows(grid, row);
    AddCheckRow(grid, row);
    AddStaticAndGroupRow(grid, row);
    AddEditRow(grid, row);
    AddTabRow(grid, row);
    AddComboRow(grid, row, [this](QWidget* control, const QString& caption) {
        return Cell(control, caption);
    });
    AddSliderRow(grid, row);
    AddListRow(grid, row);
    AddBitmapRow(grid, row);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(grid->columnCount(), 1);
}

CKelvoGalleryWindow::~CKelvoGalleryWindow() = default;

QWidget* CKelvoGalleryWindow::Cell(QWidget* control, const QString& caption) {
    auto* cell = new QWidget;
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(control, 0, Qt::AlignLeft);
    auto* label = new CKelvoCommonStatic(caption);
    label->m_color.colorText = 0xBCBCBC;
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    label->setWordWrap(false);
    layout->addWidget(label);
    return cell;
}

void CKelvoGalleryWindow::AddButtonRows(QGridLayout* grid, int& row) {
    auto flags = [](int hovered, int pressed, int checked) {
        return [=](CKelvoCommonButton& button) {
            button.SetFlagHovered(hovered);
            button.SetFlagPressed(pressed);
            button.SetFlagChecked(checked);
        };
    };
    const QList<ButtonLook> colorLooks = {
        {QStringLiteral("default"), flags(0, 0, 0)},
        {QStringLiteral("hovered"), flags(1, 0, 0)},
        {QStringLiteral("pressed"), flags(1, 1, 0)},
        {QStringLiteral("checked"), flags(0, 0, 1)},
        {QStringLiteral("focused"), flags(0, 0, 0)},
        {QStringLiteral("flag enable 0"), [](CKelvoCommonButton& b) { b.SetFlagEnable(0); }},
        {QStringLiteral("disabled, checked"),
         [](CKelvoCommonButton& b) {
             b.SetCheck(1);
             b.setEnabled(false);
         }},
        {QStringLiteral("drop target"),
         [](CKelvoCommonButton& b) {
             b.setAcceptDrops(true);
             KelvoCommonSendMessage(&b, WM_KC_DRAGGING_HOVERED);
         }},
    };
    grid->addWidget(RowTitle(QStringLiteral("Button\ncolours")), row, 0);
    int column = 1;
    for (const ButtonLook& look : colorLooks) {
        auto* button = new CKelvoCommonButton(QStringLiteral("Button"));
        button->setFixedSize(kButtonSize);
        look.set(*button);
        if (look.caption == QStringLiteral("focused"))
            m_focusedButton = button;
        else
            button->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(Cell(button, look.caption), row, column++);
    }
    ++row;

    const QPixmap normal = SamplePicture(QColor(0xD8, 0xD8, 0xD8), QColor(0x30, 0x30, 0x30));
    const QPixmap pressed = SamplePicture(QColor(0x60, 0x90, 0xC0), QColor(0xFF, 0xFF, 0xFF));
    const QPixmap disabled = SamplePicture(QColor(0x90, 0x90, 0x90), QColor(0x60, 0x60, 0x60));
    struct BitmapRow {
        QString title;
        int mode;
        QList<ButtonLook> looks;
    };
    auto invert = [](int hovered, int pressedFlag) {
        return [=](CKelvoCommonButton& button) {
            button.SetFlagInvert(1);
            button.SetFlagHovered(hovered);
            button.SetFlagPressed(pressedFlag);
        };
    };
    const QList<BitmapRow> bitmapRows = {
        {QStringLiteral("Button\ntwo pictures"),
         CKelvoCommonButton::kModeTwoBitmaps,
         {
             {QStringLiteral("normal"), flags(0, 0, 0)},
             {QStringLiteral("hovered (+20)"), flags(1, 0, 0)},
             {QStringLiteral("pressed (+50)"), flags(1, 1, 0)},
             {QStringLiteral("inverted"), invert(0, 0)},
             {QStringLiteral("inverted, hovered"), invert(1, 0)},
             {QStringLiteral("inverted, pressed"), invert(1, 1)},
             {QStringLiteral("flag enable 0"), [](CKelvoCommonButton& b) { b.SetFlagEnable(0); }},
         }},
        {QStringLiteral("Button\nthree pictures"),
         CKelvoCommonButton::kModeThreeBitmaps,
         {
             {QStringLiteral("normal"), flags(0, 0, 0)},
             {QStringLiteral("pressed"), flags(1, 1, 0)},
             {QStringLiteral("check mode, checked"),
              [](CKelvoCommonButton& b) {
                  b.SetCheckMode(1);
                  b.SetCheck(1);
              }},
             {QStringLiteral("inverted"), invert(0, 0)},
             {QStringLiteral("inverted, hovered"), invert(1, 0)},
             {QStringLiteral("flag enable 0"), [](CKelvoCommonButton& b) { b.SetFlagEnable(0); }},
         }},
    };
    for (const BitmapRow& bitmapRow : bitmapRows) {
        grid->addWidget(RowTitle(bitmapRow.title), row, 0);
        column = 1;
        for (const ButtonLook& look : bitmapRow.looks) {
            auto* button = new CKelvoCommonButton(QStringLiteral("Text"));
            button->setFixedSize(kButtonSize);
            button->setFocusPolicy(Qt::NoFocus);
            if (bitmapRow.mode == CKelvoCommonButton::kModeTwoBitmaps)
                button->SetBitmap(normal, disabled);
            else
                button->SetBitmap(normal, pressed, disabled);
            look.set(*button);
            grid->addWidget(Cell(button, look.caption), row, column++);
        }
        if (bitmapRow.mode == CKelvoCommonButton::kModeTwoBitmaps) {
            auto* picture = new QLabel;
            picture->setPixmap(CKelvoCommonButton::DragPicture(
                kButtonSize, QStringLiteral("A dragged item with a long name"), font(),
                devicePixelRatioF()));
            grid->addWidget(Cell(picture, QStringLiteral("drag picture")), row, column++);
        }
        ++row;
    }
}

void CKelvoGalleryWindow::AddCheckRow(QGridLayout* grid, int& row) {
    struct CheckLook {
        QString caption;
        QString text;
        int check;
        bool enabled;
        bool leftText;
    };
    const QList<CheckLook> looks = {
        {QStringLiteral("checked"), QStringLiteral("Check box"), 1, true, false},
        {QStringLiteral("unchecked"), QStringLiteral("Check box"), 0, true, false},
        {QStringLiteral("value 2"), QStringLiteral("Check box"), 2, true, false},
        {QStringLiteral("disabled, checked"), QStringLiteral("Check box"), 1, false, false},
        {QStringLiteral("disabled"), QStringLiteral("Check box"), 0, false, false},
        {QStringLiteral("left text"), QStringLiteral("Left text"), 1, true, true},
        {QStringLiteral("ellipsis"), QStringLiteral("A check box with a long text"), 1, true,
         false},
    };
    grid->addWidget(RowTitle(QStringLiteral("Check box")), row, 0);
    int column = 1;
    for (const CheckLook& look : looks) {
        auto* check = new CKelvoCommonCheck(look.text);
        check->setFixedSize(kCheckSize);
        check->setFocusPolicy(Qt::NoFocus);
        check->SetCheck(look.check);
        check->SetLeftText(look.leftText);
        check->setEnabled(look.enabled);
        grid->addWidget(Cell(check, look.caption), row, column++);
    }
    ++row;
}

void CKelvoGalleryWindow::AddStaticAndGroupRow(QGridLayout* grid, int& row) {
    grid->addWidget(RowTitle(QStringLiteral("Static, group")), row, 0);
    int column = 1;
    auto* white = new CKelvoCommonStatic(QStringLiteral("Static text on the window's gradient"));
    white->setFixedSize(kButtonSize.width(), 34);
    grid->addWidget(Cell(white, QStringLiteral("static")), row, column++);
    auto* tinted = new CKelvoCommonStatic(QStringLiteral("&Mnemonic && ampersand"));
    tinted->m_color.colorText = KelvoRgb(0x80, 0xBC, 0xBC);
    tinted->setFixedSize(kButtonSize.width(), 34);
    grid->addWidget(Cell(tinted, QStringLiteral("static, own colour")), row, column++);

    for (int erase = 0; erase <= 1; ++erase) {
        auto* group = new CKelvoCommonGroup;
        group->SetText(QStringLiteral("Group"));
        group->SetFlagEraseBackground(erase);
        group->setFixedSize(kButtonSize.width(), 48);
        grid->addWidget(Cell(group, erase ? QStringLiteral("group, erased")
                                          : QStringLiteral("group, not erased")),
                        row, column++);
    }
    // A plain label framed by the group's drawing function on its parent.
    auto* holder = new QWidget;
    holder->setFixedSize(kButtonSize.width(), 48);
    auto* label = new QLabel(QStringLiteral("Drawn"), holder);
    label->setGeometry(0, 0, kButtonSize.width(), 48);
    label->hide();
    holder->installEventFilter(new CManualDrawn(label, holder));
    grid->addWidget(Cell(holder, QStringLiteral("ManualDraw")), row, column++);
    ++row;
}

void CKelvoGalleryWindow::AddEditRow(QGridLayout* grid, int& row) {
    struct EditLook {
        QString caption;
        QString text;
        quint32 style;
        bool enabled;
    };
    const QList<EditLook> looks = {
        {QStringLiteral("edit"), QStringLiteral("C:\\Tools\\editor.exe"), 0, true},
        {QStringLiteral("read-only"), QStringLiteral("read-only text"),
         CKelvoCommonEdit::ES_READONLY, true},
        {QStringLiteral("disabled"), QStringLiteral("disabled text"), 0, false},
    };
    grid->addWidget(RowTitle(QStringLiteral("Edit")), row, 0);
    int column = 1;
    for (const EditLook& look : looks) {
        auto* holder = new QWidget;
        holder->setFixedSize(kButtonSize.width() + 40, 34);
        auto* edit = new CKelvoCommonEdit(holder);
        edit->setText(look.text);
        edit->Create(look.style, QRect(0, 0, holder->width(), holder->height()), holder,
                     kEditId + column);
        edit->setEnabled(look.enabled);
        edit->setCursorPosition(0);
        edit->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(Cell(holder, look.caption), row, column, 1, 1);
        ++column;
    }
    ++row;
}

void CKelvoGalleryWindow::AddTabRow(QGridLayout* grid, int& row) {
    grid->addWidget(RowTitle(QStringLiteral("Tab")), row, 0);
    auto* tab = new CKelvoCommonTab;
    tab->InsertItem(0, QStringLiteral("Behavior"));
    tab->InsertItem(1, QStringLiteral("Appearance"));
    tab->InsertItem(2, QStringLiteral("Sound"));
    tab->SetCurSel(1);
    tab->setFixedSize(3 * CKelvoCommonTab::kItemWidth + 2 * CKelvoCommonTab::kItemGap, 70);
    grid->addWidget(Cell(tab, QStringLiteral("second tab selected")), row, 1, 1, 4);
    auto* longTab = new CKelvoCommonTab;
    longTab->InsertItem(0, QString(60, QChar(u'W')));
    longTab->setFixedSize(CKelvoCommonTab::kItemWidth + 10, 70);
    grid->addWidget(Cell(longTab, QStringLiteral("long caption")), row, 5, 1, 2);
    ++row;
}

void CKelvoGalleryWindow::AddBitmapRow(QGridLayout* grid, int& row) {
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        grid->addWidget(RowTitle(QStringLiteral("Bitmaps x%1").arg(ratio)), row, 0);
        auto* strip = new QWidget;
        auto* layout = new QHBoxLayout(strip);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(8);
        for (int id = IDB_KC_CHECK_DISABLED_CHECKED; id <= IDB_KC_SLIDER_THUMB; ++id) {
            auto* picture = new QLabel;
            picture->setPixmap(Magnified(KelvoCommonLoadBitmap(id, ratio)));
            layout->addWidget(Cell(picture, QString::number(id)), 0, Qt::AlignBottom);
        }
        layout->addStretch(1);
        grid->addWidget(strip, row, 1, 1, 8);
        ++row;
    }
}

// --- Slider and list ---

void CKelvoGalleryWindow::AddSliderRow(QGridLayout* grid, int& row) {
    struct SliderLook {
        QString caption;
        std::function<void(CKelvoCommonSlider&)> set;
    };
    const QList<SliderLook> looks = {
        {QStringLiteral("enabled"), [](CKelvoCommonSlider&) {}},
        {QStringLiteral("pressed (+50)"),
         [](CKelvoCommonSlider& s) {
             // Held down on the thumb, as a user would.
             QRect thumb;
             s.GetToggleRect(&thumb);
             const QPointF at = QRectF(thumb).center();
             QMouseEvent press(QEvent::MouseButtonPress, at, s.mapToGlobal(at), Qt::LeftButton,
                               Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&s, &press);
         }},
        {QStringLiteral("disabled (-50)"), [](CKelvoCommonSlider& s) { s.setEnabled(false); }},
        {QStringLiteral("ticks below"),
         [](CKelvoCommonSlider& s) {
             s.setTickPosition(QSlider::TicksBelow);
             s.setTickInterval(10);
         }},
        {QStringLiteral("empty range"), [](CKelvoCommonSlider& s) { s.setRange(5, 5); }},
    };
    grid->addWidget(RowTitle(QStringLiteral("Slider")), row, 0);
    int column = 1;
    for (const SliderLook& look : looks) {
        auto* slider = new CKelvoCommonSlider;
        slider->setRange(0, 100);
        slider->setValue(40);
        slider->setFixedSize(kButtonSize.width(), 36);
        look.set(*slider);
        grid->addWidget(Cell(slider, look.caption), row, column++);
    }
    ++row;
}

void CKelvoGalleryWindow::AddListRow(QGridLayout* grid, int& row) {
    struct ListLook {
        QString caption;
        std::function<void(CKelvoCommonList&)> set;
    };
    const QList<ListLook> looks = {
        {QStringLiteral("rows"), [](CKelvoCommonList&) {}},
        {QStringLiteral("rows 2 and 3 selected"),
         [](CKelvoCommonList& l) {
             l.topLevelItem(1)->setSelected(true);
             l.topLevelItem(2)->setSelected(true);
         }},
        {QStringLiteral("drop target"),
         [](CKelvoCommonList& l) {
             l.setAcceptDrops(true);
             KelvoCommonSendMessage(&l, WM_KC_LIST_DRAGGING_HOVERED);
         }},
        {QStringLiteral("disabled"), [](CKelvoCommonList& l) { l.setEnabled(false); }},
        {QStringLiteral("font of 20 pixels"),
         [](CKelvoCommonList& l) {
             QFont font = l.font();
             font.setPixelSize(20);
             l.setFont(font);
         }},
    };
    const QStringList paths = {
        QStringLiteral("/home/user/takes/intro.cam"), QStringLiteral("/home/user/takes/voice.aud"),
        QStringLiteral("/home/user/takes/a long name that ends in an ellipsis.cam"),
        QStringLiteral("/home/user/takes/outro.aud"), QStringLiteral("/home/user/takes/cut.cam")};
    grid->addWidget(RowTitle(QStringLiteral("List")), row, 0);
    int column = 1;
    for (const ListLook& look : looks) {
        auto* list = new CKelvoCommonList;
        list->setHeaderLabels({QStringLiteral("No."), QStringLiteral("Path")});
        list->header()->resizeSection(0, 34);
        for (int i = 0; i < paths.size(); ++i)
            list->addTopLevelItem(new QTreeWidgetItem({QString::number(i + 1), paths.at(i)}));
        // Short enough that the last row is cut off and left undrawn.
        list->setFixedSize(kButtonSize.width() + 40, 88);
        list->setFocusPolicy(Qt::NoFocus);
        look.set(*list);
        grid->addWidget(Cell(list, look.caption), row, column++);
    }
    auto* picture = new QLabel;
    picture->setAutoFillBackground(true);
    QPalette palette = picture->palette();
    palette.setColor(QPalette::Window, QColor(0xD8, 0xD8, 0xD8));
    picture->setPalette(palette);
    picture->setPixmap(QPixmap::fromImage(CKelvoCommonList::DragPicture(
        font(), {QSize(kButtonSize.width(), 14), QSize(kButtonSize.width(), 14)},
        {QStringLiteral("2"), QStringLiteral("3")}, devicePixelRatioF())));
    grid->addWidget(Cell(picture, QStringLiteral("drag picture, 2 rows")), row, column++);
    ++row;
}

// --- end of slider and list ---

void CKelvoGalleryWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    CKelvoCommonGdiplus::DrawRectGradationVertical(painter, rect(), kWindowTop, 255, kWindowBottom,
                                                   255);
    painter.setPen(LabelColor());
}

QImage CKelvoGalleryWindow::Render() {
    if (!isVisible())
        show();
    activateWindow();
    QApplication::processEvents();
    if (m_focusedButton)
        m_focusedButton->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    return grab().toImage();
}

bool KelvoGalleryWantsScreenshot(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 ||
            std::strncmp(argv[i], "--screenshot=", 13) == 0)
            return true;
    }
    return false;
}

int KelvoGalleryRun(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows every control of the KelvoCommon library in every state."));
    parser.addHelpOption();
    const QCommandLineOption screenshot(
        QStringList{QStringLiteral("screenshot")},
        QStringLiteral("Render the gallery offscreen into <file> (PNG) and exit."),
        QStringLiteral("file"));
    parser.addOption(screenshot);
    if (!parser.parse(arguments)) {
        QTextStream(stderr) << parser.errorText() << '\n';
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    CKelvoGalleryWindow window;
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        const QImage image = window.Render();
        if (image.isNull() || !image.save(file, "PNG")) {
            QTextStream(stderr) << "kelvo-gallery: cannot write " << file << '\n';
            return 1;
        }
        return 0;
    }
    window.show();
    return QApplication::exec();
}
