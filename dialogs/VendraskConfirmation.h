// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/VendraskSmallWindow.h"

class CKelvoCommonButton;
class CKelvoCommonStatic;

// Asks the user to confirm Cut, Paste, Delete or Move of an item: one line
// of question, OK (result 1) and Cancel (result 2).
class CVendraskConfirmation final : public CVendraskSmallWindow {
    Q_OBJECT

public:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 220;
    static constexpr int kIdOk = 1086;
    static constexpr int kIdCancel = 1087;
    static constexpr int kIdMessage = 1088;
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    // The questions the menu window asks.
    static QString CutQuestion();
    static QString PasteQuestion();
    static QString DeleteQuestion();
    static QString MoveQuestion();

    CVendraskConfirmation(CVendraskApp& app, QWidget* parent);
    ~CVendraskConfirmation() override;

    CKelvoCommonButton* OkButton() const { return m_ok; }
    CKelvoCommonButton* CancelButton() const { return m_cancel; }
    CKelvoCommonStatic* MessageText() const { return m_message; }

    // The question, set by the caller before each run.
    QString m_confirmationMessage;

protected:
    void OnCloseCommand() override;
    void OnInitDialog() override;

private:
    CKelvoCommonButton* m_ok = nullptr;
    CKelvoCommonButton* m_cancel = nullptr;
    CKelvoCommonStatic* m_message = nullptr;
};
