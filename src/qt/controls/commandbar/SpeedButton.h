#pragma once

#include "core/Colors.h"
#include "ui/SpeedButtonLatch.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

using ui::TButtonLayout;
using ui::TButtonState;

// The program's push button: a custom-drawn button with a glyph, a caption or
// both, optionally a toggle in a group of sibling buttons (GroupIndex != 0),
// with its own tooltip (the short part of its hint).
class TSpeedButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool showHint READ showHint WRITE setShowHint)

public:
    static constexpr int kDefaultSize = 25;

    explicit TSpeedButton(QWidget* parent = nullptr);
    ~TSpeedButton() override;

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    // The caption's colour while enabled: the font's colour, not the desktop's
    // button text, so a dark theme cannot turn it grey on grey.
    void setFontColor(core::TColor color);
    core::TColor fontColor() const { return m_fontColor; }

    // Assigning a glyph applies the automatic image count (see impliedNumGlyphs).
    void setGlyph(const QPixmap& glyph);
    QPixmap glyph() const { return m_glyph; }
    // 1 to 5; values above 5 are taken as 5, below 1 as 1.
    void setNumGlyphs(int numGlyphs);
    int numGlyphs() const { return m_numGlyphs; }

    void setGroupIndex(int groupIndex);
    int groupIndex() const { return m_latch.groupIndex(); }
    void setAllowAllUp(bool allowAllUp);
    bool allowAllUp() const { return m_latch.allowAllUp(); }

    // From code this changes the look and the group only; OnClick is not raised.
    void setDown(bool down);
    bool isDown() const { return m_latch.isDown(); }

    // "short|long": the tooltip is the short part.
    void setHint(const QString& hint);
    QString hint() const { return m_hint; }
    void setShowHint(bool showHint);
    bool showHint() const { return m_showHint; }
    // When set, the tooltip follows the parent's "showHint" property instead.
    void setParentShowHint(bool parentShowHint);
    bool parentShowHint() const { return m_parentShowHint; }
    bool effectiveShowHint() const;

    void setSpacing(int spacing);
    int spacing() const { return m_spacing; }
    // -1 centres the glyph and caption.
    void setMargin(int margin);
    int margin() const { return m_margin; }
    void setGlyphLayout(TButtonLayout layout);
    TButtonLayout glyphLayout() const { return m_layout; }

    TButtonState state() const { return m_latch.state(); }

    // The same path as a completed click inside the button (keyboard-free
    // activation, accessibility): toggles a grouped button, then raises OnClick.
    // Does nothing on a disabled button.
    void click();

    // The caption as it is drawn in the current size and font.
    QString displayedCaption() const;

signals:
    void OnClick(QObject* Sender);
    void OnDblClick(QObject* Sender);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool isInside(const QPointF& pos) const;
    // Runs a step of the latch, repaints when its state changed and lets the group follow when
    // the step says so.
    template <class Step> auto latchStep(Step&& step);
    void stateChanged();
    // Lets the other buttons of the group follow this one.
    void updateExclusive();
    void paintButton(QPainter& painter) const;
    void paintContent(QPainter& painter, const QRect& content) const;

    QString m_caption;
    QString m_hint;
    core::TColor m_fontColor = core::systemColorValue(core::SystemColor::WindowText);
    QPixmap m_glyph;
    int m_numGlyphs = 1;
    ui::SpeedButtonLatch m_latch;
    bool m_showHint = true;
    bool m_parentShowHint = false;
    int m_spacing = 1;
    int m_margin = -1;
    TButtonLayout m_layout = TButtonLayout::GlyphTop;
};
