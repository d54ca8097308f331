#include "VendraskApp.h"

#include "KelvoCommonFile.h"
#include "KelvoCommonFont.h"
#include "KelvoCommonHookMouse.h"
#include "VendraskLog.h"
#include "VendraskResources.h"
#include "VendraskSettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <vector>

namespace {

CVendraskApp* g_instance = nullptr;

constexpr std::array<CVendraskApp::ColorSet, CVendraskApp::kColorSetCount> kBuiltInSets = {{
    // 0: user defined; starts as a copy of set 1
    {KelvoRgb(224, 224, 224), KelvoRgb(88, 88, 88), KelvoRgb(32, 32, 32), KelvoRgb(128, 128, 128),
     KelvoRgb(224, 224, 224), KelvoRgb(78, 78, 78), KelvoRgb(78, 98, 98), KelvoRgb(78, 118, 118),
     KelvoRgb(128, 188, 188), KelvoRgb(128, 128, 128)},
    // 1: Aqua Blue
    {KelvoRgb(224, 224, 224), KelvoRgb(88, 88, 88), KelvoRgb(32, 32, 32), KelvoRgb(128, 128, 128),
     KelvoRgb(224, 224, 224), KelvoRgb(78, 78, 78), KelvoRgb(78, 98, 98), KelvoRgb(78, 118, 118),
     KelvoRgb(128, 188, 188), KelvoRgb(128, 128, 128)},
    // 2: Champagne Gold
    {KelvoRgb(224, 224, 224), KelvoRgb(88, 88, 88), KelvoRgb(32, 32, 32), KelvoRgb(128, 128, 128),
     KelvoRgb(224, 224, 224), KelvoRgb(78, 78, 78), KelvoRgb(98, 98, 78), KelvoRgb(118, 118, 78),
     KelvoRgb(188, 188, 128), KelvoRgb(128, 128, 128)},
    // 3: Rose Pink
    {KelvoRgb(224, 224, 224), KelvoRgb(88, 88, 88), KelvoRgb(32, 32, 32), KelvoRgb(128, 128, 128),
     KelvoRgb(224, 224, 224), KelvoRgb(78, 78, 78), KelvoRgb(98, 78, 78), KelvoRgb(118, 78, 78),
     KelvoRgb(188, 128, 128), KelvoRgb(128, 128, 128)},
    // 4: Sunshine Orange
    {KelvoRgb(32, 32, 32), KelvoRgb(224, 224, 224), KelvoRgb(255, 225, 175),
     KelvoRgb(128, 128, 128), KelvoRgb(32, 32, 32), KelvoRgb(255, 200, 150),
     KelvoRgb(255, 225, 175), KelvoRgb(255, 255, 200), KelvoRgb(150, 100, 50),
     KelvoRgb(128, 128, 128)},
    // 5: Ocean Cobalt
    {KelvoRgb(32, 32, 32), KelvoRgb(224, 224, 224), KelvoRgb(175, 225, 255),
     KelvoRgb(128, 128, 128), KelvoRgb(32, 32, 32), KelvoRgb(150, 200, 255),
     KelvoRgb(175, 225, 255), KelvoRgb(200, 255, 255), KelvoRgb(50, 100, 150),
     KelvoRgb(128, 128, 128)},
}};

// The file's colour sections and their defaults, in set position order.
struct ColorKey {
    const char16_t* section;
    int red, green, blue;
};
constexpr std::array<ColorKey, CVendraskApp::kColorsPerSet> kColorKeys = {{
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

constexpr std::array<const char16_t*, CVendraskApp::kSoundCount> kSoundKeys = {
    u"MenuOpen", u"MenuClose", u"ButtonClick", u"ButtonHover"};
constexpr std::array<const char16_t*, CVendraskApp::kSoundCount> kSoundDefaults = {
    u"sound\\MenuOpen.wav", u"sound\\MenuClose.wav", u"sound\\ButtonClick.wav",
    u"sound\\ButtonHover.wav"};

constexpr const char16_t* kDefaultFaceName = u"Lucida Sans Unicode";
constexpr const char16_t* kSmallFaceName = u"MS UI Gothic";
constexpr const char16_t* kIniFileName = u"Vendrask.ini";

struct SpecialItem {
    const char16_t* name;
    const char16_t* path;
};
constexpr std::array<SpecialItem, CVendraskApp::kSpecialItemCount> kSpecialItems = {{
    {u"マイコンピュータ", u"CLSID::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    {u"マイドキュメント", u"CSIDL::5"},
    {u"ごみ箱", u"CLSID::{645FF040-5081-101B-9F08-00AA002F954E}"},
    {u"最近使ったファイル", u"CSIDL::8"},
    {u"お気に入り", u"CSIDL::6"},
}};

// Written, in this order, when the settings file does not exist.
constexpr std::array<std::array<const char16_t*, 3>, 6> kFirstRunKeys = {{
    {u"Item01", u"Name", u"Internet Explorer"},
    {u"Item01", u"Path", u"CLSID::{871C5380-42A0-1069-A2EA-08002B30309D}"},
    {u"Item14", u"Name", u"Computer"},
    {u"Item14", u"Path", u"CLSID::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    {u"Item15", u"Name", u"User"},
    {u"Item15", u"Path", u"CSIDL::5"},
}};

std::u16string U16(const QString& text) {
    return text.toStdU16String();
}
QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Collects the entries of one part so they reach the file in one write.
class EntryList final {
public:
    void Add(const QString& section, const char16_t* key, const QString& value) {
        m_entries.push_back({U16(section), key, U16(value)});
    }
    void Add(const QString& section, const char16_t* key, int value) {
        Add(section, key, QString::number(value));
    }
    const std::vector<KelvoProfileEntry>& Entries() const { return m_entries; }

private:
    std::vector<KelvoProfileEntry> m_entries;
};

} // namespace

CVendraskApp::CVendraskApp(CKelvoCommonPlatformServices services)
    : m_colorSet(kBuiltInSets), m_fontDialogFaceName(Q(kDefaultFaceName)),
      m_fontButtonFaceName(Q(kDefaultFaceName)), m_services(std::move(services)) {
    for (std::size_t i = 0; i < kSpecialItems.size(); ++i) {
        m_specialItem[i].Name.Assign(kSpecialItems[i].name);
        m_specialItem[i].Path.Assign(kSpecialItems[i].path);
    }
    for (int i = 0; i < kSoundCount; ++i)
        m_soundPath[i].Assign(kSoundDefaults[i]);
    m_brushButtonBackground = QBrush(CKelvoCommonGdiplus::ToQColor(m_colorSet[0][5]));
    m_brushDialogFrame = QBrush(CKelvoCommonGdiplus::ToQColor(m_colorSet[0][3]));
    m_fontDialog = MakeFont(m_fontDialogFaceName, kFontHeight);
    m_fontButton = MakeFont(m_fontButtonFaceName, kFontHeight);
    m_fontSmall = MakeFont(Q(kSmallFaceName), kFontSmallHeight);
    g_instance = this;
}

CVendraskApp::~CVendraskApp() {
    if (g_instance == this)
        g_instance = nullptr;
}

CVendraskApp* CVendraskApp::Instance() {
    return g_instance;
}

const CVendraskApp::ColorSet& CVendraskApp::BuiltInColorSet(int index) {
    return kBuiltInSets.at(static_cast<std::size_t>(index));
}

bool CVendraskApp::InitInstance() {
    // 1. One launcher per user: a second start ends here, touching nothing.
    if (!m_services.instance || !m_services.instance->Acquire(QStringLiteral("Vendrask"))) {
        m_foundOtherInstance = true;
        qCInfo(lcVendrask) << "another Vendrask is running; this one ends";
        return false;
    }
    // 3.-5. Caption bitmaps, brushes and fonts from the built-in set 0.
    LoadCaptionBitmaps();
    m_brushButtonBackground = QBrush(CKelvoCommonGdiplus::ToQColor(m_colorSet[0][5]));
    m_brushDialogFrame = QBrush(CKelvoCommonGdiplus::ToQColor(m_colorSet[0][3]));
    m_fontDialog = MakeFont(Q(kDefaultFaceName), kFontHeight);
    m_fontButton = MakeFont(Q(kDefaultFaceName), kFontHeight);
    m_fontSmall = MakeFont(Q(kSmallFaceName), kFontSmallHeight);

    // 6. The program folder becomes the current folder for good: relative
    // sound and item paths resolve against it.
    SetProgramFolder(QCoreApplication::applicationDirPath());
    QDir::setCurrent(m_programFolder);

    // 7.-9. Settings, sounds, derived colours and fonts.
    const CVendraskSettingsLocation location =
        CVendraskSettingsLocation::Resolve(m_programFolder, m_commandLineIni);
    qCInfo(lcVendrask).noquote()
        << QStringLiteral("settings file %1 (%2)").arg(location.file, location.reason);
    SetIniFilePath(location.file);
    LoadFromIniFile();
    if (m_soundFlag == 1)
        LoadSoundData();
    ApplyColorSet();

    // 10.-14. The menu window's life.
    if (m_menuRunner)
        m_menuRunner(*this);
    return false;
}

int CVendraskApp::ExitInstance() {
    // A last try for changes a failed save kept; nobody is left to tell.
    if (!m_unsavedParts.empty())
        WriteUnsavedParts(false);
    if (m_soundFlag != 1 && m_soundDataLoaded == 1)
        ReleaseSoundData();
    return 0;
}

namespace {
QPixmap Inverted(const QPixmap& source) {
    QImage image = source.toImage();
    image.invertPixels(QImage::InvertRgb);
    return QPixmap::fromImage(image);
}
} // namespace

void CVendraskApp::DrawTitleBar(QPainter& painter, const QRect& rect, bool enabled) const {
    const bool invert = m_colorSetInvertTitlebar != 0;
    const QPixmap& strip = m_captionBitmap[enabled ? 0 : 1];
    const QPixmap& logo = m_captionBitmap[enabled ? 2 : 3];
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(rect, invert ? Inverted(strip) : strip);
    painter.drawPixmap(kLogoRect, invert ? Inverted(logo) : logo);
    painter.restore();
}

void CVendraskApp::LoadCaptionBitmaps() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    for (int i = 0; i < kCaptionBitmapCount; ++i)
        m_captionBitmap[i] = VendraskLoadBitmap(kFirstCaptionBitmapId + i, ratio);
}

void CVendraskApp::SetCommandLineIni(const QString& file) {
    m_commandLineIni = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
}

void CVendraskApp::SetProgramFolder(const QString& folder) {
    m_programFolder = folder;
}

void CVendraskApp::SetIniFilePath(const QString& file) {
    m_profile = std::make_unique<CKelvoCommonProfile>(QFile::encodeName(file).toStdString());
}

QString CVendraskApp::IniFilePath() const {
    if (m_profile)
        return QFile::decodeName(QByteArray::fromStdString(m_profile->Path().string()));
    return QDir(m_programFolder).filePath(Q(kIniFileName));
}

QString CVendraskApp::GroupSectionName(int group) {
    return QStringLiteral("Group%1").arg(group);
}

QString CVendraskApp::ItemSectionName(int itemNumber) {
    return QStringLiteral("Item%1").arg(itemNumber, 2, 10, QLatin1Char('0'));
}

QString CVendraskApp::EncodeOptionForFile(const QString& option) {
    if (option.isEmpty())
        return {};
    QString doubled = option;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString CVendraskApp::DecodeOptionFromFile(const QString& stored) {
    QString text;
    text.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        text.append(stored[i]);
        if (stored[i] == QLatin1Char('"') && i + 1 < stored.size() &&
            stored[i + 1] == QLatin1Char('"'))
            ++i;
    }
    return text;
}

void CVendraskApp::LoadFromIniFile() {
    if (!m_profile)
        SetIniFilePath(IniFilePath());
    if (!m_profile->Exists()) {
        // A failed creation still leaves the keys to the write below, which
        // creates the file in the same encoding.
        if (!m_profile->CreateNew())
            qCWarning(lcVendrask).noquote() << QString::fromStdString(m_profile->LastError());
        std::vector<KelvoProfileEntry> entries;
        for (const auto& [section, key, value] : kFirstRunKeys)
            entries.push_back({section, key, value});
        if (!m_profile->Write(entries))
            SaveFailed(true);
    }
    if (!m_profile->Load() && m_profile->Exists())
        qCWarning(lcVendrask).noquote() << QString::fromStdString(m_profile->LastError());
    ReadSettings(m_profile->Document());
    NormalizeLoadedValues();
}

void CVendraskApp::ReadSettings(const CKelvoCommonProfileDocument& doc) {
    const auto text = [&doc](const QString& section, const char16_t* key,
                             std::u16string_view fallback) {
        return doc.GetString(U16(section), key, fallback);
    };
    const auto integer = [&doc](const char16_t* section, const char16_t* key, int fallback) {
        return doc.GetInt(section, key, fallback);
    };

    for (int g = 0; g < kGroupCount; ++g) {
        const QString section = GroupSectionName(g);
        m_groupTitle[g].Assign(text(section, u"Title", U16(section)));
    }
    for (int n = 1; n <= kItemCount; ++n) {
        const QString section = ItemSectionName(n);
        ItemRecord& item = m_item[n - 1];
        item.Name.Assign(text(section, u"Name", {}));
        item.Path.Assign(text(section, u"Path", {}));
        item.Option.Assign(DecodeOptionFromFile(Q(text(section, u"Option", {}))));
        item.WorkingFolder.Assign(text(section, u"WorkingFolder", {}));
    }
    for (int i = 0; i < kColorsPerSet; ++i) {
        const ColorKey& key = kColorKeys[i];
        m_colorSet[0][i] = KelvoRgb(integer(key.section, u"Red", key.red),
                                    integer(key.section, u"Green", key.green),
                                    integer(key.section, u"Blue", key.blue));
    }
    m_colorSetIndex = integer(u"ColorSet", u"Index", 0);
    m_colorSetTransparency = integer(u"ColorSet", u"Transparency", 210);
    m_colorSetFadeLevel = integer(u"ColorSet", u"FadeLevel", 3);
    m_colorSetInvertTitlebar = integer(u"ColorSet", u"InvertTitlebar", 0);
    m_fontDialogFaceName = Q(text(QStringLiteral("FontDialog"), u"FaceName", kDefaultFaceName));
    m_fontButtonFaceName = Q(text(QStringLiteral("FontButton"), u"FaceName", kDefaultFaceName));
    m_hotKeyModifier = integer(u"HotKey", u"Modifier", 3);
    m_hotKeyCode = integer(u"HotKey", u"Code", 0);
    m_mouseHookMilliSecond = integer(u"MouseHook", u"MilliSecond", 300000);
    m_mouseHookTop = integer(u"MouseHook", u"Top", 1);
    m_mouseHookBottom = integer(u"MouseHook", u"Bottom", 1);
    m_mouseHookLeft = integer(u"MouseHook", u"Left", 1);
    m_mouseHookRight = integer(u"MouseHook", u"Right", 1);
    m_mouseHookClickOnDesktop = integer(u"MouseHook", u"ClickOnDesktop", 1);
    m_behaviorConfirmationDialog = integer(u"Behavior", u"ConfirmationDialog", 1);
    m_behaviorItemLock = integer(u"Behavior", u"ItemLock", 0);
    m_behaviorShowTopMost = integer(u"Behavior", u"ShowTopMost", 1);
    m_behaviorDefaultGroupID = integer(u"Behavior", u"DefaultGroupID", 0);
    m_behaviorUnableHotKey = integer(u"Behavior", u"UnableHotKey", 0);
    m_soundFlag = integer(u"Sound", u"Flag", 1);
    for (int i = 0; i < kSoundCount; ++i)
        m_soundPath[i].Assign(text(QStringLiteral("SoundPath"), kSoundKeys[i], kSoundDefaults[i]));
}

void CVendraskApp::NormalizeLoadedValues() {
    // Hand-edited values outside their ranges: never index a table with
    // them. An unknown set falls back to the user-defined one, an unknown
    // default group to none, and opacity to the nearest valid value.
    if (m_colorSetIndex < 0 || m_colorSetIndex >= kColorSetCount)
        m_colorSetIndex = 0;
    if (!((m_behaviorDefaultGroupID >= 0 && m_behaviorDefaultGroupID < kGroupCount) ||
          m_behaviorDefaultGroupID == kDefaultGroupNone))
        m_behaviorDefaultGroupID = kDefaultGroupNone;
    m_colorSetTransparency = std::clamp(m_colorSetTransparency, 0, 255);
}

bool CVendraskApp::SaveToIniFile(int part) {
    if (part < kPartGeneral || part > kPartLastGroupTitle) {
        m_services.messageBox->ShowError(
            QStringLiteral("Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.")
                .arg(part));
        return false;
    }
    // What failed before goes along: the model still holds it.
    m_unsavedParts.insert(part);
    return WriteUnsavedParts(true);
}

bool CVendraskApp::WriteUnsavedParts(bool tellUser) {
    std::vector<KelvoProfileEntry> entries;
    for (int part : m_unsavedParts)
        AddPartEntries(part, entries);
    if (!m_profile)
        SetIniFilePath(IniFilePath());
    if (!m_profile->Write(entries)) {
        SaveFailed(tellUser);
        return false;
    }
    m_unsavedParts.clear();
    m_lastSaveError.clear();
    // Told again should it fail anew.
    m_toldSaveFailures.clear();
    return true;
}

void CVendraskApp::SaveFailed(bool tellUser) {
    m_lastSaveError = QString::fromLocal8Bit(m_profile->LastError());
    qCWarning(lcVendrask).noquote() << "settings not saved:" << m_lastSaveError;
    // Once per kind: a read-only folder is said once, not at every change.
    const QString reason = QString::fromLocal8Bit(m_profile->LastErrorReason());
    if (!tellUser || m_toldSaveFailures.contains(reason))
        return;
    m_toldSaveFailures.insert(reason);
    m_services.messageBox->ShowError(
        QStringLiteral("Vendrask could not save its settings.\n\nFile: %1\nReason: %2\n\n"
                       "Settings you change stay in effect while Vendrask runs; it tries again "
                       "to save them with every further change.")
            .arg(QDir::toNativeSeparators(IniFilePath()), reason));
}

void CVendraskApp::AddPartEntries(int part, std::vector<KelvoProfileEntry>& entries) const {
    EntryList out;
    if (part == kPartGeneral) {
        for (int i = 0; i < kColorsPerSet; ++i) {
            const QString section = Q(kColorKeys[i].section);
            const COLORREF color = m_colorSet[0][i];
            out.Add(section, u"Red", KelvoRed(color));
            out.Add(section, u"Green", KelvoGreen(color));
            out.Add(section, u"Blue", KelvoBlue(color));
        }
        const QString colorSet = QStringLiteral("ColorSet");
        out.Add(colorSet, u"Index", m_colorSetIndex);
        out.Add(colorSet, u"Transparency", m_colorSetTransparency);
        out.Add(colorSet, u"FadeLevel", m_colorSetFadeLevel);
        out.Add(colorSet, u"InvertTitlebar", m_colorSetInvertTitlebar);
        out.Add(QStringLiteral("FontDialog"), u"FaceName", m_fontDialogFaceName);
        out.Add(QStringLiteral("FontButton"), u"FaceName", m_fontButtonFaceName);
        const QString hotKey = QStringLiteral("HotKey");
        out.Add(hotKey, u"Modifier", m_hotKeyModifier);
        out.Add(hotKey, u"Code", m_hotKeyCode);
        const QString hook = QStringLiteral("MouseHook");
        out.Add(hook, u"MilliSecond", m_mouseHookMilliSecond);
        out.Add(hook, u"Top", m_mouseHookTop);
        out.Add(hook, u"Bottom", m_mouseHookBottom);
        out.Add(hook, u"Left", m_mouseHookLeft);
        out.Add(hook, u"Right", m_mouseHookRight);
        out.Add(hook, u"ClickOnDesktop", m_mouseHookClickOnDesktop);
        const QString behavior = QStringLiteral("Behavior");
        out.Add(behavior, u"ConfirmationDialog", m_behaviorConfirmationDialog);
        out.Add(behavior, u"ItemLock", m_behaviorItemLock);
        out.Add(behavior, u"ShowTopMost", m_behaviorShowTopMost);
        out.Add(behavior, u"DefaultGroupID", m_behaviorDefaultGroupID);
        out.Add(behavior, u"UnableHotKey", m_behaviorUnableHotKey);
        out.Add(QStringLiteral("Sound"), u"Flag", m_soundFlag);
        for (int i = 0; i < kSoundCount; ++i)
            out.Add(QStringLiteral("SoundPath"), kSoundKeys[i], m_soundPath[i].ToQString());
    } else if (part >= kPartFirstItem && part <= kPartLastItem) {
        const ItemRecord& item = m_item[part - 1];
        const QString section = ItemSectionName(part);
        out.Add(section, u"Name", item.Name.ToQString());
        out.Add(section, u"Path", item.Path.ToQString());
        out.Add(section, u"Option", EncodeOptionForFile(item.Option.ToQString()));
        out.Add(section, u"WorkingFolder", item.WorkingFolder.ToQString());
    } else if (part >= kPartFirstGroupTitle && part <= kPartLastGroupTitle) {
        const int group = part - kPartFirstGroupTitle;
        out.Add(GroupSectionName(group), u"Title", m_groupTitle[group].ToQString());
    }
    entries.insert(entries.end(), out.Entries().cbegin(), out.Entries().cend());
}

void CVendraskApp::SubstituteMissingFaces() {
    // The faces the settings and windows name are Windows faces. Where one
    // is missing, a face of close widths takes its place, so the texts fill
    // their controls as the layout intends (the system's fallback is often
    // wider and cuts them): DejaVu Sans for the wide humanist Lucida Sans
    // Unicode, Liberation Sans, made to Arial's widths, for Arial and for the
    // small MS UI Gothic (a Latin face first: a Japanese face draws the
    // backslash of paths as a yen sign). IPA P Gothic draws what the Latin
    // faces lack: Japanese names and full-width signs.
    static const bool done = [] {
        const QString japanese = QStringLiteral("IPAPGothic");
        QFont::insertSubstitutions(Q(kDefaultFaceName), {QStringLiteral("DejaVu Sans"), japanese});
        QFont::insertSubstitutions(Q(kSmallFaceName),
                                   {QStringLiteral("Liberation Sans"), japanese});
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), japanese});
        return true;
    }();
    (void)done;
}

