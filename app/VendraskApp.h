// SPDX-License-Identifier: MIT
#pragma once

#include "app/ItemRecord.h"
#include "common/controls/KelvoCommonColor.h"
#include "common/controls/KelvoCommonGdiplus.h"
#include "common/core/KelvoCommonProfile.h"
#include "common/platform/KelvoCommonPlatform.h"

#include <QBrush>
#include <QByteArray>
#include <QFont>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <vector>

// The application object: owns the whole settings model, the drawing objects
// derived from it and the settings file.
class QPainter;

class CVendraskApp final {
public:
    static constexpr int kGroupCount = 10;
    static constexpr int kSlotCount = 26;
    static constexpr int kItemCount = kGroupCount * kSlotCount;
    static constexpr int kSpecialItemCount = 5;
    static constexpr int kColorSetCount = 7;
    // The built-in set for readers who need strong contrast.
    static constexpr int kColorSetHighContrast = 6;
    static constexpr int kColorsPerSet = 10;
    static constexpr int kSoundCount = 4;
    static constexpr int kFaceNameMaxLength = 31;
    static constexpr int kFontHeight = 18;
    static constexpr int kFontSmallHeight = 12;
    static constexpr int kDefaultGroupNone = 99;
    // Largest sound file read into memory; larger ones stay silent.
    static constexpr qint64 kMaxSoundFileBytes = 64 * 1024 * 1024;

    // Parts of SaveToIniFile.
    static constexpr int kPartGeneral = 0;
    static constexpr int kPartFirstItem = 1;
    static constexpr int kPartLastItem = kItemCount;
    static constexpr int kPartFirstGroupTitle = kItemCount + 1;
    static constexpr int kPartLastGroupTitle = kItemCount + kGroupCount;

    enum SoundIndex { SoundMenuOpen, SoundMenuClose, SoundButtonClick, SoundButtonHover };

    using ColorSet = std::array<COLORREF, kColorsPerSet>;

    explicit CVendraskApp(CKelvoCommonPlatformServices services);
    ~CVendraskApp();
    CVendraskApp(const CVendraskApp&) = delete;
    CVendraskApp& operator=(const CVendraskApp&) = delete;

    // The one live application object, or null.
    static CVendraskApp* Instance();

    // Where the settings file lies and what relative paths resolve against.
    void SetProgramFolder(const QString& folder);
    const QString& ProgramFolder() const { return m_programFolder; }
    void SetIniFilePath(const QString& file);
    QString IniFilePath() const;

    // Start-up, as one call: single instance, program folder, drawing
    // objects, settings, sounds, then the menu window's loop. Returns false
    // in every case, as the process ends when it returns.
    bool InitInstance();
    // Shut-down: releases the sound data when sound was switched off.
    int ExitInstance();
    // True when InitInstance found another launcher running.
    bool FoundOtherInstance() const { return m_foundOtherInstance; }

