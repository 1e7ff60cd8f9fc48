#pragma once

#include "ui/TipOfTheDay.h"
#include "ui/TipView.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class TSpeedButton;

namespace ui {
class TipGenerator;
}

// The Tip of the Day window: one of the fixed tips on a pale yellow card, "Next Tip", "OK" and
// the "Hide Tip on Startup" choice. Created once at start-up and afterwards only shown and
// hidden; closing it from the title bar hides it. Its handlers run the shared step lists.
class TForm3 : public QWidget, private ui::TipView {
    Q_OBJECT

public:
    // A child window of `mainWindow`, which must outlive it.
    TForm3(QWidget* mainWindow, ui::TipGenerator& generator);
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

private:
    void buildControls();
    void centreOnScreen();

    bool hideTipChecked() const override;
    void setHideTipChecked(bool checked) override;
    void setFormVisible(bool visible) override;
    void showInFront() override;
    void showTip(std::string_view tip) override;
    void showOwnIcon() override;

    QWidget* m_mainWindow;
    ui::TipOfTheDay m_steps;

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Tips = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    QCheckBox* TipCheckBox = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};
