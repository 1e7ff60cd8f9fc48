// A save killed at any moment leaves the target with its old bytes or its new bytes, and the
// next save of the same file leaves nothing else in the folder.
#include "FaultFiles.h"
#include "core/Exception.h"
#include "document/ConfigBuffer.h"
#include "document/FileWriter.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryStore.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <random>
#include <string>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using faultfiles::entries;
using faultfiles::readBytes;
using faultfiles::writeBytes;

// CR LF text of about `size` bytes whose lines all carry `tag`, so any mix of two is visible.
std::string documentText(char tag, std::size_t size) {
    std::string text;
    text.reserve(size + 80);
    for (unsigned line = 0; text.size() < size; ++line)
        text += std::string(1, tag) + " line " + std::to_string(line) + " " + std::string(40, tag) + "\r\n";
    return text;
}

// Starts `fault_child <args>` under ptrace; it stops itself at its SIGSTOP mark.
pid_t startTraced(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(VANTOREL_FAULT_CHILD)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
            ::_exit(120);
        ::execv(VANTOREL_FAULT_CHILD, argv.data());
        ::_exit(121);
    }
    return pid;
}

pid_t startTracedSave(const std::string& target, const std::string& content) {
    return startTraced({"save", target, content});
}

enum class Traced { Stopped, Exited, Failed };

// Lets the tracee run to its next system-call stop (or to the mark), passing other signals on.
Traced runToNextStop(pid_t pid, bool toMark, int& status) {
    int pending = 0;
    for (;;) {
        if (::ptrace(toMark ? PTRACE_CONT : PTRACE_SYSCALL, pid, nullptr,
                     reinterpret_cast<void*>(long(pending))) != 0)
            return Traced::Failed;
        pending = 0;
        if (::waitpid(pid, &status, 0) != pid)
            return Traced::Failed;
        if (WIFEXITED(status) || WIFSIGNALED(status))
            return Traced::Exited;
        const int sig = WSTOPSIG(status);
        if (!toMark && sig == (SIGTRAP | 0x80))
            return Traced::Stopped;
        if (toMark && sig == SIGSTOP)
            return Traced::Stopped;
        if (sig != SIGTRAP)
            pending = sig;
    }
}

// Runs one traced child and kills it at its `killAt`-th system-call stop after the mark (entry
// and exit of each call are stops of their own); nullopt runs it to the end. Gives the number
// of stops passed, or -1 when tracing failed.
int tracedRun(const std::vector<std::string>& args, std::optional<int> killAt) {
    const pid_t pid = startTraced(args);
    if (pid < 0)
        return -1;
    int status = 0;
    // The exec stop first.
    if (::waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status))
        return -1;
    if (::ptrace(PTRACE_SETOPTIONS, pid, nullptr,
                 reinterpret_cast<void*>(long(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL))) != 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return -1;
    }
    if (runToNextStop(pid, true, status) != Traced::Stopped)
        return -1;
    int stops = 0;
    for (;;) {
        if (killAt && stops == *killAt) {
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) == pid && !WIFSIGNALED(status) && !WIFEXITED(status)) {
            }
            return stops;
        }
        const Traced next = runToNextStop(pid, false, status);
        if (next == Traced::Failed)
            return -1;
        if (next == Traced::Exited)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? stops : -1;
        ++stops;
    }
}

bool ptraceAllowed() {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) == 0 ? 0 : 1);
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

class TestKilledSave : public QObject {
    Q_OBJECT

private slots:
    // Kills the save at every system call it makes, before and after each, and checks the
    // target and the folder each time.
    void killedAtEverySystemCall() {
        if (!ptraceAllowed())
            QSKIP("this machine does not let a process trace its child");
        QTemporaryDir work;
        QTemporaryDir dir;
        const std::string target = dir.filePath("euro.cfg").toStdString();
        const std::string oldText = documentText('o', 300 * 1024);
        const std::string newText = documentText('n', 700 * 1024);
        const std::string content = work.filePath("new").toStdString();
        QVERIFY(writeBytes(content, newText));
        QVERIFY(writeBytes(target, oldText));
        ::chmod(target.c_str(), 0640);

        const int total = tracedRun({"save", target, content}, std::nullopt);
        QVERIFY2(total > 0, "the traced save did not run through");
        QCOMPARE(readBytes(target), newText);
        QVERIFY2(total >= 16, qPrintable(QString("only %1 stops in a whole save").arg(total)));

        int keptOld = 0, gotNew = 0, leftTemporary = 0;
        for (int at = 0; at <= total; ++at) {
            QVERIFY(writeBytes(target, oldText));
            // A save may make a call fewer than the first one did; a later kill point then
            // finds it finished, which is one more case of "new bytes".
            QVERIFY(tracedRun({"save", target, content}, at) >= 0);
            const std::string after = readBytes(target);
            QVERIFY2(after == oldText || after == newText,
                     qPrintable(QString("killed at stop %1 of %2: the target holds %3 other bytes")
                                    .arg(at)
                                    .arg(total)
                                    .arg(after.size())));
            keptOld += after == oldText;
            gotNew += after == newText;
            leftTemporary += entries(dir.path()).size() > 1;

            // The next save, by another process, cleans up after the killed one.
            const std::string finalText = documentText(char('a' + at % 26), 1000 + std::size_t(at));
            document::ConfigBuffer buffer;
            buffer.setText(finalText);
            document::writeFile(target, buffer);
            QCOMPARE(readBytes(target), finalText);
            QCOMPARE(entries(dir.path()), QStringList{"euro.cfg"});
            struct stat st {};
            QCOMPARE(::stat(target.c_str(), &st), 0);
            QCOMPARE(st.st_mode & 07777, mode_t(0640));
        }
        // The kill points span the whole save: before the rename, after it, and with the
        // temporary on disk.
        QVERIFY(keptOld > 0);
        QVERIFY(gotNew > 0);
        QVERIFY(leftTemporary > 0);
        qInfo("%d kill points: %d kept the old bytes, %d had the new, %d left a temporary", total + 1,
              keptOld, gotNew, leftTemporary);
    }

