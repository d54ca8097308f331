// SPDX-License-Identifier: MIT
#pragma once

#include "control/VendraskControlTarget.h"

class CVendraskApp;
class CVendraskMain;

// Carries requests from outside to the menu window, as the hot key, the
// tray menu and a click on an item would.
class CVendraskControlAdapter final : public CVendraskControlTarget {
public:
    CVendraskControlAdapter(CVendraskApp& app, CVendraskMain& menu);

    void Toggle(const std::string& token) override;
    void Show(int group, const std::string& token) override;
    void Hide() override;
    void Configure(const std::string& token) override;
    QString Start(int group, int slot) override;
    void Pause() override;
    void Resume() override;
    void Quit() override;
    Status CurrentStatus() const override;

private:
    void PresentToken(const std::string& token);

    CVendraskApp& m_app;
    CVendraskMain& m_menu;
};
