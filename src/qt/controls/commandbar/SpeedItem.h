#pragma once

#include "qt/controls/commandbar/SpeedButton.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>

class TSpeedBar;
class TSpeedbarButton;
class TSpeedbarSection;

// One command of the bar. The item holds its section, Visible, Enabled and
// Caption, and owns its button; every other property reads and writes the
// button. The button shows no text.
class TSpeedItem : public QObject {
    Q_OBJECT

public:
    // Joins the named section, creating it when the bar has none of that name.
    TSpeedItem(TSpeedBar* bar, const QString& sectionName);
    ~TSpeedItem() override;

    TSpeedBar* bar() const;
    TSpeedbarSection* section() const { return m_section; }
    QString sectionName() const;
    TSpeedbarButton* button() const;

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

    // The button is enabled when both the item and the bar are.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    void setVisible(bool visible);
    bool isVisible() const { return m_visible; }

    void setHint(const QString& hint);
    QString hint() const;
    void setShowHint(bool showHint);
    bool showHint() const;
    void setGlyph(const QPixmap& glyph);
    QPixmap glyph() const;
    void setNumGlyphs(int numGlyphs);
    int numGlyphs() const;
    // On a horizontal bar a top above BtnOffsetVert is lowered to it (a left
    // below BtnOffsetHorz on a vertical bar).
    void setLeft(int left);
    int left() const;
    void setTop(int top);
    int top() const;
    // From code: changes the look and the group only; OnClick is not raised.
    void setDown(bool down);
    bool isDown() const;
    void setGroupIndex(int groupIndex);
    int groupIndex() const;
    void setAllowAllUp(bool allowAllUp);
    bool allowAllUp() const;
    void setSpacing(int spacing);
    int spacing() const;
    void setMargin(int margin);
    int margin() const;
    void setGlyphLayout(TButtonLayout layout);
    TButtonLayout glyphLayout() const;

signals:
    void OnClick(QObject* Sender);    // Sender: the item
    void OnDblClick(QObject* Sender); // Sender: the item

private:
    QPointer<TSpeedBar> m_bar;
    TSpeedbarSection* m_section = nullptr;
    QPointer<TSpeedbarButton> m_button;
    QString m_caption;
    bool m_enabled = true;
    bool m_visible = true;
};
