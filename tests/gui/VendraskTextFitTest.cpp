// SPDX-License-Identifier: MIT
// What the user reads: every text of the launcher's windows fits the control
// that shows it, on one line, with the faces the project installs, and no
// character of the launcher's own texts or of Japanese item names is drawn
// as an empty box; in English and in every translation (the gui tier runs
// this once more at a scale of 1.5).
#include "app/VendraskHotKeyState.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonCombo.h"
#include "common/controls/KelvoCommonStatic.h"
#include "dialogs/VendraskConfig.h"
#include "dialogs/VendraskConfigAppearance.h"
#include "dialogs/VendraskConfigBehavior.h"
#include "dialogs/VendraskConfigSound.h"
#include "dialogs/VendraskConfirmation.h"
#include "dialogs/VendraskGroupTitle.h"
#include "dialogs/VendraskInformation.h"
#include "dialogs/VendraskItemSetting.h"
#include "menu/VendraskMain.h"
#include "tests/gui/VendraskDialogTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QTextLayout>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

using vendrask::test::CVendraskHarness;

namespace {

// Where a text does not fit, as "text: needs W x H, has W x H".
QString Misfit(const QString& text, const QFont& font, double roomWidth, double roomHeight) {
    if (text.isEmpty())
        return {};
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.height();
    if (width <= roomWidth && height <= roomHeight + 0.5)
        return {};
    return QStringLiteral("\"%1\": needs %2 x %3, has %4 x %5")
        .arg(text)
        .arg(width, 0, 'f', 1)
        .arg(height, 0, 'f', 1)
        .arg(roomWidth)
        .arg(roomHeight);
}

// Every label, button, check box and list entry under root that does not
// fit its control; lists in skip are not looked at.
QStringList Misfits(const QWidget& root, const QList<const QWidget*>& skip = {}) {
    QStringList found;
    const auto add = [&](const QString& misfit) {
        if (!misfit.isEmpty())
            found.append(misfit);
    };
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        if (skip.contains(widget))
            continue;
        if (const auto* label = qobject_cast<const CKelvoCommonStatic*>(widget)) {
            const QRect room = label->contentsRect();
            add(Misfit(label->text(), label->font(), room.width(), room.height()));
        } else if (const auto* check = qobject_cast<const CKelvoCommonCheck*>(widget)) {
            // The text must not run under the 11-pixel box.
            const QRect room = CKelvoCommonCheck::TextRect(check->rect(), check->IsLeftText());
            const int box = check->IsLeftText() ? 11 : 0;
            add(Misfit(check->text(), check->font(), room.width() - box, room.height()));
        } else if (const auto* button = qobject_cast<const CKelvoCommonButton*>(widget)) {
            // Inside the one-pixel frame.
            add(Misfit(button->text(), button->font(), button->width() - 2, button->height() - 2));
        } else if (const auto* combo = qobject_cast<const CKelvoCommonCombo*>(widget)) {
            const int room = combo->width() - CKelvoCommonCombo::kArrowWidth -
                             CKelvoCommonCombo::kFaceTextIndent;
            for (int i = 0; i < combo->GetCount(); ++i)
                add(Misfit(combo->GetLBText(i), combo->font(), room, combo->height() - 2));
        }
    }
    return found;
}

// Texts under root that the widget's face draws with an empty box.
QStringList Boxes(const QWidget& root) {
    QStringList found;
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const CKelvoCommonStatic*>(widget))
            text = label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = button->text();
        if (text.isEmpty())
            continue;
        QTextLayout layout(text, widget->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            if (run.glyphIndexes().contains(0u))
                found.append(text + QStringLiteral(" (") + run.rawFont().familyName() +
                             QLatin1Char(')'));
        }
    }
    return found;
}

