// SPDX-License-Identifier: MIT
// What a screen reader reads of the menu and the small windows: names,
// roles, checked states and values of the owner-drawn controls.
#include "app/VendraskApp.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonList.h"
#include "common/controls/KelvoCommonSlider.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonTab.h"
#include "dialogs/VendraskConfig.h"
#include "dialogs/VendraskConfigBehavior.h"
#include "dialogs/VendraskConfigPage.h"
#include "dialogs/VendraskConfirmation.h"
#include "dialogs/VendraskGroupTitle.h"
#include "dialogs/VendraskInformation.h"
#include "dialogs/VendraskItemSetting.h"
#include "menu/VendraskMain.h"
#include "tests/support/VendraskMenuHarness.h"

#include <QAccessible>
#include <QComboBox>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

using vendrask::test::CVendraskMenuHarness;

namespace {

QAccessibleInterface* Of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

std::string Text(QObject* object, QAccessible::Text t) {
    return Of(object)->text(t).toStdString();
}

// The controls a user reaches or reads, from a window down.
void Walk(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& out) {
    static const QList<QAccessible::Role> kControls{
        QAccessible::Dialog,   QAccessible::Button,       QAccessible::CheckBox,
        QAccessible::ComboBox, QAccessible::EditableText, QAccessible::PageTabList,
        QAccessible::PageTab,  QAccessible::StaticText,   QAccessible::Graphic};
    if (kControls.contains(node->role()) && !node->state().invisible)
        out.push_back(node);
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), out);
}

class VendraskAccessibleTest : public ::testing::Test, protected CVendraskMenuHarness {
protected:
    void SetUp() override {
        app->m_item[0] = ItemRecord();
        app->m_item[1].Name.Assign(QStringLiteral("Internet Explorer"));
        app->m_item[1].Path.Assign(QStringLiteral("/usr/bin/iexplore"));
        app->m_groupTitle[0].Assign(QString());
        app->m_groupTitle[3].Assign(QStringLiteral("Games"));
        MakeMenu();
    }
    CVendraskHotKeyState hotKeyState{App()};
};

} // namespace

TEST_F(VendraskAccessibleTest, EveryControlOfEveryWindowHasAName) {
    CVendraskConfirmation confirmation(App(), menu.get());
    confirmation.m_confirmationMessage = CVendraskConfirmation::MoveQuestion();
    CVendraskItemSetting setting(App(), menu.get());
    CVendraskGroupTitle title(App(), menu.get());
    CVendraskInformation information(App(), menu.get());
    CVendraskConfig config(App(), menu.get(), hotKeyState);
    QWidget* windows[] = {menu.get(), &confirmation, &setting, &title, &information, &config};
    for (CVendraskSmallWindow* window : std::initializer_list<CVendraskSmallWindow*>{
             &confirmation, &setting, &title, &information, &config})
        window->PrepareRun();
    for (QWidget* window : windows) {
        window->show();
        SCOPED_TRACE(window->windowTitle().toStdString());
        // Every page once, each shown in turn.
        for (int page = 0; page < CVendraskConfig::kPageCount; ++page) {
            if (window == &config)
                Q_EMIT config.findChild<CKelvoCommonTab*>()->SelectionChanged(page);
            std::vector<QAccessibleInterface*> controls;
            Walk(Of(window), controls);
            EXPECT_GT(controls.size(), 1u);
            // The pages sit on the tab control, beside its page tabs.
            if (window == &config) {
                EXPECT_TRUE(std::any_of(controls.begin(), controls.end(), [](auto* control) {
                    return control->role() == QAccessible::CheckBox;
                }));
            }
            for (QAccessibleInterface* control : controls) {
                const QString name = control->text(QAccessible::Name);
                EXPECT_FALSE(name.trimmed().isEmpty())
                    << "role " << control->role() << " object "
                    << (control->object() ? control->object()->metaObject()->className() : "-");
            }
            if (window != &config)
                break;
        }
        window->hide();
    }
    EXPECT_EQ(Of(&confirmation)->role(), QAccessible::Dialog);
    EXPECT_EQ(Text(&confirmation, QAccessible::Name), "Vendrask Confirmation");
    EXPECT_EQ(Text(&confirmation, QAccessible::Description),
              CVendraskConfirmation::MoveQuestion().toStdString());
}

