#pragma once

#include "core/Colors.h"
#include "qt/controls/pickers/OwnerDrawComboBox.h"
#include "ui/StandardColors.h"

#include <QStringList>

#include <optional>

// The sixteen standard colours, each drawn as a swatch with its name. Each entry
// carries its colour (a core::TColor) under ColorRole.
class TColorComboBox : public TOwnerDrawComboBox {
    Q_OBJECT

public:
    static constexpr int ColorRole = Qt::UserRole;
    static constexpr int kColorCount = int(ui::kStandardColorCount);

    explicit TColorComboBox(QWidget* parent = nullptr);

    // Setting creates the window when needed (which selects the current colour and
    // raises OnChange once), then selects the entry with exactly that colour.
    core::TColor colorValue() const;
    void setColorValue(core::TColor color);

    QStringList colorNames() const { return m_colorNames; }
    void setColorNames(const QStringList& names);

    bool displayNames() const { return m_displayNames; }
    void setDisplayNames(bool displayNames);

    static core::TColor standardColor(int index);
    // "Black" ... "White", system colours by their identifier, others "$%.8x".
    static QString colorName(core::TColor color);
    // The swatch outline: black when any channel is above 192, else white when
    // selected and the colour itself when not.
    static QColor swatchBorder(core::TColor color, bool selected);

protected:
    void populateList() override;
    void createWnd() override;
    void drawItem(QPainter* painter, int index, const QRect& rect, bool selected) const override;
    void clickStep() override;
    void changeStep() override;

private:
    void assignColorValue(core::TColor color);
    core::TColor entryColor(int index) const;
    bool entrySelected() const;
    static std::optional<core::TColor> parseInteger(const QString& text);

    core::TColor m_color = core::clBlack;
    QStringList m_colorNames;
    bool m_displayNames = true;
};