// "en" is the texts as written; the others their translation, as built.
class VendraskTextFitTest : public ::testing::TestWithParam<const char*>,
                            protected CVendraskHarness {
protected:
    void SetUp() override {
        const QString language = QLatin1String(GetParam());
        if (language == QLatin1String("en"))
            return;
        const QString folder =
            QDir(QStringLiteral(VENDRASK_BINARY_DIR)).filePath(QStringLiteral("translations"));
        ASSERT_TRUE(m_translator.load(QStringLiteral("vendrask_") + language, folder))
            << "no " << language.toStdString() << " translation in " << folder.toStdString();
        QCoreApplication::installTranslator(&m_translator);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&m_translator); }

    QTranslator m_translator;
    QWidget owner;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Languages, VendraskTextFitTest,
                         ::testing::Values("en", "de", "fr", "es", "pt_BR", "ru", "ja", "zh_CN"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

TEST_P(VendraskTextFitTest, EveryTextFitsItsControl) {
    using Check = std::function<QStringList()>;
    struct Row {
        const char* window;
        Check misfits;
    };
    const Row rows[] = {
        {"menu",
         [&] {
             CVendraskMain menu(App(), &owner);
             return Misfits(menu) + Boxes(menu);
         }},
        {"item setting for W, the widest letter",
         [&] {
             CVendraskItemSetting window(App(), &owner);
             window.m_itemIndex = 'W' - 'A';
             window.PrepareRun();
             return Misfits(window) + Boxes(window);
         }},
        {"group title",
         [&] {
             CVendraskGroupTitle window(App(), &owner);
             window.PrepareRun();
             return Misfits(window) + Boxes(window);
         }},
        {"confirmation of each question",
         [&] {
             QStringList found;
             for (const QString& question :
                  {CVendraskConfirmation::CutQuestion(), CVendraskConfirmation::PasteQuestion(),
                   CVendraskConfirmation::DeleteQuestion(),
                   CVendraskConfirmation::MoveQuestion()}) {
                 CVendraskConfirmation window(App(), &owner);
                 window.m_confirmationMessage = question;
                 window.PrepareRun();
                 found += Misfits(window) + Boxes(window);
             }
             return found;
         }},
        {"information, its address longer than its button",
         [&] {
             // Not the checkout's README: where the tree lies must not matter.
             CVendraskInformation window(App(), &owner);
             window.SetAddress(QUrl::fromLocalFile(
                 QStringLiteral("/tmp/%1/share/doc/vendrask/README.md").arg(QString(80, u'x'))));
             window.PrepareRun();
             return Misfits(window) + Boxes(window);
         }},
        {"configuration pages",
         [&] {
             CVendraskHotKeyState state(App());
             CVendraskConfig window(App(), &owner, state);
             window.PrepareRun();
             // The font lists name whatever faces are installed.
             const CVendraskConfigAppearance& appearance = *window.Appearance();
             return Misfits(window,
                            {appearance.Control(CVendraskConfigAppearance::kIdDialogFont),
                             appearance.Control(CVendraskConfigAppearance::kIdButtonFont)}) +
                    Boxes(window);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window);
        const QStringList misfits = row.misfits();
        EXPECT_TRUE(misfits.isEmpty()) << misfits.join(u'\n').toStdString();
    }
}

TEST_P(VendraskTextFitTest, NoCharacterIsDrawnAsAnEmptyBox) {
    QStringList texts = {CVendraskInformation::DescriptionText(), QStringLiteral("マイ Tool")};
    for (const ItemRecord& special : App().m_specialItem)
        texts.append(special.Name.ToQString());
    const struct {
        const char* name;
        QFont font;
    } fonts[] = {{"dialog font", App().m_fontDialog},
                 {"button font", App().m_fontButton},
                 {"small font", App().m_fontSmall}};
    for (const auto& font : fonts) {
        for (const QString& text : texts) {
            SCOPED_TRACE(std::string(font.name) + ": " + text.toStdString());
            QTextLayout layout(text, font.font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns())
                for (quint32 glyph : run.glyphIndexes())
                    EXPECT_NE(glyph, 0u) << "glyph 0 is the face's empty box, in "
                                         << run.rawFont().familyName().toStdString();
        }
    }
}
