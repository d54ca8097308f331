// SPDX-License-Identifier: MIT
#include "common/platform/fake/KelvoCommonFakeWindowSystem.h"

void CKelvoCommonFakeWindowSystem::SetWindowOpacity(QWidget* window, int alpha) {
    m_opacityCalls.append({window, alpha & 0xFF});
    if (window != nullptr)
        window->setWindowOpacity((alpha & 0xFF) / 255.0);
}

bool CKelvoCommonFakeWindowSystem::IsFullScreenWindowPresent() {
    ++m_fullScreenQueries;
    return m_fullScreenWindowPresent;
}

void CKelvoCommonFakeWindowSystem::PrepareMenuWindow(QWidget* window) {
    m_windowCalls.append({WindowCall::PrepareCall, window, false});
}

void CKelvoCommonFakeWindowSystem::SetTopMost(QWidget* window, bool topMost) {
    m_windowCalls.append({WindowCall::TopMostCall, window, topMost});
}

void CKelvoCommonFakeWindowSystem::ActivateWindow(QWidget* window) {
    m_windowCalls.append({WindowCall::ActivateCall, window, false});
    if (window == nullptr)
        return;
    window->raise();
    window->activateWindow();
}

bool CKelvoCommonFakeWindowSystem::HasKeyboardFocus(QWidget* window) {
    return window != nullptr && window->isActiveWindow();
}

void CKelvoCommonFakeWindowSystem::SetActivationToken(QWidget* /*window*/,
                                                      const QByteArray& token) {
    m_activationTokens.append(token);
}

QList<bool> CKelvoCommonFakeWindowSystem::TopMostCalls() const {
    QList<bool> states;
    for (const WindowCall& call : m_windowCalls) {
        if (call.kind == WindowCall::TopMostCall)
            states.append(call.topMost);
    }
    return states;
}

bool CKelvoCommonFakeWindowSystem::IsTopMost(const QWidget* window) const {
    for (auto call = m_windowCalls.crbegin(); call != m_windowCalls.crend(); ++call) {
        if (call->kind == WindowCall::TopMostCall && call->window == window)
            return call->topMost;
    }
    return false;
}
