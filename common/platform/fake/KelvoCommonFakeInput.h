// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonInput.h"
#include "common/platform/qt/KelvoCommonQtEventInput.h"

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
