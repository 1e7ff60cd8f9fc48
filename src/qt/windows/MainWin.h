#pragma once

#include "document/ConfigBuffer.h"
#include "document/CountryPlaces.h"
#include "ui/MainWindowSteps.h"
#include "ui/MainWindowView.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>

class CountryList;
class DisplayPreferenceWidgets;
class FileDialogs;
class PlaceEdit;
class PlaceFieldEdits;
class QGroupBox;
class QLabel;
class QLineEdit;
class TColorComboBox;
class TFontComboBox;
class TGradientCaption;
class TForm2;
class TForm3;
class TSpeedBar;
class TSpeedButton;
class TSpeedItem;
namespace ui {
class DisplayPreferenceSteps;
struct ControlDesign;
} // namespace ui

// The main window: the country list, the ten place fields in three competition
// groups, the country label, Apply Changes and the command bar with its two
// pickers. It owns the document (the config buffer) and the document path.
//
// Every control lives in clientArea(), as large as the design's client area; the window is as
// large as that area unless something (a caption strip) puts the area elsewhere. The layout
// comes from ui/MainWindowDesign.h, the handlers' steps from ui::MainWindowSteps and
// ui::DisplayPreferenceSteps; what is here is the Qt side of them.
class TForm1 : public QWidget, private ui::MainWindowView {
    Q_OBJECT

public:
    explicit TForm1(std::unique_ptr<FileDialogs> dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    QWidget* clientArea() const { return m_clientArea; }
    void setSecondaryWindows(TForm2* about, TForm3* tip);

    // Handlers, named after the control and the event.
    void FormCreate();
    void FormDestroy();
    void SpeedItem5Click(QObject* Sender); // New
    void SpeedItem1Click(QObject* Sender); // Open
    void SpeedItem2Click(QObject* Sender); // Save
    void SpeedItem6Click(QObject* Sender); // Font (bold toggle)
    void SpeedItem3Click(QObject* Sender); // Tip of the Day
    void SpeedItem4Click(QObject* Sender); // About
    void ListBox1Click(QObject* Sender);
    void SpeedButton1Click(QObject* Sender); // Apply Changes
    void FontComboBox1Change(QObject* Sender);
    void ColorComboBox1Change(QObject* Sender);

    // Open's steps once its dialog has given `path` (also for a file named on the command
    // line): the file becomes the document when it loads; otherwise only the dialog's next
    // file name has changed, and the error is raised.
    void openFile(const QString& path);

    // The document state.
    const document::ConfigBuffer& buffer() const { return m_steps.buffer(); }
    // The file that Save writes to without asking (the Save dialog's file name).
    QString documentPath() const;
    // The Open dialog's initial file name.
    QString openFileName() const;

private:
    void createControls();
    void createCommandBar();
    QGroupBox* createGroupBox(const char* name);
    void createPlaceField(int field, QGroupBox* group);
    TSpeedItem* createSpeedItem(const char* name);
    void createCaption();
    void createPreferences();
    void centreOnScreen();

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

    std::unique_ptr<FileDialogs> m_dialogs;
    ui::MainWindowSteps m_steps{*this};
    bool m_programSelects = false;

    QWidget* m_clientArea = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    std::array<QLineEdit*, document::kFieldCount> m_edits{};
    CountryList* ListBox1 = nullptr;
    TSpeedBar* SpeedBar1 = nullptr;
    TSpeedItem* SpeedItem5 = nullptr;
    TSpeedItem* SpeedItem1 = nullptr;
    TSpeedItem* SpeedItem2 = nullptr;
    TSpeedItem* SpeedItem6 = nullptr;
    TSpeedItem* SpeedItem3 = nullptr;
    TSpeedItem* SpeedItem4 = nullptr;
    TFontComboBox* FontComboBox1 = nullptr;
    TColorComboBox* ColorComboBox1 = nullptr;
    TGradientCaption* GradientCaption1 = nullptr;
    std::unique_ptr<PlaceFieldEdits> m_placeFields;
    std::unique_ptr<DisplayPreferenceWidgets> m_preferenceWidgets;
    std::unique_ptr<ui::DisplayPreferenceSteps> m_preferences;

    TForm2* m_about = nullptr;
    TForm3* m_tip = nullptr;
};
