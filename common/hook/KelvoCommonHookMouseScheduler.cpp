// SPDX-License-Identifier: MIT
#include "common/hook/KelvoCommonHookMouseScheduler.h"

#include <QObject>
#include <QTimer>

CKelvoCommonHookMouseScheduler::~CKelvoCommonHookMouseScheduler() = default;

CKelvoCommonHookMouseTimerScheduler::CKelvoCommonHookMouseTimerScheduler()
    : m_context(std::make_unique<QObject>()) {}

CKelvoCommonHookMouseTimerScheduler::~CKelvoCommonHookMouseTimerScheduler() = default;

void CKelvoCommonHookMouseTimerScheduler::RunLater(int delayMs, std::function<void()> task) {
    QObject* context = m_context.get();
    // Timers belong to the context's thread: start them there.
    QMetaObject::invokeMethod(
        context,
        [context, delayMs, task = std::move(task)]() mutable {
            if (delayMs <= 0)
                task();
            else
                QTimer::singleShot(delayMs, Qt::PreciseTimer, context, std::move(task));
        },
        Qt::QueuedConnection);
}
