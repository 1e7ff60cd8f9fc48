#include "core/Boundary.h"
#include "core/Exception.h"
#include "qt/app/Startup.h"
#include "support/RecordingPresenter.h"
#include "ui/ErrorReport.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

#include <stdexcept>

using ui::ErrorReport;

class TestErrorReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::setApplicationTitle(); }

    void programErrorsShowTheirMessageAndAFullStop_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("memo capacity") << "Text exceeds memo capacity"
                                       << "Text exceeds memo capacity.";
        QTest::newRow("already ends with a full stop") << "Done."
                                                       << "Done..";
        QTest::newRow("empty message") << ""
                                       << ".";
        QTest::newRow("non-ASCII path") << "Cannot open file /tmp/été"
                                        << "Cannot open file /tmp/été.";
    }
    void programErrorsShowTheirMessageAndAFullStop() {
        QFETCH(QString, message);
        QFETCH(QString, text);
        RecordingPresenter presenter;
        ErrorReport report(presenter);
        report.report(std::make_exception_ptr(core::EFOpenError(message.toStdString())));
        QCOMPARE(presenter.boxes.size(), 1);
        QCOMPARE(presenter.boxes[0].caption, "Ludovane3Vantorel");
        QCOMPARE(presenter.boxes[0].text, text);
    }

    void everyProgramErrorClassIsReportedTheSameWay() {
        RecordingPresenter presenter;
        ErrorReport report(presenter);
        report.report(std::make_exception_ptr(core::EInOutError(5)));
        report.report(std::make_exception_ptr(core::ERegistryException("Failed to set data for 'Font'")));
        QCOMPARE(presenter.boxes.size(), 2);
        QCOMPARE(presenter.boxes[0].text, "File access denied.");
        QCOMPARE(presenter.boxes[1].text, "Failed to set data for 'Font'.");
        QCOMPARE(presenter.boxes[1].caption, "Ludovane3Vantorel");
        QVERIFY(!presenter.boxes[0].warning && !presenter.boxes[1].warning);
    }

    void warningsGetAWarningIcon() {
        RecordingPresenter presenter;
        ErrorReport report(presenter);
        report.install();
        core::reportException(std::make_exception_ptr(core::EWarning("Line 5 was skipped")));
        QCOMPARE(presenter.boxes.size(), 1);
        QCOMPARE(presenter.boxes[0].caption, "Ludovane3Vantorel");
        QCOMPARE(presenter.boxes[0].text, "Line 5 was skipped.");
        QVERIFY(presenter.boxes[0].warning);
    }

    void abortIsDroppedSilently() {
        RecordingPresenter presenter;
        ErrorReport report(presenter);
        report.install();
        QVERIFY(!core::runGuarded([] { throw core::EAbort("quiet"); }));
        report.report(std::make_exception_ptr(core::EAbort("quiet")));
        QVERIFY(presenter.boxes.isEmpty());
    }

    void installedReportIsTheHandlerBoundarysSink() {
        RecordingPresenter presenter;
        {
            ErrorReport report(presenter);
            report.install();
            QVERIFY(!core::runGuarded([] { throw core::EInvalidOperation("Text exceeds memo capacity"); }));
            QCOMPARE(presenter.boxes.size(), 1);
            QCOMPARE(presenter.boxes[0].text, "Text exceeds memo capacity.");
        }
        // Gone with the report: the boundary no longer reaches the presenter.
        QVERIFY(!core::runGuarded([] { throw core::EInvalidOperation("later"); }));
        QCOMPARE(presenter.boxes.size(), 1);
    }

    void otherObjectsGetTheApplicationErrorBox_data() {
        QTest::addColumn<std::exception_ptr>("error");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("tail");
        QTest::newRow("standard error")
            << std::make_exception_ptr(std::runtime_error("boom")) << "std::runtime_error"
            << "\nboom.";
        QTest::newRow("message with its own full stop")
            << std::make_exception_ptr(std::logic_error("bad state.")) << "std::logic_error"
            << "\nbad state.";
        QTest::newRow("not an exception at all") << std::make_exception_ptr(42) << "int"
                                                 << "\n.";
    }
    void otherObjectsGetTheApplicationErrorBox() {
        QFETCH(std::exception_ptr, error);
        QFETCH(QString, className);
        QFETCH(QString, tail);
        RecordingPresenter presenter;
        ErrorReport report(presenter);
        report.report(error);
        QCOMPARE(presenter.boxes.size(), 1);
        QCOMPARE(presenter.boxes[0].caption, "Application Error");
        const QRegularExpression form(
            QStringLiteral("^Exception (.+) in module (.+) at ([0-9A-F]{16})\\.(\n.*)$"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = form.match(presenter.boxes[0].text);
        QVERIFY2(match.hasMatch(), qPrintable(presenter.boxes[0].text));
        QCOMPARE(match.captured(1), className);
        QCOMPARE(match.captured(2), "tst_errorreport");
        QCOMPARE(match.captured(4), tail);
    }

    void programErrorsEscapingStartUpGetTheApplicationErrorBox() {
        RecordingPresenter presenter;
        ErrorReport report(presenter);
        const int code =
            ui::runProgram(report, []() -> int { throw core::EResNotFound("Resource MAINICON not found"); });
        QCOMPARE(code, 1);
        QCOMPARE(presenter.boxes.size(), 1);
        QCOMPARE(presenter.boxes[0].caption, "Application Error");
        QVERIFY2(presenter.boxes[0].text.startsWith("Exception EResNotFound in module tst_errorreport at "),
                 qPrintable(presenter.boxes[0].text));
        QVERIFY(presenter.boxes[0].text.endsWith("\nResource MAINICON not found."));
    }

    void aProgramThatEndsNormallyKeepsItsExitCode() {
        RecordingPresenter presenter;
        ErrorReport report(presenter);
        QCOMPARE(ui::runProgram(report, [] { return 0; }), 0);
        QCOMPARE(ui::runProgram(report, [] { return 3; }), 3);
        QVERIFY(presenter.boxes.isEmpty());
    }

    void titleIsTheApplicationNameAndNoDisplayNameIsSet() {
        QCOMPARE(QCoreApplication::applicationName(), "Ludovane3Vantorel");
        QWidget window;
        window.setWindowTitle("Vantorel 99/00 V2.5");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowHandle()->title(), "Vantorel 99/00 V2.5");
        QCOMPARE(window.windowTitle(), "Vantorel 99/00 V2.5");
    }
};

QTEST_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
