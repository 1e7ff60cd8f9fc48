#include "qt/app/CommandLine.h"

#include <QDir>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("usageError");
        const QString here = QDir::currentPath();
        QTest::newRow("none") << QStringList() << QString() << false;
        QTest::newRow("a name in the working folder")
            << QStringList{"euro.cfg"} << here + "/euro.cfg" << false;
        QTest::newRow("an absolute path")
            << QStringList{"/games/lv/euro.cfg"} << "/games/lv/euro.cfg" << false;
        QTest::newRow("two files") << QStringList{"a.cfg", "b.cfg"} << QString() << true;
    }
    void arguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(bool, usageError);
        const app::CommandLine commandLine = app::parseCommandLine(arguments);
        QCOMPARE(commandLine.file.value_or(QString()), file);
        QCOMPARE(commandLine.usageError, usageError);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
