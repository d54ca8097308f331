// SPDX-License-Identifier: MIT
#pragma once

#include "common/core/KelvoCommonProfile.h"

#include <array>
#include <vector>

class CVendraskApp;

// The settings file as one table: every section and key, the model value it
// holds and its default when missing. Loading and saving walk the same rows,
// so a key's name, place in the file and default are written once.
namespace VendraskSettingsTable {

inline constexpr const char16_t* kDefaultFaceName = u"Lucida Sans Unicode";
inline constexpr std::array<const char16_t*, 4> kSoundPathDefaults = {
    u"sound\\MenuOpen.wav", u"sound\\MenuClose.wav", u"sound\\ButtonClick.wav",
    u"sound\\ButtonHover.wav"};

// What a fresh start writes into a new file, in this order.
std::vector<KelvoProfileEntry> FirstRunEntries();

// Fills the whole model from the file: group titles, items, then the
// general settings, each key taking its default when missing.
void Read(const CKelvoCommonProfileDocument& document, CVendraskApp& app);

// Appends the entries of one part of SaveToIniFile (0 general, 1-260 an
// item, 261-270 a group title) in the order they are written.
void AddPart(const CVendraskApp& app, int part, std::vector<KelvoProfileEntry>& entries);

} // namespace VendraskSettingsTable
