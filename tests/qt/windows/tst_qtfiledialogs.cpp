// Qt's own file dialog set up for the main window's requests: titles, filters,
// options, placement, and what it returns when the user accepts or cancels.

#include "qt/app/Startup.h"
#include "qt/windows/QtFileDialogs.h"
#include "ui/MainDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void touch(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(path));
}

// Runs `answer` on the dialog once it is open.
void whenDialogOpens(std::function<void(QFileDialog*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

} // namespace

class TestQtFileDialogs : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_home;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qunsetenv("XDG_CONFIG_HOME");
        // The dialogs built directly below keep their state where the program's do.
        QtFileDialogs::keepDialogStateInProgramFolder();
        app::setApplicationTitle();
        app::useClassicStyle();
    }

    void nameFilters_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("entry");
        QTest::newRow("label ends with its pattern") << "Ludovane 99/00 Config  (euro.cfg)"
                                                     << "euro.cfg"
                                                     << "Ludovane 99/00 Config  (euro.cfg)";
        QTest::newRow("pattern in another case") << "Ludovane 99/00 Config (*.cfg)"
                                                 << "*.CFG"
                                                 << "Ludovane 99/00 Config (*.cfg)";
        QTest::newRow("label without the pattern") << "Everything"
                                                   << "*"
                                                   << "Everything (*)";
    }
    void nameFilters() {
        QFETCH(QString, label);
        QFETCH(QString, pattern);
        QFETCH(QString, entry);
        QCOMPARE(QtFileDialogs::nameFilter({label.toStdString(), pattern.toStdString()}), entry);
    }

    void placement_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << QSize(400, 300) << QPoint(312, 156);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QSize(600, 424) << QPoint(2260, 200);
        QTest::newRow("larger than the screen")
            << QRect(0, 0, 800, 600) << QSize(900, 690) << QPoint(-50, -30);
    }
    void placement() {
        QFETCH(QRect, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, position);
        QCOMPARE(QtFileDialogs::placement(screen, window), position);
    }

    void openDialogSettings() {
        QFileDialog dialog;
        QFile::remove(m_dir.filePath("euro.cfg"));
        QtFileDialogs::configure(dialog, ui::openDialogRequest(localPath(m_dir.filePath("euro.cfg"))));
        QCOMPARE(dialog.windowTitle(), "Open European File");
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(types);
        QCOMPARE(types->count(), 2);
        QCOMPARE(types->itemText(0), "Ludovane 99/00 Config  (euro.cfg)");
        QCOMPARE(types->itemText(1), "Config Files (*.cfg)");
        QCOMPARE(types->currentIndex(), 0);
        QVERIFY(!dialog.filter().testFlag(QDir::CaseSensitive));
        QCOMPARE(dialog.directory().absolutePath(), QDir(m_dir.path()).absolutePath());
    }

    void saveDialogSettings() {
        QFileDialog dialog;
        QtFileDialogs::configure(dialog, ui::saveDialogRequest(""));
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog.defaultSuffix().isEmpty());
        QCOMPARE(dialog.selectedNameFilter(), "Ludovane 99/00 Config (*.cfg)");
        QVERIFY(dialog.windowTitle() != "Open European File");
    }

    void patternsMatchWithoutRegardToCaseAndOthersAreLeftOut() {
        QTemporaryDir dir;
        touch(dir.filePath("EURO.CFG"));
        touch(dir.filePath("other.Cfg"));
        touch(dir.filePath("notes.txt"));
        QFileDialog dialog;
        QtFileDialogs::configure(dialog, ui::saveDialogRequest(localPath(dir.filePath("x"))));
        auto* model = dialog.findChild<QFileSystemModel*>();
        QVERIFY(model);
        const QModelIndex root = model->index(dir.path());
        QTRY_COMPARE(model->rowCount(root), 2);
        QStringList names;
        for (int row = 0; row < model->rowCount(root); ++row)
            names << model->index(row, 0, root).data().toString();
        names.sort();
        QCOMPARE(names, QStringList({"EURO.CFG", "other.Cfg"}));
    }

    void acceptedDialogGivesTheTypedPathAndIsPlaced() {
        QtFileDialogs dialogs;
        const ui::FileDialogRequest request = ui::openDialogRequest(localPath(m_dir.filePath("start.cfg")));
        QPoint position;
        QPoint expected;
        whenDialogOpens([&](QFileDialog* dialog) {
            position = dialog->pos();
            expected = QtFileDialogs::placement(dialog->screen()->geometry(), dialog->size());
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            name->setText("missing.cfg");
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<QString> chosen = dialogs.execute(request, nullptr);
        QVERIFY(chosen);
        QCOMPARE(*chosen, QDir(m_dir.path()).absoluteFilePath("missing.cfg"));
        QCOMPARE(position, expected);
    }

    void cancelledDialogGivesNothing() {
        QtFileDialogs dialogs;
        whenDialogOpens([](QFileDialog* dialog) { dialog->reject(); });
        QVERIFY(!dialogs.execute(ui::saveDialogRequest(""), nullptr));
    }

    void dialogStateIsKeptInTheProgramsFolderOnly() {
        const QString elsewhere = m_home.filePath("elsewhere");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, elsewhere);
        QFile::remove(m_home.filePath(".config/vantorel/QtProject.conf"));
        QtFileDialogs dialogs;
        whenDialogOpens([](QFileDialog* dialog) { dialog->reject(); });
        QVERIFY(!dialogs.execute(ui::openDialogRequest(""), nullptr));
        QVERIFY(QFile::exists(m_home.filePath(".config/vantorel/QtProject.conf")));
        QVERIFY(!QFile::exists(elsewhere + "/QtProject.conf"));
        QVERIFY(!QFile::exists(m_home.filePath(".config/QtProject.conf")));
    }
};

QTEST_MAIN(TestQtFileDialogs)
#include "tst_qtfiledialogs.moc"
