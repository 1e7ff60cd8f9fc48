#include "core/Exception.h"
#include "settings/RegistryStore.h"
#include "settings/TRegIniFile.h"
#include "settings/TRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace settings;

namespace {

const std::string kOptions = "Software\\Ludovane9900Vantorel\\Options";

std::string bytes(const QByteArray& a) {
    return std::string(a.constData(), static_cast<std::size_t>(a.size()));
}

// The message of the ERegistryException that f throws, or "" when it throws nothing.
QString registryError(const std::function<void()>& f) {
    try {
        f();
    } catch (const core::ERegistryException& e) {
        return QString::fromStdString(e.message());
    }
    return {};
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString filePath() const { return m_dir->path() + "/vantorel/registry.reg"; }
    void store(const std::string& key, const std::string& name, uint type, const QByteArray& data) {
        QVERIFY(RegistryStore().setValue(key, name, type, bytes(data)));
    }
    // Points the store at a path below a regular file, where no folder can be made.
    void makeStoreUnwritable() {
        QFile blocker(m_dir->path() + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path()));
    }

    void openKeyPaths() {
        TRegistry reg;
        QVERIFY(!reg.hasCurrentKey());
        QVERIFY(!reg.openKey("Software\\A", false));
        QVERIFY(!QFile::exists(filePath()));
        QVERIFY(reg.openKey("Software\\A", true));
        QCOMPARE(reg.currentPath(), "Software\\A");
        QVERIFY(reg.openKey("B", true)); // relative to the open key
        QCOMPARE(reg.currentPath(), "Software\\A\\B");
        QVERIFY(!reg.openKey("Missing", false));
        QCOMPARE(reg.currentPath(), "Software\\A\\B"); // a failure keeps the open key
        QVERIFY(!reg.openKey("X\\\\Y", true));
        QVERIFY(reg.openKey("\\Software", false)); // from the root
        QCOMPARE(reg.currentPath(), "Software");
        QVERIFY(reg.openKey("a\\b", false));
        QCOMPARE(reg.currentPath(), "Software\\a\\b");
        QVERIFY(reg.openKey("", false));
        QCOMPARE(reg.currentPath(), "Software\\a\\b");
        reg.closeKey();
        QVERIFY(!reg.hasCurrentKey());
        QVERIFY(reg.openKey("Software\\A", false)); // relative to the root again
        QVERIFY(reg.openKey("\\", false));
        QCOMPARE(reg.currentPath(), "");
        makeStoreUnwritable();
        QVERIFY(!reg.openKey("Software\\Ludovane9900Vantorel\\Options", true)); // no throw either
    }

    void readString_data() {
        QTest::addColumn<int>("type"); // -1: the value is absent
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("error");
        QTest::newRow("absent") << -1 << QByteArray() << ""
                                << "";
        QTest::newRow("sz") << int(REG_SZ) << QByteArray("Arial", 6) << "Arial"
                            << "";
        QTest::newRow("sz without terminator") << int(REG_SZ) << QByteArray("Arial") << "Arial"
                                               << "";
        QTest::newRow("sz embedded zero") << int(REG_SZ) << QByteArray("Ar\0ial", 7) << "Ar"
                                          << "";
        QTest::newRow("sz size 0") << int(REG_SZ) << QByteArray() << ""
                                   << "";
        QTest::newRow("expand sz") << int(REG_EXPAND_SZ) << QByteArray("%A%", 4) << "%A%"
                                   << "";
        QTest::newRow("dword size 0") << int(REG_DWORD) << QByteArray() << ""
                                      << "";
        QTest::newRow("dword") << int(REG_DWORD) << QByteArray(4, '\1') << ""
                               << "Invalid data type for 'Font'";
        QTest::newRow("binary") << int(REG_BINARY) << QByteArray("a") << ""
                                << "Invalid data type for 'Font'";
    }
    void readString() {
        QFETCH(int, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, result);
        QFETCH(QString, error);
        TRegistry reg;
        QVERIFY(reg.openKey(kOptions, true));
        if (type >= 0)
            store(kOptions, "font", uint(type), data); // names ignore case
        std::string text = "unchanged";
        QCOMPARE(registryError([&] { text = reg.readString("Font"); }), error);
        if (error.isEmpty())
            QCOMPARE(QString::fromStdString(text), result);
    }

