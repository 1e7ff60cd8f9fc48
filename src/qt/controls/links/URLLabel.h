#pragma once

#include "core/Colors.h"

#include <QLabel>
#include <QString>

// A label that asks the desktop to open its target when it is clicked: URL, or
// the caption when URL is empty. Its font colour follows the pointer: ColorNormal
// outside, ColorMoveOver over it, ColorClick while a button is held on it.
class TURLLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr const char* kDefaultCaption = "Click me!";
    static constexpr const char* kDefaultURL = "http://www.example.com/";

    explicit TURLLabel(QWidget* parent = nullptr);
    ~TURLLabel() override;

    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    void setURL(const QString& url);
    QString URL() const { return m_url; }
    // What a click opens: URL, or the caption when URL is empty.
    QString target() const;

    void setColorNormal(core::TColor color) { m_colorNormal = color; }
    core::TColor colorNormal() const { return m_colorNormal; }
    void setColorMoveOver(core::TColor color) { m_colorMoveOver = color; }
    core::TColor colorMoveOver() const { return m_colorMoveOver; }
    void setColorClick(core::TColor color) { m_colorClick = color; }
    core::TColor colorClick() const { return m_colorClick; }

    // The colour the caption is drawn in.
    void setFontColor(core::TColor color);
    core::TColor fontColor() const { return m_fontColor; }

    bool isPressed() const { return m_pressed; }

    // Where the label reacts to the mouse: its caption's extent from the
    // top-left corner, not the blank rest of a label larger than its text.
    QRect textArea() const;

    // Hands the target to the desktop (QDesktopServices::openUrl); the outcome is not examined.
    void openTarget() const;

signals:
    // Every pointer move the label receives, with its position in the label.
    void OnMouseMove(QObject* Sender, int X, int Y);

protected:
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Pointer events outside the text go to what lies beneath the label.
    void updateHitArea();

    QString m_url = QString::fromLatin1(kDefaultURL);
    core::TColor m_colorNormal = core::rgb(0, 0, 255);
    core::TColor m_colorMoveOver = core::rgb(0, 0, 255);
    core::TColor m_colorClick = core::rgb(255, 0, 0);
    core::TColor m_fontColor = core::rgb(0, 0, 255);
    bool m_pressed = false;
};
