// New, Open, Save, the country view and Apply Changes, end to end through the
// main window: answered file dialogs, clicks and typing, a recording error report.

#include "MainWindowDriver.h"
#include "core/Boundary.h"
#include "document/CountryPlaces.h"
#include "ui/MainDialogs.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Changes the working folder for the life of the object.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString& path)
        : m_previous(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A full document whose line n reads "line n".
constexpr int kFullLines = 307;

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString file(const QString& name, const std::string& bytes) const {
        const QString p = path(name);
        if (!writeBytes(p, bytes))
            qFatal("cannot write %s", qPrintable(p));
        return p;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
        app::setApplicationTitle();
        app::useClassicStyle();
    }

    // --- Open ---------------------------------------------------------------

    void openShowsEnglandFromLinesOneToSeven_data() {
        QTest::addColumn<QString>("lineEnd");
        QTest::newRow("CR LF") << "\r\n";
        QTest::newRow("LF") << "\n";
        QTest::newRow("CR") << "\r";
    }
    void openShowsEnglandFromLinesOneToSeven() {
        QFETCH(QString, lineEnd);
        MainWindowDriver d;
        const QString p = file("eight.cfg", numberedLines(8, lineEnd.toStdString()));
        d.edit(7)->setText("kept 7");
        d.open(p);
        QVERIFY2(d.presenter.boxes.isEmpty(), qPrintable(d.errors().join('\n')));
        for (int f = 1; f <= 6; ++f)
            QCOMPARE(d.fieldBytes(f), "line " + std::to_string(f));
        QCOMPARE(d.fieldBytes(8), "line 7");
        QCOMPARE(d.shownFields(), QList<int>({1, 2, 3, 4, 5, 6, 8}));
        QCOMPARE(d.edit(7)->text(), "kept 7");
        QVERIFY(d.allFieldsEnabled());
        QCOMPARE(d.list()->currentRow(), 0);
        QVERIFY(d.list()->item(0)->isSelected());
        QVERIFY(d.list()->isEnabled());
        QCOMPARE(d.countryLabel()->text(), "England");
        QVERIFY(d.countryLabel()->isEnabled());
        QVERIFY(d.item("SpeedItem2")->isEnabled());
        QCOMPARE(d.pathLabel()->text(), p);
        QCOMPARE(d.form->documentPath(), p);
        QCOMPARE(d.form->openFileName(), p);
        QCOMPARE(d.text(), numberedLines(8));

        // Saved straight back with CR LF line ends and no dialog.
        d.save();
        QCOMPARE(d.dialogs->requests.size(), 1);
        QCOMPARE(readBytes(p), numberedLines(8) + "\r\n");
    }

    void openOfAThreeLineFileShowsEmptyFieldsPastItsEnd() {
        MainWindowDriver d;
        d.open(file("three.cfg", numberedLines(3)));
        QCOMPARE(d.fieldBytes(1), "line 1");
        QCOMPARE(d.fieldBytes(2), "line 2");
        for (int f : {3, 4, 5, 6, 8})
            QCOMPARE(d.fieldBytes(f), "");
        QCOMPARE(d.shownFields(), QList<int>({1, 2, 3, 4, 5, 6, 8}));
    }

    void openDialogIsAskedWithItsSettings() {
        MainWindowDriver d;
        const QString p = file("dialog.cfg", numberedLines(8));
        d.open(p);
        d.cancelNextDialog();
        d.click("SpeedItem1");
        QCOMPARE(d.dialogs->requests.size(), 2);
        QVERIFY(d.dialogs->requests[0] == ui::openDialogRequest(""));
        // The next Open starts with the name chosen last.
        QVERIFY(d.dialogs->requests[1] == ui::openDialogRequest(localPath(p)));
    }

    void cancelledOpenChangesNothing() {
        MainWindowDriver d;
        const QString p = file("cancel.cfg", numberedLines(20));
        d.open(p);
        d.selectCountry("Italy");
        const std::string before = d.text();
        d.cancelNextDialog();
        d.click("SpeedItem1");
        QCOMPARE(d.form->documentPath(), p);
        QCOMPARE(d.pathLabel()->text(), p);
        QCOMPARE(d.form->openFileName(), p);
        QCOMPARE(d.countryLabel()->text(), "Italy");
        QCOMPARE(d.list()->currentRow(), 1);
        QCOMPARE(d.text(), before);
        QVERIFY(d.presenter.boxes.isEmpty());
    }

    void openOfAMissingFileReportsItAndChangesNothing() {
        MainWindowDriver d;
        const QString good = file("good.cfg", numberedLines(20));
        d.open(good);
        d.selectCountry("Italy");
        d.type(1, "typed");
        const QString missing = path("no such folder/missing.cfg");
        d.open(missing);
        QCOMPARE(d.errors(), QStringList({"Ludovane3Vantorel: Cannot open file " + missing + "."}));
        QCOMPARE(d.text(), numberedLines(20));
        QCOMPARE(d.countryLabel()->text(), "Italy");
        QCOMPARE(d.list()->currentRow(), 1);
        QCOMPARE(d.edit(1)->text(), "typed");
        QCOMPARE(d.shownFields(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));
        // The document is still the file opened before: Save goes there, not to the missing file.
        QCOMPARE(d.pathLabel()->text(), good);
        QCOMPARE(d.form->documentPath(), good);
        d.apply();
        d.save();
        QCOMPARE(d.dialogs->requests.size(), 2);
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(readBytes(good).substr(0, 22), std::string("line 0\r\nline 1\r\nline 2"));
        QVERIFY(readBytes(good).find("typed") != std::string::npos);
    }

    void failedOpenBeforeAnyDocumentKeepsTheStartState() {
        MainWindowDriver d;
        d.open(m_dir.path()); // a folder is no file
        QCOMPARE(d.errors().size(), 1);
        QVERIFY(d.errors()[0].startsWith("Ludovane3Vantorel: Cannot open file "));
        QCOMPARE(d.pathLabel()->text(), "ConfigPath");
        QVERIFY(d.form->documentPath().isEmpty());
        QVERIFY(!d.item("SpeedItem2")->isEnabled());
        QVERIFY(!d.list()->isEnabled());
        QVERIFY(!d.countryLabel()->isEnabled());
        QCOMPARE(d.countryLabel()->text(), "Country");
    }

    // A file named on the command line opens as the same file from Open's dialog: the same
    // document, state and error report, and no dialog.
    void namedFileOpensAsOpenDoes_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("a file") << "named.cfg";
        QTest::newRow("a missing file") << "missing/euro.cfg";
        QTest::newRow("a folder") << "";
    }
    void namedFileOpensAsOpenDoes() {
        QFETCH(QString, name);
        file("named.cfg", numberedLines(20));
        const QString target = name.isEmpty() ? m_dir.path() : path(name);
        MainWindowDriver byDialog;
        byDialog.open(target);
        MainWindowDriver byName;
        core::runGuarded([&] { byName.form->openFile(target); });
        QVERIFY(byName.dialogs->requests.isEmpty());
        QCOMPARE(byName.errors().isEmpty(), name == "named.cfg");
        const auto state = [](const MainWindowDriver& d) {
            return QStringList{d.errors().join('|'),
                               QString::fromStdString(d.text()),
                               d.form->documentPath(),
                               d.form->openFileName(),
                               d.pathLabel()->text(),
                               d.countryLabel()->text(),
                               QString::number(d.item("SpeedItem2")->isEnabled() + 2 * d.list()->isEnabled() +
                                               4 * d.allFieldsEnabled()),
                               QString::fromStdString(d.fieldBytes(1))};
        };
        QCOMPARE(state(byName), state(byDialog));
    }

    void openAfterEditsReplacesTheDocumentWithoutAQuestion() {
        MainWindowDriver d;
        d.open(file("first.cfg", numberedLines(20)));
        d.selectCountry("Italy");
        d.type(1, "unapplied");
        const QString second = file("second.cfg", "x0\r\nx1\r\nx2");
        d.open(second);
        QCOMPARE(d.text(), std::string("x0\r\nx1\r\nx2"));
        QCOMPARE(d.countryLabel()->text(), "England");
        QCOMPARE(d.fieldBytes(1), "x1");
        QVERIFY(d.presenter.boxes.isEmpty());
    }

    // --- New -----------------------------------------------------------------

    void newLoadsTheTemplateFromTheWorkingFolder() {
        QTemporaryDir folder;
        const std::string templ = numberedLines(kFullLines, "\n");
        QVERIFY(writeBytes(folder.filePath("templ.ate"), templ));
        WorkingFolder cwd(folder.path());
        MainWindowDriver d;
        d.selectCountry("Italy"); // disabled: the click does nothing
        QCOMPARE(d.countryLabel()->text(), "Country");
        d.newDocument();
        QVERIFY2(d.presenter.boxes.isEmpty(), qPrintable(d.errors().join('\n')));
        QCOMPARE(d.text(), numberedLines(kFullLines));
        QCOMPARE(d.countryLabel()->text(), "England");
        QCOMPARE(d.list()->currentRow(), 0);
        for (int f = 1; f <= 10; ++f)
            QVERIFY(d.edit(f)->text().isEmpty());
        QVERIFY(d.allFieldsEnabled());
        QCOMPARE(d.shownFields(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QVERIFY(d.form->documentPath().isEmpty());
        QCOMPARE(d.pathLabel()->text(), "ConfigPath");

        // Applying at once writes the empty fields into England's lines.
        d.apply();
        for (std::size_t n = 1; n <= 7; ++n)
            QCOMPARE(d.line(n), "");
        QCOMPARE(d.line(0), "line 0");
        QCOMPARE(d.line(8), "line 8");
        QCOMPARE(d.form->buffer().lineCount(), std::size_t(kFullLines));
    }

    void newWithoutTemplateEndsInTheEditingStateAndReportsTheName() {
        QTemporaryDir empty;
        WorkingFolder cwd(empty.path());
        MainWindowDriver d;
        d.open(file("before.cfg", numberedLines(20)));
        d.selectCountry("Latvia");
        d.edit(3)->setText("old");
        d.newDocument();
        QCOMPARE(d.errors(), QStringList({"Ludovane3Vantorel: Cannot open file templ.ate."}));
        QCOMPARE(d.text(), "");
        QCOMPARE(d.countryLabel()->text(), "England");
        QCOMPARE(d.list()->currentRow(), 0);
        for (int f = 1; f <= 10; ++f)
            QVERIFY(d.edit(f)->text().isEmpty());
        QVERIFY(d.allFieldsEnabled());
        QVERIFY(d.item("SpeedItem2")->isEnabled());
        QVERIFY(d.form->documentPath().isEmpty());
        // Selecting row 0 from New does not run the view: Latvia's hidden fields stay hidden.
        QCOMPARE(d.shownFields(), QList<int>({1}));
    }

    // --- Save ----------------------------------------------------------------

    void saveAfterNewAlwaysAsksThenGoesStraightToTheChosenFile() {
        QTemporaryDir empty;
        WorkingFolder cwd(empty.path());
        MainWindowDriver d;
        d.newDocument();
        d.presenter.boxes.clear();
        const QString existing = file("existing.cfg", "old content");
        d.answer(existing);
        d.save();
        QCOMPARE(d.dialogs->requests.size(), 1);
        QVERIFY(d.dialogs->requests[0] == ui::saveDialogRequest(""));
        QCOMPARE(readBytes(existing), "\r\n");
        QCOMPARE(d.form->documentPath(), existing);
        QVERIFY(d.presenter.boxes.isEmpty());

        d.save();
        QCOMPARE(d.dialogs->requests.size(), 1);
    }

    void cancelledSaveWritesNothingAndStillEmptiesTheOpenName() {
        MainWindowDriver d;
        const QString p = file("cancelsave.cfg", numberedLines(8));
        d.open(p);
        QVERIFY(QFile::remove(p));
        d.cancelNextDialog();
        d.save();
        QCOMPARE(d.dialogs->requests.size(), 2);
        // The deleted file's path is offered.
        QVERIFY(d.dialogs->requests[1] == ui::saveDialogRequest(localPath(p)));
        QVERIFY(!QFile::exists(p));
        QVERIFY(d.form->openFileName().isEmpty());
        d.cancelNextDialog();
        d.click("SpeedItem1");
        QCOMPARE(d.dialogs->requests[2].fileName, "");
        QCOMPARE(d.form->documentPath(), p);
    }

    void saveToAReadOnlyFileIsReported() {
        MainWindowDriver d;
        const QString p = file("readonly.cfg", numberedLines(8));
        d.open(p);
        QVERIFY(::chmod(QFile::encodeName(p).constData(), 0444) == 0);
        d.save();
        QCOMPARE(d.errors(), QStringList({"Ludovane3Vantorel: File access denied."}));
        QCOMPARE(readBytes(p), numberedLines(8));
        QCOMPARE(d.form->documentPath(), p);
        ::chmod(QFile::encodeName(p).constData(), 0644);
    }

    // --- Country view ------------------------------------------------------

    void countryViewShowsTheRowsFields_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("line");
        QTest::newRow("Latvia: Edit1 only") << "Latvia" << QList<int>({1}) << 1 << 227;
        QTest::newRow("France: all but Edit3")
            << "France" << QList<int>({1, 2, 4, 5, 6, 7, 8, 9, 10}) << 10 << 50;
        QTest::newRow("Bosnia-Heregavina: Edit8 only") << "Bosnia-Heregavina" << QList<int>({8}) << 8 << 306;
        QTest::newRow("Italy") << "Italy" << QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}) << 9 << 18;
        QTest::newRow("FYA of Macedonia (listed as FYR)")
            << "FYA of Macedonia" << QList<int>({1, 4, 5, 8, 9}) << 1 << -1;
    }
    void countryViewShowsTheRowsFields() {
        QFETCH(QString, caption);
        QFETCH(QList<int>, shown);
        QFETCH(int, field);
        QFETCH(int, line);
        MainWindowDriver d;
        d.open(file("full.cfg", numberedLines(kFullLines)));
        const int row = document::rowByCaption(caption.toStdString()).value();
        d.selectRow(row);
        QCOMPARE(d.countryLabel()->text(), caption);
        QCOMPARE(d.shownFields(), shown);
        for (int f : shown) {
            const int n = document::placeLine(row, f - 1).value();
            QCOMPARE(d.fieldBytes(f), "line " + std::to_string(n));
        }
        if (line >= 0)
            QCOMPARE(d.fieldBytes(field), "line " + std::to_string(line));
        QCOMPARE(d.text(), numberedLines(kFullLines));
    }

    void lastEntryAppliesOnlyItsOneLine() {
        MainWindowDriver d;
        d.open(file("bosnia.cfg", numberedLines(kFullLines)));
        d.selectRow(document::kCountryCount - 1);
        QCOMPARE(d.countryLabel()->text(), "Bosnia-Heregavina");
        for (int f = 1; f <= 10; ++f)
            d.edit(f)->setText(QStringLiteral("field %1").arg(f));
        d.apply();
        std::string expected = numberedLines(kFullLines);
        expected.replace(expected.find("line 306"), 8, "field 8");
        QCOMPARE(d.text(), expected);
    }

    void italyThenSpainLeavesItalysHiddenLineAlone() {
        MainWindowDriver d;
        d.open(file("italyspain.cfg", numberedLines(kFullLines)));
        d.selectCountry("Italy");
        d.selectCountry("Spain");
        QVERIFY(d.edit(9)->isHidden());
        QCOMPARE(d.fieldBytes(9), "line 18");
        for (int f = 1; f <= 10; ++f)
            d.edit(f)->setText(QStringLiteral("S%1").arg(f));
        d.apply();
        QCOMPARE(d.line(18), "line 18");
        for (std::size_t n = 32; n <= 39; ++n)
            QVERIFY2(d.line(n).starts_with("S"), d.line(n).c_str());
        QCOMPARE(d.line(31), "line 31");
        QCOMPARE(d.line(40), "line 40");
    }

    void unappliedTypingIsGoneAfterAnotherCountry() {
        MainWindowDriver d;
        d.open(file("holland.cfg", numberedLines(kFullLines)));
        d.selectCountry("Holland");
        QCOMPARE(d.fieldBytes(1), "line 53");
        d.type(1, "typed but not applied");
        d.selectCountry("Portugal");
        d.selectCountry("Holland");
        QCOMPARE(d.fieldBytes(1), "line 53");
        QCOMPARE(d.text(), numberedLines(kFullLines));
    }

    void keyboardMovesTheViewAndClickingTheSelectedRowDoesNot() {
        MainWindowDriver d;
        d.open(file("keys.cfg", numberedLines(kFullLines)));
        d.list()->setFocus();
        QTest::keyClick(d.list(), Qt::Key_Down);
        QCOMPARE(d.countryLabel()->text(), "Italy");
        QCOMPARE(d.fieldBytes(1), "line 10");
        QTest::keyClick(d.list(), Qt::Key_Down);
        QCOMPARE(d.countryLabel()->text(), "Germany");
        QTest::keyClick(d.list(), Qt::Key_Up);
        QCOMPARE(d.countryLabel()->text(), "Italy");
        // No selection change, no view: the typed text stays.
        d.edit(1)->setText("typed");
        d.selectCountry("Italy");
        QCOMPARE(d.edit(1)->text(), "typed");
        // A control-click does not clear the selection.
        const QRect r = d.list()->visualItemRect(d.list()->item(1));
        QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, Qt::ControlModifier, r.center());
        QVERIFY(d.list()->item(1)->isSelected());
        QCOMPARE(d.list()->selectedItems().size(), 1);
    }

    void russiaPastTheEndOfAHundredLineDocument() {
        MainWindowDriver d;
        d.open(file("hundred.cfg", numberedLines(100)));
        d.selectCountry("Russia");
        QCOMPARE(d.shownFields().size(), 5);
        for (int f : d.shownFields()) {
            QCOMPARE(d.fieldBytes(f), "");
            d.type(f, "typed");
        }
        d.apply();
        QCOMPARE(d.form->buffer().lineCount(), std::size_t(100));
        QCOMPARE(d.text(), numberedLines(100));
    }

    void applyWritesTheShownCountryAndTwiceIsOnce() {
        MainWindowDriver d;
        const QString p = file("apply.cfg", numberedLines(kFullLines));
        d.open(p);
        d.selectCountry("Italy");
        d.type(2, "Juventus");
        d.type(5, "");
        d.apply();
        const std::string once = d.text();
        QCOMPARE(d.line(11), "Juventus");
        QCOMPARE(d.line(14), "");
        QCOMPARE(d.form->buffer().lineCount(), std::size_t(kFullLines));
        d.apply();
        QCOMPARE(d.text(), once);
        d.save();
        QCOMPARE(readBytes(p), once + "\r\n");
    }

    void aLongPlaceShowsItsBeginning() {
        MainWindowDriver d;
        const std::string longLine(300, 'x');
        d.open(file("long.cfg", "0\r\n" + longLine + "\r\n2"));
        QCOMPARE(d.fieldBytes(1), longLine);
        QCOMPARE(d.edit(1)->cursorPosition(), 0);
    }

    void placeFieldsHoldWindows1252Text() {
        MainWindowDriver d;
        d.open(file("accents.cfg", "0\r\nCaf\xE9 \x80\r\n2"));
        QCOMPARE(d.edit(1)->text(), QString::fromUtf8("Café €"));
        d.type(2, QString::fromUtf8("Šaß"));
        QCOMPARE(d.edit(2)->text(), QString::fromUtf8("Šaß"));
        // Characters Windows-1252 cannot hold are refused as they are typed.
        MainWindowDriver::typeKeys(d.edit(2), QString::fromUtf8("Łж"));
        QCOMPARE(d.edit(2)->text(), QString::fromUtf8("Šaß"));
        d.edit(2)->selectAll();
        d.edit(2)->insert(QString::fromUtf8("two\nlines"));
        QCOMPARE(d.edit(2)->text(), QString::fromUtf8("Šaß"));
        d.apply();
        QCOMPARE(d.text(), std::string("0\r\nCaf\xE9 \x80\r\n\x8A"
                                       "a\xDF"));
    }

    void fullTypicalEdit() {
        MainWindowDriver d;
        const QString p = file("euro.cfg", numberedLines(kFullLines, "\r\n", true));
        d.open(p);
        d.selectCountry("Italy");
        QCOMPARE(d.fieldBytes(1), "line 10");
        QVERIFY(d.edit(10)->isHidden());
        d.type(1, "AC Milan");
        d.apply();
        d.save();
        std::string expected = numberedLines(kFullLines, "\r\n", true);
        expected.replace(expected.find("line 10\r"), 7, "AC Milan");
        QCOMPARE(readBytes(p), expected);
        QVERIFY(d.presenter.boxes.isEmpty());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
