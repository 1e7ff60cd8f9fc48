#include "qt/app/Startup.h"

#include "qt/app/ErrorReport.h"

#include <QApplication>
#include <QStyleFactory>

namespace app {

void setApplicationTitle() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
}

void useClassicStyle() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
}

int runProgram(ErrorReport& report, const std::function<int()>& program) {
    try {
        return program();
    } catch (...) {
        report.reportEscaped(std::current_exception());
        return 1;
    }
}

} // namespace app
