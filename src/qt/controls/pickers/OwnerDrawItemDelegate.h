#pragma once

#include <QAbstractItemDelegate>

class TOwnerDrawComboBox;

// Hands the drawing of each list entry to its combo box, at the box's item height.
class TOwnerDrawItemDelegate : public QAbstractItemDelegate {
    Q_OBJECT

public:
    explicit TOwnerDrawItemDelegate(TOwnerDrawComboBox* combo);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TOwnerDrawComboBox* m_combo;
};
