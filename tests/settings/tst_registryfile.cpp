#include "settings/RegistryFile.h"

#include <QTest>

using namespace settings;

namespace {

std::string bytes(const QByteArray& a) {
    return std::string(a.constData(), static_cast<std::size_t>(a.size()));
}

const std::string kKeyHead =
    "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n[HKEY_CURRENT_USER\\Software\\Test]\r\n";

} // namespace

class TestRegistryFile : public QObject {
    Q_OBJECT

private slots:
    // Each value form: the exact line the writer produces, and a byte-exact trip back.
    void valueForms_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("line");
        const auto sz = [](const char* tag, QByteArray data, QByteArray line) {
            QTest::newRow(tag) << QByteArray("V") << uint(REG_SZ) << data << line;
        };
        sz("sz text", QByteArray("Arial", 6), "\"V\"=\"Arial\"");
        sz("sz empty text", QByteArray(1, '\0'), "\"V\"=\"\"");
        sz("sz quote and backslash", QByteArray("a\"b\\c", 6), "\"V\"=\"a\\\"b\\\\c\"");
        sz("sz Windows-1252", QByteArray("caf\xe9 \x80", 7), "\"V\"=\"caf\xe9 \x80\"");
        sz("sz without terminator", "abc", "\"V\"=hex(1):61,62,63");
        sz("sz two terminators", QByteArray("ab\0\0", 4), "\"V\"=hex(1):61,62,00,00");
        sz("sz embedded zero", QByteArray("a\0b", 4), "\"V\"=hex(1):61,00,62,00");
        sz("sz tab", QByteArray("a\tb", 4), "\"V\"=hex(1):61,09,62,00");
        sz("sz undefined 1252 byte", QByteArray("\x81", 2), "\"V\"=hex(1):81,00");
        sz("sz no data", QByteArray(), "\"V\"=hex(1):");
        QTest::newRow("expand sz") << QByteArray("V") << uint(REG_EXPAND_SZ) << QByteArray("%H%", 4)
                                   << QByteArray("\"V\"=hex(2):25,48,25,00");
        const auto dword = [](const char* tag, QByteArray data, QByteArray line) {
            QTest::newRow(tag) << QByteArray("V") << uint(REG_DWORD) << data << line;
        };
        dword("dword 0 bytes", QByteArray(), "\"V\"=hex(4):");
        dword("dword 3 bytes", "\x01\x02\x03", "\"V\"=hex(4):01,02,03");
        dword("dword 4 bytes", "\x78\x56\x34\x12", "\"V\"=dword:12345678");
        dword("dword zero", QByteArray(4, '\0'), "\"V\"=dword:00000000");
        dword("dword all ones", "\xff\xff\xff\xff", "\"V\"=dword:ffffffff");
        dword("dword 5 bytes", "\x01\x02\x03\x04\x05", "\"V\"=hex(4):01,02,03,04,05");
        QTest::newRow("type 0") << QByteArray("V") << 0u << QByteArray() << QByteArray("\"V\"=hex(0):");
        QTest::newRow("type 3") << QByteArray("V") << 3u << QByteArray("\xde\xad")
                                << QByteArray("\"V\"=hex(3):de,ad");
        QTest::newRow("type 11") << QByteArray("V") << 11u << QByteArray("\x01\0\0\0\0\0\0\x80", 8)
                                 << QByteArray("\"V\"=hex(b):01,00,00,00,00,00,00,80");
        QTest::newRow("type 0x12345678")
            << QByteArray("V") << 0x12345678u << QByteArray("\x01") << QByteArray("\"V\"=hex(12345678):01");
        QTest::newRow("default value")
            << QByteArray() << uint(REG_SZ) << QByteArray("x", 2) << QByteArray("@=\"x\"");
        QTest::newRow("name escaped") << QByteArray("a\"b\\") << uint(REG_SZ) << QByteArray("x", 2)
                                      << QByteArray("\"a\\\"b\\\\\"=\"x\"");
    }
    void valueForms() {
        QFETCH(QByteArray, name);
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, line);
        RegistryTree tree;
        tree.setValue("Software\\Test", bytes(name), RegistryValue{type, bytes(data)});
        const std::string text = RegistryFile::serialise(tree);
        QCOMPARE(QByteArray::fromStdString(text), QByteArray::fromStdString(kKeyHead) + line + "\r\n");
        const RegistryFile::Contents back = RegistryFile::parse(text);
        QVERIFY(back.tree == tree && back.skipped.empty());
    }

    void longDataWraps_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("short name") << QByteArray("Blob");
        QTest::newRow("name longer than a line") << QByteArray(90, 'n');
    }
    void longDataWraps() {
        QFETCH(QByteArray, name);
        std::string data;
        for (int i = 0; i < 200; ++i)
            data += static_cast<char>(i);
        RegistryTree tree;
        tree.setValue("K", bytes(name), RegistryValue{REG_BINARY, data});
        const std::string text = RegistryFile::serialise(tree);
        const QList<QByteArray> lines = QByteArray::fromStdString(text).split('\n');
        const int first = lines.indexOf("[HKEY_CURRENT_USER\\K]\r") + 1;
        QVERIFY(lines[first].startsWith("\"" + name + "\"=hex(3):"));
        QVERIFY(lines[first].endsWith("\\\r"));
        int count = 0;
        for (int i = first; i < lines.size() - 1; ++i) {
            const QByteArray& l = lines[i];
            if (i > first) {
                QVERIFY2(l.startsWith("  ") && l[2] != ' ', l.constData());
                QVERIFY2(l.size() - 1 <= 80, l.constData());
            }
            const bool continues = i + 2 < lines.size();
            QCOMPARE(l.endsWith(",\\\r") || (i == first && l.endsWith(":\\\r")), continues);
            count += int(l.count(',') + (continues ? 0 : 1));
        }
        QCOMPARE(count, 200);
        QVERIFY(RegistryFile::parse(text).tree == tree);
    }

    void keysFollowTheirParents() {
        RegistryTree tree;
        tree.createKey("A B");
        tree.createKey("a\\c");
        tree.createKey("A\\B");
        QVERIFY(tree.keyExists("a b") && tree.keyExists("A") && tree.keyExists("A\\C"));
        QCOMPARE(QByteArray::fromStdString(RegistryFile::serialise(tree)),
                 "REGEDIT4\r\n"
                 "\r\n[HKEY_CURRENT_USER\\a]\r\n"
                 "\r\n[HKEY_CURRENT_USER\\a\\B]\r\n"
                 "\r\n[HKEY_CURRENT_USER\\a\\c]\r\n"
                 "\r\n[HKEY_CURRENT_USER\\A B]\r\n");
    }

    // What people and tools write: the values read, the lines skipped, and the canonical form
    // that the next write gives. Values of the input start on line 3.
    void reader_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("values"); // the canonical lines of key K
        QTest::addColumn<QList<int>>("skipped");
        const QByteArray k = "REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n";
        const auto row = [](const char* tag, QByteArray input, QByteArray values, QList<int> skipped = {}) {
            QTest::newRow(tag) << input << values << skipped;
        };
        const QByteArray v = "\"V\"=\"x\"\r\n";
        row("LF", "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"V\"=\"x\"\n", v);
        row("lone CR", "REGEDIT4\r[HKEY_CURRENT_USER\\K]\r\"V\"=\"x\"\r", v);
        row("CR before CR LF", "REGEDIT4\r\r\n[HKEY_CURRENT_USER\\K]\r\r\n\"V\"=\"x\"", v);
        row("BOM and blanks around the header",
            "\xef\xbb\xbf \tREGEDIT4 \r\n[HKEY_CURRENT_USER\\K]\r\n\"V\"=\"x\"", v);
        row("version 5 header", "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n\"V\"=\"x\"",
            v);
        row("blanks",
            "REGEDIT4\r\n \t[HKEY_CURRENT_USER\\K] \t\r\n \t\"V\" \t= \t\"a\tb\" \t\r\n\t@ = dword:1\t\r\n",
            "\"V\"=hex(1):61,09,62,00\r\n@=dword:00000001\r\n");
        row("comments",
            k + "# a\r\n ;b\r\n\t#c\r\n\"V\"=\"a;b\" ; d\r\n\"W\"=dword:1;e\r\n\"X\"=hex:01 ; f\r\n",
            "\"V\"=\"a;b\"\r\n\"W\"=dword:00000001\r\n\"X\"=hex(3):01\r\n");
        row("hex list with comments, blank lines, blanks, a trailing comma",
            k + "\"V\"=hex: 1 , a,\\\r\n ; c\r\n\r\n # c\r\n FF,\r\n", "\"V\"=hex(3):01,0a,ff\r\n");
        row("hex list cut off by the end", k + "\"V\"=hex(7):61,\\\r\n\r\n; c", "\"V\"=hex(7):61\r\n");
        row("hex list going on without a comma", k + "\"V\"=hex:01\\\r\n02", "\"V\"=hex(3):01,02\r\n");
        row("dword digits", k + "\"A\"=dword:1\r\n\"B\"=dword:aB\r\n\"C\"=dword:DEADbeef\r\n",
            "\"A\"=dword:00000001\r\n\"B\"=dword:000000ab\r\n\"C\"=dword:deadbeef\r\n");
        row("\"\" is the default value", k + "\"\"=\"a\"\r\n@=\"b\"\r\n\"\"=\"c\"\r\n", "@=\"c\"\r\n");
        row("escapes", k + "\"V\\\\\\\"\"=\"a\\\\b\\\"c\\nd\\re\\qf\"\r\n",
            "\"V\\\\\\\"\"=hex(1):61,5c,62,22,63,0a,64,0d,65,71,66,00\r\n");
        row("control byte in text", k + "\"V\"=\"a\x01\"\r\n", "\"V\"=hex(1):61,01,00\r\n");
        row("key path ending in a backslash, text after ]",
            "REGEDIT4\r\n[HKEY_CURRENT_USER\\K\\] ; note\r\n\"V\"=\"x\"", v);
        row("repeated key and value",
            k + "\"V\"=\"a\"\r\n\"W\"=\"w\"\r\n[hkey_current_user\\k]\r\n\"v\"=\"x\"\r\n",
            "\"V\"=\"x\"\r\n\"W\"=\"w\"\r\n");
        row("other roots passed over",
            "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\S]\r\n\"V\"=hex:zz\r\n\"W\"=\"w\"\r\n[-HKEY_CLASSES_ROOT\\.x]"
            "\r\n"
            "[HKEY_USERS]\r\n[HKEY_CURRENT_USER\\K]\r\n\"V\"=\"x\"",
            v);
        // Skipped lines: each costs its own value only.
        row("bad lines among good ones",
            k + "\"A\"=dword:123456789\r\n\"B\"=hex:100\r\n\"C\"=hex(q):01\r\n\"D\"=qword:1\r\n\"E\"=-\r\n"
                "\"F\"=\"x\" y\r\n\"G\" \"x\"\r\nstray\r\n\"V\"=\"x\"\r\n\"H\"=\"open\r\n\"a\x01\"=\"x\"\r\n"
                "\"I\"=hex:01,,02\r\n\"J\"=dword:\r\n",
            v, {3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15});
        row("continued list going on with a comma", k + "\"A\"=hex:01,\\\r\n,02\r\n\"V\"=\"x\"", v, {3});
        row("continued list going on with a backslash", k + "\"A\"=hex:01,\\\r\n\\\r\n\"V\"=\"x\"", v, {3});
        row("continued list cut short by a value", k + "\"A\"=hex:01,\\\r\n\"V\"=\"x\"", v, {3});
        row("bad byte in a continued list", k + "\"A\"=hex:zz,\\\r\n  01,\\\r\n  02\r\n\"V\"=\"x\"", v, {3});
        row("value before the first key", "REGEDIT4\r\n\"A\"=\"a\"\r\n[HKEY_CURRENT_USER\\K]\r\n" + v, v,
            {2});
        row("bad key lines lose their sections",
            "REGEDIT4\r\n[HKEY_CURRENT_USER\\A\\\\B]\r\n\"A\"=\"a\"\r\n[HKEY_CURRENT_USR\\A]\r\n\"B\"="
            "\"b\"\r\n"
            "[-HKEY_CURRENT_USER\\K]\r\n[HKEY_CURRENT_USER\\A\r\n\"C\"=\"c\"\r\n[HKEY_CURRENT_USER\\K]\r\n" +
                v,
            v, {2, 4, 6, 7});
    }
    void reader() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, values);
        QFETCH(QList<int>, skipped);
        const RegistryFile::Contents contents = RegistryFile::parse(bytes(input));
        QList<int> lines;
        for (const RegistryFile::SkippedLine& s : contents.skipped)
            lines << s.line;
        QCOMPARE(lines, skipped);
        QCOMPARE(QByteArray::fromStdString(RegistryFile::serialise(contents.tree)),
                 "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n" + values);
    }

    // Only a file that is no store at all is refused, with the line that shows it.
    void readerRefuses_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("line");
        QTest::newRow("empty file") << QByteArray() << 1;
        QTest::newRow("other header") << QByteArray("REGEDIT5\r\n[HKEY_CURRENT_USER\\K]\r\n") << 1;
        QTest::newRow("lower-case header") << QByteArray("regedit4\r\n") << 1;
        QTest::newRow("header after a blank line") << QByteArray("\r\nREGEDIT4\r\n") << 1;
        const char nul[] = "REGEDIT4\r\r[HKEY_CURRENT_USER\\K]\n\"V\"=\"a\0b\"\r\n";
        QTest::newRow("NUL in a value") << QByteArray(nul, sizeof nul - 1) << 4;
        QTest::newRow("UTF-16") << QByteArray("\xff\xfeW\0i\0n\0", 8) << 1;
    }
    void readerRefuses() {
        QFETCH(QByteArray, input);
        QFETCH(int, line);
        try {
            RegistryFile::parse(bytes(input));
            QFAIL("parsed without an error");
        } catch (const RegistryFile::ParseError& e) {
            QCOMPARE(e.line(), line);
            QVERIFY(QString(e.what()).startsWith(QString("line %1: ").arg(line)));
        }
    }
};

QTEST_GUILESS_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
