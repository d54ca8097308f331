// SPDX-License-Identifier: MIT
#pragma once

#include "KelvoCommonInput.h"
#include "qt/KelvoCommonQtEventInput.h"

#include <QList>

// Records clicks and delivers them as Qt mouse events to the widget under
// the point, so offscreen tests see what a real click would do.
class CKelvoCommonFakeInput final : public CKelvoCommonInput {
public:
    void ClickAt(QPoint globalPos) override;
    const QList<QPoint>& Clicks() const { return m_clicks; }

private:
    QList<QPoint> m_clicks;
    CKelvoCommonQtEventInput m_delivery;
};
