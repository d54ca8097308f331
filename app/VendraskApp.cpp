// SPDX-License-Identifier: MIT
#include "app/VendraskApp.h"

#include "app/VendraskLog.h"
#include "app/VendraskSettingsLocation.h"
#include "app/VendraskSettingsTable.h"
#include "common/controls/KelvoCommonFont.h"
#include "common/core/KelvoCommonFile.h"
#include "common/hook/KelvoCommonHookMouse.h"
#include "res/VendraskResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
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
    // 6: High Contrast: white on black, a yellow focus frame; every text
    // meets 4.5:1 against what it is drawn on
    {KelvoRgb(255, 255, 255), KelvoRgb(0, 0, 0), KelvoRgb(0, 0, 0), KelvoRgb(255, 255, 255),
     KelvoRgb(255, 255, 255), KelvoRgb(0, 0, 0), KelvoRgb(0, 0, 128), KelvoRgb(0, 80, 160),
     KelvoRgb(255, 255, 0), KelvoRgb(160, 160, 160)},
}};
// The unselected page tabs' fixed grey text needs a darker tab than the
// usual one to stay readable in the high-contrast set.
constexpr COLORREF kTabBackground = KelvoRgb(78, 78, 78);
constexpr COLORREF kHighContrastTabBackground = KelvoRgb(48, 48, 48);

constexpr const char16_t* kSmallFaceName = u"MS UI Gothic";
constexpr const char16_t* kIniFileName = u"Vendrask.ini";
// <prefix>/share/vendrask as seen from <prefix>/bin.
constexpr const char* kDataFolderFromProgram = VENDRASK_DATA_FOLDER_FROM_PROGRAM;

struct SpecialItem {
    const char* name; // translated when the model is made
    const char16_t* path;
};
constexpr std::array<SpecialItem, CVendraskApp::kSpecialItemCount> kSpecialItems = {{
    {QT_TRANSLATE_NOOP("CVendraskApp", "マイコンピュータ"),
     u"CLSID::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    {QT_TRANSLATE_NOOP("CVendraskApp", "マイドキュメント"), u"CSIDL::5"},
    {QT_TRANSLATE_NOOP("CVendraskApp", "ごみ箱"), u"CLSID::{645FF040-5081-101B-9F08-00AA002F954E}"},
    {QT_TRANSLATE_NOOP("CVendraskApp", "最近使ったファイル"), u"CSIDL::8"},
    {QT_TRANSLATE_NOOP("CVendraskApp", "お気に入り"), u"CSIDL::6"},
}};

QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CVendraskApp::CVendraskApp(CKelvoCommonPlatformServices services)
    : m_colorSet(kBuiltInSets), m_fontDialogFaceName(Q(VendraskSettingsTable::kDefaultFaceName)),
      m_fontButtonFaceName(Q(VendraskSettingsTable::kDefaultFaceName)),
      m_services(std::move(services)) {
    for (std::size_t i = 0; i < kSpecialItems.size(); ++i) {
        m_specialItem[i].Name.Assign(
            QCoreApplication::translate("CVendraskApp", kSpecialItems[i].name));
        m_specialItem[i].Path.Assign(kSpecialItems[i].path);
    }
    for (int i = 0; i < kSoundCount; ++i)
        m_soundPath[i].Assign(VendraskSettingsTable::kSoundPathDefaults[i]);
    m_brushButtonBackground = QBrush(CKelvoCommonGdiplus::ToQColor(m_colorSet[0][5]));
    m_brushDialogFrame = QBrush(CKelvoCommonGdiplus::ToQColor(m_colorSet[0][3]));
    // Faces only: their sizes need fontconfig, woken by EnsureFonts.
    m_fontDialog = QFont(m_fontDialogFaceName);
    m_fontButton = QFont(m_fontButtonFaceName);
    m_fontSmall = QFont(Q(kSmallFaceName));
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
    // One launcher per user: a second start ends here, touching nothing.
    if (!m_services.instance || !m_services.instance->Acquire(QStringLiteral("Vendrask"))) {
        const QString reason =
            m_services.instance ? m_services.instance->FailureReason() : QString();
        if (!reason.isEmpty()) {
            // Not a second copy: this one cannot run, and the user is told why.
            m_startFailed = true;
            m_services.messageBox->ShowError(
                QCoreApplication::translate("CVendraskApp", "Vendrask cannot start. %1")
                    .arg(reason));
            return false;
        }
        m_foundOtherInstance = true;
        qCInfo(lcVendrask) << "another Vendrask is running; this one ends";
        return false;
    }
    // Brushes from the built-in set 0.
    m_brushButtonBackground = QBrush(CKelvoCommonGdiplus::ToQColor(m_colorSet[0][5]));
    m_brushDialogFrame = QBrush(CKelvoCommonGdiplus::ToQColor(m_colorSet[0][3]));

    // The program folder becomes the current folder for good: relative
    // sound and item paths resolve against it.
    SetProgramFolder(QCoreApplication::applicationDirPath());
    QDir::setCurrent(m_programFolder);

    // Settings, sounds, derived colours and fonts.
    const CVendraskSettingsLocation location =
        CVendraskSettingsLocation::Resolve(m_programFolder, m_commandLineIni);
    qCInfo(lcVendrask).noquote()
        << QStringLiteral("settings file %1 (%2)").arg(location.file, location.reason);
    SetIniFilePath(location.file);
    LoadFromIniFile();
    if (m_soundFlag == 1)
        LoadSoundData();
    // The menu makes the fonts once it can take a call-up.
    ApplyColors();
    if (!m_menuRunner)
        EnsureFonts();

    // The menu window's life: the launcher runs inside its loop.
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
    return m_startFailed ? 1 : 0;
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
    QString doubled = option;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    // The extra pair only where the reader would change the doubled text.
    const std::u16string back = CKelvoCommonProfileDocument::ReadBack(doubled.toStdU16String());
    if (DecodeOptionFromFile(QString::fromStdU16String(back)) == option)
        return doubled;
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
        if (!m_profile->Write(VendraskSettingsTable::FirstRunEntries()))
            SaveFailed(true);
    }
    if (!m_profile->Load() && m_profile->Exists())
        qCWarning(lcVendrask).noquote() << QString::fromStdString(m_profile->LastError());
    VendraskSettingsTable::Read(m_profile->Document(), *this);
    NormalizeLoadedValues();
}

