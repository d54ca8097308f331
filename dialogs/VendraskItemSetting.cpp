// SPDX-License-Identifier: MIT
#include "dialogs/VendraskItemSetting.h"

#include "app/VendraskApp.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonWindow.h"
#include "common/platform/KelvoCommonMessageBox.h"
#include "dialogs/VendraskDialogUnits.h"
#include "dialogs/VendraskFileChooser.h"
#include "dialogs/VendraskItemFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

using VendraskDialogUnits::Rect;

namespace {

constexpr int kSlotCount = CVendraskApp::kSlotCount;

CKelvoCommonStatic* AddStatic(QWidget* parent, int id, const QString& text, QRect rect) {
    auto* label = new CKelvoCommonStatic(text, parent);
    KelvoCommonSetDlgCtrlID(label, id);
    label->setGeometry(rect);
    return label;
}

CKelvoCommonButton* AddButton(QWidget* parent, int id, const QString& text, QRect rect) {
    auto* button = new CKelvoCommonButton(text, parent);
    KelvoCommonSetDlgCtrlID(button, id);
    button->setGeometry(rect);
    button->SetFlagTabStop(1);
    return button;
}

CKelvoCommonEdit* AddEdit(QWidget* parent, int id, QRect rect) {
    auto* edit = new CKelvoCommonEdit(parent);
    edit->setGeometry(rect);
    edit->Initialize(parent, id);
    return edit;
}

} // namespace

CVendraskItemSetting::CVendraskItemSetting(CVendraskApp& app, QWidget* parent)
    : CVendraskSmallWindow(app, parent, QSize(kWidth, kHeight), tr("Vendrask Item Setting"),
                           Placement::PointerMonitorTopMost),
      m_fileChooser(&CVendraskItemSetting::DefaultFileChooser),
      m_folderChooser(&CVendraskItemSetting::DefaultFolderChooser) {
    setObjectName(QStringLiteral("VendraskItemSetting"));
    // Creation order is the tab order of the template.
    CreateCloseButton(kIdClose);
    m_itemLabel = AddStatic(this, kIdItemLabel, tr("Item ID"), Rect(14, 23, 104, 11));
    m_static[0] = m_itemLabel;
    m_static[1] = AddStatic(this, 1099, tr("Item Name"), Rect(14, 41, 104, 11));
    m_edit[FieldName] = AddEdit(this, kIdName, Rect(121, 40, 223, 13));
    m_static[2] = AddStatic(this, 1100, tr("Item Path"), Rect(14, 59, 104, 11));
    m_edit[FieldPath] = AddEdit(this, kIdPath, Rect(121, 58, 223, 13));
    m_browseFile = AddButton(this, kIdBrowseFile, tr("Browse File"), Rect(350, 58, 81, 13));
    m_browsePathFolder =
        AddButton(this, kIdBrowsePathFolder, tr("Browse Folder"), Rect(436, 58, 81, 13));
    m_static[3] = AddStatic(this, 1101, tr("Item Option"), Rect(14, 77, 104, 11));
    m_edit[FieldOption] = AddEdit(this, kIdOption, Rect(121, 76, 223, 13));
    m_static[4] = AddStatic(this, 1102, tr("Item Working Folder"), Rect(14, 95, 104, 11));
    m_edit[FieldWorkingFolder] = AddEdit(this, kIdWorkingFolder, Rect(121, 94, 223, 13));
    m_browseWorkingFolder =
        AddButton(this, kIdBrowseWorkingFolder, tr("Browse Folder"), Rect(350, 94, 81, 13));
    m_edit[FieldName]->setAccessibleName(m_static[1]->text());
    m_edit[FieldPath]->setAccessibleName(m_static[2]->text());
    m_edit[FieldOption]->setAccessibleName(m_static[3]->text());
    m_edit[FieldWorkingFolder]->setAccessibleName(m_static[4]->text());

    connect(m_browseFile, &QAbstractButton::clicked, this, &CVendraskItemSetting::OnBrowseFile);
    connect(m_browsePathFolder, &QAbstractButton::clicked, this,
            [this] { OnBrowseFolder(kIdBrowsePathFolder); });
    connect(m_browseWorkingFolder, &QAbstractButton::clicked, this,
            [this] { OnBrowseFolder(kIdBrowseWorkingFolder); });
}

CVendraskItemSetting::~CVendraskItemSetting() = default;

CKelvoCommonButton* CVendraskItemSetting::Button(int id) const {
    switch (id) {
    case kIdClose:
        return CloseButton();
    case kIdBrowseFile:
        return m_browseFile;
    case kIdBrowsePathFolder:
        return m_browsePathFolder;
    case kIdBrowseWorkingFolder:
        return m_browseWorkingFolder;
    default:
        return nullptr;
    }
}

