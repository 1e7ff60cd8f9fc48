#pragma once

#include <QWidget>

class TipGenerator;

// The Tip of the Day window: created once at start-up, shown by its command.
class TForm3 : public QWidget {
    Q_OBJECT

public:
    TForm3(QWidget* mainWindow, TipGenerator& generator);

    void FormCreate();
    void FormDestroy();
    void showFromCommand();

private:
    TipGenerator& m_generator;
};
