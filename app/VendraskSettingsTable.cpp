// SPDX-License-Identifier: MIT
#include "app/VendraskSettingsTable.h"

#include "app/VendraskApp.h"

#include <variant>

namespace VendraskSettingsTable {
namespace {

using App = CVendraskApp;

// One byte of a colour of the user-defined set; the file keeps the three
// components apart, each only its low 8 bits.
struct ColorByte {
    int position;
    int shift;
};
struct SoundPath {
    int index;
};
using Field = std::variant<int App::*, QString App::*, ColorByte, SoundPath>;

struct Key {
    const char16_t* section;
    const char16_t* key;
    Field field;
    int number = 0;                 // default of an integer key
    const char16_t* text = nullptr; // default of a text key
};

// The colour sections in set position order, with their defaults.
struct ColorSection {
    const char16_t* section;
    int red, green, blue;
};
constexpr std::array<ColorSection, App::kColorsPerSet> kColorSections = {{
    {u"ColorDialogText", 224, 224, 224},
    {u"ColorDialogBackgroundTop", 88, 88, 88},
    {u"ColorDialogBackgroundBottom", 32, 32, 32},
    {u"ColorDialogFrame", 128, 128, 128},
    {u"ColorButtonText", 224, 224, 224},
    {u"ColorButtonBackgroundDefault", 78, 78, 78},
    {u"ColorButtonBackgroundHovered", 98, 98, 78},
    {u"ColorButtonBackgroundClicked", 118, 118, 78},
    {u"ColorButtonFrameFocused", 188, 188, 128},
    {u"ColorButtonFrameNotFocused", 128, 128, 128},
}};

// The general settings after the colours, in the file's order.
const Key kOtherGeneralKeys[] = {
    {u"ColorSet", u"Index", &App::m_colorSetIndex, 0},
    {u"ColorSet", u"Transparency", &App::m_colorSetTransparency, 210},
    {u"ColorSet", u"FadeLevel", &App::m_colorSetFadeLevel, 3},
    {u"ColorSet", u"InvertTitlebar", &App::m_colorSetInvertTitlebar, 0},
    {u"FontDialog", u"FaceName", &App::m_fontDialogFaceName, 0, kDefaultFaceName},
    {u"FontButton", u"FaceName", &App::m_fontButtonFaceName, 0, kDefaultFaceName},
    {u"HotKey", u"Modifier", &App::m_hotKeyModifier, 3},
    {u"HotKey", u"Code", &App::m_hotKeyCode, 0},
    {u"MouseHook", u"MilliSecond", &App::m_mouseHookMilliSecond, 300000},
    {u"MouseHook", u"Top", &App::m_mouseHookTop, 1},
    {u"MouseHook", u"Bottom", &App::m_mouseHookBottom, 1},
    {u"MouseHook", u"Left", &App::m_mouseHookLeft, 1},
    {u"MouseHook", u"Right", &App::m_mouseHookRight, 1},
    {u"MouseHook", u"ClickOnDesktop", &App::m_mouseHookClickOnDesktop, 1},
    {u"Behavior", u"ConfirmationDialog", &App::m_behaviorConfirmationDialog, 1},
    {u"Behavior", u"ItemLock", &App::m_behaviorItemLock, 0},
    {u"Behavior", u"ShowTopMost", &App::m_behaviorShowTopMost, 1},
    {u"Behavior", u"DefaultGroupID", &App::m_behaviorDefaultGroupID, 0},
    {u"Behavior", u"UnableHotKey", &App::m_behaviorUnableHotKey, 0},
    {u"Sound", u"Flag", &App::m_soundFlag, 1},
    {u"SoundPath", u"MenuOpen", SoundPath{App::SoundMenuOpen}, 0, kSoundPathDefaults[0]},
    {u"SoundPath", u"MenuClose", SoundPath{App::SoundMenuClose}, 0, kSoundPathDefaults[1]},
    {u"SoundPath", u"ButtonClick", SoundPath{App::SoundButtonClick}, 0, kSoundPathDefaults[2]},
    {u"SoundPath", u"ButtonHover", SoundPath{App::SoundButtonHover}, 0, kSoundPathDefaults[3]},
};

// The general settings, in the order they are read and written: each
// colour's "Red", "Green" and "Blue", then the other keys.
const std::vector<Key>& GeneralKeys() {
    static const std::vector<Key> keys = [] {
        std::vector<Key> all;
        for (int i = 0; i < App::kColorsPerSet; ++i) {
            const ColorSection& color = kColorSections[static_cast<std::size_t>(i)];
            all.push_back({color.section, u"Red", ColorByte{i, 0}, color.red});
            all.push_back({color.section, u"Green", ColorByte{i, 8}, color.green});
            all.push_back({color.section, u"Blue", ColorByte{i, 16}, color.blue});
        }
        all.insert(all.end(), std::begin(kOtherGeneralKeys), std::end(kOtherGeneralKeys));
        return all;
    }();
    return keys;
}

// The four keys of an item section, in the file's order; every one
// defaults to empty.
struct ItemKey {
    const char16_t* key;
    std::u16string (*get)(const ItemRecord&);
    void (*set)(ItemRecord&, std::u16string_view);
};
// Every text goes to the file in the form that reads back as it is.
std::u16string Stored(std::u16string_view text) {
    return CKelvoCommonProfileDocument::Protect(text);
}
std::u16string Stored(const QString& text) {
    return Stored(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                      static_cast<std::size_t>(text.size())));
}

template <auto Field>
std::u16string Get(const ItemRecord& item) {
    return Stored((item.*Field).View());
}
template <auto Field>
void Set(ItemRecord& item, std::u16string_view value) {
    (item.*Field).Assign(value);
}
std::u16string GetOption(const ItemRecord& item) {
    return App::EncodeOptionForFile(item.Option.ToQString()).toStdU16String();
}
void SetOption(ItemRecord& item, std::u16string_view stored) {
    item.Option.Assign(App::DecodeOptionFromFile(
        QString::fromUtf16(stored.data(), static_cast<qsizetype>(stored.size()))));
}
constexpr ItemKey kItemKeys[] = {
    {u"Name", Get<&ItemRecord::Name>, Set<&ItemRecord::Name>},
    {u"Path", Get<&ItemRecord::Path>, Set<&ItemRecord::Path>},
    {u"Option", GetOption, SetOption},
    {u"WorkingFolder", Get<&ItemRecord::WorkingFolder>, Set<&ItemRecord::WorkingFolder>},
};
constexpr const char16_t* kTitleKey = u"Title";

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

void ReadKey(const CKelvoCommonProfileDocument& doc, const Key& key, App& app) {
    std::visit(
        Overloaded{
            [&](int App::* member) { app.*member = doc.GetInt(key.section, key.key, key.number); },
            [&](QString App::* member) {
                app.*member =
                    QString::fromStdU16String(doc.GetString(key.section, key.key, key.text));
            },
            [&](ColorByte byte) {
                COLORREF& color = app.m_colorSet[0][static_cast<std::size_t>(byte.position)];
                const auto value =
                    static_cast<COLORREF>(doc.GetInt(key.section, key.key, key.number) & 0xFF);
                color = (color & ~(COLORREF{0xFF} << byte.shift)) | (value << byte.shift);
            },
            [&](SoundPath sound) {
                app.m_soundPath[static_cast<std::size_t>(sound.index)].Assign(
                    doc.GetString(key.section, key.key, key.text));
            },
        },
        key.field);
}

// Texts in the form that reads back as they are; numbers as they are.
std::u16string Value(const Key& key, const App& app) {
    return std::visit(
        Overloaded{
            [&](int App::* member) { return QString::number(app.*member).toStdU16String(); },
            [&](QString App::* member) { return Stored(app.*member); },
            [&](ColorByte byte) {
                const COLORREF color = app.m_colorSet[0][static_cast<std::size_t>(byte.position)];
                return QString::number((color >> byte.shift) & 0xFF).toStdU16String();
            },
            [&](SoundPath sound) {
                return Stored(app.m_soundPath[static_cast<std::size_t>(sound.index)].View());
            },
        },
        key.field);
}

} // namespace

