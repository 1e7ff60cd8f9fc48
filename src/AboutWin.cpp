#include "AboutWin.h"

TForm2::TForm2(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    if (mainWindow)
        setWindowIcon(mainWindow->windowIcon());
}

void TForm2::FormCreate() {}

void TForm2::showFromCommand() {
    show();
    raise();
    activateWindow();
}
