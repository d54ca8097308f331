// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/controls/KelvoCommonColor.h"

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

// Painting primitives shared by the controls, with the meaning the controls'
// drawing rules give them. Color and FrameRect serve the program's windows
// too; the rest is library-internal.
namespace kelvo::paint {

// A colour record value as a painter colour (opaque).
KELVOCOMMON_EXPORT QColor Color(COLORREF color);

// Fills rect with one colour, no blending.
void FillSolidRect(QPainter& painter, QRect rect, QColor color);

// A one-pixel frame on the outermost pixels of rect.
KELVOCOMMON_EXPORT void FrameRect(QPainter& painter, QRect rect, QColor color);

// Text flags of the controls' single-line and wrapped text.
struct TextFlags {
    Qt::Alignment alignment = Qt::AlignCenter;
    bool singleLine = true;
    bool endEllipsis = false;
    bool wordWrap = false;
};

// Draws text clipped to rect; "&" marks a mnemonic ("&&" is one ampersand).
void DrawText(QPainter& painter, QRect rect, const QString& text, TextFlags flags, QColor color);

// The width and height a single line of text takes with the painter's font.
QSize TextExtent(const QPainter& painter, const QString& text);

} // namespace kelvo::paint
