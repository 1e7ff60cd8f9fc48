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

std::optional<QString> QtFileDialogs::execute(const FileDialogRequest& request, QWidget* parent) {
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

void QtFileDialogs::configure(QFileDialog& dialog, const FileDialogRequest& request) {
    const bool open = request.kind == FileDialogRequest::Kind::Open;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open && request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);

    QStringList filters;
    for (const FileFilter& filter : request.filters)
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

    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

void QtFileDialogs::keepDialogStateInProgramFolder() {
    const QString store = QFile::decodeName(settings::RegistryStore::defaultFilePath().c_str());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QFileInfo(store).absolutePath());
}

QPoint QtFileDialogs::placement(const QRect& screen, const QSize& window) {
    return {screen.left() + (screen.width() - window.width()) / 2,
            screen.top() + (screen.height() - window.height()) / 3};
}

QString QtFileDialogs::nameFilter(const FileFilter& filter) {
    // The dialog takes the patterns from the parentheses at the end of the entry;
    // a label that already ends with its pattern there is shown as it is.
    const QString tail = QLatin1Char('(') + filter.pattern + QLatin1Char(')');
    if (filter.label.endsWith(tail, Qt::CaseInsensitive))
        return filter.label;
    return filter.label + QLatin1Char(' ') + tail;
}
