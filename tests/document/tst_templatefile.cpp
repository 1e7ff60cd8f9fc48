#include "document/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(path));
}

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

class TestTemplateFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_previous;

private slots:
    void init() {
        QVERIFY(m_root.isValid());
        m_previous = QDir::currentPath();
        QDir(m_root.path()).removeRecursively();
        QDir().mkpath(m_root.filePath("work"));
        QDir().mkpath(m_root.filePath("prefix/bin"));
        QDir::setCurrent(m_root.filePath("work"));
    }
    void cleanup() { QDir::setCurrent(m_previous); }

    void workingFolderComesFirstAndKeepsTheBareName() {
        touch(m_root.filePath("work/templ.ate"));
        touch(m_root.filePath("prefix/bin/templ.ate"));
        QCOMPARE(document::templatePath(local(m_root.filePath("prefix/bin"))), "templ.ate");
    }

    void besideTheProgram() {
        touch(m_root.filePath("prefix/bin/templ.ate"));
        touch(m_root.filePath("prefix/share/vantorel/templ.ate"));
        QCOMPARE(document::templatePath(local(m_root.filePath("prefix/bin"))),
                 local(m_root.filePath("prefix/bin/templ.ate")));
    }

    void installedDataFolder() {
        touch(m_root.filePath("prefix/share/vantorel/templ.ate"));
        QCOMPARE(document::templatePath(local(m_root.filePath("prefix/bin"))),
                 local(m_root.filePath("prefix/share/vantorel/templ.ate")));
    }

    void nowhereGivesTheBareNameForTheError() {
        QCOMPARE(document::templatePath(local(m_root.filePath("prefix/bin"))), "templ.ate");
        QCOMPARE(document::templatePath(""), "templ.ate");
    }

    void aFolderOfThatNameIsNoTemplate() {
        QDir().mkpath(m_root.filePath("work/templ.ate"));
        touch(m_root.filePath("prefix/bin/templ.ate"));
        QCOMPARE(document::templatePath(local(m_root.filePath("prefix/bin"))),
                 local(m_root.filePath("prefix/bin/templ.ate")));
    }
};

QTEST_MAIN(TestTemplateFile)
#include "tst_templatefile.moc"
