// The yardstick of bench_startup: a bare Qt main window with the editor's title and size,
// started the way any Qt program starts.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vantorel 99/00 V2.5"));
    window.setFixedSize(617, 281);
    window.show();
    return QApplication::exec();
}
