#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ludovane3Vantorel");
    QWidget window;
    window.setWindowTitle("Vantorel 99/00 V2.5");
    window.show();
    return app.exec();
}
