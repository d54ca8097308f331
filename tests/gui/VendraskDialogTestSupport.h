// SPDX-License-Identifier: MIT
#pragma once

// Helpers for tests that run the launcher's small windows in their real
// modal loops: something must answer them from inside the loop.

#include "app/ItemRecord.h"
#include "app/VendraskApp.h"
#include "tests/support/VendraskMenuHarness.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace vendrask::test {

// Answers every modal window that comes up while it lives, from inside that
// window's loop, and records which windows came up. A window that never
// comes up is simply not answered, so a command that opens nothing cannot
// hang the test.
class CModalAnswerer final {
public:
    using Answer = std::function<void(QDialog&)>;

    explicit CModalAnswerer(Answer answer) : m_answer(std::move(answer)) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

    // Window texts of the windows answered, in order.
    const QStringList& Titles() const { return m_titles; }

private:
    void Poll() {
        // The window answered last is answered again only after it went away.
        if (m_last != nullptr && m_last->isVisible())
            return;
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        m_last = dialog;
        m_titles.append(dialog->windowTitle());
        m_answer(*dialog);
    }

    Answer m_answer;
    QTimer m_timer;
    QPointer<QDialog> m_last;
    QStringList m_titles;
};

inline ItemRecord MakeItem(const char16_t* name, const char16_t* path, const char16_t* option,
                           const char16_t* folder) {
    ItemRecord item;
    item.Name.Assign(std::u16string_view(name));
    item.Path.Assign(std::u16string_view(path));
    item.Option.Assign(std::u16string_view(option));
    item.WorkingFolder.Assign(std::u16string_view(folder));
    return item;
}

} // namespace vendrask::test
