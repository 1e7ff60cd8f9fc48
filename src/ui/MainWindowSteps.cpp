#include "ui/MainWindowSteps.h"

#include "document/CountryPlaces.h"
#include "document/CountryView.h"
#include "document/FileWriter.h"
#include "ui/MainDialogs.h"

#include <optional>

namespace ui {

MainWindowSteps::MainWindowSteps(MainWindowView& view)
    : m_view(view) {}

FileDialogRequest MainWindowSteps::openDialogRequest() const {
    return ui::openDialogRequest(m_openFileName);
}

FileDialogRequest MainWindowSteps::saveDialogRequest() const {
    return ui::saveDialogRequest(m_documentPath);
}

void MainWindowSteps::newDocument() {
    m_view.enableSave();
    m_buffer.clear();
    m_documentPath.clear();
    m_view.selectFirstCountry();
    m_view.setCountryLabel(std::string(document::countryRow(0).caption));
    for (int field = 0; field < document::kFieldCount; ++field)
        m_view.placeFields().setFieldText(field, "");
    m_view.enablePlaceFields();
    m_view.enableCountryList();
    m_view.enableCountryLabel();
    m_buffer.load(m_view.templatePath());
}

void MainWindowSteps::open() {
    if (const std::optional<std::string> chosen = m_view.chooseFile(openDialogRequest()))
        openFile(*chosen);
}

void MainWindowSteps::openFile(const std::string& path) {
    m_openFileName = path;
    m_buffer.load(path);
    m_view.setPathLabel(path);
    m_documentPath = path;
    m_view.enableSave();
    m_view.selectFirstCountry();
    m_view.setCountryLabel(std::string(document::countryRow(0).caption));
    m_view.enableCountryLabel();
    m_view.enableCountryList();
    document::showCountry(m_buffer, 0, m_view.placeFields());
    m_view.enablePlaceFields();
}

void MainWindowSteps::save() {
    const std::string path = m_documentPath;
    m_openFileName.clear();
    if (document::fileExists(path)) {
        document::writeFile(path, m_buffer);
        return;
    }
    const std::optional<std::string> chosen = m_view.chooseFile(saveDialogRequest());
    if (!chosen)
        return;
    m_documentPath = *chosen;
    document::writeFile(m_documentPath, m_buffer);
}

void MainWindowSteps::showSelectedCountry() {
    const std::optional<int> row = m_view.selectedCountry();
    if (!row)
        return;
    m_view.setCountryLabel(std::string(document::countryRow(*row).caption));
    document::showCountry(m_buffer, *row, m_view.placeFields());
}

void MainWindowSteps::applyChanges() {
    document::applyChanges(m_buffer, m_view.countryLabel(), m_view.placeFields());
}

} // namespace ui
