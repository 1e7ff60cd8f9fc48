#pragma once

#include "ui/ControlDesign.h"

#include <QWidget>

#include <vector>

class QLabel;
class TSpeedButton;
class TURLLabel;

// The About window: name and version, credits, an e-mail link and a web link.
// Created once at start-up, hidden until the main window's "About" command;
// "OK" and closing from the title bar hide it again.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    // mainWindow lends its icon to Image1 in FormCreate.
    explicit TForm2(QWidget* mainWindow = nullptr);
    ~TForm2() override;

    // Handlers. Each reports its own errors (core::runGuarded) and never throws.
    void FormCreate();
    // The main window's "About" command: show and bring to the front.
    void showFromCommand();
    void SpeedButton1Click(QObject* Sender); // "OK"
    void URLLabel1MouseMove(QObject* Sender);
    void URLLabel2MouseMove(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    TURLLabel* buildLink(const ui::ControlDesign& row, const QString& target);
    void centreOnScreen();

    // Labels that grow to their text when the window is first shown.
    std::vector<QLabel*> m_fitToText;
    QWidget* m_mainWindow;

    QLabel* Image1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    TURLLabel* URLLabel1 = nullptr;
    TURLLabel* URLLabel2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label7 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
};
