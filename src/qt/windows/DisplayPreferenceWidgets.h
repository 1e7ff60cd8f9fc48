#pragma once

#include "ui/DisplayPreferencesView.h"

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;
class TColorComboBox;
class TFontComboBox;
class TSpeedItem;

// The controls that show the display preferences, and the three controls that hold them.
struct DisplayTargets {
    std::array<QLineEdit*, 10> edits{}; // Edit1..Edit10
    QListWidget* list = nullptr;        // ListBox1
    QLabel* label = nullptr;            // Label2: receives the font name only
    TFontComboBox* fontPicker = nullptr;
    TColorComboBox* colorPicker = nullptr;
    TSpeedItem* boldToggle = nullptr;
};

// The display preferences' view over the main window's widgets.
class DisplayPreferenceWidgets : public ui::DisplayPreferencesView {
public:
    explicit DisplayPreferenceWidgets(const DisplayTargets& targets);

    void setFontPickerName(const std::string& name) override;
    std::string fontPickerName() const override;
    void setBoldToggleDown(bool down) override;
    bool boldToggleDown() const override;
    void setColorPickerValue(core::TColor color) override;
    core::TColor colorPickerValue() const override;

    void setTargetFontName(int target, const std::string& name) override;
    void setTargetBold(int target, bool bold) override;
    void setTargetColor(int target, core::TColor color) override;

private:
    QWidget* target(int index) const;

    DisplayTargets m_targets;
};
