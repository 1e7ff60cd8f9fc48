#pragma once

#include "core/Colors.h"

#include <QFlags>
#include <QList>
#include <QString>
#include <QWidget>

class TSpeedItem;
class TSpeedbarSection;

enum class TBevelCut { None, Lowered, Raised };

enum class TSpeedbarOption {
    AllowDrag = 0x01,
    AllowResize = 0x02,
    FlatBtns = 0x04,
    GrayedBtns = 0x08,
    TransparentBtns = 0x10,
    StretchBitmap = 0x20,
};
Q_DECLARE_FLAGS(TSpeedbarOptions, TSpeedbarOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TSpeedbarOptions)

// The command bar: a panel with a 3-D bevel that carries the buttons of its
// items (kept in named sections) and other controls placed on it. Its children
// show their tooltips whether or not the window shows tooltips.
class TSpeedBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool showHint READ showHint WRITE setShowHint)

public:
    static constexpr int kDefaultBtnSize = 24;

    explicit TSpeedBar(QWidget* parent = nullptr);
    ~TSpeedBar() override;

    // Horizontal for a bar docked at the top or bottom.
    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const { return m_orientation; }

    // A larger button size grows the bar to 2 x offset + size across it.
    void setBtnWidth(int width);
    int btnWidth() const { return m_btnWidth; }
    void setBtnHeight(int height);
    int btnHeight() const { return m_btnHeight; }
    // Never below frameWidth().
    void setBtnOffsetHorz(int offset);
    int btnOffsetHorz() const { return m_btnOffsetHorz; }
    void setBtnOffsetVert(int offset);
    int btnOffsetVert() const { return m_btnOffsetVert; }

    void setBevelOuter(TBevelCut bevel);
    TBevelCut bevelOuter() const { return m_bevelOuter; }
    void setBevelInner(TBevelCut bevel);
    TBevelCut bevelInner() const { return m_bevelInner; }
    void setBevelWidth(int width);
    int bevelWidth() const { return m_bevelWidth; }
    void setBorderWidth(int width);
    int borderWidth() const { return m_borderWidth; }
    // Only FlatBtns changes anything here: the frame width.
    void setOptions(TSpeedbarOptions options);
    TSpeedbarOptions options() const { return m_options; }
    // 2 (0 with FlatBtns) + BorderWidth + BevelWidth per outer and inner bevel.
    int frameWidth() const;

    // A colour value; system colours are resolved when drawing.
    void setColor(core::TColor color);
    core::TColor color() const { return m_color; }

    // What the bar's buttons follow (ParentShowHint); true by default.
    void setShowHint(bool showHint);
    bool showHint() const { return m_showHint; }

    TSpeedbarSection* addSection(const QString& name);
    // nullptr when there is no section of that name.
    TSpeedbarSection* section(const QString& name) const;
    QList<TSpeedbarSection*> sections() const { return m_sections; }
    QList<TSpeedItem*> items() const;

    // Gives the item's button the bar's button size and raises it off the edge:
    // on a horizontal bar its top to at least BtnOffsetVert, on a vertical bar
    // its left to at least BtnOffsetHorz.
    void placeButton(TSpeedItem* item);
    void placeButtons();

    // The grid step along the bar (from BtnWidth on a horizontal bar).
    int stepAlong() const;
    // The grid step across the bar (BtnHeight on a horizontal bar).
    int stepAcross() const;

    // For a window laid out at oldDpi shown at newDpi: scales the button size,
    // the offsets, the bar's own geometry and every control on it, then gives
    // each button the new size and snaps each visible button to the grid.
    // The bar scales its children itself; the window must not scale them again.
    void scaleBy(int newDpi, int oldDpi);

protected:
    void paintEvent(QPaintEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureOffsets();
    void ensureExtent();

    Qt::Orientation m_orientation = Qt::Horizontal;
    int m_btnWidth = kDefaultBtnSize;
    int m_btnHeight = kDefaultBtnSize;
    int m_btnOffsetHorz = 3;
    int m_btnOffsetVert = 3;
    TBevelCut m_bevelOuter = TBevelCut::Raised;
    TBevelCut m_bevelInner = TBevelCut::None;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TSpeedbarOptions m_options = TSpeedbarOption::AllowDrag | TSpeedbarOption::GrayedBtns;
    core::TColor m_color = core::clBtnFace;
    bool m_showHint = true;
    QList<TSpeedbarSection*> m_sections;
};
