#include "qt/platform/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The lookup itself is tested with the document layer; this checks that the program's own
// folder is what it is given.
class TestDataFiles : public QObject {
    Q_OBJECT

private slots:
    void theProgramsOwnFolderIsUsedWithoutArguments() {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.path());
        // This test program has no template beside it.
        QCOMPARE(platform::templatePath(), "templ.ate");
        QFile beside(QCoreApplication::applicationDirPath() + "/templ.ate");
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.close();
        const std::string found = platform::templatePath();
        beside.remove();
        QDir::setCurrent(previous);
        QCOMPARE(QString::fromStdString(found), QDir::cleanPath(beside.fileName()));
    }
};

QTEST_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
