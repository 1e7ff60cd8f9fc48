#pragma once

#include <QWidget>

// The About window: created once at start-up, hidden until the About command.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* mainWindow = nullptr);

    void FormCreate();
    // Shows the window, raised and active.
    void showFromCommand();
};
