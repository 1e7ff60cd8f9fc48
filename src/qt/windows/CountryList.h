#pragma once

#include <QListWidget>

// The country list: single selection that the user can move but not clear
// (a control-click on the selected row keeps it selected), rows of a fixed height.
class CountryList : public QListWidget {
    Q_OBJECT

public:
    explicit CountryList(QWidget* parent = nullptr);

    void setItemHeight(int height);
    int itemHeight() const { return m_itemHeight; }
    void addEntry(const QString& text);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void verticalScrollbarValueChanged(int value) override;

private:
    int m_itemHeight = 14;
};
