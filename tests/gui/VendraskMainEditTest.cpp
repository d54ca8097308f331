// SPDX-License-Identifier: MIT
// Editing items from the menu window: the item commands under the lock and
// confirmation switches, the clipboard, moves, file drops and the group
// title window, also when the menu goes away while a command runs.
#include "common/KelvoCommonMessages.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/hook/KelvoCommonHookMouse.h"
#include "common/platform/fake/KelvoCommonFakeClock.h"
#include "common/platform/fake/KelvoCommonFakeHookMouseSource.h"
#include "common/platform/fake/KelvoCommonFakeHotKey.h"
#include "common/platform/fake/KelvoCommonFakeShell.h"
#include "common/system/KelvoCommonShortcutFile.h"
#include "dialogs/VendraskConfirmation.h"
#include "dialogs/VendraskGroupTitle.h"
#include "dialogs/VendraskItemSetting.h"
#include "menu/VendraskMain.h"
#include "tests/gui/VendraskDialogTestSupport.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QSystemTrayIcon>
#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>

using vendrask::test::CAppOnTempFile;
using vendrask::test::CModalAnswerer;
using vendrask::test::MakeItem;

namespace {

constexpr int kGroup = 2;
const ItemRecord kFilled = MakeItem(u"Editor", u"/usr/bin/editor", u"-n", u"/home/u");
const ItemRecord kOther = MakeItem(u"Shell", u"/bin/sh", u"-l", u"/tmp");

class VendraskMainEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu = std::make_unique<CVendraskMain>(App(), &owner);
        Reset();
        menu->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu.get()));
    }
    void TearDown() override { menu.reset(); }

    CVendraskApp& App() { return *files.app; }
    ItemRecord& Item(int slot, int group = kGroup) { return App().m_item[group * 26 + slot]; }
    ItemRecord Stored(int slot, int group = kGroup) const {
        return files.Reloaded()->m_item[group * 26 + slot];
    }
    // Group kGroup with slots 0 and 1 filled, everything else empty.
    void Reset() {
        for (ItemRecord& item : App().m_item)
            item = ItemRecord();
        Item(0) = kFilled;
        Item(1) = kOther;
        App().m_currentGroup = kGroup;
        App().m_behaviorItemLock = 0;
        App().m_behaviorConfirmationDialog = 1;
        // Hides keep the group, so a command's group stays in view.
        App().m_behaviorDefaultGroupID = CVendraskApp::kDefaultGroupNone;
        // The file starts from the same items (the slots the tests use).
        for (int slot = 0; slot <= 6; ++slot)
            App().SaveToIniFile(kGroup * 26 + slot + 1);
        menu->ShowCurrentGroup();
    }
    void Focus(int slot) { menu->ItemButton(slot)->setFocus(); }
    // Confirmation answers: OK, Cancel.
    static CModalAnswerer::Answer Answer(bool ok) {
        return [ok](QDialog& dialog) {
            auto& confirmation = dynamic_cast<CVendraskConfirmation&>(dialog);
            (ok ? confirmation.OkButton() : confirmation.CancelButton())->click();
        };
    }
    bool PasteEnabled() const {
        return menu->ItemMenuAction(CVendraskMain::kCmdPaste)->isEnabled();
    }

    CAppOnTempFile files;
    QWidget owner;
    std::unique_ptr<CVendraskMain> menu;
};

} // namespace