    void readInteger_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("error");
        QTest::newRow("absent") << -1 << QByteArray() << 0 << "Failed to get data for 'FontColor'";
        QTest::newRow("dword") << int(REG_DWORD) << QByteArray("\xff\0\0\0", 4) << 255 << "";
        QTest::newRow("dword negative") << int(REG_DWORD) << QByteArray("\xfe\xff\xff\xff") << -2 << "";
        QTest::newRow("dword 2 bytes fill the low end")
            << int(REG_DWORD) << QByteArray("\x34\x12") << 0x1234 << "";
        QTest::newRow("dword 0 bytes") << int(REG_DWORD) << QByteArray() << 0 << "";
        QTest::newRow("dword 5 bytes")
            << int(REG_DWORD) << QByteArray(5, '\0') << 0 << "Failed to get data for 'FontColor'";
        QTest::newRow("short sz") << int(REG_SZ) << QByteArray("1", 2) << 0
                                  << "Invalid data type for 'FontColor'";
        QTest::newRow("long sz") << int(REG_SZ) << QByteArray("Arial", 6) << 0
                                 << "Failed to get data for 'FontColor'";
        QTest::newRow("binary 4 bytes")
            << int(REG_BINARY) << QByteArray(4, '\0') << 0 << "Invalid data type for 'FontColor'";
    }
    void readInteger() {
        QFETCH(int, type);
        QFETCH(QByteArray, data);
        QFETCH(int, result);
        QFETCH(QString, error);
        TRegistry reg;
        QVERIFY(reg.openKey(kOptions, true));
        if (type >= 0)
            store(kOptions, "FontColor", uint(type), data);
        int n = -99;
        QCOMPARE(registryError([&] { n = reg.readInteger("FontColor"); }), error);
        if (error.isEmpty()) {
            QCOMPARE(n, result);
            QCOMPARE(reg.readBool("FontColor"), result != 0);
        }
    }

    void writesStoreTheirForms() {
        TRegistry reg;
        QCOMPARE(registryError([&] { reg.writeString("Time", "1"); }), "Failed to set data for 'Time'");
        QCOMPARE(registryError([&] { reg.readInteger("Time"); }), "Failed to get data for 'Time'");
        QCOMPARE(QString::fromStdString(reg.readString("Time")), "");
        QVERIFY(reg.openKey(kOptions, true));
        reg.writeString("Font", "Times New Roman");
        reg.writeInteger("FontColor", -2);
        reg.writeBool("FontStyle", true);
        reg.writeString("Empty", "");
        const RegistryStore s;
        QCOMPARE(*s.queryValue(kOptions, "Font"),
                 (RegistryValue{REG_SZ, std::string("Times New Roman", 16)}));
        QCOMPARE(*s.queryValue(kOptions, "FontColor"), (RegistryValue{REG_DWORD, "\xfe\xff\xff\xff"}));
        QCOMPARE(*s.queryValue(kOptions, "FontStyle"),
                 (RegistryValue{REG_DWORD, std::string("\1\0\0\0", 4)}));
        QCOMPARE(*s.queryValue(kOptions, "Empty"), (RegistryValue{REG_SZ, std::string(1, '\0')}));
        QVERIFY(reg.readBool("FontStyle"));
        makeStoreUnwritable();
        QCOMPARE(registryError([&] { reg.writeString("Font", "Arial"); }), "Failed to set data for 'Font'");
        QCOMPARE(registryError([&] { reg.writeInteger("FontColor", 0); }),
                 "Failed to set data for 'FontColor'");
        QCOMPARE(registryError([&] { reg.writeBool("FontStyle", false); }),
                 "Failed to set data for 'FontStyle'");
    }

    // The flag's text as a number: the default when it is none, else true unless 0.
    void iniReadBool_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("withFalse"); // result with default false / true
        QTest::addColumn<int>("withTrue");
        const auto row = [](const char* text, int f, int t) {
            QTest::newRow(text) << QByteArray(text) << f << t;
        };
        row("1", 1, 1);
        row("0", 0, 0);
        row("0x1", 1, 1);
        row("0X10", 1, 1);
        row("0x0", 0, 0);
        row("$1f", 1, 1);
        row("$ffffffff", 1, 1);
        row(" 7", 1, 1);
        row("7 ", 0, 1);
        row("-1", 1, 1);
        row("+0", 0, 0);
        row("abc", 0, 1);
        row("", 0, 1);
        row("2147483647", 1, 1);
        row("2147483648", 0, 1);
        row("-2147483648", 1, 1);
        row("-2147483649", 0, 1);
        row("$123456789", 0, 1);
        row("$", 0, 1);
        row("0x", 0, 1);
        row(" 0x1", 0, 1);
        row("-$1", 0, 1);
        row("1e3", 0, 1);
    }
    void iniReadBool() {
        QFETCH(QByteArray, text);
        QFETCH(int, withFalse);
        QFETCH(int, withTrue);
        store(kOptions, "Tip", REG_SZ, text + QByteArray(1, '\0'));
        TRegIniFile ini("Software\\Ludovane9900Vantorel");
        QCOMPARE(int(ini.readBool("Options", "Tip", false)), withFalse);
        QCOMPARE(int(ini.readBool("Options", "Tip", true)), withTrue);
        QCOMPARE(ini.currentPath(), "Software\\Ludovane9900Vantorel");
    }

    void iniReadBoolDefaultsAndErrors() {
        TRegIniFile ini("Software\\Ludovane9900Vantorel");
        QVERIFY(ini.hasCurrentKey());
        QVERIFY(ini.readBool("Options", "Tip", true)); // no section
        QVERIFY(!RegistryStore().keyExists(kOptions)); // reading creates nothing
        store(kOptions, "Other", REG_SZ, QByteArray("0", 2));
        QVERIFY(ini.readBool("Options", "Tip", true)); // no value
        store(kOptions, "Tip", REG_DWORD, QByteArray());
        QVERIFY(ini.readBool("Options", "Tip", true)); // no data reads as empty text
        store(kOptions, "Tip", REG_DWORD, QByteArray(4, '\1'));
        QCOMPARE(registryError([&] { ini.readBool("Options", "Tip", false); }),
                 "Invalid data type for 'Tip'");
        QCOMPARE(ini.currentPath(), "Software\\Ludovane9900Vantorel"); // back on its key after the error
    }

    void iniWriteBool() {
        TRegIniFile ini("Software\\Ludovane9900Vantorel");
        ini.writeBool("Options", "Tip", true);
        QCOMPARE(*RegistryStore().queryValue(kOptions, "Tip"), (RegistryValue{REG_SZ, std::string("1", 2)}));
        ini.writeBool("Options", "Tip", false);
        QCOMPARE(*RegistryStore().queryValue(kOptions, "Tip"), (RegistryValue{REG_SZ, std::string("0", 2)}));
        QVERIFY(!ini.readBool("Options", "Tip", true));
        QCOMPARE(ini.currentPath(), "Software\\Ludovane9900Vantorel");
        makeStoreUnwritable();
        QCOMPARE(registryError([&] { ini.writeBool("Options", "Tip", true); }),
                 "Failed to create key Options");
    }

    // The first exit of the program with no stored settings leaves exactly this file.
    void programFile() {
        TRegIniFile tipHandle("Software\\Ludovane9900Vantorel");
        TRegistry key;
        QVERIFY(key.openKey("Software\\Ludovane9900Vantorel\\Options", true));
        key.writeString("Time", "1");
        key.writeString("Font", "Arial");
        key.writeBool("FontStyle", false);
        key.writeInteger("FontColor", 0);
        tipHandle.writeBool("Options", "Tip", false);
        QFile f(filePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("REGEDIT4\r\n"
                                         "\r\n"
                                         "[HKEY_CURRENT_USER\\Software]\r\n"
                                         "\r\n"
                                         "[HKEY_CURRENT_USER\\Software\\Ludovane9900Vantorel]\r\n"
                                         "\r\n"
                                         "[HKEY_CURRENT_USER\\Software\\Ludovane9900Vantorel\\Options]\r\n"
                                         "\"Time\"=\"1\"\r\n"
                                         "\"Font\"=\"Arial\"\r\n"
                                         "\"FontStyle\"=dword:00000000\r\n"
                                         "\"FontColor\"=dword:00000000\r\n"
                                         "\"Tip\"=\"0\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
