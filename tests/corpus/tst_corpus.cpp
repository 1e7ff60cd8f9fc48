// Every bad input collected under tests/corpus, replayed through the real Load and the real
// settings reader: each gives its documented result or its error, and no file is changed.
#include "core/Boundary.h"
#include "core/Exception.h"
#include "document/ConfigBuffer.h"
#include "document/FileWriter.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryStore.h"
#include "settings/TRegistry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const QString kCorpus = QStringLiteral(VANTOREL_CORPUS_DIR);
const std::string kOptions = "Software\\Ludovane9900Vantorel\\Options";

std::string bytesOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    const QByteArray data = f.readAll();
    return std::string(data.constData(), std::size_t(data.size()));
}

std::string binaryText() {
    std::string text;
    for (int b = 0x01; b <= 0x09; ++b)
        text += char(b);
    text += "\r\n\x0B\x0C\r\n";
    for (int b = 0x0E; b <= 0xFF; ++b)
        text += char(b);
    return text;
}

// A euro.cfg of the corpus: the text Load must give and what Read line gives for each line.
struct ConfigCase {
    const char* file;
    std::string text;
    std::vector<std::string> lines;
};

const std::vector<ConfigCase>& configCases() {
    static const std::vector<ConfigCase> cases = {
        {"empty.cfg", "", {""}},
        {"only-nul.cfg", "", {""}},
        {"nul-cut.cfg", "line one\r\nline two", {"line one", "line two"}},
        {"binary.cfg",
         binaryText(),
         {"\x01\x02\x03\x04\x05\x06\x07\x08\x09", "\x0B\x0C", binaryText().substr(15)}},
        {"cr-only.cfg", "a\r\nb\r\nc\r\n", {"a", "b", "c", ""}},
        {"lf-only.cfg", "a\r\nb\r\nc", {"a", "b", "c"}},
        {"mixed.cfg", "a\r\nb\r\nc\r\nd", {"a", "b", "c", "d"}},
        {"lf-cr.cfg", "a\r\n\r\nb\r\n\r\n", {"a", "", "b", "", ""}},
        {"cr-crlf.cfg", "a\r\n\r\nb", {"a", "", "b"}},
        {"huge-line.cfg", std::string(10000, 'x') + "\r\nnext\r\n", {std::string(4096, 'x'), "next", ""}},
        {"no-final-line-end.cfg", "England\r\nplace", {"England", "place"}},
    };
    return cases;
}

// A registry.reg of the corpus that is no store at all, and the reason the reader gives.
struct BrokenStoreCase {
    const char* file;
    const char* error;
};

const std::vector<BrokenStoreCase>& brokenStoreCases() {
    static const std::string header =
        "line 1: the first line must be REGEDIT4 or Windows Registry Editor Version 5.00";
    static const std::string notText = "unexpected control character 0x00 (not a text file?)";
    static const std::vector<BrokenStoreCase> cases = {
        {"empty.reg", header.c_str()},
        {"binary.reg", header.c_str()},
        {"html.reg", header.c_str()},
        {"no-header.reg", header.c_str()},
        {"header-lower-case.reg", header.c_str()},
        {"header-regedit5.reg", header.c_str()},
        {"header-after-blank-line.reg", header.c_str()},
        {"nul-inside.reg", "line 4: unexpected control character 0x00 (not a text file?)"},
        {"utf16.reg", "line 1: unexpected control character 0x00 (not a text file?)"},
    };
    return cases;
}

// A registry.reg of the corpus that the store reads: the whole file the next write gives (the
// values, in canonical form) and the skipped lines as the user is told of them.
struct StoreCase {
    const char* file;
    std::string written;
    std::string skipped;
};

std::string options(const std::string& values) {
    return "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n[HKEY_CURRENT_"
           "USER\\Software\\Ludovane9900Vantorel]"
           "\r\n\r\n[HKEY_CURRENT_USER\\Software\\Ludovane9900Vantorel\\Options]\r\n" +
           values;
}