void CVendraskApp::NormalizeLoadedValues() {
    // Hand-edited values outside their ranges: never index a table with
    // them. An unknown set falls back to the user-defined one, an unknown
    // default group to none. Opacity keeps its low 8 bits, all the window
    // system ever gets: -1 is opaque, never an invisible menu.
    if (m_colorSetIndex < 0 || m_colorSetIndex >= kColorSetCount)
        m_colorSetIndex = 0;
    if (!((m_behaviorDefaultGroupID >= 0 && m_behaviorDefaultGroupID < kGroupCount) ||
          m_behaviorDefaultGroupID == kDefaultGroupNone))
        m_behaviorDefaultGroupID = kDefaultGroupNone;
    m_colorSetTransparency &= 0xFF;
}

bool CVendraskApp::SaveToIniFile(int part) {
    if (part < kPartGeneral || part > kPartLastGroupTitle) {
        m_services.messageBox->ShowError(
            QCoreApplication::translate(
                "CVendraskApp", "Error occurs at CVendraskApp::SaveToIniFile, the parameter is %1.")
                .arg(part));
        return false;
    }
    // What failed before goes along: the model still holds it.
    m_unsavedParts.insert(part);
    return WriteUnsavedParts(true);
}

bool CVendraskApp::SaveItem(int group, int slot) {
    // Out of range would save another item or a group title.
    if (group < 0 || group >= kGroupCount || slot < 0 || slot >= kSlotCount) {
        qCWarning(lcVendrask) << "no item at group" << group << "slot" << slot;
        return false;
    }
    return SaveToIniFile(kPartFirstItem + static_cast<int>(ItemIndex(group, slot)));
}

bool CVendraskApp::SaveGroupTitle(int group) {
    if (group < 0 || group >= kGroupCount) {
        qCWarning(lcVendrask) << "no group" << group;
        return false;
    }
    return SaveToIniFile(kPartFirstGroupTitle + group);
}

