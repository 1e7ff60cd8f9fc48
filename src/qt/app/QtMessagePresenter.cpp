#include "qt/app/QtMessagePresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

namespace {

void show(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void QtMessagePresenter::showStop(const QString& caption, const QString& text) {
    show(QMessageBox::Critical, caption, text);
}

void QtMessagePresenter::showWarning(const QString& caption, const QString& text) {
    show(QMessageBox::Warning, caption, text);
}

} // namespace app
