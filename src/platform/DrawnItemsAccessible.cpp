#include "platform/DrawnItemsAccessible.h"

#include "platform/AccessibleEvents.h"

#include <QWidget>
#include <QWindow>

namespace sorvat {

namespace {

// One drawn item. It has no object of its own, so QAccessible keeps it by id
// only; a table's items are its cells.
class DrawnItemAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    DrawnItemAccessible(QWidget* widget, int index) : m_widget(widget), m_index(index) {}

    bool isValid() const override { return !m_widget.isNull() && Widget() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_widget ? m_widget->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return m_widget ? QAccessible::queryAccessibleInterface(m_widget) : nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? Widget()->Items().DrawnItemName(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = Widget()->Items().DrawnItemRect(m_index);
        return QRect(m_widget->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return isValid() ? Widget()->Items().DrawnItemRole() : QAccessible::NoRole; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        const bool current = Widget()->Items().CurrentDrawnItem() == m_index;
        s.invisible = !m_widget->isVisible();
        s.focusable = Widget()->Items().CurrentDrawnItem() >= 0;
        s.focused = current && m_widget->hasFocus();
        s.selectable = s.focusable;
        s.selected = current;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && Table() != nullptr)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    // As a table cell: rows of the table's column count.
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_index % Columns(); }
    int rowIndex() const override { return m_index / Columns(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    DrawnItemsAccessible* Widget() const {
        return dynamic_cast<DrawnItemsAccessible*>(parent());
    }
    QAccessibleTableInterface* Table() const {
        QAccessibleInterface* p = parent();
        return p ? p->tableInterface() : nullptr;
    }
    int Columns() const {
        const QAccessibleTableInterface* t = Table();
        return t && t->columnCount() > 0 ? t->columnCount() : 1;
    }

    QPointer<QWidget> m_widget;
    int m_index;
};

} // namespace

DrawnItemsAccessible::DrawnItemsAccessible(QWidget* widget, DrawnItems& items, QAccessible::Role role)
    : QAccessibleWidget(widget, role), m_items(items) {}

DrawnItemsAccessible::~DrawnItemsAccessible() {
    for (QAccessible::Id id : m_itemIds)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

int DrawnItemsAccessible::childCount() const {
    return QAccessibleWidget::childCount() + m_items.DrawnItemCount();
}

int DrawnItemsAccessible::ChildIndexOfItem(int item) const {
    return QAccessibleWidget::childCount() + item;
}

QAccessibleInterface* DrawnItemsAccessible::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    return index < widgets ? QAccessibleWidget::child(index) : Item(index - widgets);
}

QAccessibleInterface* DrawnItemsAccessible::Item(int item) const {
    if (item < 0 || item >= m_items.DrawnItemCount()) return nullptr;
    if (m_itemIds.size() <= static_cast<size_t>(item)) m_itemIds.resize(item + 1, 0);
    QAccessible::Id& id = m_itemIds[item];
    if (id != 0) {
        if (QAccessibleInterface* known = QAccessible::accessibleInterface(id)) return known;
    }
    auto* created = new DrawnItemAccessible(widget(), item);
    id = QAccessible::registerAccessibleInterface(created);
    return created;
}

int DrawnItemsAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (size_t i = 0; i < m_itemIds.size(); ++i)
        if (m_itemIds[i] != 0 && QAccessible::accessibleInterface(m_itemIds[i]) == child)
            return ChildIndexOfItem(static_cast<int>(i));
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* DrawnItemsAccessible::childAt(int x, int y) const {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < m_items.DrawnItemCount(); ++i)
        if (m_items.DrawnItemRect(i).contains(local)) return Item(i);
    return QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* DrawnItemsAccessible::focusChild() const {
    const int current = m_items.CurrentDrawnItem();
    if (current >= 0 && widget()->hasFocus()) return Item(current);
    return QAccessibleWidget::focusChild();
}

void DrawnItemsAccessible::RenewItem(int item) {
    if (item < 0 || static_cast<size_t>(item) >= m_itemIds.size() || m_itemIds[item] == 0) return;
    QAccessible::deleteAccessibleInterface(m_itemIds[item]);
    m_itemIds[item] = 0;
}

void NotifyDrawnItemNames(QWidget* widget, std::vector<QString>& names) {
    if (!AccessibilityListening()) {
        names.clear();
        return;
    }
    auto* accessible = dynamic_cast<DrawnItemsAccessible*>(QAccessible::queryAccessibleInterface(widget));
    if (accessible == nullptr) return;
    const DrawnItems& items = accessible->Items();
    const bool first = names.empty();
    names.resize(items.DrawnItemCount());
    for (int i = 0; i < items.DrawnItemCount(); ++i) {
        QString name = items.DrawnItemName(i);
        if (name == names[i]) continue;
        names[i] = std::move(name);
        if (first) continue;
        if (i == items.CurrentDrawnItem() && widget->hasFocus()) {
            accessible->RenewItem(i);
            NotifyDrawnItemFocus(widget, i);
            continue;
        }
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        event.setChild(accessible->ChildIndexOfItem(i));
        SendAccessibleEvent(event);
    }
}

void NotifyDrawnItemFocus(QWidget* widget, int item) {
    if (!AccessibilityListening() || !widget->hasFocus()) return;
    auto* accessible = dynamic_cast<DrawnItemsAccessible*>(QAccessible::queryAccessibleInterface(widget));
    if (accessible == nullptr) return;
    QAccessibleEvent event(widget, QAccessible::Focus);
    event.setChild(accessible->ChildIndexOfItem(item));
    SendAccessibleEvent(event);
}

} // namespace sorvat
