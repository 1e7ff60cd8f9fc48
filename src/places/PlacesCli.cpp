#include "places/PlacesCli.h"

#include "places/Commands.h"
#include "places/ToolError.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <functional>
#include <ostream>

namespace places {
namespace {

constexpr const char* kName = kProgramName;
constexpr int kErrorExit = 2;
constexpr std::array<const char*, 7> kCommands = {"show", "export", "set", "import", "diff", "check", "new"};

struct Arguments {
    std::string file, file2, table, output = "-", country, competition, slot, text;
    std::vector<std::string> countries;
    std::optional<std::string> tableFormat, delimiter, encoding;
    std::string diffFormat = "text";
    bool excel = false, dryRun = false;

    std::optional<char> delimiterChar() const {
        if (!delimiter)
            return std::nullopt;
        return *delimiter == "tab" || *delimiter == "\\t" ? '\t' : delimiter->front();
    }
    TableOptions tableOptions() const {
        return {tableFormat, delimiterChar(), encoding ? encodingNamed(*encoding) : std::nullopt};
    }
    ExportOptions exportOptions() const {
        return {tableFormat, delimiterChar(), encoding ? encodingNamed(*encoding) : std::nullopt, excel};
    }
};

// ",", ";", a tab, or "tab" or a backslash and t for one.
std::string checkDelimiter(const std::string& value) {
    if (value == "," || value == ";" || value == "\t" || value == "tab" || value == "\\t")
        return {};
    return "the separator is ',', ';' or tab";
}

std::string commandList() {
    std::string list;
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        list += std::string(i == 0 ? "" : i + 1 == kCommands.size() ? " and " : ", ") + kCommands[i];
    return list;
}

// CLI11 tells only that a subcommand is required; this names them.
std::optional<std::string> commandProblem(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return "no command given: the commands are " + commandList();
    const std::string& first = arguments.front();
    if (first.starts_with("-") || std::find(kCommands.begin(), kCommands.end(), first) != kCommands.end())
        return std::nullopt;
    return "unknown command '" + first + "': the commands are " + commandList();
}

CLI::App* addCommand(CLI::App& app, const char* name, const char* description, std::function<int()>& run,
                     std::function<int()> body) {
    CLI::App* command = app.add_subcommand(name, description);
    command->callback([&run, body = std::move(body)] { run = body; });
    return command;
}

void defineCommands(CLI::App& app, Arguments& a, std::function<int()>& run, std::ostream& out,
                    std::ostream& err) {
    const auto csvOrJson = CLI::IsMember({"csv", "json"});
    const auto encodings = CLI::IsMember(
        {"utf-8", "utf-8-bom", "windows-1252", "utf-16", "utf-16le", "utf-16be"}, CLI::ignore_case);

    auto* show = addCommand(app, "show",
                            "Show each country's places, grouped by competition (all 48 countries "
                            "when none is named).",
                            run, [&] { return showCommand(a.file, a.countries, out, err); });
    show->add_option("FILE", a.file, "the euro.cfg")->required();
    show->add_option("COUNTRY", a.countries, "countries by list entry or caption, any case");

    auto* exportCmd =
        addCommand(app, "export", "Write all 212 places as a table, in the country list's order.", run,
                   [&] { return exportCommand(a.file, a.exportOptions(), a.output, out, err); });
    exportCmd->add_option("FILE", a.file, "the euro.cfg")->required();
    exportCmd
        ->add_option("--format", a.tableFormat,
                     "csv (the default for standard output) or json; else from "
                     "the extension of OUT")
        ->check(csvOrJson);
    exportCmd->add_option("--output,-o", a.output, "the table file (default: standard output)");
    auto* exportEncoding =
        exportCmd
            ->add_option("--encoding", a.encoding,
                         "utf-8 (the default), utf-8-bom, windows-1252 or utf-16 (little endian, with a "
                         "byte order mark)")
            ->check(encodings);
    exportCmd->add_option("--delimiter", a.delimiter, "the CSV separator: ',' (the default), ';' or tab")
        ->check(checkDelimiter);
    exportCmd
        ->add_flag("--excel", a.excel,
                   "for opening in Excel by double-click: UTF-8 with a byte order mark and CR LF line ends "
                   "(add --delimiter ';' where the decimal separator is a comma)")
        ->excludes(exportEncoding);

    auto* set = addCommand(app, "set", "Replace one place and save.", run,
                           [&] { return setCommand(a.file, a.country, a.competition, a.slot, a.text, out); });
    set->add_option("FILE", a.file, "the euro.cfg")->required();
    set->add_option("COUNTRY", a.country, "list entry or caption, any case")->required();
    set->add_option("COMPETITION", a.competition,
                    "Champions League, UEFA Cup, Inter Toto Cup, or cl, uefa, intertoto")
        ->required();
    set->add_option("SLOT", a.slot, "the place within the country's competition, from 1")->required();
    set->add_option("TEXT", a.text, "the new text, UTF-8, as Windows-1252 can hold it")->required();

    auto* import = addCommand(
        app, "import",
        "Apply a table in the export format, as a spreadsheet saves it: every row is checked first, "
        "and nothing is written if any is bad. Lists the places it changed.",
        run, [&] { return importCommand(a.file, a.table, a.tableOptions(), a.dryRun, out, err); });
    import->add_option("FILE", a.file, "the euro.cfg")->required();
    import->add_option("TABLE", a.table, "the table (- for standard input)")->required();
    import
        ->add_option("--format", a.tableFormat,
                     "csv or json (default: from the extension of TABLE, else from its first character)")
        ->check(csvOrJson);
    import->add_option("--delimiter", a.delimiter, "the CSV separator (default: told by the header row)")
        ->check(checkDelimiter);
    import
        ->add_option("--encoding", a.encoding,
                     "utf-8, windows-1252, utf-16le or utf-16be (default: told by the bytes)")
        ->check(encodings);
    import->add_flag("--dry-run,-n", a.dryRun,
                     "list what would change, as diff does (exit 1 when anything would), and write nothing");

    auto* diff = addCommand(app, "diff", "List the places whose text differs; exit 1 when some do.", run,
                            [&] { return diffCommand(a.file, a.file2, a.diffFormat, out); });
    diff->add_option("FILE1", a.file, "the old euro.cfg")->required();
    diff->add_option("FILE2", a.file2, "the new euro.cfg")->required();
    diff->add_option("--format", a.diffFormat, "text (the default), csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}));

    auto* check = addCommand(app, "check",
                             "Report what would surprise the editor or the game; exit 1 when "
                             "anything is found.",
                             run, [&] { return checkCommand(a.file, out); });
    check->add_option("FILE", a.file, "the euro.cfg")->required();

    auto* create = addCommand(app, "new", "Write the template as a new file.", run,
                              [&] { return newCommand(a.output, out); });
    create->add_option("OUTPUT", a.output, "the file to make; it must not exist")->required();
}

} // namespace

int runPlaces(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    CLI::App app("The European places of a Ludovane 99/00 euro.cfg, for scripts and whole-season updates.",
                 kName);
    app.require_subcommand(1);
    // Not /help and the like, which a Windows build would otherwise take: there an argument such
    // as /data/euro.cfg (a path on the current drive, or a Linux path under Wine) is a file.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string(kName) + " " VANTOREL_VERSION);
    Arguments a;
    std::function<int()> run;
    defineCommands(app, a, run, out, err);
    if (const auto problem = commandProblem(arguments)) {
        err << kName << ": command line: " << *problem << "\n"
            << "Run '" << kName << " --help' for what they do.\n";
        return kErrorExit;
    }
    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        app.parse(reversed);
    } catch (const CLI::Success& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        err << kName << ": command line: " << e.what() << "\n"
            << "Run '" << kName << " --help' for the commands, '" << kName << " COMMAND --help' for one.\n";
        return kErrorExit;
    }
    try {
        return run();
    } catch (const ToolError& e) {
        for (const Problem& p : e.problems())
            err << kName << ": " << p.subject << ": " << p.what << "\n";
        return kErrorExit;
    } catch (const std::exception& e) {
        err << kName << ": " << e.what() << "\n";
        return kErrorExit;
    }
}

} // namespace places
