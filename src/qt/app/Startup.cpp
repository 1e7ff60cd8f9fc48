#include "qt/app/Startup.h"

#include "ui/Application.h"

#include <QApplication>
#include <QStyleFactory>

namespace app {

void setApplicationTitle() {
    QCoreApplication::setApplicationName(QString::fromLatin1(ui::kApplicationTitle));
}

void useClassicStyle() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
}

} // namespace app
