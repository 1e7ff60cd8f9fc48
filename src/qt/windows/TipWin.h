#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class TSpeedButton;
class TipGenerator;

namespace settings {
class TRegIniFile;
}

// The Tip of the Day window: one of the fixed tips on a pale yellow card, "Next
// Tip", "OK" and the "Hide Tip on Startup" choice, which lives in the settings
// store as the flag "Tip" of the section "Options". Created once at start-up and
// afterwards only shown and hidden; closing it from the title bar hides it.
class TForm3 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTipCount = 25;
    static constexpr const char* kSettingsKey = "Software\\Ludovane9900Vantorel";
    static constexpr const char* kSection = "Options";
    static constexpr const char* kFlagName = "Tip";

    // A child window of `mainWindow`, which must outlive it.
    TForm3(QWidget* mainWindow, TipGenerator& generator);
    // Runs FormDestroy when it has not run yet.
    ~TForm3() override;

    // Handlers. Each reports its own errors (core::runGuarded) and never throws.
    void FormCreate();
    void FormDestroy();
    // The main window's "Tip of the Day" command.
    void showFromCommand();
    void SpeedButton1Click(QObject* Sender); // "OK"
    void SpeedButton2Click(QObject* Sender); // "Next Tip"

    // Line index of the tip list held by the hidden memo Memo1.
    QString tipLine(int index) const;
    // The tip list in order.
    static QStringList tips();

private:
    void buildControls();
    void centreOnScreen();
    void showTip(int index);

    QWidget* m_mainWindow;
    TipGenerator& m_generator;
    std::unique_ptr<settings::TRegIniFile> m_settings;

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Tips = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    QCheckBox* TipCheckBox = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};
