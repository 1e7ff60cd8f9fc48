#pragma once

#include <QAbstractButton>

// One title-bar button of a self-drawn caption, in the classic raised look:
// close, minimise, maximise or help. A disabled button shows its glyph greyed.
// Assistive technology sees a push button named after what it does.
class TCaptionButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Kind { Close, Minimize, Maximize, Help };

    explicit TCaptionButton(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawGlyph(QPainter& painter, const QRect& face, const QColor& color) const;

    Kind m_kind;
};
