#pragma once

#include <QLineEdit>

// A place field: a single-line edit with a flat one-pixel border in the window
// frame colour, taking only text the document can hold (Windows1252Validator).
class PlaceEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit PlaceEdit(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