TEST_F(VendraskMainEditTest, CommandsUnderLockAndConfirmation) {
    const ItemRecord empty;
    struct Row {
        const char* name;
        int command;
        int lock;
        int confirm;
        bool answerOk;
        int focusSlot;   // -1: the focus on the configuration button
        bool asked;      // the confirmation window came up
        ItemRecord slot; // what the focused (or first) slot holds afterwards
        bool pasteOn;    // the Paste entry afterwards
    };
    const Row rows[] = {
        {"copy never asks", CVendraskMain::kCmdCopy, 0, 1, true, 0, false, kFilled, true},
        {"cut with OK", CVendraskMain::kCmdCut, 0, 1, true, 0, true, empty, true},
        {"cut refused", CVendraskMain::kCmdCut, 0, 1, false, 0, true, kFilled, false},
        {"cut without confirmation", CVendraskMain::kCmdCut, 0, 0, false, 0, false, empty, true},
        {"cut under the lock", CVendraskMain::kCmdCut, 1, 1, true, 0, false, kFilled, false},
        {"cut asks even off the items", CVendraskMain::kCmdCut, 0, 1, true, -1, true, kFilled,
         false},
        {"cut of an empty item", CVendraskMain::kCmdCut, 0, 1, true, 5, true, empty, false},
        {"delete with OK", CVendraskMain::kCmdDelete, 0, 1, true, 0, true, empty, false},
        {"delete refused", CVendraskMain::kCmdDelete, 0, 1, false, 0, true, kFilled, false},
        {"delete without confirmation", CVendraskMain::kCmdDelete, 0, 0, false, 0, false, empty,
         false},
        {"delete under the lock", CVendraskMain::kCmdDelete, 1, 0, true, 0, false, kFilled, false},
        {"paste before any copy does nothing", CVendraskMain::kCmdPaste, 0, 1, true, 0, false,
         kFilled, false},
        {"special item never asks", CVendraskMain::kCmdSpecialFirst + 1, 0, 1, true, 0, false,
         MakeItem(u"マイドキュメント", u"CSIDL::5", u"", u""), false},
        {"special item under the lock", CVendraskMain::kCmdSpecialFirst + 1, 1, 1, true, 0, false,
         kFilled, false},
        {"copy under the lock", CVendraskMain::kCmdCopy, 1, 1, true, 0, false, kFilled, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        menu = std::make_unique<CVendraskMain>(App(), &owner);
        Reset();
        menu->show();
        App().m_behaviorItemLock = row.lock;
        App().m_behaviorConfirmationDialog = row.confirm;
        if (row.focusSlot >= 0)
            Focus(row.focusSlot);
        else
            menu->Control(CVendraskMain::kIdConfiguration)->setFocus();
        CModalAnswerer answerer(Answer(row.answerOk));
        menu->OnItemCommand(row.command);
        EXPECT_EQ(answerer.Titles().size(), row.asked ? 1 : 0);
        const int slot = std::max(row.focusSlot, 0);
        EXPECT_EQ(Item(slot), row.slot);
        EXPECT_EQ(Stored(slot), row.slot) << "the file holds what the model holds";
        EXPECT_EQ(menu->ItemButton(slot)->text(), row.slot.Name.ToQString());
        EXPECT_EQ(PasteEnabled(), row.pasteOn);
        EXPECT_EQ(menu->IsConfirmationOpen(), false);
    }
}

TEST_F(VendraskMainEditTest, ConfirmationAsksTheCommandsQuestion) {
    struct Row {
        const char* name;
        int command;
        QString question;
    };
    const Row rows[] = {
        {"cut", CVendraskMain::kCmdCut, CVendraskConfirmation::CutQuestion()},
        {"paste", CVendraskMain::kCmdPaste, CVendraskConfirmation::PasteQuestion()},
        {"delete", CVendraskMain::kCmdDelete, CVendraskConfirmation::DeleteQuestion()},
    };
    Focus(0);
    menu->OnItemCommand(CVendraskMain::kCmdCopy);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QString asked;
        int openFlag = 0;
        CModalAnswerer answerer([&](QDialog& dialog) {
            asked = menu->Confirmation().m_confirmationMessage;
            openFlag = menu->IsConfirmationOpen() ? 1 : 0;
            Answer(false)(dialog);
        });
        menu->OnItemCommand(row.command);
        EXPECT_EQ(asked, row.question);
        EXPECT_EQ(openFlag, 1);
    }
}

TEST_F(VendraskMainEditTest, ClipboardCarriesAnItemAcrossGroupsAndHiding) {
    App().m_behaviorConfirmationDialog = 0;
    App().m_behaviorDefaultGroupID = CVendraskApp::kDefaultGroupNone;
    Focus(0);
    menu->OnItemCommand(CVendraskMain::kCmdCut);
    EXPECT_EQ(Item(0), ItemRecord());
    menu->HideMenu();
    App().m_currentGroup = 7;
    menu->ShowCurrentGroup();
    menu->show();
    for (int slot : {4, 9}) {
        Focus(slot);
        menu->OnItemCommand(CVendraskMain::kCmdPaste);
        EXPECT_EQ(Item(slot, 7), kFilled) << "pasted twice, two copies";
        EXPECT_EQ(Stored(slot, 7), kFilled);
        EXPECT_EQ(menu->ItemButton(slot)->text(), QStringLiteral("Editor"));
    }
    EXPECT_EQ(Stored(0), ItemRecord()) << "the cut item is gone from its group";
    EXPECT_TRUE(PasteEnabled());
}

