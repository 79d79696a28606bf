#pragma once
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QRect>
#include <QString>

#include <vector>

// Parts a widget draws itself rather than holding as child widgets (the
// board's cells, the dialog bar's counters), shown to the accessibility
// interfaces as children of the widget, after its child widgets.
namespace sorvat {

class DrawnItems {
public:
    virtual ~DrawnItems() = default;
    virtual int DrawnItemCount() const = 0;
    // The item's name in the interface language.
    virtual QString DrawnItemName(int index) const = 0;
    // The item's place in the widget's coordinates.
    virtual QRect DrawnItemRect(int index) const = 0;
    virtual QAccessible::Role DrawnItemRole() const = 0;
    // The item that has the focus while the widget has it; -1 for none.
    virtual int CurrentDrawnItem() const { return -1; }
};

// The accessible interface of a widget whose class implements DrawnItems.
// Item interfaces are made on first use, registered with QAccessible (so
// each has one id for its lifetime) and deleted with this interface.
class DrawnItemsAccessible : public QAccessibleWidget {
public:
    DrawnItemsAccessible(QWidget* widget, DrawnItems& items, QAccessible::Role role);
    ~DrawnItemsAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    DrawnItems& Items() const { return m_items; }
    // The interface of item `item` and its index among the children.
    QAccessibleInterface* Item(int item) const;
    int ChildIndexOfItem(int item) const;
    // Forgets the interface of `item`: the next use makes a new one, with a new id.
    void RenewItem(int item);

private:
    DrawnItems& m_items;
    mutable std::vector<QAccessible::Id> m_itemIds;
};

// Sends a name change for every item of `widget` whose name differs from the
// one recorded in `names`, and records the new names. The focused item is
// renewed instead and gets the focus again: a screen reader (Orca) ignores
// name changes of table cells and re-reads only an object it has not had in
// focus, so the new interface makes it say the item's new name at once (and
// read it again for "Where Am I"). The first call only records the names;
// nothing is sent while no assistive technology listens.
void NotifyDrawnItemNames(QWidget* widget, std::vector<QString>& names);

// Tells the assistive technologies that `item` of `widget` has the focus.
void NotifyDrawnItemFocus(QWidget* widget, int item);

} // namespace sorvat
