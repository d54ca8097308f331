// SPDX-License-Identifier: MIT
#pragma once

#include "app/ItemRecord.h"

#include <QString>
#include <optional>

// What a file chosen in the item setting window or dropped onto an item
// button puts into an item.
namespace VendraskItemFile {

// The last part of a path without its extension (the text from the last dot
// on); folders alike. Trailing separators are looked through, and a name
// that is all extension (".profile") is kept whole, so no name comes out
// empty for a file that has one.
QString NameOf(const QString& path);

// The lower-case extension with its dot, as NameOf splits it; empty for none.
QString ExtensionOf(const QString& path);

// The item a file gives:
//   ".lnk" (any case): name from the file, target, arguments and working
//     folder from the link (all three empty when it cannot be read);
//   ".desktop" of an application: its name from the entry, the entry's
//     path itself (the shell starts it as the entry says), nothing more;
//   anything else: name from the file, the path itself, nothing more.
// Every field is cut to its capacity.
ItemRecord FromFile(const QString& path);

} // namespace VendraskItemFile