TEST_F(VendraskMainEditTest, PasteReplacesAFilledItemWhole) {
    App().m_behaviorConfirmationDialog = 0;
    Focus(1);
    menu->OnItemCommand(CVendraskMain::kCmdCopy);
    Item(0) = MakeItem(u"X", u"/x", u"", u"");
    Focus(0);
    menu->OnItemCommand(CVendraskMain::kCmdPaste);
    EXPECT_EQ(Item(0), kOther);
    EXPECT_EQ(Item(1), kOther) << "a copy leaves the source";

    // Copying an empty item leaves the clipboard as it was.
    Focus(12);
    menu->OnItemCommand(CVendraskMain::kCmdCopy);
    Focus(13);
    menu->OnItemCommand(CVendraskMain::kCmdPaste);
    EXPECT_EQ(Item(13), kOther);
}

TEST_F(VendraskMainEditTest, OpenFolderStartsTheStoredFolder) {
    auto& shell = static_cast<CKelvoCommonFakeShell&>(*App().Services().shell);
    struct Row {
        const char* name;
        int lock;
        QString path;
        bool hides;
        QString opened; // empty: nothing opens
    };
    const QString dir = QString::fromStdString(files.dir.Path().string());
    const Row rows[] = {
        {"the folder of a file", 0, dir + QStringLiteral("/tool.sh"), true, dir + u'/'},
        {"a special location has none", 0, QStringLiteral("CSIDL::5"), true, QString()},
        {"an empty path does nothing", 0, QString(), false, QString()},
        {"under the lock nothing", 1, dir + QStringLiteral("/tool.sh"), false, QString()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        menu->show();
        shell.ClearCalls();
        App().m_behaviorItemLock = row.lock;
        Item(3).Path.Assign(row.path);
        Focus(3);
        menu->OnItemCommand(CVendraskMain::kCmdOpenFolder);
        EXPECT_EQ(menu->isVisible(), !row.hides);
        if (row.opened.isEmpty()) {
            EXPECT_TRUE(shell.Calls().isEmpty());
        } else {
            ASSERT_EQ(shell.Calls().size(), 1);
            EXPECT_EQ(shell.Calls().front().file, row.opened);
            EXPECT_TRUE(shell.Calls().front().parameters.isEmpty());
        }
    }
}

TEST_F(VendraskMainEditTest, DraggingAnItemButtonMovesTheItem) {
    struct Row {
        const char* name;
        int lock;
        int confirm;
        bool answerOk;
        int target; // slot, or -1 for the group button 3
        int source;
        bool moved;
    };
    const Row rows[] = {
        {"onto a filled item", 0, 1, true, 1, 0, true},
        {"onto an empty item without confirmation", 0, 0, true, 5, 0, true},
        {"refused", 0, 1, false, 1, 0, false},
        {"under the lock", 1, 0, true, 1, 0, false},
        {"onto a group button", 0, 0, true, -1, 0, false},
        {"onto itself", 0, 0, true, 0, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Reset();
        App().m_behaviorItemLock = row.lock;
        App().m_behaviorConfirmationDialog = row.confirm;
        QWidget* target = row.target >= 0 ? static_cast<QWidget*>(menu->ItemButton(row.target))
                                          : static_cast<QWidget*>(menu->GroupButton(3));
        const ItemRecord targetBefore = row.target >= 0 ? Item(row.target) : ItemRecord();
        CModalAnswerer answerer(Answer(row.answerOk));
        KelvoCommonPostMessage(menu.get(), WM_KC_BUTTON_DROPPED, target,
                               menu->ItemButton(row.source));
        QCoreApplication::processEvents();
        if (row.moved) {
            EXPECT_EQ(Item(row.target), kFilled);
            EXPECT_EQ(Item(row.source), ItemRecord());
            EXPECT_EQ(Stored(row.target), kFilled);
            EXPECT_EQ(Stored(row.source), ItemRecord());
            EXPECT_EQ(menu->ItemButton(row.target)->text(), QStringLiteral("Editor"));
            EXPECT_EQ(menu->ItemButton(row.source)->text(), QString());
        } else {
            EXPECT_EQ(Item(row.source), kFilled);
            if (row.target >= 0) {
                EXPECT_EQ(Item(row.target), targetBefore);
            }
        }
    }
}

TEST_F(VendraskMainEditTest, DroppedFilesAreRegistered) {
    const QString dir = QString::fromStdString(files.dir.Path().string());
    const QString link = dir + QStringLiteral("/Editor.lnk");
    ASSERT_EQ(CKelvoCommonShortcutFile::WriteLnk(QFile::encodeName(link).toStdString(),
                                                 u"C:\\Tools\\editor.exe", u"-n", u"C:\\Work"),
              KelvoShortcutStatus::Ok);
    const QString folder = dir + QStringLiteral("/Photos 2024");
    const QString longName = dir + u'/' + QString(40, QLatin1Char('L')) + QStringLiteral(".txt");
    const QString japanese = dir + QString::fromUtf16(u"/日本語のメモ.txt");
    QDir().mkpath(folder);
    for (const QString& file : {longName, japanese}) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    }
    struct Row {
        const char* name;
        int lock;
        QStringList files;
        int slot;
        ItemRecord expected; // Name empty: the slot keeps what it held
    };
    const auto item = [](const QString& name, const QString& path, const char16_t* option = u"",
                         const char16_t* working = u"") {
        ItemRecord record;
        record.Name.Assign(name);
        record.Path.Assign(path);
        record.Option.Assign(std::u16string_view(option));
        record.WorkingFolder.Assign(std::u16string_view(working));
        return record;
    };
    const Row rows[] = {
        {"a link onto slot 3",
         0,
         {link},
         3,
         item(QStringLiteral("Editor"), QStringLiteral("C:\\Tools\\editor.exe"), u"-n",
              u"C:\\Work")},
        {"a folder", 0, {folder}, 4, item(QStringLiteral("Photos 2024"), folder)},
        {"a 40-character name keeps 36",
         0,
         {longName},
         5,
         item(QString(36, QLatin1Char('L')), longName)},
        {"a Japanese name", 0, {japanese}, 6, item(QString::fromUtf16(u"日本語のメモ"), japanese)},
        {"over a filled item, no question",
         0,
         {folder},
         0,
         item(QStringLiteral("Photos 2024"), folder)},
        {"under the lock", 1, {folder}, 1, kOther},
        {"two files", 0, {folder, longName}, 1, kOther},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Reset();
        App().m_behaviorItemLock = row.lock;
        CKelvoCommonButton* button = menu->ItemButton(row.slot);
        QList<QUrl> urls;
        for (const QString& file : row.files)
            urls.append(QUrl::fromLocalFile(file));
        QMimeData mime;
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(button, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(button, &drop);
        CModalAnswerer answerer(Answer(false));
        QCoreApplication::processEvents();
        EXPECT_TRUE(answerer.Titles().isEmpty());
        EXPECT_EQ(Item(row.slot), row.expected);
        EXPECT_EQ(Stored(row.slot), row.expected);
        EXPECT_EQ(button->text(), row.expected.Name.ToQString());
    }
}

TEST_F(VendraskMainEditTest, EditOpensTheFocusedSlotAndStoresOnEscape) {
    Focus(1);
    QString label;
    int openFlag = 0;
    CModalAnswerer answerer([&](QDialog& dialog) {
        auto& setting = dynamic_cast<CVendraskItemSetting&>(dialog);
        label = setting.ItemLabel()->text();
        openFlag = menu->IsItemSettingOpen() ? 1 : 0;
        EXPECT_EQ(setting.Edit(CVendraskItemSetting::FieldPath)->text(), QStringLiteral("/bin/sh"));
        setting.Edit(CVendraskItemSetting::FieldName)->setText(QStringLiteral("Login shell"));
        QTest::keyClick(setting.focusWidget(), Qt::Key_Escape);
    });
    menu->OnItemCommand(CVendraskMain::kCmdEdit);
    EXPECT_EQ(label, QStringLiteral("Item Setting for \"B\""));
    EXPECT_EQ(openFlag, 1);
    EXPECT_EQ(menu->IsItemSettingOpen(), false);
    EXPECT_EQ(Item(1).Name.ToQString(), QStringLiteral("Login shell"));
    EXPECT_EQ(Stored(1).Name.ToQString(), QStringLiteral("Login shell"));
    EXPECT_EQ(menu->ItemButton(1)->text(), QStringLiteral("Login shell"));
}

TEST_F(VendraskMainEditTest, GroupTitleButtonWorksUnderTheLock) {
    App().m_behaviorItemLock = 1;
    int openFlag = 0;
    CModalAnswerer answerer([&](QDialog& dialog) {
        auto& title = dynamic_cast<CVendraskGroupTitle&>(dialog);
        openFlag = menu->IsGroupTitleOpen() ? 1 : 0;
        title.TitleEdit()->clear();
        QTest::keyClick(title.focusWidget(), Qt::Key_Escape);
    });
    static_cast<CKelvoCommonButton*>(menu->Control(CVendraskMain::kIdGroupTitle))->click();
    EXPECT_EQ(answerer.Titles(), QStringList{QStringLiteral("Vendrask Group Title")});
    EXPECT_EQ(openFlag, 1);
    EXPECT_EQ(menu->IsGroupTitleOpen(), false);
    EXPECT_EQ(App().m_groupTitle[kGroup].ToQString(), QString());
    EXPECT_EQ(files.Reloaded()->m_groupTitle[kGroup].ToQString(), QString());
    EXPECT_EQ(menu->Control(CVendraskMain::kIdGroupTitle)->property("text").toString(), QString());
}

TEST_F(VendraskMainEditTest, CloseEndsAnOpenEditorStoringIt) {
    Focus(0);
    int loopResult = -1;
    CModalAnswerer answerer([&](QDialog& dialog) {
        auto& setting = dynamic_cast<CVendraskItemSetting&>(dialog);
        setting.Edit(CVendraskItemSetting::FieldOption)->setText(QStringLiteral("--closing"));
        menu->CloseLauncher();
    });
    QTimer::singleShot(0, menu.get(), [&] { menu->OnItemCommand(CVendraskMain::kCmdEdit); });
    loopResult = menu->RunModalLoop();
    EXPECT_EQ(loopResult, 1);
    EXPECT_EQ(Stored(0).Option.ToQString(), QStringLiteral("--closing"));
}

TEST_F(VendraskMainEditTest, CloseAnswersAnOpenQuestionWithCancel) {
    // The tray's Close, "vendrask quit", D-Bus Quit and a logout's signal
    // all close the launcher this way: nobody said yes.
    const struct {
        const char* name;
        int command;
    } rows[] = {
        {"delete", CVendraskMain::kCmdDelete},
        {"cut", CVendraskMain::kCmdCut},
        {"paste over an item", CVendraskMain::kCmdPaste},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        menu = std::make_unique<CVendraskMain>(App(), &owner);
        Reset();
        Focus(1);
        App().m_behaviorConfirmationDialog = 0;
        menu->OnItemCommand(CVendraskMain::kCmdCopy);
        App().m_behaviorConfirmationDialog = 1;
        Focus(0);
        CModalAnswerer answerer([&](QDialog&) { menu->CloseLauncher(); });
        QTimer::singleShot(0, menu.get(), [&] { menu->OnItemCommand(row.command); });
        EXPECT_EQ(menu->RunModalLoop(), 1);
        EXPECT_EQ(answerer.Titles(), QStringList{QStringLiteral("Vendrask Confirmation")});
        EXPECT_EQ(Item(0).Name.ToQString(), kFilled.Name.ToQString());
        EXPECT_EQ(Stored(0).Name.ToQString(), kFilled.Name.ToQString());
    }
}

TEST_F(VendraskMainEditTest, AHideMeanwhileLeavesTheCommandInItsGroup) {
    // Group 0 is the default group every hide returns to.
    const ItemRecord zero = MakeItem(u"Group zero", u"/bin/true", u"", u"");
    const auto hotKey = [this] {
        static_cast<CKelvoCommonFakeHotKey&>(*App().Services().hotKey)
            .Press(CKelvoCommonHotKey::Identifier(App().m_hotKeyModifier, App().m_hotKeyCode));
    };
    const auto trayClick = [this] {
        Q_EMIT menu->TrayIcon()->activated(QSystemTrayIcon::Trigger);
        QCoreApplication::sendPostedEvents(menu.get(), QEvent::MetaCall);
    };
    const auto edgeClick = [this] {
        auto& hook = *App().Services().hookMouse;
        auto& source = static_cast<CKelvoCommonFakeHookMouseSource&>(hook.Source());
        // Reading the file back built another hook object, whose end took
        // the one hook of the process away.
        hook.StartHook();
        source.MoveTo({0, 500}); // click mode: a press at an edge toggles
        source.LeftPress();
        static_cast<CKelvoCommonFakeClock&>(hook.Scheduler()).Advance(0);
    };
    struct Row {
        const char* name;
        std::function<void()> start;
        std::function<void()> hide;
        std::function<void(QDialog&)> answer;
        std::function<void()> check;
    };
    const Row rows[] = {
        {"item setting closed after the hot key",
         [this] {
             Focus(3);
             menu->OnItemCommand(CVendraskMain::kCmdEdit);
         },
         hotKey,
         [](QDialog& dialog) {
             auto& setting = dynamic_cast<CVendraskItemSetting&>(dialog);
             setting.Edit(CVendraskItemSetting::FieldName)->setText(QStringLiteral("Typed"));
             setting.done(1);
         },
         [this] { EXPECT_EQ(Stored(3).Name.ToQString(), QStringLiteral("Typed")); }},
        {"group title closed after a tray click",
         [this] {
             static_cast<CKelvoCommonButton*>(menu->Control(CVendraskMain::kIdGroupTitle))->click();
         },
         trayClick,
         [](QDialog& dialog) {
             auto& title = dynamic_cast<CVendraskGroupTitle&>(dialog);
             title.TitleEdit()->setText(QStringLiteral("Typed"));
             title.done(1);
         },
         [this] {
             EXPECT_EQ(files.Reloaded()->m_groupTitle[kGroup].ToQString(), QStringLiteral("Typed"));
             EXPECT_EQ(files.Reloaded()->m_groupTitle[0].ToQString(), QStringLiteral("Group0"));
         }},
        {"move confirmed after an edge click",
         [this] {
             KelvoCommonPostMessage(menu.get(), WM_KC_BUTTON_DROPPED, menu->ItemButton(3),
                                    menu->ItemButton(0));
             QCoreApplication::processEvents();
         },
         edgeClick, Answer(true),
         [this] {
             EXPECT_EQ(Stored(3), kFilled);
             EXPECT_EQ(Stored(0), ItemRecord());
         }},
        {"delete confirmed after the hot key",
         [this] {
             Focus(1);
             menu->OnItemCommand(CVendraskMain::kCmdDelete);
         },
         hotKey, Answer(true), [this] { EXPECT_EQ(Stored(1), ItemRecord()); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Reset();
        App().m_behaviorDefaultGroupID = 0;
        App().m_colorSetFadeLevel = 0;
        for (int slot = 0; slot <= 3; ++slot) {
            Item(slot, 0) = zero;
            App().SaveToIniFile(slot + 1);
        }
        menu->show();
        CModalAnswerer answerer([&](QDialog& dialog) {
            row.hide();
            EXPECT_FALSE(menu->isVisible());
            EXPECT_EQ(App().m_currentGroup, 0);
            row.answer(dialog);
        });
        row.start();
        EXPECT_EQ(answerer.Titles().size(), 1);
        row.check();
        for (int slot = 0; slot <= 3; ++slot) {
            EXPECT_EQ(Stored(slot, 0), zero) << "group 0 is left alone";
            EXPECT_EQ(menu->ItemButton(slot)->text(), QStringLiteral("Group zero"))
                << "the buttons show group 0";
        }
    }
}
