// SPDX-License-Identifier: MIT
#include "app/VendraskApp.h"

#include "common/controls/KelvoCommonFont.h"
#include "tests/support/VendraskHarness.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using vendrask::test::CVendraskHarness;
using vendrask::test::ReadBytes;
using vendrask::test::Utf16LeBytes;
using vendrask::test::WriteBytes;

namespace {

class VendraskAppTest : public ::testing::Test, protected CVendraskHarness {
protected:
    VendraskAppTest() : CVendraskHarness(Start::Nothing) {}
    std::filesystem::path ini = dir.File("Vendrask.ini");

    std::unique_ptr<CVendraskApp> MakeApp() {
        auto app = CVendraskHarness::MakeApp();
        app->SetProgramFolder(QString::fromStdString(dir.Path().string()));
        // A test may move the file.
        app->SetIniFilePath(QString::fromStdString(ini.string()));
        return app;
    }
    std::unique_ptr<CVendraskApp> LoadedApp() {
        auto app = MakeApp();
        app->LoadFromIniFile();
        return app;
    }
    // A settings file written as a user would, UTF-16LE with BOM.
    void WriteIni(std::string_view utf8) {
        WriteBytes(ini, std::string("\xFF\xFE", 2) + Utf16LeBytes(utf8));
    }
    CKelvoCommonFakeMessageBox& Box(CVendraskApp& app) const { return *Fakes(app).messageBox; }
    CKelvoCommonFakeSound& Sound(CVendraskApp& app) const { return *Fakes(app).sound; }
};

// A folder nobody may write into, root neither: mode 0555, and for root the
// immutable flag where the file system has one.
class ReadOnlyFolder final {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {
        ::chmod(m_folder.c_str(), 0555);
        if (::geteuid() == 0)
            SetImmutable(true);
    }
    ~ReadOnlyFolder() {
        SetImmutable(false);
        ::chmod(m_folder.c_str(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool Holds() const { return ::access(m_folder.c_str(), W_OK) != 0; }

private:
    void SetImmutable(bool on) const {
        const int fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0)
            ::close(fd);
    }

    std::filesystem::path m_folder;
};

QString Qs(const char16_t* text) {
    return QString::fromUtf16(text);
}

} // namespace

TEST_F(VendraskAppTest, ConstructionValuesDifferFromFileDefaults) {
    auto app = MakeApp();
    EXPECT_EQ(app->m_mouseHookMilliSecond, 500);
    EXPECT_EQ(app->m_mouseHookClickOnDesktop, 0);
    EXPECT_EQ(app->m_colorSetTransparency, 210);
    EXPECT_EQ(app->m_soundDataLoaded, 1);
    EXPECT_EQ(app->m_colorSet[0], CVendraskApp::BuiltInColorSet(1));
    EXPECT_EQ(app->m_specialItem[0].Name.ToQString(), Qs(u"マイコンピュータ"));
    EXPECT_EQ(app->m_specialItem[3].Name.ToQString(), Qs(u"最近使ったファイル"));
    EXPECT_EQ(app->m_specialItem[4].Path.ToQString(), QStringLiteral("CSIDL::6"));
    EXPECT_TRUE(app->m_specialItem[2].Option.IsEmpty());
    EXPECT_EQ(app->m_fontSmall.family(), QStringLiteral("MS UI Gothic"));
    EXPECT_EQ(app->m_brushButtonBackground.color(), QColor(78, 78, 78));
}

TEST_F(VendraskAppTest, FreshStartFillsTheModelWithFileDefaults) {
    auto app = LoadedApp();
    EXPECT_EQ(app->m_item[0].Name.ToQString(), QStringLiteral("Internet Explorer"));
    EXPECT_EQ(app->m_item[13].Name.ToQString(), QStringLiteral("Computer"));
    EXPECT_EQ(app->m_item[13].Path.ToQString(),
              QStringLiteral("CLSID::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"));
    EXPECT_EQ(app->m_item[14].Path.ToQString(), QStringLiteral("CSIDL::5"));
    int filled = 0;
    for (const ItemRecord& item : app->m_item)
        filled += item.Name.IsEmpty() ? 0 : 1;
    EXPECT_EQ(filled, 3);
    EXPECT_EQ(app->m_groupTitle[0].ToQString(), QStringLiteral("Group0"));
    EXPECT_EQ(app->m_groupTitle[9].ToQString(), QStringLiteral("Group9"));
    // File defaults, not construction values.
    EXPECT_EQ(app->m_mouseHookMilliSecond, 300000);
    EXPECT_EQ(app->m_mouseHookClickOnDesktop, 1);
    EXPECT_EQ(app->m_colorSet[0][6], KelvoRgb(98, 98, 78));
    EXPECT_EQ(app->m_fontDialogFaceName, QStringLiteral("Lucida Sans Unicode"));
    EXPECT_EQ(app->m_soundPath[1].ToQString(), QStringLiteral("sound\\MenuClose.wav"));
    EXPECT_EQ(app->m_behaviorDefaultGroupID, 0);
    EXPECT_EQ(app->m_soundFlag, 1);
}

// The whole file, byte for byte: key names, order and defaults are what
// older files and other readers rely on.
TEST_F(VendraskAppTest, FreshStartAndGeneralSaveWriteTheseBytes) {
    const std::string freshStart = "[Item01]\r\nName=Internet Explorer\r\n"
                                   "Path=CLSID::{871C5380-42A0-1069-A2EA-08002B30309D}\r\n"
                                   "[Item14]\r\nName=Computer\r\n"
                                   "Path=CLSID::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\r\n"
                                   "[Item15]\r\nName=User\r\nPath=CSIDL::5\r\n";
    std::string general;
    const char* colors[][4] = {
        {"ColorDialogText", "224", "224", "224"},
        {"ColorDialogBackgroundTop", "88", "88", "88"},
        {"ColorDialogBackgroundBottom", "32", "32", "32"},
        {"ColorDialogFrame", "128", "128", "128"},
        {"ColorButtonText", "224", "224", "224"},
        {"ColorButtonBackgroundDefault", "78", "78", "78"},
        {"ColorButtonBackgroundHovered", "98", "98", "78"},
        {"ColorButtonBackgroundClicked", "118", "118", "78"},
        {"ColorButtonFrameFocused", "188", "188", "128"},
        {"ColorButtonFrameNotFocused", "128", "128", "128"},
    };
    for (const auto& [section, red, green, blue] : colors)
        general += std::string("[") + section + "]\r\nRed=" + red + "\r\nGreen=" + green +
                   "\r\nBlue=" + blue + "\r\n";
    general += "[ColorSet]\r\nIndex=0\r\nTransparency=210\r\nFadeLevel=3\r\nInvertTitlebar=0\r\n"
               "[FontDialog]\r\nFaceName=Lucida Sans Unicode\r\n"
               "[FontButton]\r\nFaceName=Lucida Sans Unicode\r\n"
               "[HotKey]\r\nModifier=3\r\nCode=0\r\n"
               "[MouseHook]\r\nMilliSecond=300000\r\nTop=1\r\nBottom=1\r\nLeft=1\r\nRight=1\r\n"
               "ClickOnDesktop=1\r\n"
               "[Behavior]\r\nConfirmationDialog=1\r\nItemLock=0\r\nShowTopMost=1\r\n"
               "DefaultGroupID=0\r\nUnableHotKey=0\r\n"
               "[Sound]\r\nFlag=1\r\n"
               "[SoundPath]\r\nMenuOpen=sound\\MenuOpen.wav\r\nMenuClose=sound\\MenuClose.wav\r\n"
               "ButtonClick=sound\\ButtonClick.wav\r\nButtonHover=sound\\ButtonHover.wav\r\n";
    const std::string bom("\xFF\xFE", 2);

    auto app = LoadedApp();
    EXPECT_EQ(ReadBytes(ini), bom + Utf16LeBytes(freshStart)) << "fresh start";
    ASSERT_TRUE(app->SaveToIniFile(CVendraskApp::kPartGeneral));
    EXPECT_EQ(ReadBytes(ini), bom + Utf16LeBytes(freshStart + general)) << "general save";
    ASSERT_TRUE(LoadedApp()->SaveToIniFile(CVendraskApp::kPartGeneral));
    EXPECT_EQ(ReadBytes(ini), bom + Utf16LeBytes(freshStart + general)) << "read back, saved again";
}

TEST_F(VendraskAppTest, ExistingFileIsNotGivenTheDefaultItems) {
    WriteIni("[ColorSet]\r\nIndex=2\r\n");
    auto app = LoadedApp();
    EXPECT_TRUE(app->m_item[0].Name.IsEmpty());
    EXPECT_EQ(app->m_colorSetIndex, 2);
    // Missing keys are not written back by loading.
    EXPECT_EQ(ReadBytes(ini),
              std::string("\xFF\xFE", 2) + Utf16LeBytes("[ColorSet]\r\nIndex=2\r\n"));
}

TEST_F(VendraskAppTest, SectionNames) {
    EXPECT_EQ(CVendraskApp::ItemSectionName(1), QStringLiteral("Item01"));
    EXPECT_EQ(CVendraskApp::ItemSectionName(99), QStringLiteral("Item99"));
    EXPECT_EQ(CVendraskApp::ItemSectionName(100), QStringLiteral("Item100"));
    EXPECT_EQ(CVendraskApp::ItemSectionName(260), QStringLiteral("Item260"));
    EXPECT_EQ(CVendraskApp::GroupSectionName(7), QStringLiteral("Group7"));
}

TEST_F(VendraskAppTest, ValuesReadFromAHandEditedFile) {
    struct Row {
        const char* name;
        const char* ini;
        std::function<void(const CVendraskApp&)> check;
    };
    const Row rows[] = {
        {"colour component uses the low 8 bits", "[ColorDialogText]\r\nRed=300\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(KelvoRed(a.m_colorSet[0][0]), 44); }},
        {"empty integer takes the default", "[ColorSet]\r\nTransparency=\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_colorSetTransparency, 210); }},
        {"hex reads as zero", "[HotKey]\r\nCode=0x51\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_hotKeyCode, 0); }},
        {"number then junk", "[HotKey]\r\nCode= 81abc\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_hotKeyCode, 81); }},
        {"title saved empty stays empty", "[Group3]\r\nTitle=\r\n",
         [](const CVendraskApp& a) { EXPECT_TRUE(a.m_groupTitle[3].IsEmpty()); }},
        {"keys match without regard to case", "[fontdialog]\r\nfacename=DejaVu Sans\r\n",
         [](const CVendraskApp& a) {
             EXPECT_EQ(a.m_fontDialogFaceName, QStringLiteral("DejaVu Sans"));
         }},
        {"unknown colour set falls back to the user set", "[ColorSet]\r\nIndex=9\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_colorSetIndex, 0); }},
        {"negative colour set falls back to the user set", "[ColorSet]\r\nIndex=-1\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_colorSetIndex, 0); }},
        {"default group 99 is kept", "[Behavior]\r\nDefaultGroupID=99\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_behaviorDefaultGroupID, 99); }},
        {"unknown default group means none", "[Behavior]\r\nDefaultGroupID=42\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_behaviorDefaultGroupID, 99); }},
        {"transparency above 255 keeps its low 8 bits", "[ColorSet]\r\nTransparency=300\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_colorSetTransparency, 44); }},
        {"transparency -1 is opaque", "[ColorSet]\r\nTransparency=-1\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_colorSetTransparency, 255); }},
        {"transparency below 0 keeps its low 8 bits", "[ColorSet]\r\nTransparency=-5\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_colorSetTransparency, 251); }},
        {"fade level out of range is kept for the fade to treat", "[ColorSet]\r\nFadeLevel=12\r\n",
         [](const CVendraskApp& a) { EXPECT_EQ(a.m_colorSetFadeLevel, 12); }},
        {"name longer than the field is cut to 36",
         "[Item02]\r\nName=0123456789012345678901234567890123456789\r\n",
         [](const CVendraskApp& a) {
             EXPECT_EQ(a.m_item[1].Name.ToQString(),
                       QStringLiteral("012345678901234567890123456789012345"));
         }},
        {"Japanese and emoji text", "[Item260]\r\nName=日本語 🎉\r\n",
         [](const CVendraskApp& a) {
             EXPECT_EQ(a.m_item[259].Name.ToQString(), Qs(u"日本語 🎉"));
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteIni(row.ini);
        auto app = LoadedApp();
        row.check(*app);
    }
}

TEST_F(VendraskAppTest, OptionRoundTripsEveryText) {
    const char16_t* options[] = {
        u"",
        u"plain -x",
        u"\"C:\\Program Files\\a.txt\"",
        u"--title \"a b\" --x",
        u"\"",
        u"\"\"",
        u"\"leading only",
        u"trailing only\"",
        u"'single quoted'",
        u"  spaced  ",
        u"\"\"\"triple\"\"\"",
        u"日本語 \"引用\" 🎉",
    };
    WriteIni("");
    for (const char16_t* option : options) {
        SCOPED_TRACE(QString::fromUtf16(option).toStdString());
        auto writer = LoadedApp();
        writer->m_item[30].Option.Assign(Qs(option));
        ASSERT_TRUE(writer->SaveToIniFile(31));
        // Twice through save and load: nothing grows.
        auto first = LoadedApp();
        ASSERT_TRUE(first->SaveToIniFile(31));
        auto second = LoadedApp();
        EXPECT_EQ(second->m_item[30].Option.ToQString(), Qs(option));
    }
}

TEST_F(VendraskAppTest, OptionWrittenByTheOriginalDoublingRuleReadsBack) {
    struct Row {
        const char* name;
        const char* stored;
        const char16_t* meant;
    };
    const Row rows[] = {
        {"quoted path", "\"\"C:\\a b\\x.exe\"\"", u"\"C:\\a b\\x.exe\""},
        {"quotes inside", "-t \"\"a b\"\" -x", u"-t \"a b\" -x"},
        {"two quoted words", "\"\"a\"\" \"\"b\"\"", u"\"a\" \"b\""},
        {"no quotes", "-v", u"-v"},
        {"wrapped by the launcher's earlier writer", "\"-t \"\"a b\"\" -x\"", u"-t \"a b\" -x"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteIni(std::string("[Item05]\r\nOption=") + row.stored + "\r\n");
        EXPECT_EQ(LoadedApp()->m_item[4].Option.ToQString(), Qs(row.meant));
    }
}

TEST_F(VendraskAppTest, EveryTextReadsBackAndOrdinaryTextsKeepTheirBytes) {
    // Quotes are added only where the reader would take blanks or an
    // enclosing pair away.
    enum Field { Title, Name, Path, Option, WorkingFolder, FaceName };
    struct Row {
        const char* name;
        Field field;
        const char16_t* value;
        const char* line;
    };
    const Row rows[] = {
        {"title with a leading blank", Title, u" Tools", "Title=\" Tools\"\r\n"},
        {"name in single quotes", Name, u"'Work'", "Name=\"'Work'\"\r\n"},
        {"ordinary name", Name, u"Work", "Name=Work\r\n"},
        {"path ending in a blank", Path, u"/opt/a ", "Path=\"/opt/a \"\r\n"},
        {"working folder in quotes", WorkingFolder, u"\"/q\"", "WorkingFolder=\"\"/q\"\"\r\n"},
        {"face name in quotes", FaceName, u"'Mono'", "FaceName=\"'Mono'\"\r\n"},
        {"ordinary option", Option, u"-a -b", "Option=-a -b\r\n"},
        {"option quoting words", Option, u"-t \"a b\"", "Option=-t \"\"a b\"\"\r\n"},
        {"option of a quoted path", Option, u"\"/a b/c\"", "Option=\"\"/a b/c\"\"\r\n"},
        {"option with a leading blank", Option, u" -v", "Option=\" -v\"\r\n"},
        {"option of one quote", Option, u"\"", "Option=\"\"\"\"\r\n"},
    };
    // Item 8, group 3's title, the dialog face.
    const auto set = [](CVendraskApp& app, Field field, const QString& value) {
        ItemRecord& item = app.m_item[7];
        switch (field) {
        case Title:
            app.m_groupTitle[3].Assign(value);
            break;
        case Name:
            item.Name.Assign(value);
            break;
        case Path:
            item.Path.Assign(value);
            break;
        case Option:
            item.Option.Assign(value);
            break;
        case WorkingFolder:
            item.WorkingFolder.Assign(value);
            break;
        case FaceName:
            app.m_fontDialogFaceName = value;
            break;
        }
    };
    const auto get = [](const CVendraskApp& app, Field field) {
        const ItemRecord& item = app.m_item[7];
        switch (field) {
        case Title:
            return app.m_groupTitle[3].ToQString();
        case Name:
            return item.Name.ToQString();
        case Path:
            return item.Path.ToQString();
        case Option:
            return item.Option.ToQString();
        case WorkingFolder:
            return item.WorkingFolder.ToQString();
        case FaceName:
            return app.m_fontDialogFaceName;
        }
        return QString();
    };
    const auto part = [](Field field) {
        return field == Title      ? CVendraskApp::kPartFirstGroupTitle + 3
               : field == FaceName ? CVendraskApp::kPartGeneral
                                   : 8;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteIni("");
        auto writer = LoadedApp();
        set(*writer, row.field, Qs(row.value));
        ASSERT_TRUE(writer->SaveToIniFile(part(row.field)));
        EXPECT_NE(ReadBytes(ini).find(Utf16LeBytes(row.line)), std::string::npos);
        // Twice through a start and a save: nothing changes.
        auto first = LoadedApp();
        ASSERT_TRUE(first->SaveToIniFile(part(row.field)));
        EXPECT_EQ(get(*LoadedApp(), row.field), Qs(row.value));
    }
}

TEST_F(VendraskAppTest, ItemSaveWritesFourKeysInOrderAndEmptyValues) {
    WriteIni("");
    auto app = LoadedApp();
    // Group 2, letter D: item 56.
    ItemRecord& item = app->Item(2, 3);
    item.Name.Assign(QStringLiteral("Editor"));
    item.Path.Assign(QStringLiteral("/usr/bin/editor"));
    ASSERT_TRUE(app->SaveItem(2, 3));
    EXPECT_NE(
        ReadBytes(ini).find(Utf16LeBytes(
            "[Item56]\r\nName=Editor\r\nPath=/usr/bin/editor\r\nOption=\r\nWorkingFolder=\r\n")),
        std::string::npos);
}

TEST_F(VendraskAppTest, GeneralSettingsRoundTrip) {
    auto app = LoadedApp();
    app->m_colorSet[0][3] = KelvoRgb(1, 2, 3);
    app->m_colorSetIndex = 4;
    app->m_colorSetTransparency = 160;
    app->m_colorSetFadeLevel = 7;
    app->m_colorSetInvertTitlebar = 1;
    app->m_fontButtonFaceName = QStringLiteral("DejaVu Serif");
    app->m_hotKeyModifier = 1;
    app->m_hotKeyCode = 81;
    app->m_mouseHookMilliSecond = 1000;
    app->m_mouseHookLeft = 0;
    app->m_behaviorItemLock = 1;
    app->m_behaviorDefaultGroupID = 99;
    app->m_soundFlag = 0;
    app->m_soundPath[2].Assign(QStringLiteral("/tmp/click.wav"));
    ASSERT_TRUE(app->SaveToIniFile(0));

    auto back = LoadedApp();
    EXPECT_EQ(back->m_colorSet[0][3], KelvoRgb(1, 2, 3));
    EXPECT_EQ(back->m_colorSetIndex, 4);
    EXPECT_EQ(back->m_colorSetTransparency, 160);
    EXPECT_EQ(back->m_colorSetFadeLevel, 7);
    EXPECT_EQ(back->m_colorSetInvertTitlebar, 1);
    EXPECT_EQ(back->m_fontButtonFaceName, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(back->m_hotKeyModifier, 1);
    EXPECT_EQ(back->m_hotKeyCode, 81);
    EXPECT_EQ(back->m_mouseHookMilliSecond, 1000);
    EXPECT_EQ(back->m_mouseHookLeft, 0);
    EXPECT_EQ(back->m_behaviorItemLock, 1);
    EXPECT_EQ(back->m_behaviorDefaultGroupID, 99);
    EXPECT_EQ(back->m_soundFlag, 0);
    EXPECT_EQ(back->m_soundPath[2].ToQString(), QStringLiteral("/tmp/click.wav"));
    EXPECT_EQ(back->m_item[0].Name.ToQString(), QStringLiteral("Internet Explorer"));
}

TEST_F(VendraskAppTest, GroupTitleSavedEmptyReadsBackEmpty) {
    auto app = LoadedApp();
    app->m_groupTitle[4].Clear();
    ASSERT_TRUE(app->SaveGroupTitle(4));
    EXPECT_TRUE(LoadedApp()->m_groupTitle[4].IsEmpty());
    EXPECT_EQ(LoadedApp()->m_groupTitle[5].ToQString(), QStringLiteral("Group5"));
}

TEST_F(VendraskAppTest, BadPartShowsTheErrorAndWritesNothing) {
    auto app = LoadedApp();
    const std::string before = ReadBytes(ini);
    for (int part : {271, -1, 1000}) {
        SCOPED_TRACE(part);
        EXPECT_FALSE(app->SaveToIniFile(part));
        ASSERT_FALSE(Box(*app).Shown().isEmpty());
        EXPECT_EQ(
            Box(*app).Shown().last(),
            QStringLiteral("Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.")
                .arg(part));
    }
    EXPECT_EQ(Box(*app).Shown().size(), 3);
    // A place outside the groups must not save a neighbour or a title.
    EXPECT_FALSE(app->SaveItem(10, 0));
    EXPECT_FALSE(app->SaveItem(0, 26));
    EXPECT_FALSE(app->SaveItem(9, -1));
    EXPECT_FALSE(app->SaveGroupTitle(10));
    EXPECT_FALSE(app->SaveGroupTitle(-1));
    EXPECT_EQ(ReadBytes(ini), before);
}

TEST_F(VendraskAppTest, FailedWriteIsReportedAndKeepsTheOldFile) {
    auto app = LoadedApp();
    const std::string before = ReadBytes(ini);
    // A folder where the file should be: the write cannot succeed.
    const std::filesystem::path blocked = dir.File("blocked");
    std::filesystem::create_directories(blocked / "Vendrask.ini");
    app->SetIniFilePath(QString::fromStdString((blocked / "Vendrask.ini").string()));
    EXPECT_FALSE(app->SaveToIniFile(1));
    EXPECT_FALSE(app->LastSaveError().isEmpty());
    EXPECT_EQ(ReadBytes(ini), before);
}

TEST_F(VendraskAppTest, FailedSavesAreToldOncePerKindAndWrittenWithTheNextGoodOne) {
    // The settings live on a folder that goes away (a stick pulled out)
    // and comes back.
    const std::filesystem::path folder = dir.File("stick");
    const std::filesystem::path away = dir.File("away");
    std::filesystem::create_directories(folder);
    ini = folder / "Vendrask.ini";
    auto app = LoadedApp();
    const QString file = QString::fromStdString(ini.string());
    const auto told = [&](int error) {
        return QStringLiteral("File: %1\nReason: %2\n")
            .arg(file, QString::fromLocal8Bit(std::strerror(error)));
    };

    std::filesystem::rename(folder, away);
    WriteBytes(folder, "a file where the folder was");
    app->m_item[4].Name.Assign(QStringLiteral("Editor"));
    EXPECT_FALSE(app->SaveToIniFile(5));
    app->m_groupTitle[3].Assign(QStringLiteral("Tools"));
    EXPECT_FALSE(app->SaveToIniFile(264)); // the same kind again: not told
    std::filesystem::remove(folder);
    app->m_item[6].Name.Assign(QStringLiteral("Mail"));
    EXPECT_FALSE(app->SaveToIniFile(7));
    ASSERT_EQ(Box(*app).Shown().size(), 2);
    EXPECT_TRUE(Box(*app).Shown()[0].contains(told(ENOTDIR))) << Box(*app).Shown()[0].toStdString();
    EXPECT_TRUE(Box(*app).Shown()[1].contains(told(ENOENT))) << Box(*app).Shown()[1].toStdString();

    std::filesystem::rename(away, folder);
    app->m_item[7].Name.Assign(QStringLiteral("Notes"));
    EXPECT_TRUE(app->SaveToIniFile(8));
    const auto reloaded = LoadedApp();
    EXPECT_EQ(reloaded->m_item[4].Name.ToQString(), QStringLiteral("Editor"));
    EXPECT_EQ(reloaded->m_groupTitle[3].ToQString(), QStringLiteral("Tools"));
    EXPECT_EQ(reloaded->m_item[6].Name.ToQString(), QStringLiteral("Mail"));
    EXPECT_EQ(reloaded->m_item[7].Name.ToQString(), QStringLiteral("Notes"));
}

TEST_F(VendraskAppTest, ASaveIntoAReadOnlyFolderIsToldAndTheFileKept) {
    auto app = LoadedApp();
    const std::string before = ReadBytes(ini);
    {
        const ReadOnlyFolder locked(dir.Path());
        if (!locked.Holds())
            GTEST_SKIP() << "this user can write into any folder on this file system";
        app->m_item[0].Name.Assign(QStringLiteral("Changed"));
        EXPECT_FALSE(app->SaveToIniFile(1));
        ASSERT_EQ(Box(*app).Shown().size(), 1);
        EXPECT_TRUE(Box(*app).Shown()[0].contains(QString::fromStdString(ini.string())));
        EXPECT_EQ(ReadBytes(ini), before);
    }
    EXPECT_TRUE(app->SaveToIniFile(2));
    EXPECT_EQ(LoadedApp()->m_item[0].Name.ToQString(), QStringLiteral("Changed"));
}

TEST_F(VendraskAppTest, RelativeIniNamesAFileInTheFolderTheLauncherWasStartedIn) {
    // `cd profiles && vendrask --ini work.ini`, as start-up runs it.
    const QString before = QDir::currentPath();
    const std::filesystem::path profiles = dir.File("profiles");
    std::filesystem::create_directories(profiles);
    QDir::setCurrent(QString::fromStdString(profiles.string()));
    CVendraskApp app(KelvoCreateFakePlatformServices());
    app.SetCommandLineIni(QStringLiteral("work.ini"));
    app.InitInstance();
    const QString programFolder = QDir::currentPath();
    QDir::setCurrent(before);
    EXPECT_EQ(app.IniFilePath().toStdString(), (profiles / "work.ini").string());
    EXPECT_TRUE(std::filesystem::exists(profiles / "work.ini"));
    EXPECT_FALSE(QFileInfo::exists(QDir(programFolder).filePath(QStringLiteral("work.ini"))));
}

TEST_F(VendraskAppTest, ApplyColorSetFillsTheRecordsFromTheActiveSet) {
    auto app = LoadedApp();
    app->m_colorSetIndex = 5;
    app->m_fontDialogFaceName = QStringLiteral("A Face Name That Is Longer Than Thirty-One");
    app->ApplyColorSet();
    const CVendraskApp::ColorSet& s = CVendraskApp::BuiltInColorSet(5);

    EXPECT_EQ(app->m_buttonColor.colorText, s[4]);
    EXPECT_EQ(app->m_buttonColor.colorBackgroundHovered, s[6]);
    EXPECT_EQ(app->m_buttonColor.colorFrameFocused, s[8]);
    EXPECT_EQ(app->m_buttonColor.colorTextDisabled, 0xBCBCBCu);
    EXPECT_EQ(app->m_buttonColor.colorReserved3, 0x4E4E8Au);
    EXPECT_EQ(app->m_buttonColor.valueReserved2, 1u);
    EXPECT_EQ(app->m_staticTextColor.colorText, s[0]);
    EXPECT_EQ(app->m_editColor.colorBackground, s[5]);
    EXPECT_EQ(app->m_editColor.colorBackgroundReadOnly, 0x585858u);
    EXPECT_EQ(app->m_comboColor.colorTextSelected, 0x000000u);
    EXPECT_EQ(app->m_comboColor.colorFrame, s[9]);
    EXPECT_EQ(app->m_checkColor.colorTextDisabled, s[0]);
    EXPECT_EQ(app->m_checkColor.colorBackground, s[1]);
    EXPECT_EQ(app->m_tabColor.colorText, 0xBCBCBCu);
    EXPECT_EQ(app->m_tabColor.colorTabBackground, 0x4E4E4Eu);
    EXPECT_EQ(app->m_tabColor.colorTabBackgroundSelected, s[1]);
    EXPECT_EQ(app->m_brushButtonBackground.color(), QColor(150, 200, 255));
    EXPECT_EQ(app->m_brushDialogFrame.color(), QColor(128, 128, 128));
    EXPECT_EQ(app->m_fontDialog.family(), QStringLiteral("A Face Name That Is Longer Than"));
    EXPECT_EQ(app->m_fontButton.family(), QStringLiteral("Lucida Sans Unicode"));
}

TEST_F(VendraskAppTest, FontsAreAsHighAsTheirWholeLine) {
    auto app = LoadedApp();
    app->ApplyColorSet();
    // The named face where it is installed, else the stand-in the project
    // installs.
    const struct {
        const char* name;
        QFont font;
        int height;
        QStringList faces;
    } rows[] = {
        {"dialog font",
         app->m_fontDialog,
         CVendraskApp::kFontHeight,
         {QStringLiteral("Lucida Sans Unicode"), QStringLiteral("DejaVu Sans")}},
        {"button font",
         app->m_fontButton,
         CVendraskApp::kFontHeight,
         {QStringLiteral("Lucida Sans Unicode"), QStringLiteral("DejaVu Sans")}},
        {"small font",
         app->m_fontSmall,
         CVendraskApp::kFontSmallHeight,
         {QStringLiteral("MS UI Gothic"), QStringLiteral("Liberation Sans")}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(row.faces.contains(QFontInfo(row.font).family()))
            << QFontInfo(row.font).family().toStdString();
        const QFontMetricsF metrics(row.font);
        EXPECT_LE(metrics.ascent() + metrics.descent(), row.height + 0.5);
        EXPECT_GT(metrics.ascent() + metrics.descent(), row.height - 1.5);
    }
}

TEST(KelvoCommonFont, HeightToEmSize) {
    using Metrics = CKelvoCommonFont::FaceMetrics;
    const struct {
        const char* name;
        int height;
        Metrics metrics;
        int em;
    } rows[] = {
        {"a positive height is the whole line", 18, {2048, 2384}, 15},
        {"a face of a shorter line", 18, {2048, 2288}, 16},
        {"a line as high as the em", 12, {256, 256}, 12},
        {"rounded to the nearest pixel", 18, {1000, 1150}, 16},
        {"a negative height is the em itself", -12, {2048, 2384}, 12},
        {"never below one pixel", 1, {1000, 3000}, 1},
        {"a face without metrics takes the height", 18, {0, 0}, 18},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CKelvoCommonFont::EmPixelSize(row.height, row.metrics), row.em) << row.name;
}

TEST(VendraskAppColorSets, PresetsHoldTheirValues) {
    // Red,green,blue of the ten colours, in the colour set's order.
    const struct {
        const char* name;
        int set;
        const char* colors;
    } rows[] = {
        {"Aqua Blue", 1,
         "224,224,224 88,88,88 32,32,32 128,128,128 224,224,224 78,78,78 78,98,98 78,118,118 "
         "128,188,188 128,128,128"},
        {"Champagne Gold", 2,
         "224,224,224 88,88,88 32,32,32 128,128,128 224,224,224 78,78,78 98,98,78 118,118,78 "
         "188,188,128 128,128,128"},
        {"Rose Pink", 3,
         "224,224,224 88,88,88 32,32,32 128,128,128 224,224,224 78,78,78 98,78,78 118,78,78 "
         "188,128,128 128,128,128"},
        {"Sunshine Orange", 4,
         "32,32,32 224,224,224 255,225,175 128,128,128 32,32,32 255,200,150 255,225,175 "
         "255,255,200 150,100,50 128,128,128"},
        {"Ocean Cobalt", 5,
         "32,32,32 224,224,224 175,225,255 128,128,128 32,32,32 150,200,255 175,225,255 "
         "200,255,255 50,100,150 128,128,128"},
    };
    for (const auto& row : rows) {
        const QStringList colors = QString::fromLatin1(row.colors).split(u' ');
        ASSERT_EQ(colors.size(), CVendraskApp::kColorsPerSet) << row.name;
        for (int i = 0; i < CVendraskApp::kColorsPerSet; ++i) {
            const QStringList rgb = colors[i].split(u',');
            // COLORREF: red in the low byte, then green, then blue.
            EXPECT_EQ(CVendraskApp::BuiltInColorSet(row.set)[i],
                      rgb[0].toUInt() | rgb[1].toUInt() << 8 | rgb[2].toUInt() << 16)
                << row.name << ", colour " << i;
        }
    }
}

namespace {
// WCAG 2 contrast ratio of two COLORREFs.
double Contrast(COLORREF a, COLORREF b) {
    const auto luminance = [](COLORREF c) {
        const auto channel = [](unsigned v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) +
               0.0722 * channel((c >> 16) & 0xFF);
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

TEST_F(VendraskAppTest, HighContrastSetKeepsEveryTextAtFourAndAHalfToOne) {
    auto app = LoadedApp();
    app->m_colorSetIndex = CVendraskApp::kColorSetHighContrast;
    app->ApplyColorSet();
    const CVendraskApp::ColorSet& s = app->ActiveColorSet();
    const auto& button = app->m_buttonColor;
    const auto& tab = app->m_tabColor;
    const struct {
        const char* name;
        COLORREF text;
        COLORREF background;
    } rows[] = {
        {"label on the gradient's top", app->m_staticTextColor.colorText, s[1]},
        {"label on the gradient's bottom", app->m_staticTextColor.colorText, s[2]},
        {"button", button.colorText, button.colorBackgroundDefault},
        {"hovered button", button.colorText, button.colorBackgroundHovered},
        {"pressed or checked button", button.colorText, button.colorBackgroundClicked},
        {"edit", app->m_editColor.colorText, app->m_editColor.colorBackground},
        {"combo", app->m_comboColor.colorText, app->m_comboColor.colorBackground},
        {"combo's chosen line", app->m_comboColor.colorTextSelected,
         app->m_comboColor.colorBackgroundSelected},
        {"check box", app->m_checkColor.colorText, app->m_checkColor.colorBackground},
        {"page tab", tab.colorText, tab.colorTabBackground},
        {"shown page tab", tab.colorTextSelected, tab.colorTabBackgroundSelected},
    };
    for (const auto& row : rows)
        EXPECT_GE(Contrast(row.text, row.background), 4.5) << row.name;
    // The focus frame stands out from the button it surrounds.
    EXPECT_GE(Contrast(button.colorFrameFocused, button.colorBackgroundDefault), 3.0);

    // Back on another set, the tabs have their usual background.
    app->m_colorSetIndex = 1;
    app->ApplyColorSet();
    EXPECT_EQ(app->m_tabColor.colorTabBackground, 0x4E4E4Eu);
}

TEST_F(VendraskAppTest, SoundDataLoadsRelativeToTheProgramFolderAndReleases) {
    std::filesystem::create_directories(dir.File("sound"));
    WriteBytes(dir.File("sound") / "MenuOpen.wav", "RIFFopen");
    WriteBytes(dir.File("sound") / "ButtonClick.wav", "RIFFclick");
    auto app = LoadedApp();
    app->m_soundPath[3].Assign(QStringLiteral("/dev/zero"));
    app->LoadSoundData();
    EXPECT_EQ(app->m_soundData[0], QByteArray("RIFFopen"));
    EXPECT_TRUE(app->m_soundData[1].isEmpty());
    EXPECT_EQ(app->m_soundData[2], QByteArray("RIFFclick"));
    EXPECT_TRUE(app->m_soundData[3].isEmpty()) << "a device is never read";
    EXPECT_EQ(app->m_soundDataLoaded, 1);

    app->m_soundFlag = 0;
    app->LoadSoundData();
    EXPECT_EQ(app->m_soundDataLoaded, 0);
    for (const QByteArray& data : app->m_soundData)
        EXPECT_TRUE(data.isEmpty());
    ASSERT_FALSE(Sound(*app).Calls().isEmpty());
    EXPECT_EQ(Sound(*app).Calls().last().kind, CKelvoCommonFakeSound::Call::StopCall);
}

TEST_F(VendraskAppTest, RelativePathsTryTheProgramFolderThenTheInstalledData) {
    // An installed tree: the program in <prefix>/bin, its data in
    // <prefix>/share/vendrask.
    const std::filesystem::path bin = dir.File("prefix/bin");
    const std::filesystem::path data = dir.File("prefix/share/vendrask");
    std::filesystem::create_directories(bin / "sound");
    std::filesystem::create_directories(data / "sound");
    WriteBytes(data / "sound" / "MenuOpen.wav", "RIFFdata");
    WriteBytes(data / "sound" / "MenuClose.wav", "RIFFdata");
    WriteBytes(bin / "sound" / "MenuClose.wav", "RIFFbeside");
    WriteBytes(data / "notes.txt", "");
    auto app = LoadedApp();
    app->SetProgramFolder(QString::fromStdString(bin.string()));
    const auto text = [](const std::filesystem::path& path) {
        return QString::fromStdString(path.lexically_normal().string());
    };
    struct Row {
        const char* name;
        QString path;
        QString resolved;
    };
    const Row rows[] = {
        {"only installed, backslashed", QStringLiteral("sound\\MenuOpen.wav"),
         text(data / "sound" / "MenuOpen.wav")},
        {"beside the program wins", QStringLiteral("sound\\MenuClose.wav"),
         text(bin / "sound" / "MenuClose.wav")},
        {"only installed, slashed", QStringLiteral("notes.txt"), text(data / "notes.txt")},
        {"nowhere: beside the program", QStringLiteral("sound\\Gone.wav"),
         text(bin / "sound" / "Gone.wav")},
        {"absolute stays", QStringLiteral("/etc/hostname"), QStringLiteral("/etc/hostname")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(app->ResolveProgramPath(row.path), row.resolved);
    }
    // The default sounds of an installed launcher load from its data folder.
    app->LoadSoundData();
    EXPECT_EQ(app->m_soundData[CVendraskApp::SoundMenuOpen], QByteArray("RIFFdata"));
    EXPECT_EQ(app->m_soundData[CVendraskApp::SoundMenuClose], QByteArray("RIFFbeside"));
}

TEST(VendraskFixedText, CutsToTheFieldNeverSplittingAPair) {
    using namespace std::string_view_literals;
    struct Row {
        const char* name;
        std::u16string_view in;
        std::u16string_view out;
    };
    // Capacity 5: four characters.
    const Row rows[] = {
        {"short text kept", u"abc"sv, u"abc"sv},
        {"long text cut", u"abcdefgh"sv, u"abcd"sv},
        {"pair at the cut is dropped whole", u"abc🎉"sv, u"abc"sv},
        {"pair inside the field kept", u"ab🎉x"sv, u"ab🎉"sv},
        {"text ends at a NUL", u"ab\0cd"sv, u"ab"sv},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CVendraskFixedText<5> text(row.in);
        EXPECT_EQ(text.View(), row.out);
    }
}

TEST_F(VendraskAppTest, ALockThatCannotBeMadeIsToldAndEndsWithAFailure) {
    struct Row {
        const char* name;
        bool otherRunning;
        const char* failure;
        int shownBoxes;
        int exitCode;
    };
    const Row rows[] = {
        {"AnotherCopyRunsQuietly", true, "", 0, 0},
        {"NoPrivateFolderIsToldWhy", false, "the folder is open to others", 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto app = MakeApp();
        auto& instance = *Fakes(*app).instance;
        instance.m_otherRunning = row.otherRunning;
        instance.m_failure = QString::fromUtf8(row.failure);
        EXPECT_FALSE(app->InitInstance());
        EXPECT_EQ(app->FoundOtherInstance(), row.otherRunning);
        ASSERT_EQ(Box(*app).Shown().size(), row.shownBoxes);
        if (row.shownBoxes > 0) {
            EXPECT_TRUE(Box(*app).Shown().front().contains(instance.m_failure));
        }
        EXPECT_EQ(app->ExitInstance(), row.exitCode);
    }
}
