#pragma once

#include "document/ConfigBuffer.h"
#include "document/CountryPlaces.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class CountryList;
class DisplayPreferences;
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
struct FileDialogRequest;
}

// The main window: the country list, the ten place fields in three competition
// groups, the country label, Apply Changes and the command bar with its two
// pickers. It owns the document (the config buffer) and the document path.
//
// Every control lives in clientArea(), 617 x 281; the window is as large as that
// area unless something (a caption strip) puts the area elsewhere.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 617;
    static constexpr int kClientHeight = 281;

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
    const document::ConfigBuffer& buffer() const { return m_buffer; }
    // The file that Save writes to without asking (the Save dialog's file name).
    QString documentPath() const { return m_documentPath; }
    // The Open dialog's initial file name.
    QString openFileName() const { return m_openFileName; }

    // The dialogs as the commands ask for them.
    ui::FileDialogRequest openDialogRequest() const;
    ui::FileDialogRequest saveDialogRequest() const;

private:
    void createControls();
    void createCommandBar();
    QGroupBox* createGroupBox(const char* name, const QRect& geometry, const QString& title,
                              const QColor& color);
    void createPlaceField(int field, QGroupBox* group, int top);
    void createCaption();
    void createPreferences();
    void centreOnScreen();
    // Selects row 0 without running the country view.
    void selectFirstCountry();

    std::unique_ptr<FileDialogs> m_dialogs;
    document::ConfigBuffer m_buffer; // the hidden text control of the design: Memo1
    QString m_documentPath;
    QString m_openFileName;
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
    std::unique_ptr<DisplayPreferences> m_preferences;

    TForm2* m_about = nullptr;
    TForm3* m_tip = nullptr;
};
