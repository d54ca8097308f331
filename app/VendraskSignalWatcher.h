// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a signal on the UI thread, so the
// launcher ends through its normal Close path instead of dying mid-write.
class CVendraskSignalWatcher final : public QObject {
    Q_OBJECT

public:
    explicit CVendraskSignalWatcher(QObject* parent = nullptr);
    ~CVendraskSignalWatcher() override;
    CVendraskSignalWatcher(const CVendraskSignalWatcher&) = delete;
    CVendraskSignalWatcher& operator=(const CVendraskSignalWatcher&) = delete;

    // Number of the last signal received, 0 if none.
    int LastSignal() const { return m_lastSignal; }

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void Drain();

    std::unique_ptr<QSocketNotifier> m_notifier;
    int m_lastSignal = 0;
};
