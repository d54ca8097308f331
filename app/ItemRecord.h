// SPDX-License-Identifier: MIT
#pragma once

#include "app/VendraskFixedText.h"

// One launch item. An empty Name means the slot is free.
struct ItemRecord {
    CVendraskFixedText<37> Name;
    CVendraskFixedText<260> Path;
    CVendraskFixedText<260> Option;
    CVendraskFixedText<256> WorkingFolder;

    friend bool operator==(const ItemRecord&, const ItemRecord&) = default;
};
