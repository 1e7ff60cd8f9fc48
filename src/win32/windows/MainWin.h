#pragma once

#include "ui/DisplayPreferenceSteps.h"
#include "ui/DisplayPreferencesView.h"
#include "ui/MainWindowSteps.h"
#include "ui/MainWindowView.h"
#include "win32/controls/caption/GradientCaption.h"
#include "win32/controls/pickers/ColorPicker.h"
#include "win32/controls/pickers/FontPicker.h"
#include "win32/platform/DesignLayout.h"
#include "win32/platform/Window.h"
#include "win32/windows/PlaceFieldEdits.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The main window, TForm1: the country list, the ten place fields in three competition groups,
// the country label, Apply Changes and the command bar, built as child windows from the
// design (ui/MainWindowDesign.h) with the control IDs of ControlIds.h. The handlers' steps are
// the shared ones (ui::MainWindowSteps); this is the Win32 side of them.
class TForm1 : public win32::Window, private ui::MainWindowView, private ui::DisplayPreferencesView {
public:
    // Owned by the application window, which has the task-bar button and is minimised for it.
    explicit TForm1(HWND owner);

    void FormCreate();
    void FormDestroy();
    void show();

    // Handlers, named after the control and the event.
    void SpeedItem5Click(); // New
    void SpeedItem1Click(); // Open
    void SpeedItem2Click(); // Save
    void SpeedItem6Click(); // Font (bold toggle)
    void SpeedItem3Click(); // Tip of the Day
    void SpeedItem4Click(); // About
    void ListBox1Click();
    void SpeedButton1Click(); // Apply Changes
    void FontComboBox1Change();
    void ColorComboBox1Change();

    // What Tip of the Day (SpeedItem3) and About (SpeedItem4) show.
    void setSecondaryWindows(std::function<void()> showTip, std::function<void()> showAbout);

    // Open's steps for a file named on the command line (UTF-8).
    void openFile(const std::string& path);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    HWND createChild(const ui::ControlDesign& design, const wchar_t* windowClass, DWORD style,
                     DWORD exStyle = 0);
    void createCommandBar();
    void onCommand(int id, int code);
    LRESULT controlColors(HDC dc, HWND control);
    void applyDpi(UINT dpi);

    // The view the shared steps work through.
    document::PlaceFields& placeFields() override;
    void enablePlaceFields() override;
    void setPathLabel(const std::string& path) override;
    void setCountryLabel(const std::string& caption) override;
    std::string countryLabel() const override;
    void enableCountryLabel() override;
    void enableCountryList() override;
    void selectFirstCountry() override;
    std::optional<int> selectedCountry() const override;
    void enableSave() override;
    std::optional<std::string> chooseFile(const ui::FileDialogRequest& request) override;
    std::string templatePath() const override;

    // The display preferences' view: the pickers, the toggle and the targets.
    void setFontPickerName(const std::string& name) override;
    std::string fontPickerName() const override;
    void setBoldToggleDown(bool down) override;
    bool boldToggleDown() const override;
    void setColorPickerValue(core::TColor color) override;
    core::TColor colorPickerValue() const override;
    void setTargetFontName(int target, const std::string& name) override;
    void setTargetBold(int target, bool bold) override;
    void setTargetColor(int target, core::TColor color) override;
    HWND target(int index) const;
    void giveTargetFont(int index);

    win32::DesignLayout m_layout;
    ui::MainWindowSteps m_steps{*this};
    ui::DisplayPreferenceSteps m_preferences{*this};
    PlaceFieldEdits m_fields;
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;
    HWND SpeedButton1 = nullptr;
    std::array<HWND, 4> m_groupBoxes{}; // GroupBox1, 3, 4, 5
    HWND ListBox1 = nullptr;
    HWND SpeedBar1 = nullptr;
    HWND SpeedItem2 = nullptr;
    HWND SpeedItem6 = nullptr;
    std::unique_ptr<win32::controls::FontPicker> FontComboBox1;
    std::unique_ptr<win32::controls::ColorPicker> ColorComboBox1;
    std::unique_ptr<win32::controls::GradientCaption> GradientCaption1;
    // Each display target's font as the preferences left it (the family's bytes live here), and
    // the text colour of the fields and the list.
    std::array<std::string, ui::kDisplayTargetCount> m_targetFamily;
    std::array<ui::FontDesign, ui::kDisplayTargetCount> m_targetFont;
    core::TColor m_textColor = core::clBlack;
    std::function<void()> m_showTip;
    std::function<void()> m_showAbout;
    // The standard controls and their designs, for the colours they ask for.
    std::vector<std::pair<HWND, const ui::ControlDesign*>> m_designs;
};
