#pragma once

#include <QWidget>

#include <functional>

// The painted part of a self-drawn title bar. What it shows comes from its
// painter function; it only knows the caption text, for assistive technology,
// which sees it as a title bar named by that text.
class TCaptionStrip : public QWidget {
    Q_OBJECT

public:
    using Painter = std::function<void(QPainter&, QSize)>;

    explicit TCaptionStrip(Painter painter, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter m_painter;
    QString m_caption;
};
