// The season tool as a user runs it: whole processes of `vantorel-places export` and
// `import` of all 212 places on a real-size euro.cfg (the template), against `cat FILE`
// in the same run; and `import` of a full table into a 100 MB file, against the editor's
// own Load+Write of that file in this process. Every run is checked: a failed process or
// a wrong result fails the benchmark (exit status 1).
// The import is also timed on the table forms that spreadsheets save: semicolons in Windows-1252
// with CR LF, tabs in UTF-16 LE, UTF-8 with a byte order mark. The tool runs in a folder of its
// own that holds the template, as it finds it when installed, so every import compares the
// file with it.
// Run by hand or through scripts/bench.sh: build/bench/bench_places [folder], default /tmp.

#include "BenchChecks.h"
#include "document/ConfigBuffer.h"
#include "document/FileWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using Clock = std::chrono::steady_clock;

namespace {

using bench::check;
using bench::readWhole;

void result(const std::string& measure, double value, const char* unit) {
    std::printf("RESULT\tplaces\t%s\t%.4g\t%s\n", measure.c_str(), value, unit);
}

void writeWhole(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// Runs the program with its output and errors to /dev/null; the time from spawn to exit, in ms.
double timeProcess(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    int status = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        ::waitpid(pid, &status, 0);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    check(status == 0, args[0] + " " + args[1] + " failed");
    return ms;
}

// The median of `runs` runs of `step`, after one warm-up run.
template <class Step> double medianMs(int runs, Step step) {
    step();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(step());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The editor's own Load and Write of a file, in this process, in ms.
double loadAndWriteMs(const std::string& path) {
    const auto start = Clock::now();
    document::ConfigBuffer buffer;
    buffer.load(path);
    document::writeFile(path, buffer);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The exported table with every text changed, so that an import rewrites all 212 places.
std::string changedTable(const std::string& csv, const std::string& mark) {
    std::string out;
    std::size_t pos = 0;
    bool header = true;
    while (pos < csv.size()) {
        const std::size_t end = csv.find('\n', pos);
        std::string line = csv.substr(pos, end - pos);
        out += header ? line : line + mark;
        out += '\n';
        header = false;
        pos = end + 1;
    }
    return out;
}

enum class Form { Semicolons1252, Utf16Tabs, Utf8Bom };
constexpr struct {
    Form form;
    const char* name;
} kForms[] = {{Form::Semicolons1252, "semicolons, Windows-1252, CR LF"},
              {Form::Utf16Tabs, "tabs, UTF-16 LE"},
              {Form::Utf8Bom, "UTF-8 with a byte order mark"}};

// The table with every text changed, in a spreadsheet's form. The mark each text ends with is a
// Latin-1 letter, so its Windows-1252 byte is its code point.
std::string tableForm(const std::string& csv, Form form, unsigned char mark) {
    const std::string table = changedTable(csv, std::string(" ") + char(mark));
    std::string out = form == Form::Utf16Tabs ? "\xFF\xFE" : form == Form::Utf8Bom ? "\xEF\xBB\xBF" : "";
    for (const char c : table) {
        const auto b = static_cast<unsigned char>(c);
        if (form == Form::Semicolons1252) {
            out += c == ',' ? std::string(";") : c == '\n' ? std::string("\r\n") : std::string(1, c);
        } else if (form == Form::Utf16Tabs) {
            out += c == ',' ? '\t' : c;
            out += '\0';
        } else if (b < 0x80) {
            out += c;
        } else {
            out += char(0xC0 | (b >> 6));
            out += char(0x80 | (b & 0x3F));
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "/tmp";
    const std::string tool = VANTOREL_PLACES_PATH;
    // The tool's working folder, with the template in it.
    const std::string work = folder + "/vantorel-places-bench-" + std::to_string(::getpid()) + ".d";
    check(::mkdir(work.c_str(), 0700) == 0 && ::chdir(work.c_str()) == 0, "cannot make " + work);
    writeWhole("templ.ate", readWhole(VANTOREL_TEMPLATE_PATH));
    const std::string base = work + "/bench";
    const std::string file = base + ".cfg", table = base + ".csv", tableA = base + "-a.csv",
                      tableB = base + "-b.csv";
    constexpr int kRuns = 41;

    // A real-size file: the template, 307 lines.
    writeWhole(file, readWhole(VANTOREL_TEMPLATE_PATH));
    const double cat = medianMs(kRuns, [&] { return timeProcess({"cat", file}); });
    const double exportMs = medianMs(kRuns, [&] { return timeProcess({tool, "export", file, "-o", table}); });
    const std::string csv = readWhole(table);
    check(std::count(csv.begin(), csv.end(), '\n') == 213, "export did not write 212 rows");
    writeWhole(tableA, changedTable(csv, " A"));
    writeWhole(tableB, changedTable(csv, " B"));
    int turn = 0;
    const double importMs = medianMs(kRuns, [&] {
        return timeProcess({tool, "import", file, ++turn % 2 ? tableA : tableB});
    });
    check(readWhole(file).find(turn % 2 ? "England Champions League 1 A\r\n"
                                        : "England Champions League 1 B\r\n") != std::string::npos,
          "import did not change the file");
    // Where the import's time goes: the same import with nothing to change (no save), and the
    // editor's own durable Load+Write of this file in this process.
    const double importSame = medianMs(kRuns, [&] {
        return timeProcess({tool, "import", file, turn % 2 ? tableA : tableB});
    });
    const double smallLoadWrite = medianMs(kRuns, [&] { return loadAndWriteMs(file); });
    std::printf("real-size file (%zu bytes), median of %d runs:\n", readWhole(file).size(), kRuns);
    std::printf("  cat %.2f ms, export %.2f ms (+%.2f), import %.2f ms (+%.2f)\n", cat, exportMs,
                exportMs - cat, importMs, importMs - cat);
    std::printf(
        "  import with nothing to change %.2f ms (+%.2f); the editor's Load+Write in-process %.2f ms\n",
        importSame, importSame - cat, smallLoadWrite);
    result("cat of the real-size file, a process", cat, "ms");
    result("export of 212 places, a process, over cat", exportMs - cat, "ms");
    result("import of 212 places, a process, over cat", importMs - cat, "ms");
    result("import, nothing to change (no save), over cat", importSame - cat, "ms");
    result("editor's Load+Write of the real-size file", smallLoadWrite, "ms");

    // The same import from each form a spreadsheet saves, against cat plus the durable save.
    for (const auto& [form, name] : kForms) {
        writeWhole(tableA, tableForm(csv, form, 0xC4));
        writeWhole(tableB, tableForm(csv, form, 0xD6));
        const double ms = medianMs(kRuns, [&] {
            return timeProcess({tool, "import", file, ++turn % 2 ? tableA : tableB});
        });
        check(readWhole(file).find(turn % 2 ? "England Champions League 1 \xC4\r\n"
                                            : "England Champions League 1 \xD6\r\n") != std::string::npos,
              std::string("import of ") + name + " did not change the file");
        std::printf("  import from %s %.2f ms: %+.2f over cat and the editor's Load+Write\n", name, ms,
                    ms - cat - smallLoadWrite);
        result(std::string("import of 212 places from ") + name + ", over cat and Load+Write",
               ms - cat - smallLoadWrite, "ms");
    }
    writeWhole(tableA, changedTable(csv, " A"));
    writeWhole(tableB, changedTable(csv, " B"));

    // 100 MB: the places at the top, then lines of the same kind as in bench_bigfiles.
    std::string big = readWhole(VANTOREL_TEMPLATE_PATH);
    big.reserve(100'000'064);
    for (unsigned n = 0; big.size() < 100'000'000; ++n)
        big += "Country " + std::to_string(n % 48) + " place " + std::to_string(n) + " = FC " +
               std::to_string(n * 2654435761u % 100000) + " of the league of the north\r\n";
    writeWhole(file, big);
    constexpr int kBigRuns = 5;
    const double loadWrite = medianMs(kBigRuns, [&] { return loadAndWriteMs(file); });
    const double bigImport = medianMs(kBigRuns, [&] {
        return timeProcess({tool, "import", file, ++turn % 2 ? tableA : tableB});
    });
    check(readWhole(file).size() == big.size() + 212 * 2, "import into 100 MB changed the wrong bytes");
    std::printf("100 MB file, median of %d runs: Load+Write %.0f ms, import %.0f ms = %.2fx\n", kBigRuns,
                loadWrite, bigImport, bigImport / loadWrite);
    result("100 MB: editor's Load+Write", loadWrite, "ms");
    result("100 MB: import of 212 places, a process", bigImport, "ms");
    result("100 MB: import against Load+Write", bigImport / loadWrite, "x");

    for (const auto& path : {file, table, tableA, tableB, work + "/templ.ate"})
        ::unlink(path.c_str());
    ::rmdir(work.c_str());
    return bench::failures == 0 ? 0 : 1;
}
