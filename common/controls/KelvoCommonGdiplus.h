// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/controls/KelvoCommonColor.h"

#include <QColor>
#include <QRect>

class QPainter;

// Alpha fills and frames for window backgrounds. The helpers are static and
// keep no state; an instance brackets the drawing system's life (QPainter
// needs no start-up, so the token only records that one was made).
class KELVOCOMMON_EXPORT CKelvoCommonGdiplus {
public:
    CKelvoCommonGdiplus();
    virtual ~CKelvoCommonGdiplus();
    CKelvoCommonGdiplus(const CKelvoCommonGdiplus&) = delete;
    CKelvoCommonGdiplus& operator=(const CKelvoCommonGdiplus&) = delete;

    // Fills rect with one colour; alpha counts by its low 8 bits.
    static void DrawRect(QPainter& painter, QRect rect, COLORREF color, int alpha);
    // Vertical gradient: the first row has the top colour, the bottom colour
    // is reached at the bottom edge (the row just below the rectangle).
    static void DrawRectGradationVertical(QPainter& painter, QRect rect, COLORREF colorTop,
                                          int alphaTop, COLORREF colorBottom, int alphaBottom);
    // Outline with a 2-unit pen centred on the rectangle's edges: one pixel
    // outside and one inside each edge.
    static void DrawFrame(QPainter& painter, QRect rect, COLORREF color, int alpha);

    // 0xAARRGGBB from a COLORREF and an alpha (low bytes only).
    static constexpr std::uint32_t ToArgb(COLORREF color, int alpha) {
        return (static_cast<std::uint32_t>(alpha & 0xFF) << 24) |
               (static_cast<std::uint32_t>(color & 0xFF) << 16) | (color & 0xFF00) |
               ((color >> 16) & 0xFF);
    }
    static QColor ToQColor(COLORREF color, int alpha = 255);
    // A rectangle given by its edges (left, top, right, bottom), right and
    // bottom exclusive, as the drawing helpers take it.
    static constexpr QRect RectFromEdges(int left, int top, int right, int bottom) {
        return {left, top, right - left, bottom - top};
    }

    static int LiveInstances();

protected:
    std::uintptr_t m_gdiplusToken = 0;
};
