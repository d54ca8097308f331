// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/VendraskSmallWindow.h"

class CKelvoCommonEdit;
class CKelvoCommonStatic;

// Changes the title of a group. There is no Cancel: however the window
// ends, the text of its field becomes the title and is saved.
class CVendraskGroupTitle final : public CVendraskSmallWindow {
    Q_OBJECT

public:
    static constexpr int kWidth = 790;
    static constexpr int kHeight = 100;
    static constexpr int kIdClose = 1094;
    static constexpr int kIdLabel = 1095;
    static constexpr int kIdTitle = 1096;
    static constexpr int kTitleLimit = 64;

    CVendraskGroupTitle(CVendraskApp& app, QWidget* parent);
    ~CVendraskGroupTitle() override;

    CKelvoCommonEdit* TitleEdit() const { return m_edit; }
    CKelvoCommonStatic* Label() const { return m_label; }

    // The group 0 to 9 whose title is edited, set by the caller before each
    // run; it stays the same whatever the menu shows meanwhile.
    int m_groupIndex = 0;

protected:
    void OnCloseCommand() override;
    void OnInitDialog() override;
    void OnEndDialog() override;

private:
    CKelvoCommonStatic* m_label = nullptr;
    CKelvoCommonEdit* m_edit = nullptr;
};
