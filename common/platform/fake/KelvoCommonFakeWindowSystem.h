// SPDX-License-Identifier: MIT
#pragma once

#include "common/platform/KelvoCommonWindowSystem.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QWidget>

// Records every opacity asked for, in order; also sets Qt's own value so
// widgets read back what they were given. The full-screen answer is set by
// the test; the other window calls are recorded in order.
class CKelvoCommonFakeWindowSystem final : public CKelvoCommonWindowSystem {
public:
    struct OpacityCall {
        QPointer<QWidget> window;
        int alpha;
    };
    struct WindowCall {
        enum Kind { PrepareCall, TopMostCall, ActivateCall } kind;
        QPointer<QWidget> window;
        bool topMost; // TopMostCall only
    };

    void SetWindowOpacity(QWidget* window, int alpha) override;
    bool IsFullScreenWindowPresent() override;
    void PrepareMenuWindow(QWidget* window) override;
    void SetTopMost(QWidget* window, bool topMost) override;
    // Records the call and raises and activates the window the Qt way, so
    // offscreen tests see the focus move.
    void ActivateWindow(QWidget* window) override;
    // Qt's idea of the focus.
    bool HasKeyboardFocus(QWidget* window) override;
    // Records the token.
    void SetActivationToken(QWidget* window, const QByteArray& token) override;
    const QList<QByteArray>& ActivationTokens() const { return m_activationTokens; }

    const QList<OpacityCall>& OpacityCalls() const { return m_opacityCalls; }
    const QList<WindowCall>& WindowCalls() const { return m_windowCalls; }
    void ClearCalls() {
        m_opacityCalls.clear();
        m_windowCalls.clear();
    }
    int FullScreenQueries() const { return m_fullScreenQueries; }
    // The top-most states asked for, in order, whatever the window.
    QList<bool> TopMostCalls() const;
    // The last top-most state asked for this window (false if never asked).
    bool IsTopMost(const QWidget* window) const;

    // What IsFullScreenWindowPresent answers; the test sets it.
    bool m_fullScreenWindowPresent = false;

private:
    QList<OpacityCall> m_opacityCalls;
    QList<WindowCall> m_windowCalls;
    int m_fullScreenQueries = 0;
    QList<QByteArray> m_activationTokens;
};
