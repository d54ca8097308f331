// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/VendraskSmallWindow.h"

#include <array>
#include <functional>

class CKelvoCommonButton;
class CKelvoCommonEdit;
class CKelvoCommonStatic;

// Edits one item: name, path, option and working folder, with choosers
// that fill them. There is no Cancel: however the window ends, what its
// fields hold is stored into the item and saved.
class CVendraskItemSetting final : public CVendraskSmallWindow {
    Q_OBJECT

public:
    static constexpr int kWidth = 790;
    static constexpr int kHeight = 210;
    static constexpr int kIdClose = 1097;
    static constexpr int kIdItemLabel = 1182;
    static constexpr int kIdName = 1103;
    static constexpr int kIdPath = 1104;
    static constexpr int kIdOption = 1105;
    static constexpr int kIdWorkingFolder = 1106;
    static constexpr int kIdBrowseFile = 1107;
    static constexpr int kIdBrowsePathFolder = 1108;
    static constexpr int kIdBrowseWorkingFolder = 1109;
    static constexpr int kNameLimit = 36;

    enum Field { FieldName, FieldPath, FieldOption, FieldWorkingFolder };

    // Choosers: given the owner and where to start, the chosen path, or an
    // empty text when the user cancelled. Tests replace them.
    using FileChooser = std::function<QString(QWidget* owner, const QString& startFolder)>;
    using FolderChooser = std::function<QString(QWidget* owner, const QString& current)>;

    CVendraskItemSetting(CVendraskApp& app, QWidget* parent);
    ~CVendraskItemSetting() override;

    void SetFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }
    void SetFolderChooser(FolderChooser chooser) { m_folderChooser = std::move(chooser); }

    CKelvoCommonEdit* Edit(Field field) const { return m_edit[field]; }
    CKelvoCommonStatic* ItemLabel() const { return m_itemLabel; }
    CKelvoCommonButton* Button(int id) const;

    void OnBrowseFile();
    // 1108 for the path edit, 1109 for the working folder.
    void OnBrowseFolder(int id);

    // The item being edited, set by the caller before each run: slot 0 to
    // 25 of group 0 to 9. The group is the one the edit was started in,
    // whatever the menu shows when the window ends.
    int m_itemIndex = 0;
    int m_itemGroup = 0;

    // The file chooser's filter: caption and patterns.
    static QString FileFilter();

protected:
    void OnCloseCommand() override;
    void OnInitDialog() override;
    void OnEndDialog() override;

private:
    static QString DefaultFileChooser(QWidget* owner, const QString& startFolder);
    static QString DefaultFolderChooser(QWidget* owner, const QString& current);

    std::array<CKelvoCommonEdit*, 4> m_edit{};
    std::array<CKelvoCommonStatic*, 5> m_static{};
    CKelvoCommonStatic* m_itemLabel = nullptr;
    CKelvoCommonButton* m_browseFile = nullptr;
    CKelvoCommonButton* m_browsePathFolder = nullptr;
    CKelvoCommonButton* m_browseWorkingFolder = nullptr;
    FileChooser m_fileChooser;
    FolderChooser m_folderChooser;
};
