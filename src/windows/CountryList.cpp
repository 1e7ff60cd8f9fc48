#include "windows/CountryList.h"

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
