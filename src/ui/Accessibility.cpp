#include "ui/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include "ui/ClickableLabel.h"

namespace courtlog::ui {

namespace {

constexpr const char* kShowsValue = "courtlogShowsValue";
constexpr const char* kItemName = "courtlogAccessibleName";
constexpr const char* kNameValue = "courtlogNameValue";

// Text offered as text too, read-only and without a selection or cursor of its own, for
// screen readers that read a control's text rather than its value.
class ShownText : public QAccessibleTextInterface {
public:
    virtual QString shown() const = 0;

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return shown().mid(start, end < 0 ? -1 : end - start);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }
};

// A label read as a name and a value.
class ValueLabel : public QAccessibleWidget, public ShownText {
public:
    explicit ValueLabel(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}

    QString shown() const override { return static_cast<QLabel*>(widget())->text(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : QAccessibleWidget::interface_cast(t);
    }
};

// A drop-down list read by its name ("Turno") with the entry as its value. Qt's own face on
// Linux names the list after its entry, so a client hears "Finale" and never what the list is
// for; only a list without a name of its own is still named after its entry.
class NamedList : public QAccessibleWidget, public ShownText {
public:
    explicit NamedList(QWidget* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}

    QString shown() const override { return list()->currentText(); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return shown();
        }
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? shown() : own;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : QAccessibleWidget::interface_cast(t);
    }
    // The entries, as the popup shows them.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);  // the focus, which a client may move here
        } else if (list()->view()->isVisible()) {
            list()->hidePopup();
        } else {
            list()->showPopup();
        }
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

// A name label: a button to assistive clients, whose press opens the rename box.
class NameLabel : public QAccessibleWidget {
public:
    explicit NameLabel(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<QLabel*>(widget())->text();
        }
        if (t == QAccessible::Value) {
            return widget()->property(kNameValue).toString();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            // After the call returns, as a button's press is: the rename box is modal and the
            // client that asked must not wait for it to close.
            auto* label = static_cast<ClickableLabel*>(widget());
            QTimer::singleShot(0, label, &ClickableLabel::press);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

// The history's scroll bar, whose value reads as the point the user stands on.
class HistoryScroll : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit HistoryScroll(QWidget* w) : QAccessibleWidget(w, QAccessible::ScrollBar) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return widget()->accessibleDescription();
        }
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                : QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant& value) override { bar()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
};

// A menu item whose caption is not what it does (a player's name): assistive clients read
// the name given to it, and the caption as its description.
class NamedMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit NamedMenuItem(QAction* action) : action_(action) {}

    bool isValid() const override { return !action_.isNull() && menu() != nullptr; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return menu() ? menu()->windowHandle() : nullptr; }
    QVector<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return action_->property(kItemName).toString();
        }
        if (t == QAccessible::Description) {
            return QString(action_->text()).replace(QLatin1String("&&"), QLatin1String("&"));
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QMenu* m = menu();
        const QRect r = m->actionGeometry(action_);
        return {m->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        QMenu* m = menu();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        s.disabled = !action_->isEnabled();
        s.invisible = !m->isVisible();
        s.focusable = true;
        s.focused = m->activeAction() == action_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() || name == toggleAction()) {
            action_->trigger();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* menu() const {
        for (QObject* o : action_->associatedObjects()) {
            if (auto* m = qobject_cast<QMenu*>(o)) {
                return m;
            }
        }
        return nullptr;
    }

    QPointer<QAction> action_;
};

QAccessibleInterface* face(const QString& className, QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        return action->property(kItemName).isValid() ? new NamedMenuItem(action) : nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("courtlog::ui::ClickableLabel")) {
        return new NameLabel(widget);
    }
    if (className == QLatin1String("QLabel") && widget->property(kShowsValue).toBool()) {
        return new ValueLabel(widget);
    }
    // Whatever the name: the face is made once, often before the name is given.
    if (className == QLatin1String("QComboBox") && !static_cast<QComboBox*>(widget)->isEditable()) {
        return new NamedList(widget);
    }
    // The notice band, read out as an alert when it shows.
    if (className == QLatin1String("QFrame") && widget->objectName() == QLatin1String("Avviso")) {
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    }
    if (className == QLatin1String("QScrollBar") &&
        widget->objectName() == QLatin1String("GameScroll")) {
        return new HistoryScroll(widget);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(face);
        return true;
    }();
    (void)installed;
}

void nameMenuItem(QAction* action, const QString& name) {
    action->setProperty(kItemName, name);
}

void showsName(QLabel* label, const QString& name, const QString& value) {
    label->setProperty(kNameValue, value);
    if (label->accessibleName() != name) {
        label->setAccessibleName(name);
    }
}

void showsValue(QLabel* label, const QString& name) {
    label->setProperty(kShowsValue, true);
    label->setAccessibleName(name);
}

}  // namespace courtlog::ui
