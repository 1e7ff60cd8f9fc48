#pragma once

#include "ui/DisplayPreferencesView.h"

#include <memory>

namespace settings {
class TRegistry;
}

namespace ui {

// Font name, bold and font colour of the main window's display targets: restored from the
// settings key when the window is created, applied whenever a picker or the toggle changes,
// written back when the window is destroyed. The live values sit in the view's pickers and
// toggle; the view's pickers call applyFontName and applyColor from their change notifications.
class DisplayPreferenceSteps {
public:
    explicit DisplayPreferenceSteps(DisplayPreferencesView& view);
    ~DisplayPreferenceSteps();

    // FormCreate: opens the settings key and restores the stored preferences (the "Arial"
    // default on a first run). A failing read ends the restore there.
    void restore();
    // FormDestroy: writes all four values in one write of the store, then closes the key.
    void save();

    void applyFontName(); // FontComboBox1Change
    void applyColor();    // ColorComboBox1Change
    void applyBold();     // SpeedItem6Click

private:
    void restoreStored();

    DisplayPreferencesView& m_view;
    std::unique_ptr<settings::TRegistry> m_key;
};

} // namespace ui