bool CVendraskApp::WriteUnsavedParts(bool tellUser) {
    std::vector<KelvoProfileEntry> entries;
    for (int part : m_unsavedParts)
        VendraskSettingsTable::AddPart(*this, part, entries);
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
        QCoreApplication::translate(
            "CVendraskApp",
            "Vendrask could not save its settings.\n\nFile: %1\nReason: %2\n\n"
            "Settings you change stay in effect while Vendrask runs; it tries again "
            "to save them with every further change.")
            .arg(QDir::toNativeSeparators(IniFilePath()), reason));
}

void CVendraskApp::SubstituteMissingFaces() {
    // The faces the settings and windows name are Windows faces. Where one
    // is missing, a face of close widths takes its place, so the texts fill
    // their controls as the layout intends (the system's fallback is often
    // wider and cuts them): DejaVu Sans for the wide humanist Lucida Sans
    // Unicode, Liberation Sans, made to Arial's widths, for Arial and for the
    // small MS UI Gothic (a Latin face first: a Japanese face draws the
    // backslash of paths as a yen sign). IPA P Gothic draws what the Latin
    // faces lack: Japanese names and full-width signs; WenQuanYi Micro Hei
    // the simplified Chinese characters it lacks, and comes first for a
    // Chinese desktop, whose readers expect its shapes of the shared ones.
    static const bool done = [] {
        const QString japanese = QStringLiteral("IPAPGothic");
        const QString chinese = QStringLiteral("WenQuanYi Micro Hei");
        const bool chineseFirst = QLocale::system().uiLanguages().value(0).startsWith(
            QLatin1String("zh"), Qt::CaseInsensitive);
        const QStringList cjk =
            chineseFirst ? QStringList{chinese, japanese} : QStringList{japanese, chinese};
        QFont::insertSubstitutions(Q(VendraskSettingsTable::kDefaultFaceName),
                                   QStringList{QStringLiteral("DejaVu Sans")} + cjk);
        QFont::insertSubstitutions(Q(kSmallFaceName),
                                   QStringList{QStringLiteral("Liberation Sans")} + cjk);
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   QStringList{QStringLiteral("Liberation Sans")} + cjk);
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
    ApplyColors();
    m_fontsMade = false;
    EnsureFonts();
}

void CVendraskApp::EnsureFonts() {
    if (!m_fontsMade) {
        m_fontsMade = true;
        m_fontDialog = MakeFont(m_fontDialogFaceName, kFontHeight);
        m_fontButton = MakeFont(m_fontButtonFaceName, kFontHeight);
        m_fontSmall = MakeFont(Q(kSmallFaceName), kFontSmallHeight);
    }
    if (m_captionBitmap[0].isNull())
        LoadCaptionBitmaps();
}

void CVendraskApp::ApplyColors() {
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
    m_tabColor.colorTabBackground =
        m_colorSetIndex == kColorSetHighContrast ? kHighContrastTabBackground : kTabBackground;
    m_tabColor.colorFrame = s[9];

    m_brushButtonBackground = QBrush(CKelvoCommonGdiplus::ToQColor(s[5]));
    m_brushDialogFrame = QBrush(CKelvoCommonGdiplus::ToQColor(s[3]));
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

namespace {
QString ResolveIn(const QDir& base, const QString& path) {
    const QString asWritten = base.absoluteFilePath(path);
    if (QFileInfo::exists(asWritten) || !path.contains(QLatin1Char('\\')))
        return QDir::cleanPath(asWritten);
    QString slashed = path;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(base.absoluteFilePath(slashed));
}
} // namespace

QString CVendraskApp::DataFolder() const {
    return QDir::cleanPath(QDir(m_programFolder).filePath(QLatin1String(kDataFolderFromProgram)));
}

QString CVendraskApp::ResolveProgramPath(const QString& path) const {
    if (path.isEmpty())
        return {};
    const QString beside = ResolveIn(QDir(m_programFolder), path);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = ResolveIn(QDir(DataFolder()), path);
    return QFileInfo::exists(installed) ? installed : beside;
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
