#include "TestFiles.h"
#include "core/Exception.h"
#include "document/ConfigBuffer.h"
#include "document/FileWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace document;
using namespace testfiles;

Q_DECLARE_METATYPE(std::string)

namespace {

ConfigBuffer bufferWith(const std::string& text) {
    ConfigBuffer b;
    b.setText(text);
    return b;
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    ::stat(qPrintable(path), &st);
    return st.st_mode & 07777;
}

} // namespace

class TestFileWriter : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // Expects writeFile to raise EInOutError with `code`.
    static void expectFailure(const QString& path, const ConfigBuffer& buffer, int code) {
        try {
            writeFile(local(path), buffer);
            QFAIL("writeFile did not raise");
        } catch (const core::EInOutError& e) {
            QCOMPARE(e.errorCode(), code);
            QCOMPARE(e.message(), core::EInOutError::messageFor(code));
        }
    }

private slots:
    void roundTrip_data() {
        QTest::addColumn<std::string>("file");
        QTest::addColumn<std::string>("saved");
        QTest::newRow("ends with CR LF") << std::string("one\r\ntwo\r\n") << std::string("one\r\ntwo\r\n");
        QTest::newRow("no final end") << std::string("one\r\ntwo") << std::string("one\r\ntwo\r\n");
        QTest::newRow("LF ends") << std::string("a\nb\n") << std::string("a\r\nb\r\n");
        QTest::newRow("CR ends") << std::string("a\rb") << std::string("a\r\nb\r\n");
        QTest::newRow("empty") << std::string() << std::string("\r\n");
        QTest::newRow("only NULs") << std::string(4, '\0') << std::string("\r\n");
        QTest::newRow("long line") << std::string(6000, 'w') + "\r\n" << std::string(6000, 'w') + "\r\n";
        std::string all;
        for (int c = 1; c < 256; ++c)
            if (c != '\r' && c != '\n')
                all += char(c);
        QTest::newRow("all bytes") << all + "\r\nx\r\n" << all + "\r\nx\r\n";
    }
    void roundTrip() {
        QFETCH(std::string, file);
        QFETCH(std::string, saved);
        const QString path = m_dir.filePath("round.cfg");
        QVERIFY(writeBytes(path, file));
        ConfigBuffer b;
        b.load(local(path));
        writeFile(local(path), b);
        QCOMPARE(readBytes(path), saved);
        // A second Open and Save changes nothing more.
        b.load(local(path));
        writeFile(local(path), b);
        QCOMPARE(readBytes(path), saved);
    }

    void newFileGetsTheUsualMode() {
        const QString path = m_dir.filePath("new.cfg");
        const mode_t mask = ::umask(022);
        writeFile(local(path), bufferWith("n"));
        ::umask(mask);
        QCOMPARE(readBytes(path), std::string("n\r\n"));
        QCOMPARE(modeOf(path), mode_t(0644));
    }

    void keepsPermissionBitsAndLeavesNoTemporary() {
        QTemporaryDir dir;
        const QString path = dir.filePath("perm.cfg");
        QVERIFY(writeBytes(path, "old"));
        QVERIFY(::chmod(qPrintable(path), 0640) == 0);
        writeFile(local(path), bufferWith("new"));
        QCOMPARE(readBytes(path), std::string("new\r\n"));
        QCOMPARE(modeOf(path), mode_t(0640));
        QCOMPARE(entries(dir.path()), QStringList{"perm.cfg"});
    }

    void symlinkKeepsTheLink() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("real"));
        const QString real = dir.filePath("real/euro.cfg");
        const QString link = dir.filePath("link.cfg");
        QVERIFY(writeBytes(real, "old"));
        QVERIFY(::symlink("real/euro.cfg", qPrintable(link)) == 0);
        writeFile(local(link), bufferWith("new"));
        QCOMPARE(QFileInfo(link).isSymLink(), true);
        QCOMPARE(readBytes(real), std::string("new\r\n"));
        QCOMPARE(entries(dir.filePath("real")), QStringList{"euro.cfg"});
    }

    void danglingSymlinkCreatesItsTarget() {
        QTemporaryDir dir;
        const QString link = dir.filePath("link.cfg");
        QVERIFY(::symlink("made.cfg", qPrintable(link)) == 0);
        writeFile(local(link), bufferWith("made"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(dir.filePath("made.cfg")), std::string("made\r\n"));
    }

    void readOnlyTarget() {
        QTemporaryDir dir;
        const QString path = dir.filePath("ro.cfg");
        QVERIFY(writeBytes(path, "old"));
        QVERIFY(::chmod(qPrintable(path), 0444) == 0);
        expectFailure(path, bufferWith("new"), 5); // also as root
        QCOMPARE(readBytes(path), std::string("old"));
        QCOMPARE(modeOf(path), mode_t(0444));
        QCOMPARE(entries(dir.path()), QStringList{"ro.cfg"});
    }

    // Replacing a file needs only the folder's write permission; the file's own must be honoured too.
    void notWritableForThisUser() {
        QTemporaryDir dir;
        QVERIFY(::chmod(qPrintable(dir.path()), 0777) == 0);
        const QString path = dir.filePath("other.cfg");
        QVERIFY(writeBytes(path, "old"));
        const bool root = ::geteuid() == 0;
        // As root, the file is root's and the child runs as an unprivileged user.
        QVERIFY(::chmod(qPrintable(path), root ? 0644 : 0466) == 0);
        const int code = inChild([&] {
            if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 200;
            try {
                writeFile(local(path), bufferWith("new"));
            } catch (const core::EInOutError& e) {
                return e.errorCode();
            }
            return 201;
        });
        if (code == 200)
            QSKIP("running as root and cannot switch to an unprivileged user");
        QCOMPARE(code, 5);
        QCOMPARE(readBytes(path), std::string("old"));
        QCOMPARE(entries(dir.path()), QStringList{"other.cfg"});
    }

    void failures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("code");
        QTest::newRow("missing folder") << m_dir.filePath("nowhere/euro.cfg") << 2;
        QTest::newRow("file as folder") << m_dir.filePath("plain.txt/euro.cfg") << 3;
        QTest::newRow("folder as target") << m_dir.path() << 21;
        QTest::newRow("trailing slash") << m_dir.filePath("nowhere/") << 21;
    }
    void failures() {
        QFETCH(QString, path);
        QFETCH(int, code);
        QVERIFY(writeBytes(m_dir.filePath("plain.txt"), "plain"));
        const QStringList before = entries(m_dir.path());
        expectFailure(path, bufferWith("x"), code);
        QCOMPARE(entries(m_dir.path()), before);
        QCOMPARE(readBytes(m_dir.filePath("plain.txt")), std::string("plain"));
    }

    void fullDiskDevice() {
        if (!QFile::exists("/dev/full"))
            QSKIP("no /dev/full here");
        expectFailure("/dev/full", bufferWith("x"), 101);
    }

    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("euro.cfg");
        QVERIFY(writeBytes(path, "old content\r\n"));
        // Files may not grow past 1 KiB in the child, so the write of the temporary fails (EFBIG).
        const int code = inChild([&] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{1024, 1024};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 200;
            try {
                writeFile(local(path), bufferWith(std::string(100000, 'z')));
            } catch (const core::EInOutError& e) {
                return e.errorCode();
            }
            return 201;
        });
        QCOMPARE(code, core::EInOutError::codeFromErrno(EFBIG));
        QCOMPARE(readBytes(path), std::string("old content\r\n"));
        QCOMPARE(entries(dir.path()), QStringList{"euro.cfg"});
    }

    void fileExistsRejectsFolders() {
        const QString path = m_dir.filePath("exists.cfg");
        QVERIFY(writeBytes(path, ""));
        QVERIFY(fileExists(local(path)));
        QVERIFY(!fileExists(local(m_dir.path())));
        QVERIFY(!fileExists(local(m_dir.filePath("absent.cfg"))));
        QVERIFY(!fileExists(""));
    }
};

QTEST_GUILESS_MAIN(TestFileWriter)
#include "tst_filewriter.moc"
