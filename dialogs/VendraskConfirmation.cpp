// SPDX-License-Identifier: MIT
#include "dialogs/VendraskConfirmation.h"

#include "app/VendraskApp.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonWindow.h"
#include "dialogs/VendraskDialogUnits.h"

using VendraskDialogUnits::Rect;

QString CVendraskConfirmation::CutQuestion() {
    return tr("Are you sure you want to \"Cut\" this item ?");
}
QString CVendraskConfirmation::PasteQuestion() {
    return tr("Are you sure you want to \"Paste\" this item ?");
}
QString CVendraskConfirmation::DeleteQuestion() {
    return tr("Are you sure you want to \"Delete\" this item ?");
}
QString CVendraskConfirmation::MoveQuestion() {
    return tr("Are you sure you want to \"Move\" this item ?");
}

CVendraskConfirmation::CVendraskConfirmation(CVendraskApp& app, QWidget* parent)
    : CVendraskSmallWindow(app, parent, QSize(kWidth, kHeight), tr("Vendrask Confirmation"),
                           Placement::PointerMonitorTopMost) {
    setObjectName(QStringLiteral("VendraskConfirmation"));
    // Creation order is the tab order of the template.
    m_ok = new CKelvoCommonButton(tr("OK"), this);
    KelvoCommonSetDlgCtrlID(m_ok, kIdOk);
    m_ok->setGeometry(Rect(78, 96, 72, 12));
    m_ok->SetFlagTabStop(1);
    m_cancel = new CKelvoCommonButton(tr("Cancel"), this);
    KelvoCommonSetDlgCtrlID(m_cancel, kIdCancel);
    m_cancel->setGeometry(Rect(180, 96, 72, 12));
    m_cancel->SetFlagTabStop(1);
    m_message = new CKelvoCommonStatic(QString::fromUtf16(u"確認メッセージ"), this);
    KelvoCommonSetDlgCtrlID(m_message, kIdMessage);
    m_message->setGeometry(Rect(18, 42, 300, 24));
    m_message->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(m_ok, &QAbstractButton::clicked, this, [this] { done(kResultOk); });
    connect(m_cancel, &QAbstractButton::clicked, this, [this] { done(kResultCancel); });
}

CVendraskConfirmation::~CVendraskConfirmation() = default;

void CVendraskConfirmation::OnInitDialog() {
    m_message->setText(m_confirmationMessage);
    setAccessibleDescription(m_confirmationMessage);
    ApplyTransparency();
    m_ok->SetColor(m_app.m_buttonColor);
    m_cancel->SetColor(m_app.m_buttonColor);
    m_message->m_color = m_app.m_staticTextColor;
    m_ok->setFont(m_app.m_fontButton);
    m_cancel->setFont(m_app.m_fontButton);
    m_message->setFont(m_app.m_fontDialog);
    m_ok->setFocus(Qt::OtherFocusReason);
}

void CVendraskConfirmation::OnCloseCommand() {
    done(kResultCancel);
}
