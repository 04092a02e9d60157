#include "ItemList.h"

#include "MenuItem.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// All ten lines show with whatever face stands in for the list font. A hidden
// line would make the list scroll whenever a line is chosen again from code,
// moving the lines under the operator's mouse.
class ItemLineDelegate : public QStyledItemDelegate
{
public:
    explicit ItemLineDelegate(QListWidget* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(option.fontMetrics.height());
        const int fit = list_->contentsRect().height() / MenuItemCount;
        if (fit > 0)
            size.setHeight(std::min(size.height(), fit));
        return size;
    }

private:
    const QListWidget* list_;
};

} // namespace

ItemList::ItemList(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new ItemLineDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ItemList::keyPressEvent(QKeyEvent* event)
{
    static constexpr std::pair<int, CursorAction> Moves[] = {
        {Qt::Key_Up, MoveUp},         {Qt::Key_Down, MoveDown},         {Qt::Key_Left, MoveLeft},
        {Qt::Key_Right, MoveRight},   {Qt::Key_Home, MoveHome},         {Qt::Key_End, MoveEnd},
        {Qt::Key_PageUp, MovePageUp}, {Qt::Key_PageDown, MovePageDown},
    };
    const auto move = std::find_if(std::begin(Moves), std::end(Moves),
                                   [&](const auto& m) { return m.first == event->key(); });
    if (move == std::end(Moves)) {
        QListWidget::keyPressEvent(event);
        return;
    }
    const CursorAction action = move->second;
    // Before any line is chosen the current line is only marked, not chosen:
    // the first move up or down chooses it rather than its neighbour.
    const bool noneChosen = selectedItems().isEmpty();
    QModelIndex next = moveCursor(action, event->modifiers());
    if (noneChosen && (action == MoveUp || action == MoveDown) && currentIndex().isValid())
        next = currentIndex();
    if (next.isValid() && (noneChosen || next.row() != currentRow()))
        setCurrentRow(next.row());
    event->accept();
}
