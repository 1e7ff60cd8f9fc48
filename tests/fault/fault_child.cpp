// The child process of the fault tests: does what the program does at one risky moment, so
// that the test can kill it there or race two of them.
//
//   fault_child save <target> <content>           writes <content>'s bytes to <target> through
//                                                 document::writeFile, after stopping itself
//                                                 with SIGSTOP (the tracer's starting mark)
//   fault_child save-loop <target> <a> <b>        saves <a>, <b>, <a>, ... until killed; writes
//                                                 one byte to standard output when it starts
//   fault_child prefs <gate-fd> <font> <style> <colour> <rounds>
//                                                 waits until <gate-fd> closes, then writes the
//                                                 main window's four preferences <rounds> times
//                                                 the way it does at exit
//   fault_child exit-prefs <font> <style> <colour>
//                                                 writes the four preferences once the way the
//                                                 main window does at exit, after stopping itself
//                                                 with SIGSTOP (the tracer's starting mark)
//
// Exit status 0 on success; 2 for a bad command line, 3 for a failed operation.
#include "core/Exception.h"
#include "document/ConfigBuffer.h"
#include "document/FileWriter.h"
#include "settings/TRegistry.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string readWhole(const char* path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(in ? std::size_t(in.tellg()) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), std::streamsize(bytes.size()));
    return bytes;
}

document::ConfigBuffer bufferOf(const char* path) {
    document::ConfigBuffer buffer;
    buffer.setText(readWhole(path));
    return buffer;
}

int save(const char* target, const char* content) {
    const document::ConfigBuffer buffer = bufferOf(content);
    std::raise(SIGSTOP);
    document::writeFile(target, buffer);
    // No exit handlers: a tracer counts every system call from the mark to here.
    ::_exit(0);
}

int saveLoop(const char* target, const char* a, const char* b) {
    const document::ConfigBuffer buffers[2] = {bufferOf(a), bufferOf(b)};
    if (::write(STDOUT_FILENO, "s", 1) != 1)
        return 3;
    for (unsigned i = 0;; ++i)
        document::writeFile(target, buffers[i % 2]);
}

void writeExitValues(settings::TRegistry& key, const char* font, const char* style, const char* colour) {
    key.writeAll({settings::TRegistry::text("Time", "1"), settings::TRegistry::text("Font", font),
                  settings::TRegistry::boolean("FontStyle", std::atoi(style) != 0),
                  settings::TRegistry::integer("FontColor", std::atoi(colour))});
}

int exitPrefs(const char* font, const char* style, const char* colour) {
    settings::TRegistry key;
    if (!key.openKey("Software\\Ludovane9900Vantorel\\Options", true))
        return 3;
    std::raise(SIGSTOP);
    writeExitValues(key, font, style, colour);
    ::_exit(0);
}

int prefs(int gate, const char* font, const char* style, const char* colour, int rounds) {
    char byte;
    while (::read(gate, &byte, 1) > 0) {
    }
    ::close(gate);
    for (int round = 0; round < rounds; ++round) {
        settings::TRegistry key;
        if (!key.openKey("Software\\Ludovane9900Vantorel\\Options", true))
            return 3;
        writeExitValues(key, font, style, colour);
        key.closeKey();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "save" && argc == 4)
            return save(argv[2], argv[3]);
        if (command == "save-loop" && argc == 5)
            return saveLoop(argv[2], argv[3], argv[4]);
        if (command == "exit-prefs" && argc == 5)
            return exitPrefs(argv[2], argv[3], argv[4]);
        if (command == "prefs" && argc == 7)
            return prefs(std::atoi(argv[2]), argv[3], argv[4], argv[5], std::atoi(argv[6]));
    } catch (const core::Exception& e) {
        std::fprintf(stderr, "fault_child %s: %s\n", command.c_str(), e.what());
        return 3;
    }
    std::fprintf(stderr, "usage: fault_child save|save-loop|prefs|exit-prefs ...\n");
    return 2;
}