const std::vector<StoreCase>& storeCases() {
    const std::string time = "\"Time\"=\"1\"\r\n", font = "\"Font\"=\"Times New Roman\"\r\n";
    const std::string style = "\"FontStyle\"=dword:00000001\r\n", color = "\"FontColor\"=dword:000000ff\r\n";
    const std::string tip = "\"Tip\"=\"1\"\r\n", user = time + font + style + color + tip;
    const std::string hexStops = "the hex list does not go on with bytes on line ";
    static const std::vector<StoreCase> cases = {
        {"first-exit.reg",
         options(time +
                 "\"Font\"=\"Arial\"\r\n\"FontStyle\"=dword:00000000\r\n\"FontColor\"=dword:00000000\r\n"
                 "\"Tip\"=dword:00000000\r\n"),
         ""},
        {"pasted-lf-comments-hex.reg", options(font + color + "\"Blob\"=hex(3):01,02\r\n"), ""},
        {"header-version-5.reg", options(time), ""},
        {"regedit-export-5.reg", options(user), ""},
        {"bom.reg", options(user), ""},
        {"bom-version-5.reg", options(user), ""},
        {"header-indented.reg", options(user), ""},
        {"header-only.reg", "REGEDIT4\r\n", ""},
        {"lone-cr.reg", options(user), ""},
        {"mixed-line-ends.reg", options(user), ""},
        {"spaces-and-tabs.reg", options(user + "\"Note\"=hex(1):61,09,62,00\r\n"), ""},
        {"comments.reg", options(time + "\"Font\"=\"Times New Roman;Bold\"\r\n" + style + color + tip), ""},
        {"hex-continuation-comments.reg", options(user), ""},
        {"hex-trailing-comma.reg", options(user + "\"Blob\"=hex(3):01,02\r\n"), ""},
        {"hex-single-digits.reg", options("\"FontStyle\"=dword:00000001\r\n\"FontColor\"=dword:0000000f\r\n"),
         ""},
        {"truncated-continuation.reg", options("\"Font\"=hex(1):41,72\r\n"), ""},
        {"lower-case-hex.reg",
         options("\"FontStyle\"=dword:00000001\r\n\"FontColor\"=dword:00c0c0c0\r\n\"Lower\"=hex(b):de,ad,be,"
                 "ef,00,00,00,"
                 "00\r\n\"Upper\"=hex(b):de,ad,be,ef\r\n\"Mixed\"=hex(3):ab,cd\r\n"),
         ""},
        {"binary-values.reg",
         options("\"Blob\"=hex(3):00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13\r\n\"Empty\"="
                 "hex(3):\r\n"
                 "\"None\"=hex(0):\r\n\"Multi\"=hex(7):61,00,62,00,00\r\n\"Expand\"=hex(2):25,54,45,4d,50,25,"
                 "00\r\n"
                 "\"Qword\"=hex(b):01,00,00,00,00,00,00,00\r\n"),
         ""},
        {"dword-digits.reg",
         options("\"FontStyle\"=dword:00000001\r\n\"FontColor\"=dword:000000ff\r\n\"Four\"=dword:0000abcd\r\n"
                 "\"Eight\"=dword:deadbeef\r\n"),
         ""},
        {"dword-three-digits.reg", options("\"FontStyle\"=dword:00000123\r\n"), ""},
        {"default-value.reg",
         "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n[HKEY_CURRENT_"
         "USER\\Software\\Ludovane9900Vantorel]\r\n"
         "@=\"vendor\"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Ludovane9900Vantorel\\Options]\r\n@="
         "\"second\"\r\n" +
             time,
         ""},
        {"escapes.reg",
         options("\"Font\"=\"Times \\\"New\\\" Roman\"\r\n\"Path\"=\"C:\\\\Games\\\\Ludovane\"\r\n"
                 "\"Lines\"=hex(1):61,0a,62,0d,63,00\r\n\"Odd\"=\"qt%\"\r\n"),
         ""},
        {"bad-escape.reg", options("\"Font\"=\"C:temp\"\r\n"), ""},
        {"windows-1252.reg",
         options("\"Font\"=\"Caf\xe9 \x80\"\r\n\"Odd\"=hex(1):81,00\r\n\"Nom\xe9\"=\"x\"\r\n"), ""},
        {"value-name-odd.reg",
         options(time +
                 "\"a=b\"=\"1\"\r\n\"semi;colon\"=\"2\"\r\n\"br]acket\"=\"3\"\r\n\"#hash\"=\"4\"\r\n\" "
                 "Font\"=\"5\"\r\n"),
         ""},
        {"long-value.reg", options(time + "\"Font\"=\"" + std::string(3000, 'x') + "\"\r\n"), ""},
        {"key-trailing-backslash.reg", options(user), ""},
        {"key-text-after-bracket.reg", options(user), ""},
        {"duplicate-key.reg", options(time + "\"Font\"=\"Arial\"\r\n"), ""},
        {"duplicate-value.reg", options("\"Font\"=\"Courier New\"\r\n"), ""},
        {"repeated-sections.reg", options(user), ""},
        {"key-outside-user.reg", "REGEDIT4\r\n", ""},
        {"other-roots.reg", options(user), ""},
        // Lines that cannot be read cost their own values only.
        {"one-bad-line.reg", options(user), "line 6: bad dword \"zz\" (expected one to eight hex digits)"},
        {"many-bad-lines.reg", options(user),
         "line 5: unknown value form (expected \"text\", dword: or hex); line 7: expected '=' after the "
         "value "
         "name; line 9: unexpected text (expected a key, a value, a comment or a blank line); and 2 more"},
        {"dword-too-long.reg", options(time + font + style + tip),
         "line 7: bad dword \"0000000ff\" (expected one to eight hex digits)"},
        {"bad-hex-digit.reg", options(""), "line 4: bad hex byte \"zz\" (expected one or two hex digits)"},
        {"bad-hex-type.reg", options(""),
         "line 4: bad value type in hex(...) (expected one to eight hex digits)"},
        {"hex-leading-comma.reg", options(user), "line 6: " + hexStops + "7"},
        {"hex-lone-backslash.reg", options(user), "line 6: " + hexStops + "7"},
        {"hex-cut-by-value.reg", options(time + font + style + tip), "line 7: " + hexStops + "8"},
        {"unterminated-string.reg", options(time + style + color + tip), "line 5: missing closing quote"},
        {"truncated-quote.reg", options(""), "line 4: missing closing quote"},
        {"truncated-key.reg", "REGEDIT4\r\n", "line 3: missing ']' at the end of the key name"},
        {"control-chars.reg", options(time + "\"Note\"=hex(1):61,01,62,1b,63,00\r\n"),
         "line 6: unexpected text (expected a key, a value, a comment or a blank line)"},
        {"deleting.reg",
         options(time +
                 "\"Font\"=\"Arial\"\r\n\"FontStyle\"=dword:00000000\r\n\"FontColor\"=dword:00000000\r\n"),
         "line 6: deleting values (\"=-\") is not supported; line 10: deleting keys (\"[-...]\") is not "
         "supported"},
        {"value-before-key.reg", "REGEDIT4\r\n", "line 2: value before the first key"},
        {"unknown-root.reg", "REGEDIT4\r\n",
         "line 3: key under an unknown root (expected HKEY_CURRENT_USER)"},
        {"key-bad-path.reg", options(user), "line 3: bad key path (empty name or unprintable character)"},
    };
    return cases;
}