QFont CVendraskApp::MakeFont(const QString& faceName, int height) {
    SubstituteMissingFaces();
    return CKelvoCommonFont::Create(faceName.left(kFaceNameMaxLength), height);
}

const CVendraskApp::ColorSet& CVendraskApp::ActiveColorSet() const {
    return m_colorSet[static_cast<std::size_t>(
        (m_colorSetIndex >= 0 && m_colorSetIndex < kColorSetCount) ? m_colorSetIndex : 0)];
}

void CVendraskApp::ApplyColorSet() {
    const ColorSet& s = ActiveColorSet();

    m_buttonColor.colorText = s[4];
    m_buttonColor.colorBackgroundDefault = s[5];
    m_buttonColor.colorBackgroundHovered = s[6];
    m_buttonColor.colorBackgroundClicked = s[7];
    m_buttonColor.colorFrameFocused = s[8];
    m_buttonColor.colorFrameNotFocused = s[9];

    m_staticTextColor.colorText = s[0];

    m_editColor.colorText = s[4];
    m_editColor.colorBackground = s[5];
    m_editColor.colorFrame = s[9];

    m_comboColor.colorText = s[4];
    m_comboColor.colorBackground = s[5];
    m_comboColor.colorFrame = s[9];

    m_checkColor.colorText = s[0];
    m_checkColor.colorTextDisabled = s[0];
    m_checkColor.colorBackground = s[1];

    m_tabColor.colorReserved = s[4];
    m_tabColor.colorTextSelected = s[4];
    m_tabColor.colorBackground = s[1];
    m_tabColor.colorTabBackgroundSelected = s[1];
    m_tabColor.colorFrame = s[9];

    m_brushButtonBackground = QBrush(CKelvoCommonGdiplus::ToQColor(s[5]));
    m_brushDialogFrame = QBrush(CKelvoCommonGdiplus::ToQColor(s[3]));
    m_fontDialog = MakeFont(m_fontDialogFaceName, kFontHeight);
    m_fontButton = MakeFont(m_fontButtonFaceName, kFontHeight);
}

