#include "TestFiles.h"
#include "core/Exception.h"
#include "document/ConfigBuffer.h"
#include "document/FileWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>

using namespace document;
using namespace testfiles;

Q_DECLARE_METATYPE(std::string)

namespace {

ConfigBuffer bufferWith(const std::string& text) {
    ConfigBuffer b;
    b.setText(text);
    return b;
}

constexpr int kNobody = 65534;

struct stat statOf(const QString& path) {
    struct stat st {};
    ::stat(qPrintable(path), &st);
    return st;
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

    // Where a replacement cannot be made, or would change the file's owner or group, the file
    // is written in place; once it is replaced, a folder that cannot be synced is no failure.
    // Run by an unprivileged user (65534), whom folder permissions bind.
    void savesWhatAnotherUserCanWrite_data() {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileOwner");
        QTest::addColumn<int>("fileGroup");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("read-only folder") << 0555 << 0 << 0 << 0666 << true;
        QTest::newRow("another user's file in a sticky folder") << 01777 << 0 << 0 << 0666 << true;
        QTest::newRow("a group the user is not in") << 0777 << kNobody << 0 << 0664 << true;
        QTest::newRow("folder that cannot be read or synced") << 0333 << kNobody << kNobody << 0644 << false;
    }
    void savesWhatAnotherUserCanWrite() {
        QFETCH(int, folderMode);
        QFETCH(int, fileOwner);
        QFETCH(int, fileGroup);
        QFETCH(int, fileMode);
        QFETCH(bool, inPlace);
        if (::geteuid() != 0)
            QSKIP("needs root to give files to another user and to save as that user");
        QTemporaryDir top;
        QVERIFY(::chmod(qPrintable(top.path()), 0755) == 0);
        const QString dir = top.filePath("folder");
        const QString path = dir + "/euro.cfg";
        QVERIFY(QDir().mkdir(dir));
        QVERIFY(writeBytes(path, "old"));
        QVERIFY(::chown(qPrintable(path), uid_t(fileOwner), gid_t(fileGroup)) == 0);
        QVERIFY(::chmod(qPrintable(path), mode_t(fileMode)) == 0);
        QVERIFY(::chmod(qPrintable(dir), mode_t(folderMode)) == 0);
        const struct stat before = statOf(path);

        const int code = inChild([&] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                return 200;
            try {
                writeFile(local(path), bufferWith("new"));
            } catch (const core::EInOutError& e) {
                return e.errorCode();
            }
            return 0;
        });
        if (code == 200)
            QSKIP("cannot switch to an unprivileged user here");
        QCOMPARE(code, 0);
        QCOMPARE(readBytes(path), std::string("new\r\n"));
        const struct stat after = statOf(path);
        QCOMPARE(after.st_uid, uid_t(fileOwner));
        QCOMPARE(after.st_gid, gid_t(fileGroup));
        QCOMPARE(after.st_mode & 07777, mode_t(fileMode));
        QCOMPARE(after.st_ino == before.st_ino, inPlace);
        QCOMPARE(entries(dir), QStringList{"euro.cfg"});
    }

    // What the file is stays: other hard links see the new text (the file is written in
    // place), and extended attributes are carried over to the replacement.
    void keepsOtherNamesAndAttributes_data() {
        QTest::addColumn<bool>("hardLink");
        QTest::newRow("another hard link") << true;
        QTest::newRow("an extended attribute") << false;
    }
    void keepsOtherNamesAndAttributes() {
        QFETCH(bool, hardLink);
        QTemporaryDir dir;
        const QString path = dir.filePath("euro.cfg");
        const QString other = dir.filePath("other-name.cfg");
        QVERIFY(writeBytes(path, "old"));
        if (hardLink)
            QVERIFY(::link(qPrintable(path), qPrintable(other)) == 0);
        else if (::setxattr(qPrintable(path), "user.origin", "game", 4, 0) != 0)
            QSKIP("this file system keeps no extended attributes for users");
        writeFile(local(path), bufferWith("new"));
        QCOMPARE(readBytes(path), std::string("new\r\n"));
        if (hardLink) {
            QCOMPARE(readBytes(other), std::string("new\r\n"));
            QCOMPARE(statOf(path).st_ino, statOf(other).st_ino);
            QCOMPARE(entries(dir.path()), (QStringList{"euro.cfg", "other-name.cfg"}));
        } else {
            char value[8] = {};
            QCOMPARE(::getxattr(qPrintable(path), "user.origin", value, sizeof value), ssize_t(4));
            QCOMPARE(std::string(value), std::string("game"));
            QCOMPARE(entries(dir.path()), QStringList{"euro.cfg"});
        }
    }

    // Another copy of the program saving the same file holds the temporary's lock: a save
    // waits a moment, then reports the file busy instead of freezing the window.
    void anotherCopySavingMakesTheFileBusy() {
        QTemporaryDir dir;
        const QString path = dir.filePath("euro.cfg");
        QVERIFY(writeBytes(path, "old"));
        const QString temporary = dir.filePath(".euro.cfg.vantorel-save");
        QVERIFY(writeBytes(temporary, "theirs"));
        const int theirs = ::open(qPrintable(temporary), O_RDONLY | O_CLOEXEC);
        QVERIFY(theirs >= 0 && ::flock(theirs, LOCK_EX) == 0);
        const auto started = std::chrono::steady_clock::now();
        expectFailure(path, bufferWith("new"), core::EInOutError::kFileBusy);
        const auto waited = std::chrono::steady_clock::now() - started;
        ::close(theirs);
        QVERIFY(waited >= std::chrono::milliseconds(200));
        QVERIFY(waited < std::chrono::seconds(1));
        QCOMPARE(readBytes(path), std::string("old"));
        QCOMPARE(readBytes(temporary), std::string("theirs"));
    }

    void failures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("code");
        QTest::newRow("missing folder") << m_dir.filePath("nowhere/euro.cfg") << 2;
        QTest::newRow("file as folder") << m_dir.filePath("plain.txt/euro.cfg") << 3;
        QTest::newRow("folder as target") << m_dir.path() << 3;
        QTest::newRow("trailing slash") << m_dir.filePath("nowhere/") << 3;
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
                // An exit status holds one byte.
                return e.errorCode() == core::EInOutError::kOtherBase + EFBIG ? 0 : 202;
            }
            return 201;
        });
        QCOMPARE(code, 0);
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
