// Load and save speed of the config buffer against a plain copy of the same file,
// its peak memory, and the cost of reading and replacing single lines.
// Run by hand: build/bench/bench_document [folder], default /tmp.

#include "document/ConfigBuffer.h"
#include "document/FileWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

// One machine-readable line per figure, collected by scripts/bench.sh into its table.
void result(const std::string& measure, double value, const char* unit) {
    std::printf("RESULT\tdocument\t%s\t%.4g\t%s\n", measure.c_str(), value, unit);
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Lines in the style of a config file; `lineEnd` "\r\n" or "\n".
void generate(const std::string& path, std::size_t bytes, const char* lineEnd) {
    std::string text;
    text.reserve(bytes + 64);
    for (unsigned n = 0; text.size() < bytes; ++n)
        text += "Country " + std::to_string(n % 48) + " Competition place " + std::to_string(n) + " = FC " +
                std::to_string(n * 2654435761u % 100000) + lineEnd;
    text.resize(bytes);
    std::ofstream(path, std::ios::binary).write(text.data(), std::streamsize(text.size()));
}

long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::atol(line.c_str() + std::char_traits<char>::length(key));
    return -1;
}

void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void plainCopy(const std::string& from, const std::string& to, bool sync) {
    const int in = ::open(from.c_str(), O_RDONLY);
    std::vector<char> data(std::size_t(::lseek(in, 0, SEEK_END)));
    ::lseek(in, 0, SEEK_SET);
    for (std::size_t got = 0; got < data.size();)
        got += std::size_t(::read(in, data.data() + got, data.size() - got));
    ::close(in);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (std::size_t put = 0; put < data.size();)
        put += std::size_t(::write(out, data.data() + put, data.size() - put));
    if (sync)
        ::fsync(out);
    ::close(out);
}

struct Run {
    double plain = 1e9, plainSync = 1e9, buffer = 1e9, load = 1e9;
    double peakFactor = 0;
};

Run measure(const std::string& folder, std::size_t bytes, const char* lineEnd, int repeats) {
    const std::string source = folder + "/bench-source.cfg";
    const std::string copy = folder + "/bench-copy.cfg";
    const std::string saved = folder + "/bench-saved.cfg";
    generate(source, bytes, lineEnd);
    Run r;
    for (int i = 0; i < repeats; ++i) {
        auto t = Clock::now();
        plainCopy(source, copy, false);
        r.plain = std::min(r.plain, secondsSince(t));
        t = Clock::now();
        plainCopy(source, copy, true);
        r.plainSync = std::min(r.plainSync, secondsSince(t));

        const long before = statusKb("VmRSS:");
        resetPeak();
        t = Clock::now();
        {
            document::ConfigBuffer buffer;
            buffer.load(source);
            r.load = std::min(r.load, secondsSince(t));
            document::writeFile(saved, buffer);
        }
        r.buffer = std::min(r.buffer, secondsSince(t));
        const long peak = statusKb("VmHWM:");
        r.peakFactor = std::max(r.peakFactor, double(peak - before) * 1024.0 / double(bytes));
    }
    std::remove(source.c_str());
    std::remove(copy.c_str());
    std::remove(saved.c_str());
    return r;
}

void lineOperations() {
    std::string text;
    for (int n = 0; n < 307; ++n)
        text += "Country " + std::to_string(n) + " UEFA Cup " + std::to_string(n % 4 + 1) + "\r\n";
    document::ConfigBuffer buffer;
    buffer.setText(text);
    constexpr int kCalls = 2000000;
    std::size_t sink = 0;
    auto t = Clock::now();
    for (int i = 0; i < kCalls; ++i)
        sink += buffer.readLine(std::size_t(i % 307)).size();
    const double readNs = secondsSince(t) * 1e9 / kCalls;
    const std::string texts[] = {"Short", "A somewhat longer place text for the line", ""};
    t = Clock::now();
    for (int i = 0; i < kCalls; ++i)
        buffer.replaceLine(std::size_t((i * 7) % 307), texts[i % 3]);
    const double replaceNs = secondsSince(t) * 1e9 / kCalls;
    std::printf("307-line buffer (%zu lines): readLine %.1f ns/call, replaceLine %.1f ns/call (sink %zu)\n",
                buffer.lineCount(), readNs, replaceNs, sink + buffer.wholeText().size());
    result("readLine, 307 lines", readNs, "ns");
    result("replaceLine, 307 lines", replaceNs, "ns");
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "/tmp";
    std::printf("Load+write vs plain read-and-write copy (best of 3), folder %s\n", folder.c_str());
    std::printf("%-9s %-5s %10s %12s %11s %10s %9s %11s %9s\n", "size", "ends", "plain s", "plain+sync s",
                "load+save s", "load s", "x plain", "x plain+sync", "peak/size");
    for (const char* ends : {"\r\n", "\n"}) {
        double at10 = 0, at100 = 0;
        for (std::size_t mb : {1, 10, 100}) {
            const Run r = measure(folder, mb << 20, ends, 3);
            std::printf("%4zu MB   %-5s %10.4f %12.4f %11.4f %10.4f %9.2f %11.2f %9.2f\n", mb,
                        ends[0] == '\r' ? "CRLF" : "LF", r.plain, r.plainSync, r.buffer, r.load,
                        r.buffer / r.plain, r.buffer / r.plainSync, r.peakFactor);
            (mb == 10 ? at10 : at100) = r.buffer;
            const std::string name =
                "load+save " + std::to_string(mb) + " MB " + (ends[0] == '\r' ? "CRLF" : "LF");
            result(name, r.buffer * 1000.0, "ms");
            result(name + " / plain copy", r.buffer / r.plain, "x");
            result(name + " / plain copy+fsync", r.buffer / r.plainSync, "x");
            result(name + " throughput", double(mb << 20) / 1e6 / r.buffer, "MB/s");
            result(name + " peak memory / size", r.peakFactor, "x");
        }
        std::printf("  scaling 100 MB / 10 MB (load+save): %.2fx\n", at100 / at10);
        result(std::string("scaling 100 MB / 10 MB ") + (ends[0] == '\r' ? "CRLF" : "LF"), at100 / at10, "x");
    }
    lineOperations();
    return 0;
}
