#include "core/Boundary.h"
#include "core/Exception.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace settings;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

} // namespace

class TestRegistryStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;
    QStringList m_reports;
    core::ErrorSink m_oldSink;

    std::string file() const { return m_file.toStdString(); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_file = m_dir.path() + "/cfg/vantorel/registry.reg";
        m_reports.clear();
        m_oldSink = core::setErrorSink([this](std::exception_ptr e) {
            try {
                std::rethrow_exception(e);
            } catch (const core::ERegistryException& r) {
                m_reports << QString::fromStdString(r.message());
            } catch (...) {
                m_reports << "unexpected error class";
            }
        });
    }
    void cleanup() {
        core::setErrorSink(m_oldSink);
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void xdgPath_data() {
        QTest::addColumn<QByteArray>("xdg"); // "<unset>" for none
        QTest::addColumn<QString>("expected");
        QTest::newRow("unset") << QByteArray("<unset>") << "/home/u/.config/vantorel/registry.reg";
        QTest::newRow("empty") << QByteArray("") << "/home/u/.config/vantorel/registry.reg";
        QTest::newRow("relative") << QByteArray("cfg") << "/home/u/.config/vantorel/registry.reg";
        QTest::newRow("absolute") << QByteArray("/x/cfg") << "/x/cfg/vantorel/registry.reg";
        QTest::newRow("trailing slash") << QByteArray("/x/cfg/") << "/x/cfg/vantorel/registry.reg";
    }
    void xdgPath() {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, expected);
        const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME"), oldHome = qgetenv("HOME");
        const bool hadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("HOME", "/home/u");
        if (xdg == "<unset>")
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", xdg);
        const QString got = QString::fromStdString(RegistryStore::defaultFilePath());
        const QString viaStore = QString::fromStdString(RegistryStore().filePath());
        qputenv("HOME", oldHome);
        if (hadXdg)
            qputenv("XDG_CONFIG_HOME", oldXdg);
        else
            qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(got, expected);
        QCOMPARE(viaStore, expected);
    }

    void valuesSurviveTheFile_data() {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("sz") << uint(REG_SZ) << QByteArray("Arial", 6);
        QTest::newRow("sz without terminator") << uint(REG_SZ) << QByteArray("Arial");
        QTest::newRow("sz embedded zero") << uint(REG_SZ) << QByteArray("a\0b", 4);
        QTest::newRow("sz control bytes") << uint(REG_SZ) << QByteArray("\r\n\x01", 4);
        QTest::newRow("expand sz") << uint(REG_EXPAND_SZ) << QByteArray("%X%", 4);
        QTest::newRow("dword") << uint(REG_DWORD) << QByteArray("\x01\x02\x03\x04");
        QTest::newRow("dword 0 bytes") << uint(REG_DWORD) << QByteArray();
        QTest::newRow("dword 3 bytes") << uint(REG_DWORD) << QByteArray("\x01\x02\x03");
        QTest::newRow("dword 5 bytes") << uint(REG_DWORD) << QByteArray("\x01\x02\x03\x04\x05");
        QTest::newRow("type 0") << 0u << QByteArray("\0", 1);
        QTest::newRow("type 11") << 11u << QByteArray(8, '\xff');
        QTest::newRow("type 0x12345678") << 0x12345678u << QByteArray(300, 'z');
    }
    void valuesSurviveTheFile() {
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        const std::string bytes(data.constData(), std::size_t(data.size()));
        QVERIFY(RegistryStore(file()).setValue("Software\\T", "Value", type, bytes));
        const auto back = RegistryStore(file()).queryValue("software\\t", "VALUE");
        QVERIFY(back.has_value());
        QCOMPARE(back->type, type);
        QCOMPARE(QByteArray::fromStdString(back->data), data);
        // Only the file itself, its lock and no temporary left behind.
        QCOMPARE(QDir(QFileInfo(m_file).path()).entryList(QDir::Files),
                 QStringList({"registry.reg", "registry.reg.lock"}));
    }

    void keysAndOtherWriters() {
        RegistryStore store(file());
        QVERIFY(!store.keyExists("Software"));
        QVERIFY(!QFile::exists(m_file)); // a look does not create anything
        QVERIFY(store.createKey("Software\\A\\B"));
        QVERIFY(store.keyExists("Software") && store.keyExists("SOFTWARE\\a") &&
                store.keyExists("Software\\A\\B"));
        QVERIFY(!store.createKey("Software\\\\B"));
        QVERIFY(!store.setValue("Software", "bad\nname", REG_SZ, std::string(1, '\0')));
        // Someone edits the file by hand: the next operation sees it.
        writeAll(m_file, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Other]\r\n\"V\"=dword:00000007\r\n");
        QVERIFY(!store.keyExists("Software"));
        QCOMPARE(QByteArray::fromStdString(store.queryValue("Other", "V")->data),
                 QByteArray("\x07\0\0\0", 4));
        QVERIFY(store.setValue("Other", "W", REG_SZ, std::string(1, '\0')));
        QCOMPARE(readAll(m_file),
                 "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Other]\r\n\"V\"=dword:00000007\r\n\"W\"=\"\"\r\n");
        QVERIFY(m_reports.isEmpty());
    }

    // A damaged file is kept aside, reported once, and the store starts empty.
    void brokenFileKeptAside_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("firstWrite");
        const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0", 11);
        const QByteArray utf16("\xff\xfeR\0E\0G\0", 8);
        const QByteArray header = "Windows Registry Editor Version 4.00\r\n";
        const char nulText[] = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"V\"=\"\0\"\r\n";
        const QByteArray nul(nulText, sizeof nulText - 1);
        for (const bool write : {false, true}) {
            const char* op = write ? "write" : "read";
            QTest::addRow("binary, %s first", op) << binary << write;
            QTest::addRow("UTF-16, %s first", op) << utf16 << write;
            QTest::addRow("wrong header, %s first", op) << header << write;
            QTest::addRow("NUL, %s first", op) << nul << write;
        }
    }
    void brokenFileKeptAside() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, firstWrite);
        writeAll(m_file, contents);
        RegistryStore store(file());
        if (firstWrite)
            QVERIFY(store.setValue("K", "New", REG_DWORD, std::string(4, '\0')));
        else
            QVERIFY(!store.queryValue("K", "V"));
        QVERIFY(!store.queryValue("K", "V"));
        store.keyExists("K");
        QCOMPARE(m_reports.size(), 1);

        const QStringList aside = QDir(QFileInfo(m_file).path()).entryList({"registry.reg.broken-*"});
        QCOMPARE(aside.size(), 1);
        const QString asidePath = QFileInfo(m_file).path() + "/" + aside[0];
        QCOMPARE(readAll(asidePath), contents);
        QVERIFY2(m_reports[0].contains(asidePath) && m_reports[0].contains("line "),
                 qPrintable(m_reports[0]));
        QCOMPARE(QFile::exists(m_file), firstWrite);
        QVERIFY(store.setValue("K", "After", REG_DWORD, std::string(4, '\0')));
        QVERIFY(store.queryValue("K", "After"));
        QCOMPARE(bool(store.queryValue("K", "New")), firstWrite);
        QCOMPARE(m_reports.size(), 1);
    }

    // A line the reader skips costs that value only: the rest is read and kept, the user is told
    // once, and the next write leaves the line out.
    void skippedLineToldOnce_data() {
        QTest::addColumn<bool>("firstWrite");
        QTest::newRow("read first") << false;
        QTest::newRow("write first") << true;
    }
    void skippedLineToldOnce() {
        QFETCH(bool, firstWrite);
        QStringList warnings;
        core::setErrorSink([&](std::exception_ptr e) {
            try {
                std::rethrow_exception(e);
            } catch (const core::EWarning& w) {
                warnings << QString::fromStdString(w.message());
            } catch (...) {
                warnings << "unexpected error class";
            }
        });
        writeAll(m_file,
                 "REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n\"A\"=dword:1\r\n\"B\"=dword:x\r\n\"C\"=\"c\"\r\n");
        RegistryStore store(file());
        if (firstWrite)
            QVERIFY(store.setValue("K", "D", REG_SZ, std::string(1, '\0')));
        QCOMPARE(store.queryValue("K", "A")->data, std::string("\1\0\0\0", 4));
        QVERIFY(!store.queryValue("K", "B"));
        QCOMPARE(store.queryValue("K", "C")->data, std::string("c", 2));
        QCOMPARE(warnings,
                 QStringList("The settings file " + m_file +
                             " has a line that could not be read (line 4: bad dword \"x\" (expected one "
                             "to eight hex digits)). That line is skipped and will not be written "
                             "back; the other settings were read"));
        QVERIFY(store.setValue("K", "E", REG_SZ, std::string(1, '\0')));
        QCOMPARE(readAll(m_file),
                 QByteArray("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"A\"=dword:00000001\r\n"
                            "\"C\"=\"c\"\r\n") +
                     (firstWrite ? "\"D\"=\"\"\r\n" : "") + "\"E\"=\"\"\r\n");
        QCOMPARE(warnings.size(), 1);
        QVERIFY(QDir(QFileInfo(m_file).path()).entryList({"registry.reg.broken-*"}).isEmpty());
    }

    void brokenFileTwiceGetsTwoNames() {
        RegistryStore store(file());
        for (int i = 0; i < 2; ++i) {
            writeAll(m_file, "junk");
            QVERIFY(!store.keyExists("K"));
        }
        QCOMPARE(QDir(QFileInfo(m_file).path()).entryList({"registry.reg.broken-*"}).size(), 2);
        QCOMPARE(m_reports.size(), 2);
    }

    void unwritableFolder_data() {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("parent is a regular file") << false;
        QTest::newRow("read-only folder") << true;
    }
    void unwritableFolder() {
        QFETCH(bool, readOnlyFolder);
        const QString cfg = m_dir.path() + "/cfg";
        if (readOnlyFolder) {
            if (::geteuid() == 0)
                QSKIP("permissions do not stop root");
            QVERIFY(QDir().mkpath(cfg + "/vantorel"));
            writeAll(m_file, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n");
            QVERIFY(::chmod(qPrintable(cfg + "/vantorel"), 0500) == 0);
        } else {
            writeAll(cfg, "not a folder");
        }
        RegistryStore store(file());
        QCOMPARE(store.keyExists("K"), readOnlyFolder);
        QCOMPARE(store.createKey("K"), readOnlyFolder); // nothing to write when it exists
        QVERIFY(!store.createKey("K\\Sub"));
        QVERIFY(!store.setValue("K", "V", REG_SZ, std::string(1, '\0')));
        QVERIFY(!store.keyExists("K\\Sub"));
        if (readOnlyFolder) {
            // A broken file that cannot be moved is reported once and never written over.
            ::chmod(qPrintable(cfg + "/vantorel"), 0700);
            writeAll(m_file, "junk");
            ::chmod(qPrintable(cfg + "/vantorel"), 0500);
            QVERIFY(!store.keyExists("K"));
            QVERIFY(!store.setValue("K", "V", REG_SZ, std::string(1, '\0')));
            QCOMPARE(m_reports.size(), 1);
            QVERIFY(m_reports[0].contains("could not be moved"));
            QCOMPARE(readAll(m_file), "junk");
            ::chmod(qPrintable(cfg + "/vantorel"), 0700);
        }
    }

    void unreadableFileIsNotOverwritten() {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop root");
        writeAll(m_file, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n");
        QVERIFY(::chmod(qPrintable(m_file), 0) == 0);
        QVERIFY(!RegistryStore(file()).setValue("K", "V", REG_SZ, std::string(1, '\0')));
        ::chmod(qPrintable(m_file), 0600);
        QCOMPARE(readAll(m_file), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n");
    }

    // The temporaries of writes that were killed, of this version and of earlier ones, are
    // removed by the next write.
    void nextWriteRemovesLeftovers() {
        writeAll(m_file, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n");
        const QString folder = QFileInfo(m_file).path();
        writeAll(folder + "/.registry.reg.vantorel-save", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n");
        writeAll(folder + "/registry.reg.tmp-a1B2c3", "REGEDIT4\r\n");
        writeAll(folder + "/registry.reg.tmp-keep", "not one of ours");
        QVERIFY(RegistryStore(file()).setValue("K", "V", REG_SZ, std::string(1, '\0')));
        QCOMPARE(
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            (QStringList{"registry.reg", "registry.reg.lock", "registry.reg.tmp-keep"}));
        QVERIFY(RegistryStore(file()).queryValue("K", "V").has_value());
    }

    // Two processes writing at the same time keep every one of each other's values.
    void concurrentWriters() {
        constexpr int kPerProcess = 200;
        int gate[2];
        QVERIFY(::pipe(gate) == 0);
        pid_t children[2];
        for (int p = 0; p < 2; ++p) {
            children[p] = ::fork();
            QVERIFY(children[p] >= 0);
            if (children[p] == 0) {
                ::close(gate[1]);
                char go;
                (void)!::read(gate[0], &go, 1); // returns when the parent closes its end
                RegistryStore store(file());
                int failures = 0;
                for (int i = 0; i < kPerProcess; ++i) {
                    const std::string n = std::to_string(i);
                    failures += !store.setValue("Software\\Race", "p" + std::to_string(p) + "-" + n, REG_SZ,
                                                n + '\0');
                }
                ::_exit(failures == 0 ? 0 : 1);
            }
        }
        ::close(gate[0]);
        ::close(gate[1]); // both start now
        for (const pid_t child : children) {
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const RegistryTree tree = RegistryFile::parse(readAll(m_file).toStdString()).tree;
        for (int p = 0; p < 2; ++p) {
            for (int i = 0; i < kPerProcess; ++i) {
                const std::string name = "p" + std::to_string(p) + "-" + std::to_string(i);
                const RegistryValue* v = tree.value("Software\\Race", name);
                QVERIFY2(v != nullptr, name.c_str());
                QCOMPARE(v->data, std::to_string(i) + '\0');
            }
        }
        QCOMPARE(tree.keys().find(std::string("Software\\Race"))->second.values.size(),
                 std::size_t(2 * kPerProcess));
    }
};

QTEST_GUILESS_MAIN(TestRegistryStore)
#include "tst_registrystore.moc"
