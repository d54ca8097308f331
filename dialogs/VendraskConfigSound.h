// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/VendraskConfigPage.h"

#include <array>
#include <functional>

class CKelvoCommonEdit;

// The third page: the sound switch, which takes effect at once, and the
// four wave files' paths, which are taken when the configuration window
// closes (TakePaths).
class CVendraskConfigSound final : public CVendraskConfigPage {
    Q_OBJECT

public:
    static constexpr int kIdSoundFlag = 1181;
    // Hint shown while a path is too long to be stored.
    static constexpr int kIdLengthHint = 1182;
    // Longest path the model stores.
    static constexpr int kPathLimit = 259;

    struct Row {
        int labelId;
        const char* label;
        int editId;
        int buttonId;
        int y; // dialog units
    };
    static constexpr std::array<Row, 4> kRows{
        {{1169, QT_TRANSLATE_NOOP("CVendraskConfigSound", "Menu Open Sound Path"), 1170, 1171, 36},
         {1172, QT_TRANSLATE_NOOP("CVendraskConfigSound", "Menu Close Sound Path"), 1173, 1174, 60},
         {1175, QT_TRANSLATE_NOOP("CVendraskConfigSound", "Button Click Sound Path"), 1176, 1177,
          84},
         {1178, QT_TRANSLATE_NOOP("CVendraskConfigSound", "Button Hover Sound Path"), 1179, 1180,
          108}}};

    // Asks for an existing wave file, starting in startFolder (empty: the
    // chooser's own choice); returns its full path, or empty when cancelled.
    using FileChooser = std::function<QString(QWidget* owner, const QString& startFolder)>;
    // The file chooser's filter: caption and patterns.
    static QString FileFilter();
    static QString DefaultFileChooser(QWidget* owner, const QString& startFolder);

    CVendraskConfigSound(CVendraskApp& app, QWidget* parent);
    ~CVendraskConfigSound() override;

    void ApplyPageColors() override;
    // Copies the four fields into the model's paths. A field longer than
    // the model can hold is refused: its stored path stays as it was.
    void TakePaths();
    void SetFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }
    CKelvoCommonEdit* Edit(int row) const { return m_edit[row]; }

protected:
    void OnInitDialog() override;

private:
    void OnBrowse(int row);
    void OnSoundFlag();
    void UpdateLengthHint();

    std::array<CKelvoCommonButton*, 4> m_browse{};
    std::array<CKelvoCommonStatic*, 4> m_static{};
    std::array<CKelvoCommonEdit*, 4> m_edit{};
    CKelvoCommonCheck* m_soundFlag = nullptr;
    CKelvoCommonStatic* m_lengthHint = nullptr;
    FileChooser m_fileChooser;
};