    // The main window's four exit values, killed at every system call of their write: the store
    // holds all of them or none ("Time" alone would fail the next start), and the next write
    // leaves nothing else in the folder.
    void exitValuesKilledAtEverySystemCall() {
        if (!ptraceAllowed())
            QSKIP("this machine does not let a process trace its child");
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        const std::string folder = home.filePath("vantorel").toStdString();
        const std::string file = folder + "/registry.reg";
        const std::string key = "Software\\Ludovane9900Vantorel\\Options";
        const std::vector<std::string> exitWrite = {"exit-prefs", "Courier New", "1", "255"};
        const int total = tracedRun(exitWrite, std::nullopt);
        QVERIFY2(total > 0, "the traced write did not run through");
        const QStringList storeFiles{"registry.reg", "registry.reg.lock"};
        int kept = 0, written = 0;
        for (int at = 0; at <= total; ++at) {
            QVERIFY(QDir(QString::fromStdString(folder)).removeRecursively());
            settings::RegistryStore store;
            QVERIFY(store.setValue(key, "Tip", settings::REG_SZ, std::string("0", 2)));
            QVERIFY(tracedRun(exitWrite, at) >= 0);
            const settings::RegistryFile::Contents contents = settings::RegistryFile::parse(readBytes(file));
            QVERIFY(contents.skipped.empty());
            const settings::RegistryTree& tree = contents.tree;
            int present = 0;
            for (const char* name : {"Time", "Font", "FontStyle", "FontColor"})
                present += tree.value(key, name) != nullptr;
            QVERIFY2(present == 0 || present == 4,
                     qPrintable(QString("killed at stop %1 of %2: %3 of the four values")
                                    .arg(at)
                                    .arg(total)
                                    .arg(present)));
            kept += present == 0;
            written += present == 4;
            QVERIFY(store.setValue(key, "Tip", settings::REG_SZ, std::string("1", 2)));
            QCOMPARE(entries(QString::fromStdString(folder)), storeFiles);
        }
        QVERIFY(kept > 0 && written > 0);
        qInfo("%d kill points: %d left none of the four values, %d all of them", total + 1, kept, written);
    }

    // Kills a process that saves two large texts in turn after random delays, so that kills
    // also land in the middle of the kernel's work on a write.
    void killedAfterRandomDelays() {
        QTemporaryDir work;
        QTemporaryDir dir;
        const std::string target = dir.filePath("euro.cfg").toStdString();
        const std::string a = documentText('a', 3 << 20);
        const std::string b = documentText('b', 2 << 20);
        const std::string fileA = work.filePath("a").toStdString();
        const std::string fileB = work.filePath("b").toStdString();
        QVERIFY(writeBytes(fileA, a));
        QVERIFY(writeBytes(fileB, b));
        QVERIFY(writeBytes(target, a));

        // Kill points spread over two saves' time, measured here.
        document::ConfigBuffer buffer;
        buffer.setText(a);
        const auto started = std::chrono::steady_clock::now();
        document::writeFile(target, buffer);
        const auto saveMicros =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started)
                .count();
        std::mt19937 random(20261208);
        std::uniform_int_distribution<long> delayMicros(0, 2 * std::max(saveMicros, 1000L));
        int leftTemporary = 0;
        constexpr int kRounds = 40;
        for (int round = 0; round < kRounds; ++round) {
            int ready[2];
            QCOMPARE(::pipe(ready), 0);
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::dup2(ready[1], STDOUT_FILENO);
                ::execl(VANTOREL_FAULT_CHILD, VANTOREL_FAULT_CHILD, "save-loop", target.c_str(),
                        fileA.c_str(), fileB.c_str(), static_cast<char*>(nullptr));
                ::_exit(121);
            }
            QVERIFY(pid > 0);
            ::close(ready[1]);
            char mark;
            const bool running = ::read(ready[0], &mark, 1) == 1;
            ::close(ready[0]);
            const long delay = delayMicros(random);
            std::this_thread::sleep_for(std::chrono::microseconds(delay));
            ::kill(pid, SIGKILL);
            int status = 0;
            QCOMPARE(::waitpid(pid, &status, 0), pid);
            QVERIFY2(running && WIFSIGNALED(status), "the saving child did not get to save");

