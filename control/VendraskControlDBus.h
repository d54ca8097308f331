// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusContext>
#include <QObject>
#include <functional>

class CVendraskControlTarget;

// The control requests on the session bus, for desktops whose shortcut
// settings and scripts can only call D-Bus. The socket stays the fast path;
// without a bus this does nothing.
class CVendraskControlDBus final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.vendrask.Vendrask")
    Q_PROPERTY(bool Visible READ Visible)

public:
    static constexpr const char* kService = "io.github.vendrask.Vendrask";
    static constexpr const char* kPath = "/io/github/vendrask/Vendrask";

    explicit CVendraskControlDBus(CVendraskControlTarget& target, QObject* parent = nullptr);
    ~CVendraskControlDBus() override;
    CVendraskControlDBus(const CVendraskControlDBus&) = delete;
    CVendraskControlDBus& operator=(const CVendraskControlDBus&) = delete;

    // Takes the name and publishes the object; false (logged) when there
    // is no session bus or the name is taken.
    bool Register();

    bool Visible() const;

public Q_SLOTS:
    Q_SCRIPTABLE void Toggle();
    // group 0-9, or -1 for the usual group.
    Q_SCRIPTABLE void Show(int group);
    Q_SCRIPTABLE void Hide();
    Q_SCRIPTABLE void Configure();
    Q_SCRIPTABLE void Quit();

private:
    // After the reply, from a clean stack: windows with loops of their own,
    // or the end.
    void Later(std::function<void()> action);

    CVendraskControlTarget& m_target;
    bool m_registered = false;
};
