// SPDX-License-Identifier: MIT
#include "common/controls/KelvoCommonAccessible.h"

#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonCheck.h"
#include "common/controls/KelvoCommonGroup.h"
#include "common/controls/KelvoCommonTab.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

QString NameOr(const QWidget* widget, const QString& fallback) {
    const QString name = widget->accessibleName();
    return name.isEmpty() ? fallback : name;
}

// A push button, checkable in check mode (the menu's group buttons).
class CButtonAccessible final : public QAccessibleWidget {
public:
    explicit CButtonAccessible(CKelvoCommonButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const auto* button = Button();
        state.focusable = true;
        if (button->IsCheckable()) {
            state.checkable = true;
            state.checked = button->GetCheck() == 1;
        }
        state.disabled = state.disabled || !button->IsDrawnEnabled();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // The owners act on the focused button, as after a click. Later, not
        // here: a press that opens a window must not hold the caller's call.
        QMetaObject::invokeMethod(
            widget(),
            [button = QPointer<CKelvoCommonButton>(Button())] {
                if (button == nullptr || !button->isEnabled())
                    return;
                button->setFocus(Qt::OtherFocusReason);
                button->click();
            },
            Qt::QueuedConnection);
    }

    // The letter key that starts an item is its press's key binding.
    QStringList keyBindingsForAction(const QString& action) const override {
        const QString shortcut = Button()->AccessibleShortcut();
        if (action == pressAction() && !shortcut.isEmpty())
            return {shortcut};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return NameOr(widget(), Button()->text());
        case QAccessible::Accelerator:
            return Button()->AccessibleShortcut();
        default:
            return QAccessibleWidget::text(t);
        }
    }

private:
    CKelvoCommonButton* Button() const { return static_cast<CKelvoCommonButton*>(widget()); }
};

// The owner-drawn check box keeps its own state, not QAbstractButton's.
class CCheckAccessible final : public QAccessibleWidget {
public:
    explicit CCheckAccessible(CKelvoCommonCheck* check)
        : QAccessibleWidget(check, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.checkable = true;
        state.checked = Check()->GetCheck() == 1;
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != toggleAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QMetaObject::invokeMethod(
            widget(),
            [check = QPointer<CKelvoCommonCheck>(Check())] {
                if (check != nullptr && check->isEnabled())
                    check->Flip();
            },
            Qt::QueuedConnection);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return NameOr(widget(), Check()->text());
        return QAccessibleWidget::text(t);
    }

private:
    CKelvoCommonCheck* Check() const { return static_cast<CKelvoCommonCheck*>(widget()); }
};

class CGroupAccessible final : public QAccessibleWidget {
public:
    explicit CGroupAccessible(CKelvoCommonGroup* group)
        : QAccessibleWidget(group, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return NameOr(widget(), static_cast<const CKelvoCommonGroup*>(widget())->Text());
        return QAccessibleWidget::text(t);
    }
};

class CTabAccessible;

// One page tab of the tab control; it has no widget of its own.
class CPageTabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CPageTabAccessible(CKelvoCommonTab* tab, int index) : m_tab(tab), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }
    // Shows the page, as a click on its tab does.
    void doAction(const QString& action) override {
        if (action != pressAction() || !isValid())
            return;
        QMetaObject::invokeMethod(
            m_tab.data(),
            [tab = m_tab, index = m_index] {
                if (tab != nullptr)
                    tab->SelectByUser(index);
            },
            Qt::QueuedConnection);
    }

    bool isValid() const override { return m_tab != nullptr && m_index < m_tab->GetItemCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Parent()->window(); }
    QAccessibleInterface* parent() const override { return Parent(); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? m_tab->GetItemText(m_index) : QString();
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.selected = m_tab->GetCurSel() == m_index;
        state.invisible = !m_tab->isVisible();
        return state;
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect item = m_tab->GetItemRect(m_index);
        return {m_tab->mapToGlobal(item.topLeft()), item.size()};
    }

private:
    QAccessibleInterface* Parent() const { return QAccessible::queryAccessibleInterface(m_tab); }

    QPointer<CKelvoCommonTab> m_tab;
    int m_index;
};

class CTabAccessible final : public QAccessibleWidget {
public:
    explicit CTabAccessible(CKelvoCommonTab* tab)
        : QAccessibleWidget(tab, QAccessible::PageTabList) {}

    ~CTabAccessible() override {
        for (const QAccessible::Id id : std::as_const(m_pages))
            QAccessible::deleteAccessibleInterface(id);
    }

    // The page tabs first, then the widgets on the control (the pages).
    int childCount() const override { return Tabs() + QAccessibleWidget::childCount(); }

    QAccessibleInterface* child(int index) const override {
        if (index >= Tabs())
            return QAccessibleWidget::child(index - Tabs());
        if (index < 0)
            return nullptr;
        if (const auto found = m_pages.constFind(index); found != m_pages.cend())
            return QAccessible::accessibleInterface(*found);
        auto* page = new CPageTabAccessible(Tab(), index);
        m_pages.insert(index, QAccessible::registerAccessibleInterface(page));
        return page;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        }
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget >= 0 ? Tabs() + widget : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = Tab()->HitTest(Tab()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : QAccessibleWidget::childAt(x, y);
    }

private:
    int Tabs() const { return Tab()->GetItemCount(); }
    CKelvoCommonTab* Tab() const { return static_cast<CKelvoCommonTab*>(widget()); }

    // Each page's interface is made once and lives in Qt's registry.
    mutable QHash<int, QAccessible::Id> m_pages;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("CKelvoCommonButton"))
        return new CButtonAccessible(static_cast<CKelvoCommonButton*>(object));
    if (className == QLatin1String("CKelvoCommonCheck"))
        return new CCheckAccessible(static_cast<CKelvoCommonCheck*>(object));
    if (className == QLatin1String("CKelvoCommonTab"))
        return new CTabAccessible(static_cast<CKelvoCommonTab*>(object));
    if (className == QLatin1String("CKelvoCommonGroup"))
        return new CGroupAccessible(static_cast<CKelvoCommonGroup*>(object));
    // The combo, edit, slider, list and static are Qt's own classes
    // underneath, and Qt's interfaces for those already tell enough.
    return nullptr;
}

} // namespace

void KelvoCommonInstallAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void KelvoCommonNotifyCheckedChanged(QObject* control) {
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}
