// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/controls/KelvoCommonColor.h"

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSlider>
#include <optional>

class QPainter;

// Horizontal slider in the library's flat colours: a framed channel bar and
// a thumb picture; the tick marks are the style's. It never keeps the
// keyboard focus: whoever had it gets it back.
class KELVOCOMMON_EXPORT CKelvoCommonSlider : public QSlider {
    Q_OBJECT

public:
    // Parts of the control, as DrawSlider takes them.
    static constexpr int kPartTics = 1;
    static constexpr int kPartThumb = 2;
    static constexpr int kPartChannel = 3;
    // DrawSlider's answers: the default drawing happens, or it is skipped.
    static constexpr int kDrawDefault = 0;
    static constexpr int kSkipDefault = 4;

    static constexpr int kThumbHeight = 21;
    static constexpr int kChannelInset = 6;
    static constexpr int kChannelHeight = 25;
    static constexpr int kBrightnessPressed = 50;
    static constexpr int kBrightnessDisabled = -50;

    explicit CKelvoCommonSlider(QWidget* parent = nullptr);
    ~CKelvoCommonSlider() override;

    // Neither repaints; the caller updates the slider afterwards.
    void SetColor(CKelvoCommonSliderColor color);
    void GetColor(CKelvoCommonSliderColor* color) const;

    // Paints one part: the channel over the whole client area, or the thumb
    // into rect; the tick marks are left to the style (answers kDrawDefault).
    int DrawSlider(QPainter& painter, QRect rect, int part, int itemState = 0);
    // The thumb's rectangle for the current position.
    void GetToggleRect(QRect* rect) const;
    // The value that a click at point.x() stands for.
    int GetClickedPos(QPoint point) const;

    bool IsPressed() const { return m_pressed == 1; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // --- Arithmetic and paint decisions, free of widget state ---

    // client is the whole client rectangle; the thumb is thumbWidth wide.
    static QRect ToggleRect(QRect client, int thumbWidth, int position, int minimum, int maximum);
    static int ClickedPos(QRect client, int thumbWidth, int x, int minimum, int maximum);
    static void PaintChannel(QPainter& painter, QRect client, bool enabled,
                             const CKelvoCommonSliderColor& color);
    // The thumb picture stretched to rect's width and kThumbHeight, its
    // brightness shifted by brightness percent (-100 to 100).
    static void PaintThumb(QPainter& painter, QRect rect, const QPixmap& thumb, int brightness);
    // Pressed and enabled: brighter; disabled: darker; else unchanged.
    static int ThumbBrightness(bool enabled, bool pressed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void sliderChange(SliderChange change) override;

private:
    int ThumbWidth() const;
    const QPixmap& Thumb();
    void PaintTicks(QPainter& painter);
    void OnFocusChanged(QWidget* previous, QWidget* now);
    void StopPaging();

    int m_pressed = 0;
    CKelvoCommonSliderColor m_color;
    QPixmap m_thumb;
    // Where the thumb was grabbed, from its centre, while it is dragged.
    std::optional<int> m_grabOffset;
    // Where the button is held while the thumb pages towards it.
    std::optional<int> m_pageTarget;
    SliderAction m_pageAction = SliderNoAction;
};