void CVendraskApp::ApplyMouseHookSettings() const {
    CKelvoCommonHookMouse::SetMilliSecondForWait(
        static_cast<std::uint32_t>(std::max(m_mouseHookMilliSecond, 0)));
    CKelvoCommonHookMouse::SetFlagMouseHookAtTop(m_mouseHookTop);
    CKelvoCommonHookMouse::SetFlagMouseHookAtBottom(m_mouseHookBottom);
    CKelvoCommonHookMouse::SetFlagMouseHookAtLeft(m_mouseHookLeft);
    CKelvoCommonHookMouse::SetFlagMouseHookAtRight(m_mouseHookRight);
    CKelvoCommonHookMouse::SetFlagMouseHookClickOnDesktop(m_mouseHookClickOnDesktop);
}

QString CVendraskApp::ResolveProgramPath(const QString& path) const {
    if (path.isEmpty())
        return {};
    const QDir base(m_programFolder);
    const QString asWritten = base.absoluteFilePath(path);
    if (QFileInfo::exists(asWritten) || !path.contains(QLatin1Char('\\')))
        return QDir::cleanPath(asWritten);
    QString slashed = path;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(base.absoluteFilePath(slashed));
}

void CVendraskApp::ReleaseSoundData() {
    qCDebug(lcVendrask) << "App::HeapFree";
    m_soundDataLoaded = 0;
    m_services.sound->Stop();
    for (QByteArray& data : m_soundData)
        data = QByteArray();
}

void CVendraskApp::LoadSoundData() {
    if (m_soundFlag != 1 && m_soundDataLoaded == 1) {
        ReleaseSoundData();
        return;
    }
    m_soundDataLoaded = 1;
    for (int i = 0; i < kSoundCount; ++i) {
        m_soundData[i] = QByteArray();
        const QString file = ResolveProgramPath(m_soundPath[i].ToQString());
        // Only regular files of sane size: a path naming a device or a huge
        // file must not hang or exhaust the launcher.
        std::string bytes;
        std::string why;
        if (!file.isEmpty() &&
            KelvoReadSmallFile(QFile::encodeName(file).toStdString(), kMaxSoundFileBytes, bytes,
                               why) == KelvoFileRead::Read)
            m_soundData[i] = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
}
