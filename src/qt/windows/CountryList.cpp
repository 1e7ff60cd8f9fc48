#include "qt/windows/CountryList.h"

CountryList::CountryList(QWidget* parent)
    : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void CountryList::setItemHeight(int height) {
    m_itemHeight = height;
    for (int row = 0; row < count(); ++row)
        item(row)->setSizeHint(QSize(0, height));
}

void CountryList::addEntry(const QString& text) {
    auto* entry = new QListWidgetItem(text, this);
    entry->setSizeHint(QSize(0, m_itemHeight));
}

QItemSelectionModel::SelectionFlags CountryList::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

// After every scroll the item view asks the display where the pointer is, to move its hover
// highlight: one round trip to the X server per scroll, on every country switch that brings
// the row into view. The classic style draws no hover highlight, the list shows no tooltips
// and its items are all there (nothing to fetch), so the scroll needs nothing more.
void CountryList::verticalScrollbarValueChanged(int /*value*/) {}
