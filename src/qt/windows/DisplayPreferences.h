#pragma once

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class TColorComboBox;
class TFontComboBox;
class TSpeedItem;

namespace settings {
class TRegistry;
}

// The controls that show the display preferences, and the three controls that hold them.
struct DisplayTargets {
    std::array<QLineEdit*, 10> edits{}; // Edit1..Edit10
    QListWidget* list = nullptr;        // ListBox1
    QLabel* label = nullptr;            // Label2: receives the font name only
    TFontComboBox* fontPicker = nullptr;
    TColorComboBox* colorPicker = nullptr;
    TSpeedItem* boldToggle = nullptr;
};

// Font name, bold and font colour of the main window's display targets: restored from the
// settings key when the window is created, applied whenever a picker or the toggle changes,
// written back when the window is destroyed. The live values sit in the pickers and the toggle.
class DisplayPreferences {
public:
    explicit DisplayPreferences(const DisplayTargets& targets);
    ~DisplayPreferences();

    // Opens the settings key and restores the stored preferences (the "Arial" default on a
    // first run). Setting a picker raises its OnChange, whose handler applies the value.
    void restore();
    // Writes all four values in one write of the store, then closes the settings key.
    void save();

    void applyFontName();
    void applyColor();
    void applyBold();

private:
    void restoreStored();

    DisplayTargets m_targets;
    std::unique_ptr<settings::TRegistry> m_key;
};
