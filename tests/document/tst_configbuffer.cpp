#include "TestFiles.h"
#include "core/Exception.h"
#include "document/ConfigBuffer.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace document;
using namespace testfiles;

Q_DECLARE_METATYPE(std::string)

class TestConfigBuffer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString& name, const std::string& bytes) {
        const QString path = m_dir.filePath(name);
        if (!writeBytes(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void emptyBufferIsOneEmptyLine() {
        const ConfigBuffer b;
        QCOMPARE(b.lineCount(), std::size_t(1));
        QCOMPARE(b.readLine(0), std::string());
        QCOMPARE(b.wholeText(), std::string());
    }

    void loadNormalises_data() {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<std::string>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty file") << std::string() << std::string() << 1;
        QTest::newRow("CR LF kept") << std::string("a\r\nb\r\n") << std::string("a\r\nb\r\n") << 3;
        QTest::newRow("LF only") << std::string("a\nb\n") << std::string("a\r\nb\r\n") << 3;
        QTest::newRow("CR only") << std::string("a\rb\r") << std::string("a\r\nb\r\n") << 3;
        QTest::newRow("mixed") << std::string("a\rb\nc\r\nd") << std::string("a\r\nb\r\nc\r\nd") << 4;
        QTest::newRow("LF CR is two ends") << std::string("a\n\rb") << std::string("a\r\n\r\nb") << 3;
        QTest::newRow("CR CR LF") << std::string("\r\r\n") << std::string("\r\n\r\n") << 3;
        QTest::newRow("no final end") << std::string("x\r\ny") << std::string("x\r\ny") << 2;
        QTest::newRow("NUL cuts") << std::string("ab\r\ncd\0ef\r\n", 11) << std::string("ab\r\ncd") << 2;
        QTest::newRow("only NULs") << std::string(5, '\0') << std::string() << 1;
        QTest::newRow("CR before NUL") << std::string("a\r\0\n", 4) << std::string("a\r\n") << 2;
    }
    void loadNormalises() {
        QFETCH(std::string, bytes);
        QFETCH(std::string, text);
        QFETCH(int, lines);
        ConfigBuffer b;
        b.setText("old\r\ncontent");
        b.load(local(file("in.cfg", bytes)));
        QCOMPARE(b.wholeText(), text);
        QCOMPARE(b.lineCount(), std::size_t(lines));
        ConfigBuffer fromMemory;
        fromMemory.setText(bytes);
        QCOMPARE(fromMemory.wholeText(), text);
    }

    void linesAndLineEnds() {
        ConfigBuffer b;
        b.setText("zero\r\none\r\n\r\nthree\r\n");
        QCOMPARE(b.lineCount(), std::size_t(5));
        QCOMPARE(b.readLine(0), std::string("zero"));
        QCOMPARE(b.readLine(1), std::string("one"));
        QCOMPARE(b.readLine(2), std::string());
        QCOMPARE(b.readLine(3), std::string("three"));
        QCOMPARE(b.readLine(4), std::string());
        QCOMPARE(b.readLine(10), std::string());
    }

    void replaceLine_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<std::string>("with");
        QTest::addColumn<std::string>("text");
        QTest::newRow("middle longer") << 1 << std::string("BBBB") << std::string("a\r\nBBBB\r\nc");
        QTest::newRow("middle shorter") << 1 << std::string("") << std::string("a\r\n\r\nc");
        QTest::newRow("first") << 0 << std::string("x") << std::string("x\r\nbb\r\nc");
        QTest::newRow("last without end") << 2 << std::string("zz") << std::string("a\r\nbb\r\nzz");
        QTest::newRow("past the end") << 3 << std::string("no") << std::string("a\r\nbb\r\nc");
        QTest::newRow("far past the end") << 10 << std::string("no") << std::string("a\r\nbb\r\nc");
        QTest::newRow("NUL ends the text") << 0 << std::string("p\0q", 3) << std::string("p\r\nbb\r\nc");
        QTest::newRow("LF becomes a line end")
            << 0 << std::string("p\nq") << std::string("p\r\nq\r\nbb\r\nc");
    }
    void replaceLine() {
        QFETCH(int, line);
        QFETCH(std::string, with);
        QFETCH(std::string, text);
        ConfigBuffer one, batch;
        one.setText("a\r\nbb\r\nc");
        batch.setText("a\r\nbb\r\nc");
        one.replaceLine(std::size_t(line), with);
        batch.replaceLines({{std::size_t(line), with}});
        ConfigBuffer fresh;
        fresh.setText(text);
        for (const ConfigBuffer* b : {&one, &batch}) {
            QCOMPARE(b->wholeText(), text);
            // The index follows the edit: every line reads back as the text says.
            QCOMPARE(b->lineCount(), fresh.lineCount());
            for (std::size_t n = 0; n < fresh.lineCount(); ++n)
                QCOMPARE(b->readLine(n), fresh.readLine(n));
        }
    }

    void replaceEmptyLastLineAfterFinalEnd() {
        ConfigBuffer b;
        b.setText("a\r\n");
        b.replaceLine(1, "tail");
        QCOMPARE(b.wholeText(), std::string("a\r\ntail"));
        QCOMPARE(b.lineCount(), std::size_t(2));
    }

    void manyReplacementsKeepTheIndex() {
        ConfigBuffer b;
        std::string text;
        for (int i = 0; i < 300; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        b.setText(text);
        ConfigBuffer batch = b;
        std::map<std::size_t, std::string> lines;
        for (int i = 0; i < 300; i += 7) {
            b.replaceLine(std::size_t(i), std::string(std::size_t(i % 13), 'x'));
            lines[std::size_t(i)] = std::string(std::size_t(i % 13), 'x');
        }
        lines[400] = "past the end";
        batch.replaceLines(lines);
        for (int i = 0; i < 300; ++i) {
            const std::string expected =
                i % 7 == 0 ? std::string(std::size_t(i % 13), 'x') : "line " + std::to_string(i);
            QCOMPARE(b.readLine(std::size_t(i)), expected);
            QCOMPARE(batch.readLine(std::size_t(i)), expected);
        }
        QCOMPARE(b.lineCount(), std::size_t(301));
        QCOMPARE(batch.wholeText(), b.wholeText());
        QCOMPARE(batch.lineCount(), std::size_t(301));
    }

    void longLineReadsFirst4096AndStaysWhole() {
        const std::string longLine = std::string(5000, 'L') + "END";
        ConfigBuffer b;
        b.load(local(file("long.cfg", "first\r\n" + longLine + "\r\nlast")));
        QCOMPARE(b.lineCount(), std::size_t(3)); // no wrapping, however long
        QCOMPARE(b.readLine(1), longLine.substr(0, 4096));
        QCOMPARE(b.readLine(2), std::string("last"));
        QCOMPARE(b.wholeText(), "first\r\n" + longLine + "\r\nlast");
    }

    void allByteValuesButNulSurvive() {
        std::string bytes;
        for (int c = 1; c < 256; ++c)
            if (c != '\r' && c != '\n')
                bytes += char(c);
        bytes += "\r\n";
        ConfigBuffer b;
        b.load(local(file("bytes.cfg", bytes)));
        QCOMPARE(b.wholeText(), bytes);
        QCOMPARE(b.readLine(0).size(), std::size_t(253));
    }

    void unchangedTextKeepsTheBuffer() {
        ConfigBuffer b;
        b.load(local(file("same.cfg", "a\nb")));
        const char* before = b.wholeText().data();
        b.load(local(file("same2.cfg", "a\r\nb")));
        QCOMPARE(b.wholeText(), std::string("a\r\nb"));
        QCOMPARE(static_cast<const void*>(b.wholeText().data()), static_cast<const void*>(before));
    }

    void openFailures_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << m_dir.filePath("missing.cfg");
        QTest::newRow("folder") << m_dir.path();
        QTest::newRow("missing folder") << m_dir.filePath("nowhere/euro.cfg");
        QTest::newRow("empty name") << QString();
    }
    void openFailures() {
        QFETCH(QString, path);
        ConfigBuffer b;
        b.setText("kept\r\n");
        try {
            b.load(local(path));
            QFAIL("load did not raise");
        } catch (const core::EFOpenError& e) {
            QCOMPARE(e.message(), "Cannot open file " + local(path));
        }
        QCOMPARE(b.wholeText(), std::string("kept\r\n"));
        QCOMPARE(b.lineCount(), std::size_t(2));
    }

    void unreadableFile() {
        const QString path = file("secret.cfg", "x");
        QVERIFY(::chmod(qPrintable(path), 0) == 0);
        const auto attempt = [&] {
            ConfigBuffer b;
            b.setText("kept");
            try {
                b.load(local(path));
            } catch (const core::EFOpenError& e) {
                return e.message() == "Cannot open file " + local(path) && b.wholeText() == "kept" ? 0 : 2;
            }
            return 1;
        };
        if (::geteuid() != 0) {
            QCOMPARE(attempt(), 0);
            return;
        }
        // Permissions do not bind root: try it as an unprivileged user in a child process.
        QVERIFY(::chmod(qPrintable(m_dir.path()), 0755) == 0);
        const int status = inChild([&] {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                return 3;
            return attempt();
        });
        if (status == 3)
            QSKIP("running as root and cannot switch to an unprivileged user to test permissions");
        QCOMPARE(status, 0);
    }

    void capacity_data() {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<bool>("fits");
        QTest::newRow("at capacity") << std::string("0123456789") << true;
        QTest::newRow("file larger") << std::string("0123456789A") << false;
        QTest::newRow("grows past by LF") << std::string("012345678\n") << false;
        QTest::newRow("file larger though its NUL cut would fit")
            << std::string("abc\r\n\0\0\0\0\0\0\0", 12) << false;
    }
    void capacity() {
        QFETCH(std::string, bytes);
        QFETCH(bool, fits);
        ConfigBuffer b(10);
        b.setText("kept");
        const std::string path = local(file("cap.cfg", bytes));
        if (fits) {
            b.load(path);
            QCOMPARE(b.wholeText(), bytes);
            return;
        }
        try {
            b.load(path);
            QFAIL("load did not raise");
        } catch (const core::EInvalidOperation& e) {
            QCOMPARE(e.message(), std::string("Text exceeds memo capacity"));
        }
        QCOMPARE(b.wholeText(), std::string("kept"));
    }

    void capacityBoundsReplaceLine() {
        ConfigBuffer b(8);
        b.setText("ab\r\ncd");
        QVERIFY_THROWS_EXCEPTION(core::EInvalidOperation, b.replaceLine(0, "abcde"));
        QCOMPARE(b.wholeText(), std::string("ab\r\ncd"));
        b.replaceLine(0, "abcd");
        QCOMPARE(b.wholeText(), std::string("abcd\r\ncd"));
    }

    void clearGivesOneEmptyLine() {
        ConfigBuffer b;
        b.setText("a\r\nb\r\nc");
        b.clear();
        QCOMPARE(b.wholeText(), std::string());
        QCOMPARE(b.lineCount(), std::size_t(1));
        QCOMPARE(b.readLine(1), std::string());
    }
};

QTEST_GUILESS_MAIN(TestConfigBuffer)
#include "tst_configbuffer.moc"
