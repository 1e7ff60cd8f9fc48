#pragma once

#include <memory>

namespace settings {
class TRegIniFile;
}

namespace ui {

class TipGenerator;
class TipView;

// The Tip of the Day window's handlers as step lists over its view. The "Hide Tip on Startup"
// choice lives in the settings store as the flag "Tip" of the section "Options", read through
// a settings handle the window holds from its creation to its destruction. A failing step
// throws; the front end's handler boundary reports it.
class TipOfTheDay {
public:
    static constexpr const char* kSettingsKey = "Software\\Ludovane9900Vantorel";
    static constexpr const char* kSection = "Options";
    static constexpr const char* kFlagName = "Tip";

    TipOfTheDay(TipView& view, TipGenerator& generator);
    ~TipOfTheDay();

    // Opens the settings handle, reads the flag into the check box, shows or hides the window
    // by it, draws the first tip and shows the window's icon. A flag that cannot be read skips
    // the steps after it; the handle stays open, so FormDestroy still writes the flag.
    void FormCreate();
    // Writes the check box's state as the flag and releases the handle, however the write ends.
    // Nothing to do when FormCreate did not open it or FormDestroy has run.
    void FormDestroy();
    bool holdsSettings() const { return m_settings != nullptr; }

    void nextTip(); // "Next Tip"
    void hide();    // "OK"
    // The main window's "Tip of the Day": shows the last tip again, with the box unchecked.
    void showFromCommand();

private:
    TipView& m_view;
    TipGenerator& m_generator;
    std::unique_ptr<settings::TRegIniFile> m_settings;
};

} // namespace ui
