#pragma once

#include "qt/controls/caption/CaptionLayout.h"

#include <QColor>
#include <QWidget>

// The frame of a self-drawn window: the raised three-dimensional border, the
// line below the caption row, and the caption colour behind the title-bar
// buttons. It covers the whole window beneath the client area; the caption
// strip and the buttons are its children.
class TCaptionFrame : public QWidget {
    Q_OBJECT

public:
    explicit TCaptionFrame(QWidget* window);

    void setCaptionLayout(const CaptionGeometry& geometry);
    const CaptionGeometry& captionLayout() const { return m_geometry; }

    // The caption colour at the strip's right end, behind the buttons.
    void setButtonBackground(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CaptionGeometry m_geometry;
    QColor m_buttonBackground;
};
