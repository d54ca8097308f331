// SPDX-License-Identifier: MIT
// Include after the X11 headers: takes back the Xlib macros whose names Qt
// and GoogleTest use as identifiers. Deliberately without an include guard,
// so that every inclusion takes them back again.
#undef KeyPress
#undef KeyRelease
#undef FocusIn
#undef FocusOut
#undef None
#undef Bool
#undef Status