std::set<std::string> filesIn(const QString& dir) {
    std::set<std::string> names;
    for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
        names.insert(name.toStdString());
    return names;
}

// Collects what reaches the error report.
class ReportedErrors {
public:
    ReportedErrors() {
        m_previous = core::setErrorSink([this](std::exception_ptr e) {
            try {
                std::rethrow_exception(e);
            } catch (const core::Exception& error) {
                messages.push_back(QString::fromStdString(error.className()) + ": " +
                                   QString::fromStdString(error.message()));
            } catch (...) {
                messages.push_back("<not an Exception>");
            }
        });
    }
    ~ReportedErrors() { core::setErrorSink(m_previous); }
    QStringList messages;

private:
    core::ErrorSink m_previous;
};

// The class and message of what f throws, "" when it throws nothing.
template <class F> QString raised(F f) {
    try {
        f();
    } catch (const core::Exception& e) {
        return QString::fromStdString(e.className()) + ": " + QString::fromStdString(e.message());
    }
    return {};
}

} // namespace

class TestCorpus : public QObject {
    Q_OBJECT

private slots:
    void everyCorpusFileIsReplayed() {
        std::set<std::string> configs, stores;
        for (const ConfigCase& c : configCases())
            configs.insert(c.file);
        for (const BrokenStoreCase& c : brokenStoreCases())
            stores.insert(c.file);
        for (const StoreCase& c : storeCases())
            stores.insert(c.file);
        QCOMPARE(filesIn(kCorpus + "/eurocfg"), configs);
        QCOMPARE(filesIn(kCorpus + "/registry"), stores);
    }

