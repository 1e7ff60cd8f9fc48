#include "document/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// The season tool through its real executable, on copies of the template in a scratch folder.
// The same test runs the Windows build's vantorel-places.exe under Wine: VANTOREL_PLACES_EXE
// names the program and VANTOREL_PLACES_WRAPPER what starts it (see cmake/WineTests.cmake).
namespace {

const QString kWrapper = qEnvironmentVariable("VANTOREL_PLACES_WRAPPER");
const QString kProgram = qEnvironmentVariable("VANTOREL_PLACES_EXE", VANTOREL_PLACES_PATH);

// Starts a program of the build under test: directly, or through the wrapper.
void start(QProcess& process, const QString& program, const QStringList& args) {
    if (kWrapper.isEmpty())
        process.start(program, args);
    else
        process.start(kWrapper, QStringList{program} + args);
}

ino_t inodeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

// A place line of the template (1-based) replaced by the given bytes.
using Edits = QMap<int, QByteArray>;

QByteArray templateBytes() {
    return QByteArray::fromStdString(testfiles::readBytes(VANTOREL_TEMPLATE_PATH));
}

// Text as Excel's "Unicode Text" writes it: UTF-16 little endian after a byte order mark.
QByteArray utf16le(const QString& text) {
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}

QByteArray withEdits(const Edits& edits) {
    QList<QByteArray> lines = templateBytes().split('\n');
    for (auto it = edits.begin(); it != edits.end(); ++it)
        lines[it.key() - 1] = it.value() + '\r';
    return lines.join('\n');
}

} // namespace

