// SPDX-License-Identifier: MIT
#include "dialogs/VendraskConfigSound.h"

#include "app/VendraskApp.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonStatic.h"
#include "dialogs/VendraskDialogUnits.h"
#include "dialogs/VendraskFileChooser.h"

#include <QFileInfo>
#include <algorithm>

using VendraskDialogUnits::Rect;

CVendraskConfigSound::CVendraskConfigSound(CVendraskApp& app, QWidget* parent)
    : CVendraskConfigPage(app, parent, tr("Vendrask Configuration (Sound)")),
      m_fileChooser(&CVendraskConfigSound::DefaultFileChooser) {
    setObjectName(QStringLiteral("VendraskConfigSound"));
    m_soundFlag = AddCheck(kIdSoundFlag, tr("Sound On/Off"), Rect(12, 11, 116, 10), true);
    connect(m_soundFlag, &CKelvoCommonCheck::Flipped, this, &CVendraskConfigSound::OnSoundFlag);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& row = kRows[i];
        m_static[i] = AddStatic(row.labelId, tr(row.label), Rect(12, row.y, 104, 11));
        m_edit[i] = new CKelvoCommonEdit(this);
        m_edit[i]->setGeometry(Rect(120, row.y - 4, 223, 13));
        m_edit[i]->setAccessibleName(m_static[i]->text());
        m_browse[i] = AddButton(row.buttonId, tr("Browse File"), Rect(349, row.y - 4, 81, 13));
        connect(m_browse[i], &QAbstractButton::clicked, this,
                [this, i] { OnBrowse(static_cast<int>(i)); });
        connect(m_edit[i], &QLineEdit::textChanged, this, &CVendraskConfigSound::UpdateLengthHint);
    }
    m_lengthHint =
        AddStatic(kIdLengthHint,
                  tr("A sound path can have at most 259 characters; a longer one is not stored."),
                  Rect(12, 128, 418, 11));
    m_lengthHint->hide();
}

CVendraskConfigSound::~CVendraskConfigSound() = default;

void CVendraskConfigSound::OnInitDialog() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        m_edit[i]->Initialize(this, kRows[i].editId);
        m_edit[i]->setText(m_app.m_soundPath[i].ToQString());
    }
    m_soundFlag->SetCheck(m_app.m_soundFlag != 0 ? 1 : 0);
}

void CVendraskConfigSound::ApplyPageColors() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        ColorControl(m_browse[i]);
        ColorControl(m_static[i]);
        ColorControl(m_edit[i]);
    }
    ColorControl(m_lengthHint);
    ColorControl(m_soundFlag);
}

void CVendraskConfigSound::TakePaths() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const QString text = m_edit[i]->text();
        if (text.size() <= kPathLimit)
            m_app.m_soundPath[i].Assign(text);
    }
}

void CVendraskConfigSound::OnSoundFlag() {
    m_app.m_soundFlag = m_soundFlag->GetCheck() == 1 ? 1 : 0;
    m_app.LoadSoundData();
}

void CVendraskConfigSound::OnBrowse(int row) {
    // Relative paths count from the program's folder, as the sound loader's do.
    QString buffer = m_edit[row]->text().left(kPathLimit);
    const QFileInfo current(m_app.ResolveProgramPath(buffer));
    if (buffer.isEmpty() || !current.exists())
        buffer.clear();
    const QString startFolder =
        buffer.isEmpty() ? QString()
                         : (current.isDir() ? current.absoluteFilePath() : current.absolutePath());
    const QString chosen = m_fileChooser(this, startFolder);
    if (!chosen.isEmpty())
        buffer = chosen;
    m_edit[row]->setText(buffer);
}

void CVendraskConfigSound::UpdateLengthHint() {
    const bool tooLong = std::any_of(m_edit.begin(), m_edit.end(), [](const CKelvoCommonEdit* e) {
        return e != nullptr && e->text().size() > kPathLimit;
    });
    m_lengthHint->setVisible(tooLong);
}

QString CVendraskConfigSound::FileFilter() {
    //: The file chooser's filter: keep the pattern in parentheses at the end.
    return tr("WAVファイル(*.wav) (*.wav)");
}

QString CVendraskConfigSound::DefaultFileChooser(QWidget* owner, const QString& startFolder) {
    return VendraskChooseFile(owner, startFolder, FileFilter());
}