std::vector<KelvoProfileEntry> FirstRunEntries() {
    return {
        {u"Item01", u"Name", u"Internet Explorer"},
        {u"Item01", u"Path", u"CLSID::{871C5380-42A0-1069-A2EA-08002B30309D}"},
        {u"Item14", u"Name", u"Computer"},
        {u"Item14", u"Path", u"CLSID::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
        {u"Item15", u"Name", u"User"},
        {u"Item15", u"Path", u"CSIDL::5"},
    };
}

void Read(const CKelvoCommonProfileDocument& doc, App& app) {
    for (int g = 0; g < App::kGroupCount; ++g) {
        // A group never titled shows its section name.
        const std::u16string section = App::GroupSectionName(g).toStdU16String();
        app.m_groupTitle[static_cast<std::size_t>(g)].Assign(
            doc.GetString(section, kTitleKey, section));
    }
    for (int n = App::kPartFirstItem; n <= App::kPartLastItem; ++n) {
        const std::u16string section = App::ItemSectionName(n).toStdU16String();
        ItemRecord& item = app.m_item[static_cast<std::size_t>(n - App::kPartFirstItem)];
        for (const ItemKey& key : kItemKeys)
            key.set(item, doc.GetString(section, key.key, {}));
    }
    for (const Key& key : GeneralKeys())
        ReadKey(doc, key, app);
}

void AddPart(const App& app, int part, std::vector<KelvoProfileEntry>& entries) {
    if (part == App::kPartGeneral) {
        for (const Key& key : GeneralKeys())
            entries.push_back({key.section, key.key, Value(key, app)});
    } else if (part >= App::kPartFirstItem && part <= App::kPartLastItem) {
        const std::u16string section = App::ItemSectionName(part).toStdU16String();
        const ItemRecord& item = app.m_item[static_cast<std::size_t>(part - App::kPartFirstItem)];
        for (const ItemKey& key : kItemKeys)
            entries.push_back({section, key.key, key.get(item)});
    } else if (part >= App::kPartFirstGroupTitle && part <= App::kPartLastGroupTitle) {
        const int group = part - App::kPartFirstGroupTitle;
        entries.push_back({App::GroupSectionName(group).toStdU16String(), kTitleKey,
                           Stored(app.m_groupTitle[static_cast<std::size_t>(group)].View())});
    }
}

} // namespace VendraskSettingsTable
