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

void QtMessagePresenter::showStop(const std::string& caption, const std::string& text) {
    show(QMessageBox::Critical, QString::fromStdString(caption), QString::fromStdString(text));
}

void QtMessagePresenter::showWarning(const std::string& caption, const std::string& text) {
    show(QMessageBox::Warning, QString::fromStdString(caption), QString::fromStdString(text));
}

} // namespace app
