#include "qt/windows/QtFileDialogs.h"

#include "settings/RegistryStore.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStringList>

std::optional<QString> QtFileDialogs::execute(const ui::FileDialogRequest& request, QWidget* parent) {
    keepDialogStateInProgramFolder();
    QFileDialog dialog(parent);
    configure(dialog, request);
    dialog.adjustSize();
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        dialog.move(placement(screen->geometry(), dialog.size()));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

void QtFileDialogs::configure(QFileDialog& dialog, const ui::FileDialogRequest& request) {
    const bool open = request.kind == ui::FileDialogRequest::Kind::Open;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open && request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    if (!request.title.empty())
        dialog.setWindowTitle(QString::fromStdString(request.title));

    QStringList filters;
    for (const ui::FileFilter& filter : request.filters)
        filters << nameFilter(filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size())
        dialog.selectNameFilter(dialog.nameFilters().at(request.filterIndex));
    // The dialog simplifies the blanks of the entries it shows; show them as given.
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        for (int i = 0; i < types->count() && i < filters.size(); ++i)
            types->setItemText(i, filters.at(i));
    // Files of other types are left out, not shown greyed; patterns match without regard to case.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (auto* model = dialog.findChild<QFileSystemModel*>())
        model->setNameFilterDisables(false);

    if (!request.fileName.empty())
        dialog.selectFile(QFile::decodeName(request.fileName.c_str()));
}

void QtFileDialogs::keepDialogStateInProgramFolder() {
    const QString store = QFile::decodeName(settings::RegistryStore::defaultFilePath().c_str());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QFileInfo(store).absolutePath());
}

QPoint QtFileDialogs::placement(const QRect& screen, const QSize& window) {
    const ui::DialogPosition position = ui::dialogPosition(screen.left(), screen.top(), screen.width(),
                                                           screen.height(), window.width(), window.height());
    return {position.left, position.top};
}

QString QtFileDialogs::nameFilter(const ui::FileFilter& filter) {
    // The dialog takes the patterns from the parentheses at the end of the entry;
    // a label that already ends with its pattern there is shown as it is.
    const QString label = QString::fromStdString(filter.label);
    const QString tail = QLatin1Char('(') + QString::fromStdString(filter.pattern) + QLatin1Char(')');
    if (label.endsWith(tail, Qt::CaseInsensitive))
        return label;
    return label + QLatin1Char(' ') + tail;
}