void CVendraskItemSetting::OnInitDialog() {
    const int slot = std::clamp(m_itemIndex, 0, kSlotCount - 1);
    m_itemLabel->setText(
        tr("Item Setting for \"%1\"").arg(QLatin1Char(static_cast<char>('A' + slot))));

    const int group = std::clamp(m_itemGroup, 0, CVendraskApp::kGroupCount - 1);
    const ItemRecord& item = m_app.Item(group, slot);
    m_edit[FieldName]->setText(item.Name.ToQString());
    m_edit[FieldPath]->setText(item.Path.ToQString());
    m_edit[FieldOption]->setText(item.Option.ToQString());
    m_edit[FieldWorkingFolder]->setText(item.WorkingFolder.ToQString());
    m_edit[FieldName]->setMaxLength(kNameLimit);

    ApplyTransparency();
    for (CKelvoCommonButton* button :
         {CloseButton(), m_browseFile, m_browsePathFolder, m_browseWorkingFolder})
        button->SetColor(m_app.m_buttonColor);
    for (CKelvoCommonStatic* label : m_static) {
        label->m_color = m_app.m_staticTextColor;
        label->setFont(m_app.m_fontDialog);
    }
    for (CKelvoCommonEdit* edit : m_edit) {
        edit->SetColor(m_app.m_editColor);
        edit->setFont(m_app.m_fontSmall);
    }
    for (CKelvoCommonButton* button : {m_browseFile, m_browsePathFolder, m_browseWorkingFolder})
        button->setFont(m_app.m_fontButton);
    m_edit[FieldName]->setFocus(Qt::OtherFocusReason);
}

void CVendraskItemSetting::OnCloseCommand() {
    done(1);
}

void CVendraskItemSetting::OnEndDialog() {
    const int slot = std::clamp(m_itemIndex, 0, kSlotCount - 1);
    const int group = std::clamp(m_itemGroup, 0, CVendraskApp::kGroupCount - 1);
    ItemRecord& item = m_app.Item(group, slot);
    item.Name.Assign(m_edit[FieldName]->text());
    // A cut path, option or folder would name something else: one too
    // long keeps what the item held, and the user hears of it.
    QStringList refused;
    const auto take = [&](auto& field, Field which, const QString& tooLong) {
        const QString text = m_edit[which]->text();
        const auto limit = std::remove_reference_t<decltype(field)>::kMaxLength;
        if (text.size() > static_cast<qsizetype>(limit)) {
            refused.append(tooLong.arg(limit));
            return;
        }
        field.Assign(text);
    };
    take(item.Path, FieldPath,
         tr("A path can have at most %1 characters; the longer one was not stored."));
    take(item.Option, FieldOption,
         tr("An option can have at most %1 characters; the longer one was not stored."));
    take(item.WorkingFolder, FieldWorkingFolder,
         tr("A working folder can have at most %1 characters; the longer one was not stored."));
    m_app.SaveItem(group, slot);
    if (!refused.isEmpty()) {
        // After the window has gone: the run may end from the icon menu's
        // Close, which must not wait for an answer.
        CKelvoCommonMessageBox* box = m_app.Services().messageBox.get();
        QTimer::singleShot(0, parentWidget(),
                           [box, text = refused.join(u'\n')] { box->ShowError(text); });
    }
}

void CVendraskItemSetting::OnBrowseFile() {
    // Start in the folder of the path when it names something that exists.
    const QString current = m_edit[FieldPath]->text().left(259);
    QString startFolder;
    const QString resolved = m_app.ResolveProgramPath(current);
    if (!resolved.isEmpty() && QFileInfo::exists(resolved)) {
        const qsizetype slash = resolved.lastIndexOf(QLatin1Char('/'));
        if (slash >= 0)
            startFolder = resolved.left(slash + 1);
    }
    const QString chosen = m_fileChooser(this, startFolder);
    if (chosen.isEmpty())
        return;
    const ItemRecord item = VendraskItemFile::FromFile(chosen);
    m_edit[FieldName]->setText(item.Name.ToQString());
    m_edit[FieldPath]->setText(item.Path.ToQString());
    m_edit[FieldOption]->setText(item.Option.ToQString());
    m_edit[FieldWorkingFolder]->setText(item.WorkingFolder.ToQString());
}

void CVendraskItemSetting::OnBrowseFolder(int id) {
    CKelvoCommonEdit* edit =
        id == kIdBrowseWorkingFolder ? m_edit[FieldWorkingFolder] : m_edit[FieldPath];
    const QString chosen = m_folderChooser(this, edit->text().left(259));
    if (!chosen.isEmpty())
        edit->setText(chosen);
}

QString CVendraskItemSetting::FileFilter() {
    //: The file chooser's filter: keep the pattern in parentheses at the end.
    return tr("すべてのファイル(*.*) (*)");
}

QString CVendraskItemSetting::DefaultFileChooser(QWidget* owner, const QString& startFolder) {
    return VendraskChooseFile(owner, startFolder, FileFilter());
}

QString CVendraskItemSetting::DefaultFolderChooser(QWidget* owner, const QString& current) {
    QFileDialog chooser(owner, tr("Select Folder"));
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    chooser.setLabelText(QFileDialog::LookIn, tr("Please select preferable folder."));
    if (!current.isEmpty() && QFileInfo(current).isDir())
        chooser.setDirectory(current);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().front();
}
