#include "app/QtMessagePresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

void QtMessagePresenter::showStop(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace app
