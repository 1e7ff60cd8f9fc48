#include "TipWin.h"

#include "TipGenerator.h"

TForm3::TForm3(QWidget* mainWindow, TipGenerator& generator)
    : QWidget(nullptr, Qt::Window)
    , m_generator(generator) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Tip Of The Day"));
    if (mainWindow)
        setWindowIcon(mainWindow->windowIcon());
}

void TForm3::FormCreate() {}

void TForm3::FormDestroy() {}

void TForm3::showFromCommand() {
    show();
    raise();
    activateWindow();
}
