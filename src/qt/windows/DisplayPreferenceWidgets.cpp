#include "qt/windows/DisplayPreferenceWidgets.h"

#include "qt/controls/commandbar/SpeedItem.h"
#include "qt/controls/pickers/ColorComboBox.h"
#include "qt/controls/pickers/FontComboBox.h"
#include "qt/platform/SystemColors.h"
#include "qt/platform/Text8Bit.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

DisplayPreferenceWidgets::DisplayPreferenceWidgets(const DisplayTargets& targets)
    : m_targets(targets) {}

void DisplayPreferenceWidgets::setFontPickerName(const std::string& name) {
    m_targets.fontPicker->setFontName(platform::fromWindows1252(name));
}

std::string DisplayPreferenceWidgets::fontPickerName() const {
    return platform::toWindows1252(m_targets.fontPicker->fontName());
}

void DisplayPreferenceWidgets::setBoldToggleDown(bool down) {
    m_targets.boldToggle->setDown(down);
}

bool DisplayPreferenceWidgets::boldToggleDown() const {
    return m_targets.boldToggle->isDown();
}

void DisplayPreferenceWidgets::setColorPickerValue(core::TColor color) {
    m_targets.colorPicker->setColorValue(color);
}

core::TColor DisplayPreferenceWidgets::colorPickerValue() const {
    return m_targets.colorPicker->colorValue();
}

QWidget* DisplayPreferenceWidgets::target(int index) const {
    if (index == ui::kCountryListTarget)
        return m_targets.list;
    if (index == ui::kCountryLabelTarget)
        return m_targets.label;
    return m_targets.edits.at(std::size_t(index));
}

void DisplayPreferenceWidgets::setTargetFontName(int index, const std::string& name) {
    QWidget* widget = target(index);
    QFont font = widget->font();
    font.setFamilies({platform::fromWindows1252(name)});
    widget->setFont(font);
}

// The whole style set becomes {bold} or {}.
void DisplayPreferenceWidgets::setTargetBold(int index, bool bold) {
    QWidget* widget = target(index);
    QFont font = widget->font();
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    widget->setFont(font);
}

// Only the enabled groups: a disabled control keeps drawing its text greyed.
void DisplayPreferenceWidgets::setTargetColor(int index, core::TColor value) {
    QWidget* widget = target(index);
    const QColor color = platform::resolveColor(value);
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, color);
        palette.setColor(group, QPalette::WindowText, color);
    }
    widget->setPalette(palette);
}
