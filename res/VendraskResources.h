// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

// The launcher's pictures, looked up by their resource ids and drawn in
// code, so they are crisp at every scale factor.
namespace VendraskResource {
// Caption bitmaps: title strip (dark, light), logo (dark, light), close,
// hide and information buttons (plain, hovered).
constexpr int kTitleStrip = 138;
constexpr int kTitleStripDisabled = 139;
constexpr int kLogo = 140;
constexpr int kLogoDisabled = 141;
constexpr int kClose = 142;
constexpr int kCloseHovered = 143;
constexpr int kHide = 144;
constexpr int kHideHovered = 145;
constexpr int kInformation = 146;
constexpr int kInformationHovered = 147;
// Icons: normal and paused (crossed out in red); the information picture.
constexpr int kIconNormal = 135;
constexpr int kIconPaused = 136;
constexpr int kPicture = 137;
} // namespace VendraskResource

// The bitmap of that id at its designed size in logical pixels, rendered for
// devicePixelRatio; a null pixmap for an unknown id.
QPixmap VendraskLoadBitmap(int id, qreal devicePixelRatio = 1.0);
// Logical size of a bitmap id, empty for an unknown id.
QSize VendraskBitmapSize(int id);
// Icon 135 or 136 at the usual sizes; a null icon for another id.
QIcon VendraskLoadIcon(int id);
// The application icon drawn at size x size device pixels.
QImage VendraskRenderAppIcon(int size, bool paused = false);
