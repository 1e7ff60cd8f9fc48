// Big documents through the whole document path: Load, showing a country, Apply Changes and
// Save, each timed, for a 100 MB euro.cfg, a file of one 50 MB line and a file of 5 million
// empty lines. Every step is checked, so a wrong result fails the run (exit status 1).
// Run by hand or through scripts/bench.sh: build/bench/bench_bigfiles [folder], default /tmp.

#include "BenchChecks.h"
#include "document/ConfigBuffer.h"
#include "document/CountryPlaces.h"
#include "document/CountryView.h"
#include "document/FileWriter.h"
#include "document/PlaceFields.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

namespace {

struct Fields : document::PlaceFields {
    std::array<std::string, 10> texts;
    std::array<bool, 10> visible{};
    std::string fieldText(int field) const override { return texts[std::size_t(field)]; }
    void setFieldText(int field, const std::string& text) override { texts[std::size_t(field)] = text; }
    void setFieldVisible(int field, bool shown) override { visible[std::size_t(field)] = shown; }
};

using bench::check;
using bench::readWhole;

// One machine-readable line per figure, collected by scripts/bench.sh into its table.
void result(const std::string& measure, double value, const char* unit) {
    std::printf("RESULT\tbig files\t%s\t%.4g\t%s\n", measure.c_str(), value, unit);
}

double millisOf(const std::function<void()>& step) {
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long peakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

struct Case {
    const char* name;
    std::function<std::string()> make; // the file's bytes (CR LF line ends)
};

void run(const Case& c, const std::string& folder) {
    const std::string path = folder + "/vantorel-big-" + std::to_string(::getpid()) + ".cfg";
    std::string bytes = c.make();
    const double mb = double(bytes.size()) / 1e6;
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));

    document::ConfigBuffer buffer;
    Fields fields;
    const double load = millisOf([&] { buffer.load(path); });
    check(buffer.wholeText() == bytes, std::string(c.name) + ": Load changed the text");

    // England (row 0, lines 1 to 7), then every country once.
    const int row = 0;
    const double show = millisOf([&] { document::showCountry(buffer, row, fields); });
    const double showAll = millisOf([&] {
        for (int r = 0; r < document::kCountryCount; ++r)
            document::showCountry(buffer, r, fields);
    });
    document::showCountry(buffer, row, fields);

    for (int f = 0; f < 10; ++f)
        if (fields.visible[std::size_t(f)])
            fields.texts[std::size_t(f)] = "Edited place " + std::to_string(f);
    const std::string caption(document::countryRow(row).caption);
    const double apply = millisOf([&] { document::applyChanges(buffer, caption, fields); });
    for (int f = 0; f < 10; ++f) {
        const auto line = document::placeLine(row, f);
        if (line && std::size_t(*line) < buffer.lineCount())
            check(buffer.readLine(std::size_t(*line)) == "Edited place " + std::to_string(f),
                  std::string(c.name) + ": Apply did not reach line " + std::to_string(*line));
    }
    const std::string expected = buffer.wholeText();

    const double save = millisOf([&] { document::writeFile(path, buffer); });
    const std::string saved = readWhole(path);
    check(saved == expected + (expected.ends_with("\r\n") ? "" : "\r\n"),
          std::string(c.name) + ": Save did not write the buffer");
    ::unlink(path.c_str());

    const std::string name = c.name;
    result(name + ": load", load, "ms");
    result(name + ": show a country", show * 1000.0, "us");
    result(name + ": apply", apply, "ms");
    result(name + ": save", save, "ms");
    std::printf("%-26s %9.1f %8zu %9.1f %9.1f %11.2f %9.1f %9.1f %9.1f\n", c.name, mb, buffer.lineCount(),
                load, show * 1000.0, showAll * 1000.0 / document::kCountryCount, apply, save,
                mb / ((load + save) / 1000.0));
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "/tmp";
    const Case cases[] = {
        {"100 MB euro.cfg",
         [] {
             std::string text;
             text.reserve(100'000'064);
             for (unsigned n = 0; text.size() < 100'000'000; ++n)
                 text += "Country " + std::to_string(n % 48) + " place " + std::to_string(n) + " = FC " +
                         std::to_string(n * 2654435761u % 100000) + " of the league of the north\r\n";
             return text;
         }},
        {"one 50 MB line",
         [] {
             return std::string(50'000'000, 'x') + "\r\n";
         }},
        {"5 million empty lines",
         [] {
             std::string text;
             text.reserve(10'000'000);
             for (int n = 0; n < 5'000'000; ++n)
                 text += "\r\n";
             return text;
         }},
    };
    std::printf("%-26s %9s %8s %9s %9s %11s %9s %9s %9s\n", "document", "MB", "lines", "load ms", "show us",
                "show/row us", "apply ms", "save ms", "MB/s");
    for (const Case& c : cases)
        run(c, folder);
    std::printf("peak memory: %.1f MB\n", double(peakKb()) / 1024.0);
    result("peak memory, all three", double(peakKb()) / 1024.0, "MB");
    return bench::failures == 0 ? 0 : 1;
}