TEST_F(VendraskAccessibleTest, MenuButtonsSayLetterItemAndShownGroup) {
    struct Row {
        const char* name;
        int group; // shown
        QWidget* control;
        const char* accessibleName;
        int checked; // -1: not checkable
    };
    const auto check = [](const Row& row) {
        SCOPED_TRACE(row.name);
        QAccessibleInterface* iface = Of(row.control);
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), row.accessibleName);
        EXPECT_EQ(iface->state().checkable, row.checked >= 0);
        if (row.checked >= 0) {
            EXPECT_EQ(iface->state().checked, row.checked == 1);
        }
    };
    const Row rows[] = {
        {"empty item", 0, menu->ItemButton(0), "A, empty", -1},
        {"named item", 0, menu->ItemButton(1), "B, Internet Explorer", -1},
        {"last item", 0, menu->ItemButton(25), "Z, empty", -1},
        {"shown group", 0, menu->GroupButton(0), "Group 0", 1},
        {"titled group", 0, menu->GroupButton(3), "Group 3, Games", 0},
        {"untitled title", 0, menu->Control(CVendraskMain::kIdGroupTitle), "Group title", -1},
        {"hide", 0, menu->Control(CVendraskMain::kIdHide), "Hide", -1},
        {"information", 0, menu->Control(CVendraskMain::kIdInformation), "Information", -1},
        {"configuration", 0, menu->Control(CVendraskMain::kIdConfiguration), "Configuration", -1},
        {"group changed", 3, menu->GroupButton(3), "Group 3, Games", 1},
        {"group left", 3, menu->GroupButton(0), "Group 0", 0},
        {"title of shown group", 3, menu->Control(CVendraskMain::kIdGroupTitle),
         "Group title, Games", -1},
        {"item of other group", 3, menu->ItemButton(1), "B, empty", -1},
    };
    for (const Row& row : rows) {
        if (row.group != app->m_currentGroup) {
            app->m_currentGroup = row.group;
            menu->ShowCurrentGroup();
        }
        check(row);
    }

    app->m_currentGroup = 0;
    menu->ShowCurrentGroup();
    EXPECT_EQ(Text(menu->ItemButton(1), QAccessible::Accelerator), "B");
    EXPECT_EQ(Text(menu->ItemButton(1), QAccessible::Description), "/usr/bin/iexplore");
    // The name carries the letter; no label relation says it a second time.
    EXPECT_TRUE(Of(menu->ItemButton(2))->relations(QAccessible::Label).isEmpty());
}

TEST_F(VendraskAccessibleTest, OwnerDrawnControlsTellRoleStateAndValue) {
    CVendraskConfig config(App(), menu.get(), hotKeyState);
    config.PrepareRun();
    CVendraskItemSetting setting(App(), menu.get());
    setting.PrepareRun();
    setting.Edit(CVendraskItemSetting::FieldName)->setText(QStringLiteral("Notes"));
    CVendraskConfigPage& behavior = *config.Page(CVendraskConfig::PageBehavior);
    auto* lock =
        qobject_cast<CKelvoCommonCheck*>(behavior.Control(CVendraskConfigBehavior::kIdItemLock));
    ASSERT_NE(lock, nullptr);
    CKelvoCommonSlider slider;
    slider.setRange(0, 10);
    slider.setValue(4);

    struct Row {
        const char* name;
        QWidget* control;
        QAccessible::Role role;
        const char* accessibleName;
        const char* value;
    };
    const Row rows[] = {
        {"check box", lock, QAccessible::CheckBox, "Item Lock", ""},
        {"edge box", behavior.Control(CVendraskConfigBehavior::kIdTop), QAccessible::CheckBox,
         "Top edge", ""},
        {"combo", behavior.Control(CVendraskConfigBehavior::kIdHotKey), QAccessible::ComboBox, "",
         ""},
        {"edit", setting.Edit(CVendraskItemSetting::FieldName), QAccessible::EditableText,
         "Item Name", "Notes"},
        {"slider", &slider, QAccessible::Slider, "", "4"},
        {"tab control", config.findChild<CKelvoCommonTab*>(), QAccessible::PageTabList, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QAccessibleInterface* iface = Of(row.control);
        EXPECT_EQ(iface->role(), row.role);
        if (*row.accessibleName != '\0') {
            EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), row.accessibleName);
        }
        if (*row.value != '\0') {
            EXPECT_EQ(iface->text(QAccessible::Value).toStdString(), row.value);
        }
    }

    // The combo's value is what it shows; a check box's state follows the box.
    auto* hotKey = qobject_cast<QComboBox*>(behavior.Control(CVendraskConfigBehavior::kIdHotKey));
    EXPECT_EQ(Text(hotKey, QAccessible::Value), hotKey->currentText().toStdString());
    const auto labels = Of(hotKey)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name).toStdString(), "Hot Key");
    for (const int check : {1, 0}) {
        lock->SetCheck(check);
        EXPECT_EQ(Of(lock)->state().checked, check == 1);
        EXPECT_TRUE(Of(lock)->state().checkable);
    }
    // Each page tab is a child named by its caption; the shown one is selected.
    QAccessibleInterface* tabs = Of(config.findChild<CKelvoCommonTab*>());
    ASSERT_EQ(tabs->childCount(), 3 + CVendraskConfig::kPageCount);
    EXPECT_EQ(tabs->child(1)->text(QAccessible::Name).toStdString(), "Appearance");
    EXPECT_EQ(tabs->child(1)->role(), QAccessible::PageTab);
    EXPECT_TRUE(tabs->child(0)->state().selected);
    EXPECT_FALSE(tabs->child(1)->state().selected);
    EXPECT_EQ(tabs->indexOfChild(tabs->child(2)), 2);
}