            const std::string after = readBytes(target);
            QVERIFY2(after == a || after == b,
                     qPrintable(QString("round %1, killed %2 us into its saves: %3 other bytes")
                                    .arg(round)
                                    .arg(delay)
                                    .arg(after.size())));
            leftTemporary += entries(dir.path()).size() > 1;

            document::writeFile(target, buffer);
            QCOMPARE(entries(dir.path()), QStringList{"euro.cfg"});
        }
        qInfo("%d kills within %ld us, %d left a temporary for the next save to remove", kRounds,
              2 * saveMicros, leftTemporary);
    }

    // A name of the temporary's form that a live save still holds is not touched: the second
    // save waits for the first instead of taking its file away.
    void leavesALiveSavesTemporaryAlone() {
        if (!ptraceAllowed())
            QSKIP("this machine does not let a process trace its child");
        QTemporaryDir work;
        QTemporaryDir dir;
        const std::string target = dir.filePath("euro.cfg").toStdString();
        const std::string content = work.filePath("new").toStdString();
        const std::string childText = documentText('c', 64 * 1024);
        QVERIFY(writeBytes(content, childText));
        QVERIFY(writeBytes(target, "old\r\n"));

        // Stop the child in the middle of its save, with its temporary written but not renamed.
        const pid_t pid = startTracedSave(target, content);
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QCOMPARE(::ptrace(PTRACE_SETOPTIONS, pid, nullptr,
                          reinterpret_cast<void*>(long(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL))),
                 0L);
        QVERIFY(runToNextStop(pid, true, status) == Traced::Stopped);
        bool heldTemporary = false;
        for (int stops = 0; stops < 1000 && !heldTemporary; ++stops) {
            QVERIFY(runToNextStop(pid, false, status) == Traced::Stopped);
            const QStringList names = entries(dir.path());
            heldTemporary =
                names.size() == 2 && readBytes(dir.filePath(names.at(0)).toStdString()) == childText;
        }
        QVERIFY2(heldTemporary, "the child never had its temporary complete on disk");

        // A save from here waits for the child's lock; the child goes on a moment later.
        document::ConfigBuffer mine;
        mine.setText("mine\r\n");
        std::chrono::steady_clock::duration waited{};
        std::string failure;
        std::thread saver([&] {
            const auto started = std::chrono::steady_clock::now();
            try {
                document::writeFile(target, mine);
            } catch (const core::Exception& e) {
                failure = e.message();
            }
            waited = std::chrono::steady_clock::now() - started;
        });
        // Well within the half second a save waits for another copy's.
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        const bool stillWaiting = entries(dir.path()).size() == 2 && readBytes(target) == "old\r\n";
        // Only the tracing thread may let the child go.
        QCOMPARE(::ptrace(PTRACE_DETACH, pid, nullptr, nullptr), 0L);
        saver.join();
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);

        // Both saves completed, the child's first, and nothing is left over.
        QVERIFY2(failure.empty(), failure.c_str());
        QVERIFY(stillWaiting);
        QVERIFY(waited >= std::chrono::milliseconds(100));
        QCOMPARE(readBytes(target), std::string("mine\r\n"));
        QCOMPARE(entries(dir.path()), QStringList{"euro.cfg"});
    }

    // A file of the temporary's name that is no regular file is not ours to remove.
    void refusesAForeignObjectUnderTheTemporaryName() {
        QTemporaryDir dir;
        const std::string target = dir.filePath("euro.cfg").toStdString();
        QVERIFY(writeBytes(target, "old\r\n"));
        QVERIFY(QDir(dir.path()).mkdir(".euro.cfg.vantorel-save"));
        document::ConfigBuffer buffer;
        buffer.setText("new\r\n");
        QVERIFY_THROWS_EXCEPTION(core::EInOutError, document::writeFile(target, buffer));
        QCOMPARE(readBytes(target), std::string("old\r\n"));
        QVERIFY(QFileInfo(dir.filePath(".euro.cfg.vantorel-save")).isDir());
    }
};

QTEST_GUILESS_MAIN(TestKilledSave)
#include "tst_killedsave.moc"
