#pragma once

#include "document/PlaceFields.h"
#include "ui/FileDialogRequest.h"

#include <optional>
#include <string>

namespace ui {

// What the main window's file commands, country view and Apply Changes see of a front end's
// main window. Paths are the platform's file-name bytes; country captions Windows-1252 bytes.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    virtual document::PlaceFields& placeFields() = 0;
    virtual void enablePlaceFields() = 0; // all ten, hidden ones too

    virtual void setPathLabel(const std::string& path) = 0;       // Label1, never shown
    virtual void setCountryLabel(const std::string& caption) = 0; // Label2
    virtual std::string countryLabel() const = 0;
    virtual void enableCountryLabel() = 0;

    virtual void enableCountryList() = 0;
    // Selects row 0 of ListBox1 without running the country view.
    virtual void selectFirstCountry() = 0;
    // The row the user selected, or nothing.
    virtual std::optional<int> selectedCountry() const = 0;

    virtual void enableSave() = 0; // SpeedItem2

    // Runs the modal file dialog: the chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
    // Where New finds the template.
    virtual std::string templatePath() const = 0;
};

} // namespace ui
