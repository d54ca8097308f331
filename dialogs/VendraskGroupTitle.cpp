// SPDX-License-Identifier: MIT
#include "dialogs/VendraskGroupTitle.h"

#include "app/VendraskApp.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonEdit.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonWindow.h"
#include "dialogs/VendraskDialogUnits.h"

#include <algorithm>

using VendraskDialogUnits::Rect;

CVendraskGroupTitle::CVendraskGroupTitle(CVendraskApp& app, QWidget* parent)
    : CVendraskSmallWindow(app, parent, QSize(kWidth, kHeight), tr("Vendrask Group Title"),
                           Placement::PrimaryScreen) {
    setObjectName(QStringLiteral("VendraskGroupTitle"));
    CreateCloseButton(kIdClose);
    m_label = new CKelvoCommonStatic(tr("Group Title"), this);
    KelvoCommonSetDlgCtrlID(m_label, kIdLabel);
    m_label->setGeometry(Rect(14, 22, 104, 11));
    m_edit = new CKelvoCommonEdit(this);
    m_edit->setGeometry(Rect(121, 21, 316, 13));
    m_edit->Initialize(this, kIdTitle);
    m_edit->setAccessibleName(m_label->text());
}

CVendraskGroupTitle::~CVendraskGroupTitle() = default;

void CVendraskGroupTitle::OnInitDialog() {
    const int group = std::clamp(m_groupIndex, 0, CVendraskApp::kGroupCount - 1);
    m_edit->setMaxLength(kTitleLimit);
    m_edit->setText(m_app.m_groupTitle[group].ToQString());
    ApplyTransparency();
    CloseButton()->SetColor(m_app.m_buttonColor);
    m_label->m_color = m_app.m_staticTextColor;
    m_label->setFont(m_app.m_fontDialog);
    m_edit->SetColor(m_app.m_editColor);
    m_edit->setFont(m_app.m_fontSmall);
    m_edit->setFocus(Qt::OtherFocusReason);
}

void CVendraskGroupTitle::OnCloseCommand() {
    done(1);
}

void CVendraskGroupTitle::OnEndDialog() {
    const int group = std::clamp(m_groupIndex, 0, CVendraskApp::kGroupCount - 1);
    m_app.m_groupTitle[group].Assign(m_edit->text().left(kTitleLimit));
    m_app.SaveGroupTitle(group);
}
