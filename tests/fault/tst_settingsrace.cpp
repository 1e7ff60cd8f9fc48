// Two copies of the program ending at the same moment, each writing its own preferences the
// way the main window does at exit, leave a store that parses, in which each of the four names
// holds one copy's value, and in which nothing that was there before is lost.
#include "settings/RegistryFile.h"
#include "settings/RegistryStore.h"
#include "settings/RegistryValue.h"

#include <QTemporaryDir>
#include <QTest>

#include "FaultFiles.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kOptions = "Software\\Ludovane9900Vantorel\\Options";

struct Preferences {
    const char* font;
    bool bold;
    std::int32_t colour;
};

std::string sz(const std::string& text) {
    return text + std::string(1, '\0');
}

std::string dword(std::int32_t v) {
    std::string data(4, '\0');
    const auto u = std::uint32_t(v);
    for (int i = 0; i < 4; ++i)
        data[std::size_t(i)] = char((u >> (8 * i)) & 0xFF);
    return data;
}

// Starts a child that writes `p` `rounds` times once the gate's write end is closed.
pid_t startWriter(int gateRead, int gateWrite, const Preferences& p, int rounds) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(gateWrite);
        const std::string gate = std::to_string(gateRead);
        const std::string style = p.bold ? "1" : "0";
        const std::string colour = std::to_string(p.colour);
        const std::string count = std::to_string(rounds);
        ::execl(VANTOREL_FAULT_CHILD, VANTOREL_FAULT_CHILD, "prefs", gate.c_str(), p.font, style.c_str(),
                colour.c_str(), count.c_str(), static_cast<char*>(nullptr));
        ::_exit(121);
    }
    return pid;
}

} // namespace

class TestSettingsRace : public QObject {
    Q_OBJECT

private slots:
    void twoCopiesExitAtOnce_data() {
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("repeats");
        QTest::addColumn<bool>("firstRun");
        QTest::newRow("one exit each, first run, repeated") << 1 << 15 << true;
        QTest::newRow("one exit each, over earlier values, repeated") << 1 << 15 << false;
        QTest::newRow("many exits each, interleaved") << 30 << 2 << false;
    }

    void twoCopiesExitAtOnce() {
        QFETCH(int, rounds);
        QFETCH(int, repeats);
        QFETCH(bool, firstRun);
        const std::array<Preferences, 2> copies = {Preferences{"Courier New", true, 255},
                                                   Preferences{"Times New Roman", false, 0x00808080}};

        for (int repeat = 0; repeat < repeats; ++repeat) {
            QTemporaryDir home;
            qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
            const std::string file = settings::RegistryStore::defaultFilePath();
            QCOMPARE(QString::fromStdString(file), home.filePath("vantorel/registry.reg"));

            // What the store held before: the tip window's choice, another key, and (unless
            // this is the first run) an earlier exit's values.
            settings::RegistryStore store;
            QVERIFY(store.setValue(kOptions, "Tip", settings::REG_DWORD, dword(1)));
            QVERIFY(
                store.setValue("Software\\Other", "Keep", settings::REG_BINARY, std::string("\0\1\2", 3)));
            if (!firstRun) {
                QVERIFY(store.setValue(kOptions, "Time", settings::REG_SZ, sz("1")));
                QVERIFY(store.setValue(kOptions, "Font", settings::REG_SZ, sz("Arial")));
                QVERIFY(store.setValue(kOptions, "FontStyle", settings::REG_DWORD, dword(0)));
                QVERIFY(store.setValue(kOptions, "FontColor", settings::REG_DWORD, dword(0x00FF0000)));
            }

            int gate[2];
            QCOMPARE(::pipe(gate), 0);
            pid_t pids[2];
            for (int i = 0; i < 2; ++i)
                pids[i] = startWriter(gate[0], gate[1], copies[std::size_t(i)], rounds);
            ::close(gate[0]);
            ::close(gate[1]); // both start now
            for (const pid_t pid : pids) {
                int status = 0;
                QCOMPARE(::waitpid(pid, &status, 0), pid);
                QVERIFY(WIFEXITED(status));
                QCOMPARE(WEXITSTATUS(status), 0);
            }

            // The file parses whole as it is, and nothing was set aside as broken.
            const std::string text = faultfiles::readBytes(file);
            QVERIFY_THROWS_NO_EXCEPTION(settings::RegistryFile::parse(text));
            QVERIFY(settings::RegistryFile::parse(text).skipped.empty());
            QCOMPARE(faultfiles::entries(home.filePath("vantorel")),
                     (QStringList{"registry.reg", "registry.reg.lock"}));

            QCOMPARE(store.queryValue(kOptions, "Time"),
                     (settings::RegistryValue{settings::REG_SZ, sz("1")}));
            const auto font = store.queryValue(kOptions, "Font");
            const auto style = store.queryValue(kOptions, "FontStyle");
            const auto colour = store.queryValue(kOptions, "FontColor");
            QVERIFY(font && style && colour);
            auto fromOne = [&](auto&& valueOf, const settings::RegistryValue& v) {
                return v == valueOf(copies[0]) || v == valueOf(copies[1]);
            };
            QVERIFY2(fromOne(
                         [](const Preferences& p) {
                             return settings::RegistryValue{settings::REG_SZ, sz(p.font)};
                         },
                         *font),
                     text.c_str());
            QVERIFY2(fromOne(
                         [](const Preferences& p) {
                             return settings::RegistryValue{settings::REG_DWORD, dword(p.bold)};
                         },
                         *style),
                     text.c_str());
            QVERIFY2(fromOne(
                         [](const Preferences& p) {
                             return settings::RegistryValue{settings::REG_DWORD, dword(p.colour)};
                         },
                         *colour),
                     text.c_str());
            QCOMPARE(store.queryValue(kOptions, "Tip"),
                     (settings::RegistryValue{settings::REG_DWORD, dword(1)}));
            QCOMPARE(store.queryValue("Software\\Other", "Keep"),
                     (settings::RegistryValue{settings::REG_BINARY, std::string("\0\1\2", 3)}));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsRace)
#include "tst_settingsrace.moc"
