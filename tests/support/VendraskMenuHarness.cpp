// SPDX-License-Identifier: MIT
#include "tests/support/VendraskMenuHarness.h"

#include "menu/VendraskMain.h"

namespace vendrask::test {

// The window goes before the model it reads.
CVendraskMenuHarness::~CVendraskMenuHarness() {
    menu.reset();
}

CVendraskMain& CVendraskMenuHarness::MakeMenu() {
    if (!owner)
        owner = std::make_unique<QWidget>();
    menu = std::make_unique<CVendraskMain>(App(), owner.get());
    return *menu;
}

} // namespace vendrask::test
