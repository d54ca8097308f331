// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/VendraskHarness.h"

#include <QWidget>
#include <memory>

class CVendraskMain;

namespace vendrask::test {

// The harness with the menu window on App(), under an owner of its own.
class CVendraskMenuHarness : public CVendraskHarness {
public:
    using CVendraskHarness::CVendraskHarness;
    ~CVendraskMenuHarness() override;

    // Builds the window from the model's settings as they stand; again, it
    // replaces the window, the new one made before the old one goes.
    CVendraskMain& MakeMenu();

protected:
    std::unique_ptr<QWidget> owner;
    std::unique_ptr<CVendraskMain> menu;
};

} // namespace vendrask::test