class TestPlaces : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Runs the tool in the scratch folder; "@" in an argument stands for that folder.
    Run run(QStringList args, const QByteArray& input = {}) {
        for (QString& a : args)
            a.replace('@', m_dir.path() + '/');
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        start(p, kProgram, args);
        p.write(input);
        p.closeWriteChannel();
        if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit)
            return {};
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

    void write(const QString& name, const QByteArray& bytes) {
        QVERIFY(testfiles::writeBytes(path(name), bytes.toStdString()));
    }
    QByteArray read(const QString& name) const {
        return QByteArray::fromStdString(testfiles::readBytes(path(name)));
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        for (const QString& name : testfiles::entries(m_dir.path()))
            QVERIFY(QFile::remove(path(name)) || QDir(path(name)).removeRecursively());
        write("euro.cfg", templateBytes());
        write("templ.ate", templateBytes()); // what new finds first
    }

    // Each row runs its commands in order on euro.cfg (a copy of the template): those before
    // the last must succeed; the last gives the exit code, prints the output (in part) and
    // leaves euro.cfg with the edits.
    void commands_data() {
        QTest::addColumn<QList<QStringList>>("commands");
        QTest::addColumn<QByteArray>("table"); // written to @table.csv first when given
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<Edits>("edits");

        using L = QList<QStringList>;
        QTest::newRow("show by caption, any case")
            << L{{"show", "@euro.cfg", "BOSNIA-HEREGAVINA"}} << QByteArray() << 0
            << QByteArray("Bosnia-Herzegovina\n  Inter Toto Cup\n    1  line 307  Bosnia-Herzegovina Inter "
                          "Toto Cup 1\n")
            << Edits{};
        QTest::newRow("show all: 48 countries")
            << L{{"show", "@euro.cfg"}} << QByteArray() << 0
            << QByteArray("England\n  Champions League\n    1  line 2  ") << Edits{};
        QTest::newRow("export csv in table order")
            << L{{"export", "@euro.cfg"}} << QByteArray() << 0
            << QByteArray("country,competition,slot,line,text\nEngland,Champions League,1,2,England "
                          "Champions League 1\n")
            << Edits{};
        QTest::newRow("set by short names, UTF-8 to Windows-1252")
            << L{{"set", "@euro.cfg", "italy", "CL", "2", "Lazio \xC3\xA9\xE2\x82\xAC"}} << QByteArray() << 0
            << QByteArray("Italy Champions League 2 (line 12)\n  - Italy Champions League 2\n  + Lazio "
                          "\xC3\xA9\xE2\x82\xAC\n")
            << Edits{{12, "Lazio \xE9\x80"}};
        QTest::newRow("set the same text again") << L{{"set", "@euro.cfg", "Wales", "uefa", "2", "X"},
                                                      {"set", "@euro.cfg", "Wales", "UEFA Cup", "2", "X"}}
                                                 << QByteArray() << 0 << QByteArray() << Edits{{277, "X"}};
        QTest::newRow("import csv: quotes, CR LF, empty line column, any column order")
            << L{{"import", "@euro.cfg", "@table.csv"}}
            << QByteArray("text,country,competition,slot,line\r\n\"Roma, \"\"A\"\"\",Italy,uefa,1,\r\n"
                          "Celtic,Scotland,Champions League,1,195\r\n")
            << 0 << QByteArray("2 of 2 places changed\n") << Edits{{14, "Roma, \"A\""}, {195, "Celtic"}};
        QTest::newRow("import semicolons, Windows-1252, CR LF, header in any case, extra columns")
            << L{{"import", "@euro.cfg", "@table.csv"}}
            << QByteArray("Country;Competition;Slot;Line;Text;notes;;\r\nGermany;cl;1;22;M\xFCnchen;x;;\r\n")
            << 0
            << QByteArray("Germany Champions League 1 (line 22)\n  - Germany Champions League 1\n  + "
                          "M\xC3\xBCnchen\n"
                          "1 of 1 places changed\n")
            << Edits{{22, "M\xFCnchen"}};
        QTest::newRow("import tabs, UTF-16 LE with a byte order mark, no line column")
            << L{{"import", "@euro.cfg", "@table.csv"}}
            << utf16le("country\tcompetition\tslot\ttext\r\nSpain\tcl\t1\tM\u00E1laga \u20AC\r\n") << 0
            << QByteArray("1 of 1 places changed\n") << Edits{{33, "M\xE1laga \x80"}};
        QTest::newRow(
            "import UTF-8 with a byte order mark, every field quoted, numbers as spreadsheets write")
            << L{{"import", "@euro.cfg", "@table.csv"}}
            << QByteArray("\xEF\xBB\xBF\"country\",\"competition\",\"slot\",\"line\",\"text\"\n"
                          "\"Italy\",\"uefa\",\"1.0\",\"014\",\"K\xC3\xB8ge\"\n")
            << 0 << QByteArray("1 of 1 places changed\n") << Edits{{14, "K\xF8ge"}};
        QTest::newRow("import with separator and encoding given")
            << L{{"import", "@euro.cfg", "@table.csv", "--delimiter", ";", "--encoding", "windows-1252"}}
            << QByteArray("country;competition;slot;text;a,b,c,d,e\nFrance;uefa;2;Saint-\xC3\x89tienne;\n")
            << 0 << QByteArray("1 of 1 places changed\n") << Edits{{46, "Saint-\xC3\x89tienne"}};
        QTest::newRow("import --dry-run shows a spreadsheet's changes and writes nothing")
            << L{{"import", "@euro.cfg", "@table.csv", "--dry-run"}}
            << QByteArray(
                   "country,competition,slot,text\nItaly,cl,1,7\nItaly,cl,2,Italy Champions League 2\n")
            << 1 << QByteArray("Italy Champions League 1 (line 11)\n  - Italy Champions League 1\n  + 7\n")
            << Edits{};
        QTest::newRow("export for Excel: byte order mark, CR LF")
            << L{{"export", "@euro.cfg", "--excel"}} << QByteArray() << 0
            << QByteArray("\xEF\xBB\xBF"
                          "country,competition,slot,line,text\r\nEngland,Champions League,1,2,"
                          "England Champions League 1\r\n")
            << Edits{};
        QTest::newRow("export semicolons in Windows-1252, import it back")
            << L{{"set", "@euro.cfg", "Germany", "cl", "1", "M\xC3\xBCnchen; 1860"},
                 {"export", "@euro.cfg", "--delimiter", ";", "--encoding", "windows-1252", "-o", "@t.csv"},
                 {"import", "@euro.cfg", "@t.csv", "-n"}}
            << QByteArray() << 0 << QByteArray() << Edits{{22, "M\xFCnchen; 1860"}};
        QTest::newRow("export UTF-16 with tabs, import it back")
            << L{{"set", "@euro.cfg", "Poland", "cl", "1", "G\xC3\xB3rnik \xE2\x80\x9EZ\xE2\x80\x9D"},
                 {"export", "@euro.cfg", "--delimiter", "tab", "--encoding", "utf-16", "-o", "@t.txt"},
                 {"import", "@euro.cfg", "@t.txt"}}
            << QByteArray() << 0 << QByteArray("0 of 212 places changed\n")
            << Edits{{147, "G\xF3rnik \x84Z\x94"}};
        QTest::newRow("check finds a shifted file")
            << L{{"check", "@table.csv"}} << "; mine\r\n" + templateBytes() << 1
            << QByteArray("@table.csv: the file is shifted by 1 line from line 1 (1 line added)") << Edits{};
        QTest::newRow("check: other comment lines than the template's are no shift")
            << L{{"check", "@table.csv"}} << QByteArray(templateBytes()).replace("; ", "# ") << 0
            << QByteArray() << Edits{};
        QTest::newRow("export csv then import: same bytes")
            << L{{"export", "@euro.cfg", "-o", "@table.csv"}, {"import", "@euro.cfg", "@table.csv"}}
            << QByteArray() << 0 << QByteArray("0 of 212 places changed\n") << Edits{};
        QTest::newRow("a place line past the editor's 4096 characters stays whole")
            << L{{"set", "@euro.cfg", "Bosnia-Herzegovina", "intertoto", "1", QString(5000, 'w')},
                 {"export", "@euro.cfg", "-o", "@table.csv"},
                 {"import", "@euro.cfg", "@table.csv"}}
            << QByteArray() << 0 << QByteArray("0 of 212 places changed\n")
            << Edits{{307, QByteArray(5000, 'w')}};
        QTest::newRow("export json, edit by set, import the old json back")
            << L{{"export", "@euro.cfg", "--output", "@t.json"},
                 {"set", "@euro.cfg", "England", "intertoto", "1", "changed"},
                 {"import", "@euro.cfg", "@t.json"}}
            << QByteArray() << 0 << QByteArray("1 of 212 places changed\n") << Edits{};
        QTest::newRow("diff of a file with itself")
            << L{{"diff", "@euro.cfg", "@euro.cfg"}} << QByteArray() << 0 << QByteArray() << Edits{};
        QTest::newRow("diff lists what differs")
            << L{{"new", "@old.cfg"},
                 {"set", "@euro.cfg", "Malta", "cl", "1", "Valletta"},
                 {"diff", "@old.cfg", "@euro.cfg", "--format", "csv"}}
            << QByteArray() << 1
            << QByteArray("country,competition,slot,old,new\nMalta,Champions League,1,Malta Champions League "
                          "1,Valletta\n")
            << Edits{{270, "Valletta"}};
        QTest::newRow("check the template")
            << L{{"check", "@euro.cfg"}} << QByteArray() << 0 << QByteArray() << Edits{};
        QTest::newRow("check finds mixed ends, long, undefined bytes and missing lines")
            << L{{"check", "@table.csv"}} << QByteArray("a\r\n" + QByteArray(5000, 'x') + "\nb\x81\r\n") << 1
            << QByteArray(
                   "@table.csv:2: place line of 5000 characters: the editor shows only its first 4096\n"
                   "@table.csv:3: byte 0x81 at column 2 is not defined in Windows-1252\n"
                   "@table.csv: mixed line ends: 2 CR LF (first on line 1) 1 LF (first on line 2); "
                   "a save makes them all CR LF\n"
                   "@table.csv: the file ends at line 4: 209 place lines are missing, the first is "
                   "England UEFA Cup 1 (line 5)\n")
            << Edits{};
    }
    void commands() {
        QFETCH(QList<QStringList>, commands);
        QFETCH(QByteArray, table);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, output);
        QFETCH(Edits, edits);
        if (!table.isEmpty())
            write("table.csv", table);
        Run last;
        for (qsizetype i = 0; i < commands.size(); ++i) {
            last = run(commands[i]);
            if (i + 1 < commands.size() && last.exitCode != 0)
                QFAIL(last.err.constData());
        }
        QCOMPARE(last.exitCode, exitCode);
        QVERIFY2(last.out.contains(output.replace("@", (m_dir.path() + '/').toUtf8())), last.out.constData());
        QCOMPARE(read("euro.cfg"), withEdits(edits));
    }

    void exportJsonHasEveryPlaceWithNumbers() {
        const Run r = run({"export", "@euro.cfg", "--format", "json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonArray places = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(places.size(), 212);
        const QJsonObject last = places.last().toObject();
        QCOMPARE(last.keys(), (QStringList{"competition", "country", "line", "slot", "text"}));
        QCOMPARE(last["line"].toInt(), 307);
        QCOMPARE(last["slot"].toInt(), 1);
        QCOMPARE(last["country"].toString(), "Bosnia-Herzegovina");
    }

    void newWritesTheTemplate() {
        write("templ.ate", "; mine\r\n");
        QCOMPARE(run({"new", "@made.cfg"}).exitCode, 0);
        QCOMPARE(read("made.cfg"), QByteArray("; mine\r\n"));
    }

    // Every failure: exit 2, a message naming its subject on stderr, and euro.cfg as it was.
    void errors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("file"); // euro.cfg's bytes, when not the template
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QByteArray>("message");

        const QByteArray tmpl = templateBytes();
        const QByteArray header = "country,competition,slot,line,text\n";
        QTest::newRow("unknown country")
            << QStringList{"set", "@euro.cfg", "Narnia", "cl", "1", "x"} << tmpl << QByteArray()
            << QByteArray("vantorel-places: Narnia: unknown country");
        QTest::newRow("unknown competition")
            << QStringList{"set", "@euro.cfg", "Italy", "Cup Winners Cup", "1", "x"} << tmpl << QByteArray()
            << QByteArray("vantorel-places: Cup Winners Cup: unknown competition");
        QTest::newRow("slot the country lacks")
            << QStringList{"set", "@euro.cfg", "Italy", "uefa", "5", "x"} << tmpl << QByteArray()
            << QByteArray("vantorel-places: 5: no such slot: Italy has slots 1 to 4 in the UEFA Cup");
        QTest::newRow("competition the country lacks")
            << QStringList{"set", "@euro.cfg", "Latvia", "intertoto", "1", "x"} << tmpl << QByteArray()
            << QByteArray("vantorel-places: 1: Latvia has no Inter Toto Cup place");
        QTest::newRow("place line past the end of a short file")
            << QStringList{"set", "@euro.cfg", "Wales", "cl", "1", "x"} << tmpl.left(500) << QByteArray()
            << QByteArray("euro.cfg: the file ends at line 24, before the line of Wales Champions League 1 "
                          "(line 275)");
        QTest::newRow("unknown country with suggestions")
            << QStringList{"set", "@euro.cfg", "ireland", "cl", "1", "x"} << tmpl << QByteArray()
            << QByteArray(
                   "ireland: unknown country; did you mean 'Northern Ireland' or 'Republic of Ireland'?");
        QTest::newRow("unknown command")
            << QStringList{"sho", "@euro.cfg"} << tmpl << QByteArray()
            << QByteArray("unknown command 'sho': the commands are show, export");
        QTest::newRow("table without the text column")
            << QStringList{"import", "@euro.cfg", "@t.csv"} << tmpl
            << QByteArray("country,competition,slot,line\n") << QByteArray("t.csv: missing column 'text'");
        QTest::newRow("wrong separator")
            << QStringList{"import", "@euro.cfg", "@t.csv", "--delimiter", ","} << tmpl
            << QByteArray(header).replace(',', ';') + "Italy;cl;1;;x\n"
            << QByteArray("t.csv: the header has 1 column: is the separator ';'? use --delimiter ';'");
        QTest::newRow("mojibake, and a byte order mark read as Windows-1252")
            << QStringList{"import", "@euro.cfg", "@t.csv"} << withEdits({{22, "M\xFCnchen"}})
            << "\xC3\xAF\xC2\xBB\xC2\xBF" + header + "Germany,cl,1,22,M\xC3\x83\xC2\xBCnchen\n"
            << QByteArray("t.csv: row 2: text: 'M\xC3\x83\xC2\xBCnchen' is 'M\xC3\xBCnchen' (the "
                          "place's text) in UTF-8 read as Windows-1252: open the table as UTF-8");
        QTest::newRow("shifted file")
            << QStringList{"import", "@euro.cfg", "@t.csv"} << "\r\n" + tmpl << header + "Italy,cl,1,,x\n"
            << QByteArray("euro.cfg: the file is shifted by 1 line from line 1");
        QTest::newRow("a byte Windows-1252 does not define")
            << QStringList{"set", "@euro.cfg", "Italy", "cl", "1", "a\u008D"} << tmpl << QByteArray()
            << QByteArray("character 2 is U+008D, a byte that Windows-1252 does not define");
        QTest::newRow("JSON in plain words")
            << QStringList{"import", "@euro.cfg", "@t.json"} << tmpl << QByteArray("[{\"country\":1,}]")
            << QByteArray("t.json: not valid JSON at line 1, column 15: syntax error");
        QTest::newRow("unterminated quote") << QStringList{"import", "@euro.cfg", "@t.csv"} << tmpl
                                            << header + "Italy,cl,1,,\"Milan\nSpain,cl,1,,x\n"
                                            << QByteArray("t.csv: row 2: a quote is never closed");
        QTest::newRow("duplicate row, every bad row reported")
            << QStringList{"import", "@euro.cfg", "@t.csv"} << tmpl
            << header + "Italy,cl,1,,a\nSpain,cl,1,,b\nItaly,Champions League,1,,c\nNarnia,cl,1,,d\n"
            << QByteArray("t.csv: row 4: Italy Champions League 1 (line 11): already set by row 2\n"
                          "vantorel-places: @t.csv: row 5: Narnia: unknown country");
        QTest::newRow("wrong line") << QStringList{"import", "@euro.cfg", "@t.csv"} << tmpl
                                    << header + "Italy,cl,1,12,a\n"
                                    << QByteArray(
                                           "t.csv: row 2: line 12: wrong line: Italy Champions League 1 "
                                           "(line 11) is on line 11");
        QTest::newRow("text outside Windows-1252, in a table")
            << QStringList{"import", "@euro.cfg", "@t.json"} << tmpl
            << QByteArray("[{\"country\":\"Russia\",\"competition\":\"cl\",\"slot\":1,\"line\":null,"
                          "\"text\":\"\xD0\xA1\xD0\xBF\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0\xD0\xBA\"}]")
            << QByteArray("t.json: row 1: text: the character '\xD0\xA1' (U+0421) has no Windows-1252 byte");
        QTest::newRow("two encodings in one table")
            << QStringList{"import", "@euro.cfg", "@t.csv"} << tmpl
            << header + "Italy,cl,1,,M\xC3\xBCnchen\nSweden,cl,1,,Malm\xF6 FF\n"
            << QByteArray(
                   "t.csv: row 3: the byte 0xF6, which is not UTF-8, where row 2 has the UTF-8 character");
        QTest::newRow("line break in a text")
            << QStringList{"set", "@euro.cfg", "Italy", "cl", "1", "a\nb"} << tmpl << QByteArray()
            << QByteArray("cannot hold a line break (U+000A)");
        QTest::newRow("missing file") << QStringList{"export", "@nothing.cfg"} << tmpl << QByteArray()
                                      << QByteArray("nothing.cfg: no such file");
        QTest::newRow("file is a folder") << QStringList{"show", "@"} << tmpl << QByteArray()
                                          << QByteArray("vantorel-places: @: is a folder, not a file");
        QTest::newRow("read-only file")
            << QStringList{"set", "@euro.cfg", "Italy", "cl", "1", "x"} << tmpl << QByteArray("read-only")
            << QByteArray("euro.cfg: cannot be saved: File access denied");
        QTest::newRow("unreadable file") << QStringList{"diff", "@euro.cfg", "@t.csv"} << tmpl
                                         << QByteArray("unreadable") << QByteArray("t.csv: ");
        QTest::newRow("a NUL byte would cut the file")
            << QStringList{"set", "@euro.cfg", "Italy", "cl", "1", "x"} << tmpl + QByteArray("\0tail", 5)
            << QByteArray() << QByteArray("euro.cfg: holds a NUL byte, and saving would cut the file there");
        QTest::newRow("no command") << QStringList{} << tmpl << QByteArray()
                                    << QByteArray("vantorel-places: command line: ");
    }
    void errors() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, message);
        write("euro.cfg", file);
        const QString tableName = args.size() > 2 ? args[2].mid(1) : QString();
        if (table == "read-only") {
            QVERIFY(QFile::setPermissions(path("euro.cfg"), QFile::ReadOwner | QFile::ReadGroup));
        } else if (table == "unreadable") {
            write(tableName, templateBytes());
            QVERIFY(QFile::setPermissions(path(tableName), {}));
            if (QFile(path(tableName)).open(QIODevice::ReadOnly))
                QSKIP("this user reads files without read permission");
        } else if (!table.isEmpty()) {
            write(tableName, table);
        }
        const Run r = run(args);
        QFile::setPermissions(path("euro.cfg"), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message.replace("@", (m_dir.path() + '/').toUtf8())), r.err.constData());
        QVERIFY(r.out.isEmpty());
        QCOMPARE(read("euro.cfg"), file);
        QCOMPARE(testfiles::entries(m_dir.path()).filter("euro.cfg"), QStringList{"euro.cfg"});
    }

    // A save replaces the file (a new one takes its name; nothing is written in place), also in
    // folders whose names Windows-1252 cannot hold; tables round-trip there.
    void unicodeFolder() {
        const QString folder = path("Br\u00F8ndby/\u0141\u00F3d\u017A");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + "/euro.cfg";
        QCOMPARE(run({"new", file}).exitCode, 0);
        const ino_t before = inodeOf(file);
        QCOMPARE(run({"set", file, "Hungary", "uefa", "1", "Ferencv\u00E1ros"}).exitCode, 0);
        QVERIFY(inodeOf(file) != before);
        const Run csv = run({"export", file, "-o", folder + "/t.csv"});
        const Run json = run({"export", file, "-o", folder + "/t.json"});
        QCOMPARE(csv.exitCode + json.exitCode, 0);
        QVERIFY(QFile(folder + "/t.csv").size() > 0);
        QCOMPARE(run({"import", file, folder + "/t.json"}).out, QByteArray("0 of 212 places changed\n"));
        QCOMPARE(run({"import", file, folder + "/t.csv"}).out, QByteArray("0 of 212 places changed\n"));
        QVERIFY(run({"show", file, "hungary"}).out.contains("Ferencv\xC3\xA1ros"));
        QCOMPARE(testfiles::entries(folder), (QStringList{"euro.cfg", "t.csv", "t.json"}));
    }

    // Windows' own bad input, for the .exe under Wine: a file another program holds open, device
    // names. Each fails with exit 2 and a message that names the cause, and euro.cfg stays as it was.
    void windowsOwnErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("holdMode"); // how another program holds euro.cfg: "", "none", "read"
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("held without sharing: cannot even be read")
            << QStringList{"show", "@euro.cfg"} << "none"
            << QByteArray(
                   "euro.cfg: cannot be opened: File access denied: another program has the file open");
        QTest::newRow("held for reading: cannot be replaced")
            << QStringList{"set", "@euro.cfg", "Italy", "cl", "1", "x"} << "read"
            << QByteArray("euro.cfg: cannot be saved: File access denied: another program has the file open");
        QTest::newRow("device name") << QStringList{"new", "CON"} << ""
                                     << QByteArray(
                                            "CON: cannot be saved: Invalid filename: Windows keeps the "
                                            "name for a device");
        QTest::newRow("device name with an extension")
            << QStringList{"export", "@euro.cfg", "-o", "nul.csv"} << ""
            << QByteArray(
                   "nul.csv: cannot be written: Invalid filename: Windows keeps the name for a device");
        QTest::newRow("device name read") << QStringList{"check", "aux"} << ""
                                          << QByteArray("aux: Invalid filename: Windows keeps the name");
    }
    void windowsOwnErrors() {
        if (kWrapper.isEmpty())
            QSKIP("for the Windows build under Wine");
        QFETCH(QStringList, args);
        QFETCH(QString, holdMode);
        QFETCH(QByteArray, message);
        QProcess holder;
        if (!holdMode.isEmpty()) {
            QStringList holdArgs{path("euro.cfg")};
            if (holdMode == "read")
                holdArgs << "--share-read";
            start(holder, qEnvironmentVariable("VANTOREL_HOLD_FILE_EXE"), holdArgs);
            QVERIFY(holder.waitForReadyRead(20000));
            QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));
        }
        const Run r = run(args);
        holder.closeWriteChannel();
        QVERIFY(holder.state() == QProcess::NotRunning || holder.waitForFinished(20000));
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message.replace("@", (m_dir.path() + '/').toUtf8())), r.err.constData());
        QCOMPARE(read("euro.cfg"), templateBytes());
        QCOMPARE(testfiles::entries(m_dir.path()).filter("euro.cfg"), QStringList{"euro.cfg"});
    }

    // Past the 260 characters of the classic Windows path limit.
    void longPath() {
        QString folder = m_dir.path();
        while (folder.size() <= 300)
            folder += "/" + QString(60, 'f');
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + "/euro.cfg";
        QCOMPARE(run({"new", file}).exitCode, 0);
        QCOMPARE(run({"set", file, "Malta", "cl", "1", "Valletta"}).exitCode, 0);
        QVERIFY(run({"export", file}).out.contains("Malta,Champions League,1,270,Valletta\n"));
    }
};

QTEST_MAIN(TestPlaces)
#include "tst_places.moc"