    // What InitInstance runs once the model is ready: the menu window's
    // modal loop. Set by the program before InitInstance.
    using MenuRunner = std::function<void(CVendraskApp&)>;
    void SetMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }
    // --ini FILE, empty for the usual place. A relative name means the
    // folder the launcher was started in: resolved here, before start-up
    // makes the program folder the current one.
    void SetCommandLineIni(const QString& file);

    // Paints the title strip (stretched over rect) and the logo at (1, 1)
    // of every window; lighter pictures when disabled, negative colours
    // when m_colorSetInvertTitlebar is set.
    void DrawTitleBar(QPainter& painter, const QRect& rect, bool enabled) const;
    // Where the logo goes, in window coordinates.
    static constexpr QRect kLogoRect{1, 1, 150, 21};
    // Caption bitmaps 138-147 at the primary screen's scale (EnsureFonts
    // does this; windows built once the fonts are made do it themselves).
    void LoadCaptionBitmaps();

    void LoadFromIniFile();
    // Writes one part (0 general, 1-260 an item, 261-270 a group title),
    // with every part an earlier failed write left unsaved. False when
    // nothing was written: a bad part (after the error box) or a failed
    // write, which leaves the previous file whole, keeps the parts for the
    // next save and tells the user once per kind of failure (its reason).
    bool SaveToIniFile(int part);
    // The item of group 0-9 and slot 0-25 (the letter A-Z), and the saves
    // of that item and of a group's title.
    ItemRecord& Item(int group, int slot) { return m_item[ItemIndex(group, slot)]; }
    const ItemRecord& Item(int group, int slot) const { return m_item[ItemIndex(group, slot)]; }
    bool SaveItem(int group, int slot);
    bool SaveGroupTitle(int group);
    // The colour set's records, brushes and the fonts.
    void ApplyColorSet();
    // The same without the fonts: start-up makes those once the hot key
    // and the tray are armed (the first font wakes fontconfig, about a
    // quarter of start-up).
    void ApplyColors();
    // The three fonts from the face names, once (again after ApplyColorSet),
    // and the caption bitmaps, whose logo is text.
    void EnsureFonts();
    bool FontsMade() const { return m_fontsMade; }
    // The colour set in use (set 0 when the index is out of range).
    const ColorSet& ActiveColorSet() const;
    void LoadSoundData();
    // Hands the mouse hook's six settings to the running hook, which reads
    // them at its next mouse event.
    void ApplyMouseHookSettings() const;

    // The file path a relative item or sound path means: resolved against
    // the program folder; backslashes read as folder separators when the
    // path as written names nothing. A path that names nothing there is
    // looked for in the installed data folder next (an installed launcher
    // keeps its default sounds there, not beside the program).
    QString ResolveProgramPath(const QString& path) const;
    // <prefix>/share/vendrask of an installed launcher, found from the
    // program folder so that it stays right wherever the tree is moved.
    QString DataFolder() const;

    // The text of the last failed write, empty after a good one.
    const QString& LastSaveError() const { return m_lastSaveError; }

    // Option texts are stored with every double quote doubled and wrapped
    // in one more pair only when the reader would otherwise change them
    // (blanks around, an enclosing pair); reading folds the pairs back, so
    // every text round-trips, ordinary ones keep their plain form, and files
    // that wrapped every option still read the same.
    static QString EncodeOptionForFile(const QString& option);
    static QString DecodeOptionFromFile(const QString& stored);

    static QString GroupSectionName(int group);
    static QString ItemSectionName(int itemNumber);
    static const ColorSet& BuiltInColorSet(int index);

    CKelvoCommonPlatformServices& Services() { return m_services; }

    // --- The model ------------------------------------------------------
    // Construction values. Some differ from the file's defaults in
    // VendraskSettingsTable (edge dwell 500 ms, not click mode; no desktop
    // double click; colour set 0 a copy of set 1), and that is intended:
    // LoadFromIniFile replaces every one before any window exists, so only
    // a model that is never loaded (tests, benchmarks) runs on them, and
    // those rely on them as they are.
    std::array<ItemRecord, kItemCount> m_item{};
    std::array<CVendraskFixedText<65>, kGroupCount> m_groupTitle{};
    int m_currentGroup = 0;
    std::array<ItemRecord, kSpecialItemCount> m_specialItem{};

    std::array<ColorSet, kColorSetCount> m_colorSet{};
    int m_colorSetIndex = 0;
    int m_colorSetTransparency = 210;
    int m_colorSetFadeLevel = 3;
    int m_colorSetInvertTitlebar = 0;

    QString m_fontDialogFaceName;
    QString m_fontButtonFaceName;

    int m_hotKeyModifier = 3;
    int m_hotKeyCode = 0;

    int m_mouseHookMilliSecond = 500;
    int m_mouseHookTop = 1;
    int m_mouseHookBottom = 1;
    int m_mouseHookLeft = 1;
    int m_mouseHookRight = 1;
    int m_mouseHookClickOnDesktop = 0;

    int m_behaviorConfirmationDialog = 1;
    int m_behaviorItemLock = 0;
    int m_behaviorShowTopMost = 1;
    int m_behaviorDefaultGroupID = 0;
    int m_behaviorUnableHotKey = 0;

    int m_soundFlag = 1;
    std::array<CVendraskFixedText<260>, kSoundCount> m_soundPath{};
    std::array<QByteArray, kSoundCount> m_soundData{};
    int m_soundDataLoaded = 1;

    // --- Derived drawing objects ---------------------------------------
    // Declared so they are destroyed in the reverse order: drawing system
    // first, caption bitmaps last.
    static constexpr int kCaptionBitmapCount = 10;
    static constexpr int kFirstCaptionBitmapId = 138;
    std::array<QPixmap, kCaptionBitmapCount> m_captionBitmap{};
    QBrush m_brushButtonBackground;
    QBrush m_brushDialogFrame;
    QFont m_fontDialog;
    QFont m_fontButton;
    QFont m_fontSmall;
    bool m_fontsMade = false;
    CKelvoCommonButtonColor m_buttonColor;
    CKelvoCommonStaticColor m_staticTextColor;
    CKelvoCommonEditColor m_editColor;
    CKelvoCommonComboColor m_comboColor;
    CKelvoCommonCheckColor m_checkColor;
    CKelvoCommonTabColor m_tabColor;

    CKelvoCommonGdiplus m_gdiplus;

private:
    static std::size_t ItemIndex(int group, int slot) {
        Q_ASSERT(group >= 0 && group < kGroupCount && slot >= 0 && slot < kSlotCount);
        return static_cast<std::size_t>(group * kSlotCount + slot);
    }
    bool WriteUnsavedParts(bool tellUser);
    void SaveFailed(bool tellUser);
    void NormalizeLoadedValues();
    void ReleaseSoundData();
    // Height as the font records give it: positive, the whole line.
    static QFont MakeFont(const QString& faceName, int height);
    static void SubstituteMissingFaces();

    CKelvoCommonPlatformServices m_services;
    MenuRunner m_menuRunner;
    QString m_commandLineIni;
    bool m_foundOtherInstance = false;
    bool m_startFailed = false;
    QString m_programFolder;
    std::unique_ptr<CKelvoCommonProfile> m_profile;
    QString m_lastSaveError;
    std::set<int> m_unsavedParts;
    QSet<QString> m_toldSaveFailures; // reasons the user was shown
};
