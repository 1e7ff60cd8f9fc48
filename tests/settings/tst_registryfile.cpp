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
        const RegistryTree back = RegistryFile::parse(text);
        QVERIFY(back == tree);
        QCOMPARE(RegistryFile::serialise(back), text);
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
        QVERIFY(RegistryFile::parse(text) == tree);
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

    // What a person may paste in: read, then written in the canonical form.
    void readerAccepts_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("canonical");
        const QByteArray k = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n";
        QTest::newRow("LF line ends")
            << QByteArray("REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"V\"=\"x\"\n") << k + "\"V\"=\"x\"\r\n";
        QTest::newRow("comments and blank lines")
            << QByteArray("REGEDIT4\r\n; saved by hand\r\n  \r\n[HKEY_CURRENT_USER\\K]\r\n  ; "
                          "note\r\n\"V\"=\"x\"\r\n\r\n")
            << k + "\"V\"=\"x\"\r\n";
        QTest::newRow("hex: is binary")
            << QByteArray("REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n\"V\"=hex:0A,ff\r\n")
            << k + "\"V\"=hex(3):0a,ff\r\n";
        QTest::newRow("upper-case dword")
            << QByteArray("REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n\"V\"=dword:0000ABCD")
            << k + "\"V\"=dword:0000abcd\r\n";
        QTest::newRow("continuation indented with a tab")
            << QByteArray("REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n\"V\"=hex(7):61,\\\r\n\t62,\\\n00\r\n")
            << k + "\"V\"=hex(7):61,62,00\r\n";
        QTest::newRow("values on the root")
            << QByteArray("REGEDIT4\r\n[hkey_current_user]\r\n@=\"r\"\r\n")
            << QByteArray("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER]\r\n@=\"r\"\r\n");
    }
    void readerAccepts() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, canonical);
        QCOMPARE(QByteArray::fromStdString(RegistryFile::serialise(RegistryFile::parse(bytes(input)))),
                 canonical);
    }

    void readerRejects_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const QByteArray k = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n"; // values start on line 4
        QTest::newRow("empty file") << QByteArray() << 1 << "first line must be REGEDIT4";
        QTest::newRow("wrong header") << QByteArray("REGEDIT5\r\n") << 1 << "first line must be REGEDIT4";
        QTest::newRow("header with BOM") << QByteArray("\xef\xbb\xbfREGEDIT4\r\n") << 1 << "first line";
        QTest::newRow("binary junk") << QByteArray("REGEDIT4\r\n\x7f"
                                                   "ELF\x02\x01",
                                                   16)
                                     << 2 << "control character";
        QTest::newRow("NUL in a value")
            << k + QByteArray("\"V\"=\"a\0b\"\r\n", 11) << 4 << "control character 0x00";
        QTest::newRow("stray CR") << k + "\"V\"=\"a\"\r\r\n" << 4 << "control character 0x0d";
        QTest::newRow("truncated continuation")
            << k + "\"V\"=hex(3):01,\\" << 4 << "past the end of the file";
        QTest::newRow("continuation then blank") << k + "\"V\"=hex(3):01,\\\r\n\r\n" << 5 << "continuation";
        QTest::newRow("truncated text") << k + "\"V\"=\"abc" << 4 << "missing closing quote";
        QTest::newRow("truncated key")
            << QByteArray("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\So") << 3 << "missing ']'";
        QTest::newRow("bad hex digit") << k + "\"V\"=hex(3):01,zz\r\n" << 4 << "bad hex byte \"zz\"";
        QTest::newRow("one hex digit") << k + "\"V\"=hex:1\r\n" << 4 << "bad hex byte \"1\"";
        QTest::newRow("trailing comma") << k + "\"V\"=hex:01,\r\n" << 4 << "bad hex byte \"\"";
        QTest::newRow("space in hex list") << k + "\"V\"=hex:01, 02\r\n" << 4 << "bad hex byte \" 02\"";
        QTest::newRow("bad hex type") << k + "\"V\"=hex(123456789):01\r\n" << 4 << "bad value type";
        QTest::newRow("short dword") << k + "\"V\"=dword:123\r\n" << 4 << "bad dword";
        QTest::newRow("bad dword digit") << k + "\"V\"=dword:1234567g\r\n" << 4 << "bad dword";
        QTest::newRow("duplicate key") << k + "\"V\"=\"a\"\r\n\r\n[HKEY_CURRENT_USER\\k]\r\n"
                                       << 6 << "duplicate key";
        QTest::newRow("duplicate value") << k + "\"V\"=\"a\"\r\n\"v\"=dword:00000001\r\n"
                                         << 5 << "duplicate value";
        QTest::newRow("value before any key")
            << QByteArray("REGEDIT4\r\n\"V\"=\"a\"\r\n") << 2 << "before the first key";
        QTest::newRow("unknown escape") << k + "\"V\"=\"a\\n\"\r\n" << 4 << "unknown escape";
        QTest::newRow("text after value") << k + "\"V\"=\"a\" x\r\n" << 4 << "after the closing quote";
        QTest::newRow("missing equals") << k + "\"V\" \"a\"\r\n" << 4 << "expected '='";
        QTest::newRow("empty quoted name") << k + "\"\"=\"a\"\r\n" << 4 << "empty value name";
        QTest::newRow("unknown form") << k + "\"V\"=qword:1\r\n" << 4 << "unknown value form";
        QTest::newRow("deleting a value") << k + "\"V\"=-\r\n" << 4 << "not supported";
        QTest::newRow("deleting a key")
            << QByteArray("REGEDIT4\r\n[-HKEY_CURRENT_USER\\K]\r\n") << 2 << "not supported";
        QTest::newRow("other root") << QByteArray("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\K]\r\n") << 2
                                    << "key outside";
        QTest::newRow("empty key name")
            << QByteArray("REGEDIT4\r\n[HKEY_CURRENT_USER\\A\\\\B]\r\n") << 2 << "bad key path";
        QTest::newRow("stray text") << k + "hello\r\n" << 4 << "unexpected text";
    }
    void readerRejects() {
        QFETCH(QByteArray, input);
        QFETCH(int, line);
        QFETCH(QString, reason);
        try {
            RegistryFile::parse(bytes(input));
            QFAIL("parsed without an error");
        } catch (const RegistryFile::ParseError& e) {
            QCOMPARE(e.line(), line);
            QVERIFY2(QString::fromStdString(e.reason()).contains(reason), e.what());
            QVERIFY(QString(e.what()).startsWith(QString("line %1: ").arg(line)));
        }
    }
};

QTEST_GUILESS_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
