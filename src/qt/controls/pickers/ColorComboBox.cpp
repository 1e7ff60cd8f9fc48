#include "qt/controls/pickers/ColorComboBox.h"

#include "qt/platform/SystemColors.h"
#include "ui/PickerEntryLayout.h"
#include "ui/StandardColors.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>

using core::TColor;

TColorComboBox::TColorComboBox(QWidget* parent)
    : TOwnerDrawComboBox(parent) {}

TColor TColorComboBox::standardColor(int index) {
    return ui::standardColors().at(std::size_t(index)).value;
}

QString TColorComboBox::colorName(TColor color) {
    return QString::fromStdString(ui::colorName(color));
}

QColor TColorComboBox::swatchBorder(TColor color, bool selected) {
    return platform::resolveColor(ui::swatchBorder(platform::toRgb(color), selected));
}

void TColorComboBox::setColorNames(const QStringList& names) {
    if (windowCreated())
        m_color = colorValue();
    m_colorNames = names;
    recreateWindow();
}

void TColorComboBox::setDisplayNames(bool displayNames) {
    if (displayNames == m_displayNames)
        return;
    m_displayNames = displayNames;
    update();
    view()->viewport()->update();
}

void TColorComboBox::populateList() {
    clear();
    for (int i = 0; i < kColorCount; ++i) {
        const ui::NamedColor& standard = ui::standardColors()[std::size_t(i)];
        const QString custom = i < m_colorNames.size() ? m_colorNames.at(i) : QString();
        const QString name = custom.isEmpty() ? QString::fromLatin1(standard.name) : custom;
        addItem(name, QVariant::fromValue<uint>(standard.value));
    }
    // Adding to an empty list selects the first entry; nothing is selected yet.
    setCurrentIndex(-1);
}

void TColorComboBox::createWnd() {
    TOwnerDrawComboBox::createWnd();
    populateList();
    assignColorValue(m_color);
}

TColor TColorComboBox::entryColor(int index) const {
    return itemData(index, ColorRole).value<uint>();
}

bool TColorComboBox::entrySelected() const {
    const int index = currentIndex();
    if (index < 0)
        return false;
    // In a typed field the selection stands only while the text still names it.
    return comboStyle() == csDropDownList || currentText() == itemText(index);
}

TColor TColorComboBox::colorValue() const {
    if (comboStyle() == csDropDownList || !windowCreated() || entrySelected())
        return m_color;
    const QString typed = currentText();
    for (int i = 0; i < count(); ++i)
        if (itemText(i).compare(typed, Qt::CaseInsensitive) == 0)
            return entryColor(i);
    return parseInteger(typed).value_or(m_color);
}

void TColorComboBox::setColorValue(TColor color) {
    if (isLoading() && !windowCreated()) {
        m_color = color;
        return;
    }
    createWindow();
    assignColorValue(color);
}

void TColorComboBox::assignColorValue(TColor color) {
    if (entrySelected() && color == m_color)
        return;
    m_color = color;
    for (int i = 0; i < count(); ++i) {
        if (entryColor(i) == color) {
            if (currentIndex() != i)
                setCurrentIndex(i);
            change();
            return;
        }
    }
    setCurrentIndex(-1);
    if (comboStyle() != csDropDownList)
        setEditText(colorName(color));
    change();
}

void TColorComboBox::clickStep() {
    if (currentIndex() >= 0)
        assignColorValue(entryColor(currentIndex()));
    TOwnerDrawComboBox::clickStep();
}

void TColorComboBox::changeStep() {
    const TColor color = colorValue();
    if (color == m_color)
        return;
    m_color = color;
    change();
}

std::optional<TColor> TColorComboBox::parseInteger(const QString& text) {
    return ui::parseColorNumber(text.toStdString());
}

void TColorComboBox::drawItem(QPainter* painter, int index, const QRect& rect, bool selected) const {
    const TColor color = entryColor(index);
    const QColor background = painter->brush().color();
    const ui::Box entry{rect.left(), rect.top(), rect.width(), rect.height()};
    const ui::Box box = ui::colorSwatchBox(entry, m_displayNames);
    const QRect swatch(box.left, box.top, box.width, box.height);

    painter->fillRect(rect, background);
    if (swatch.width() > 0 && swatch.height() > 0) {
        painter->fillRect(swatch, swatchBorder(color, selected));
        painter->fillRect(swatch.adjusted(1, 1, -1, -1), platform::resolveColor(color));
    }
    if (m_displayNames) {
        const QRect nameRect(QPoint(ui::colorNameLeft(entry), entry.top),
                             QPoint(entry.right() - 1, entry.bottom() - 1));
        painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, itemText(index));
    }
}