    void loadsAndSavesConfig_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < configCases().size(); ++i)
            QTest::newRow(configCases()[i].file) << int(i);
    }

    // Load gives the documented text and lines, leaves the file alone, and Save writes the text
    // back with one final CR LF, which loads to the same text again.
    void loadsAndSavesConfig() {
        QFETCH(int, index);
        const ConfigCase& c = configCases()[std::size_t(index)];
        const QString source = kCorpus + "/eurocfg/" + c.file;
        const std::string original = bytesOf(source);

        document::ConfigBuffer buffer;
        buffer.setText("something before");
        buffer.load(source.toStdString());
        QCOMPARE(buffer.wholeText(), c.text);
        QCOMPARE(buffer.lineCount(), c.lines.size());
        for (std::size_t n = 0; n < c.lines.size(); ++n)
            QCOMPARE(buffer.readLine(n), c.lines[n]);
        QCOMPARE(bytesOf(source), original);

        QTemporaryDir dir;
        const std::string saved = dir.filePath("euro.cfg").toStdString();
        document::writeFile(saved, buffer);
        const std::string expected = c.text.ends_with("\r\n") ? c.text : c.text + "\r\n";
        QCOMPARE(bytesOf(QString::fromStdString(saved)), expected);
        document::ConfigBuffer again;
        again.load(saved);
        QCOMPARE(again.wholeText(), expected);
    }

    void refusesConfig_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing file") << "missing"
                                      << "EFOpenError: Cannot open file %1";
        QTest::newRow("a folder") << "folder"
                                  << "EFOpenError: Cannot open file %1";
        QTest::newRow("a FIFO") << "fifo"
                                << "EFOpenError: Cannot open file %1";
        QTest::newRow("300 MiB, refused before reading") << "sparse"
                                                         << "EInvalidOperation: Text exceeds memo capacity";
        QTest::newRow("huge line over a 4 KiB capacity") << "small capacity"
                                                         << "EInvalidOperation: Text exceeds memo capacity";
    }

    // A refused file raises its error and leaves the buffer as it was.
    void refusesConfig() {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QString path = dir.filePath("euro.cfg");
        std::size_t capacity = document::ConfigBuffer::kDefaultCapacity;
        if (kind == "folder") {
            QVERIFY(QDir(dir.path()).mkdir("euro.cfg"));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        } else if (kind == "sparse") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(300) << 20)); // a hole: no disk space, no reading
        } else if (kind == "small capacity") {
            path = kCorpus + "/eurocfg/huge-line.cfg";
            capacity = 4096;
        }
        document::ConfigBuffer buffer(capacity);
        buffer.setText("kept\r\n");
        QCOMPARE(raised([&] { buffer.load(path.toStdString()); }),
                 error.contains("%1") ? error.arg(path) : error);
        QCOMPARE(buffer.wholeText(), std::string("kept\r\n"));
    }

    // Run as a user whom permissions bind (root ignores them), in a child when needed.
    void refusesUnreadableConfig() {
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ExeOther));
        const QString path = dir.filePath("euro.cfg");
        QVERIFY(QFile::copy(kCorpus + "/eurocfg/mixed.cfg", path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        const QString expected = "EFOpenError: Cannot open file " + path;
        auto attempt = [&] {
            document::ConfigBuffer buffer;
            return raised([&] { buffer.load(path.toStdString()); });
        };
        if (::geteuid() != 0) {
            QCOMPARE(attempt(), expected);
            return;
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(2);
            ::_exit(attempt() == expected ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    void setsBrokenStoreAside_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < brokenStoreCases().size(); ++i)
            QTest::newRow(brokenStoreCases()[i].file) << int(i);
    }

    // The reader names the line and the fault; the store moves the file aside untouched, tells
    // the user once, goes on empty, and the next write makes a new, good file.
    void setsBrokenStoreAside() {
        QFETCH(int, index);
        const BrokenStoreCase& c = brokenStoreCases()[std::size_t(index)];
        const std::string original = bytesOf(kCorpus + "/registry/" + c.file);
        try {
            settings::RegistryFile::parse(original);
            QFAIL("the reader accepted the file");
        } catch (const settings::RegistryFile::ParseError& e) {
            QCOMPARE(QString::fromStdString(e.what()), QString::fromUtf8(c.error));
        }

        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        QVERIFY(QDir(home.path()).mkdir("vantorel"));
        const QString file = home.filePath("vantorel/registry.reg");
        QVERIFY(QFile::copy(kCorpus + "/registry/" + c.file, file));

        ReportedErrors reports;
        {
            settings::TRegistry key;
            QVERIFY(!key.openKey(kOptions, false));
            QVERIFY(!key.openKey(kOptions, false)); // told once only
        }
        QCOMPARE(reports.messages.size(), 1);
        const QRegularExpression message("^ERegistryException: The settings file " +
                                         QRegularExpression::escape(file) + " could not be read \\(" +
                                         QRegularExpression::escape(QString::fromUtf8(c.error)) +
                                         "\\)\\. It was kept as (" + QRegularExpression::escape(file) +
                                         "\\.broken-\\d{8}T\\d{6}Z) and the settings start empty$");
        const QRegularExpressionMatch match = message.match(reports.messages.at(0));
        QVERIFY2(match.hasMatch(), qPrintable(reports.messages.at(0)));
        QCOMPARE(bytesOf(match.captured(1)), original);
        QVERIFY(!QFile::exists(file));

        settings::TRegistry key;
        QVERIFY(key.openKey(kOptions, true));
        key.writeString("Time", "1");
        QCOMPARE(key.readString("Time"), std::string("1"));
        QVERIFY_THROWS_NO_EXCEPTION(settings::RegistryFile::parse(bytesOf(file)));
        QCOMPARE(bytesOf(match.captured(1)), original);
        QCOMPARE(reports.messages.size(), 1);
    }

    void readsStore_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < storeCases().size(); ++i)
            QTest::newRow(storeCases()[i].file) << int(i);
    }

    // The store reads every value the file holds, tells the user once of the lines it skipped,
    // leaves the file alone until the next write, which writes what it read in canonical form.
    void readsStore() {
        QFETCH(int, index);
        const StoreCase& c = storeCases()[std::size_t(index)];
        const QString source = kCorpus + "/registry/" + c.file;
        QTemporaryDir home;
        const QString file = home.filePath("vantorel/registry.reg");
        QVERIFY(QDir(home.path()).mkdir("vantorel"));
        QVERIFY(QFile::copy(source, file));
        settings::RegistryStore store(file.toStdString());
        ReportedErrors reports;

        settings::RegistryTree expected = settings::RegistryFile::parse(c.written).tree;
        for (int pass = 0; pass < 2; ++pass) {
            QCOMPARE(store.keyExists(kOptions), expected.keyExists(kOptions));
            for (const auto& [path, key] : expected.keys()) {
                QVERIFY(store.keyExists(path));
                for (const auto& [name, value] : key.values)
                    QCOMPARE(store.queryValue(path, name), std::optional(value));
            }
        }
        if (c.skipped.empty()) {
            QCOMPARE(reports.messages, QStringList());
        } else {
            QCOMPARE(reports.messages.size(), 1);
            const QString& message = reports.messages.at(0);
            QVERIFY2(
                message.startsWith("EWarning: The settings file " + file + " has ") &&
                    message.contains(" that could not be read (" + QString::fromStdString(c.skipped) + "). "),
                qPrintable(message));
        }
        QCOMPARE(bytesOf(file), bytesOf(source));

        QVERIFY(store.setValue(kOptions, "Probe", settings::REG_SZ, std::string(1, '\0')));
        expected.setValue(kOptions, "Probe", {settings::REG_SZ, std::string(1, '\0')});
        QCOMPARE(bytesOf(file), settings::RegistryFile::serialise(expected));
        QCOMPARE(reports.messages.size(), c.skipped.empty() ? 0 : 1);
        QCOMPARE(filesIn(home.filePath("vantorel")),
                 (std::set<std::string>{"registry.reg", "registry.reg.lock"}));
    }

    void keepsOddStoreObjects_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("folder") << "folder";
        QTest::newRow("device") << "device";
        QTest::newRow("symbolic link to a store") << "link";
        QTest::newRow("dangling symbolic link") << "dangling";
    }

    // What else may sit at the store's path: a FIFO, folder or device is refused at once and
    // left where it is, with one message; a symbolic link (as dotfile managers make) stays a
    // link, and the store it names is read and written.
    void keepsOddStoreObjects() {
        QFETCH(QString, kind);
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        QVERIFY(QDir(home.path()).mkpath("vantorel") && QDir(home.path()).mkpath("dotfiles"));
        const QString file = home.filePath("vantorel/registry.reg");
        const QString linked = home.filePath("dotfiles/registry.reg");
        const bool isLink = kind == "link" || kind == "dangling";
        if (kind == "fifo")
            QCOMPARE(::mkfifo(qPrintable(file), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir(home.path()).mkdir("vantorel/registry.reg"));
        else if (kind == "device")
            QCOMPARE(::symlink("/dev/null", qPrintable(file)), 0);
        else if (isLink)
            QCOMPARE(::symlink("../dotfiles/registry.reg", qPrintable(file)), 0);
        if (kind == "link")
            QVERIFY(QFile::copy(kCorpus + "/registry/first-exit.reg", linked));
        // Unblocks a reader stuck on the FIFO, so that a hang shows as a slow test.
        std::atomic<bool> done = false;
        std::thread unblocker([&] {
            while (!done && kind == "fifo") {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const int fd = ::open(qPrintable(file), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        });

        ReportedErrors reports;
        const auto started = std::chrono::steady_clock::now();
        bool opened = false, wrote = false;
        {
            settings::TRegistry key;
            opened = key.openKey(kOptions, true);
            wrote = raised([&] { key.writeString("Font", "Courier New"); }).isEmpty();
        }
        const auto took = std::chrono::steady_clock::now() - started;
        done = true;
        unblocker.join();
        QVERIFY(took < std::chrono::milliseconds(150));
        QCOMPARE(opened, isLink);
        QCOMPARE(wrote, isLink);
        if (isLink) {
            QVERIFY(reports.messages.isEmpty());
            QVERIFY(QFileInfo(file).isSymLink());
            settings::RegistryStore store;
            QCOMPARE(store.queryValue(kOptions, "Font"),
                     (settings::RegistryValue{settings::REG_SZ, std::string("Courier New", 12)}));
            QCOMPARE(store.queryValue(kOptions, "Time").has_value(), kind == "link");
            QCOMPARE(filesIn(home.filePath("dotfiles")), std::set<std::string>{"registry.reg"});
            return;
        }
        QCOMPARE(reports.messages,
                 QStringList{"ERegistryException: The settings file " + QFileInfo(file).canonicalFilePath() +
                             " is not a regular file (a folder, FIFO or device is there); the settings are "
                             "empty and cannot be saved"});
        const QFileInfo after(file);
        QVERIFY(after.exists());
        QCOMPARE(after.isDir(), kind == "folder");
        QCOMPARE(after.isSymLink(), kind == "device");
        QCOMPARE(QDir(home.filePath("vantorel"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 (QStringList{"registry.reg", "registry.reg.lock"}));
    }

    // Inputs found by fuzzing, kept as regression cases: neither reader may crash on them, and
    // what they accept must come out in normal form.
    void replaysFuzzFindings() {
        int replayed = 0;
        for (const std::string& name : filesIn(kCorpus + "/fuzz-configbuffer")) {
            const std::string input = bytesOf(kCorpus + "/fuzz-configbuffer/" + QString::fromStdString(name));
            document::ConfigBuffer buffer;
            buffer.setText(input);
            QVERIFY2(buffer.wholeText().find('\0') == std::string::npos, name.c_str());
            ++replayed;
        }
        for (const std::string& name : filesIn(kCorpus + "/fuzz-registry")) {
            const std::string input = bytesOf(kCorpus + "/fuzz-registry/" + QString::fromStdString(name));
            try {
                const std::string written =
                    settings::RegistryFile::serialise(settings::RegistryFile::parse(input).tree);
                const settings::RegistryFile::Contents back = settings::RegistryFile::parse(written);
                QVERIFY(back.skipped.empty());
                QCOMPARE(settings::RegistryFile::serialise(back.tree), written);
            } catch (const settings::RegistryFile::ParseError&) {
            }
            ++replayed;
        }
        qInfo("%d fuzz findings replayed", replayed);
    }
};

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"
