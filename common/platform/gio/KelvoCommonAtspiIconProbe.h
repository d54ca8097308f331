// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonDesktopIconProbe.h"

#include <chrono>
#include <memory>
#include <string>

struct _GDBusConnection;

// Asks the desktop program's accessibility tree (AT-SPI) what lies under
// the point. GTK desktops (Caja, Nemo, PCManFM with GTK's bridge) name
// their icons there; a program that is not on the accessibility bus, or
// does not answer within the budget, gives Unknown. All calls are
// synchronous with a deadline: the hook's thread waits at most the budget
// per double click and nothing else ever.
class CKelvoCommonAtspiIconProbe final : public CKelvoCommonDesktopIconProbe {
public:
    static constexpr std::chrono::milliseconds kBudget{150};

    CKelvoCommonAtspiIconProbe();
    ~CKelvoCommonAtspiIconProbe() override;

    Answer At(std::uint32_t pid, QPoint point) override;

private:
    struct Deadline;
    bool Connect(const Deadline& deadline);
    std::string ApplicationOf(std::uint32_t pid, const Deadline& deadline);

    // The accessibility bus, opened at the first double click and kept.
    _GDBusConnection* m_bus = nullptr;
    // The last program asked: its bus name is found once.
    std::uint32_t m_pid = 0;
    std::string m_application;
};
