#include "qt/controls/pickers/OwnerDrawItemDelegate.h"

#include "qt/controls/pickers/OwnerDrawComboBox.h"

#include <QPainter>

TOwnerDrawItemDelegate::TOwnerDrawItemDelegate(TOwnerDrawComboBox* combo)
    : QAbstractItemDelegate(combo)
    , m_combo(combo) {}

void TOwnerDrawItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused = option.state & QStyle::State_HasFocus;
    m_combo->drawEntry(painter, option.rect, index.isValid() ? index.row() : -1, selected, focused);
}

QSize TOwnerDrawItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), m_combo->itemHeight()};
}
