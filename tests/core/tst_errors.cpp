#include "core/Boundary.h"
#include "core/Exception.h"
#include "core/FileKit.h"

#include <QTest>

#include <cerrno>

using namespace core;
namespace files = core::files;

class TestErrors : public QObject {
    Q_OBJECT

private slots:
    void ioMessages_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("2 not found") << 2 << "File not found";
        QTest::newRow("3 bad name") << 3 << "Invalid filename";
        QTest::newRow("4 too many") << 4 << "Too many open files";
        QTest::newRow("5 denied") << 5 << "File access denied";
        QTest::newRow("100 eof") << 100 << "Read beyond end of file";
        QTest::newRow("101 disk full") << 101 << "Disk full";
        QTest::newRow("106 numeric") << 106 << "Invalid numeric input";
        QTest::newRow("32 busy") << 32 << "File busy: another copy of the program is saving it";
        QTest::newRow("1005 device") << 1005 << "Input/output error: the disk or device failed";
        QTest::newRow("1101 other") << 1101 << "I/O error 1101";
        QTest::newRow("0 other") << 0 << "I/O error 0";
    }
    void ioMessages() {
        QFETCH(int, code);
        QFETCH(QString, message);
        const EInOutError e(code);
        QCOMPARE(QString::fromStdString(e.message()), message);
        QCOMPARE(e.errorCode(), code);
    }

    void errnoMapping_data() {
        QTest::addColumn<int>("err");
        QTest::addColumn<int>("code");
        QTest::newRow("ENOENT") << ENOENT << 2;
        QTest::newRow("ENOTDIR") << ENOTDIR << 3;
        QTest::newRow("EMFILE") << EMFILE << 4;
        QTest::newRow("ENFILE") << ENFILE << 4;
        QTest::newRow("EACCES") << EACCES << 5;
        QTest::newRow("EPERM") << EPERM << 5;
        QTest::newRow("EROFS") << EROFS << 5;
        QTest::newRow("ENOSPC") << ENOSPC << 101;
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << 3;
        QTest::newRow("busy") << files::kBusy << 32;
        QTest::newRow("not a file") << files::kNotAFile << 3;
        // Other numbers must not read as one of the program's codes.
        QTest::newRow("EIO") << EIO << 1005;
        QTest::newRow("ENETUNREACH") << ENETUNREACH << 1000 + ENETUNREACH;
        QTest::newRow("EISCONN") << EISCONN << 1000 + EISCONN;
        QTest::newRow("EISDIR") << EISDIR << 1000 + EISDIR;
    }
    void errnoMapping() {
        QFETCH(int, err);
        QFETCH(int, code);
        QCOMPARE(files::ioCodeFor(err), code);
    }

    void classNames() {
        QCOMPARE(QString(EFOpenError("x").className()), "EFOpenError");
        QCOMPARE(QString(ERegistryException("x").className()), "ERegistryException");
        QCOMPARE(QString(EInOutError(5).className()), "EInOutError");
        const Exception& base = EResNotFound("x");
        QCOMPARE(QString(base.className()), "EResNotFound");
    }

    void boundaryReportsAndDropsAbort() {
        QStringList seen;
        const auto previous = setErrorSink([&](std::exception_ptr p) {
            try {
                std::rethrow_exception(p);
            } catch (const Exception& e) {
                seen << QString::fromStdString(e.message());
            }
        });
        auto failing = guarded([] { throw EFOpenError("Cannot open file x"); });
        auto aborting = guarded([] { throw EAbort("quiet"); });
        int calls = 0;
        auto fine = guarded([&](int n) { calls += n; });
        failing();
        aborting();
        fine(2);
        setErrorSink(previous);
        QCOMPARE(seen, QStringList{"Cannot open file x"});
        QCOMPARE(calls, 2);
    }

    void guardedIsNotInvocableWithExtraArguments() {
        auto noArgs = guarded([] {});
        static_assert(std::invocable<decltype(noArgs)>);
        static_assert(!std::invocable<decltype(noArgs), bool>);
    }
};

QTEST_APPLESS_MAIN(TestErrors)
#include "tst_errors.moc"
