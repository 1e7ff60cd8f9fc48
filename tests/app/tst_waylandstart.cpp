// The real program under a headless Wayland compositor. What the compositor itself reports is
// the evidence: its scene graph (weston-debug) lists the windows it has mapped, with their
// titles and sizes, and its screenshot shows what they drew. Nothing in the program is there
// for this test.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>
#include <optional>

namespace {

constexpr auto kSocket = "wl-vantorel";
constexpr int kStartTimeoutMs = 10000;
constexpr int kWindowsTimeoutMs = 30000;
constexpr int kToolTimeoutMs = 5000;

// A window as the compositor's scene graph lists it: its title and where it lies, frame
// included; `opaque` is the part the client declared opaque (the client area when the
// toolkit draws a frame of its own around it).
struct MappedWindow {
    QRect rect;
    QRect opaque;
};

std::optional<MappedWindow> findWindow(const QString& sceneGraph, const QString& title) {
    const QRegularExpression view(
        QStringLiteral(
            "top-level window '%1' of [^\\n]*\\n\\s*position: \\((-?\\d+), (-?\\d+)\\) -> "
            "\\((-?\\d+), (-?\\d+)\\)\\n\\s*\\[(?:opaque: \\((-?\\d+), (-?\\d+)\\) -> \\((-?\\d+), "
            "(-?\\d+)\\)|fully opaque)?")
            .arg(QRegularExpression::escape(title)));
    const QRegularExpressionMatch m = view.match(sceneGraph);
    if (!m.hasMatch())
        return std::nullopt;
    const auto corners = [&](int first) {
        return QRect(QPoint(m.captured(first).toInt(), m.captured(first + 1).toInt()),
                     QPoint(m.captured(first + 2).toInt() - 1, m.captured(first + 3).toInt() - 1));
    };
    MappedWindow window{corners(1), {}};
    window.opaque = m.captured(5).isEmpty() ? window.rect : corners(5);
    return window;
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.hasExpired(timeoutMs))
            return false;
        QThread::msleep(200);
    }
    return true;
}

} // namespace

class TestWaylandStart : public QObject {
    Q_OBJECT

    // The compositor's runtime folder (mode 0700, as Wayland wants it) in the build folder,
    // so that it works as root in CI, where no session provides one.
    QTemporaryDir m_runtime{QDir::currentPath() + QStringLiteral("/wl-XXXXXX")};
    QTemporaryDir m_config;
    QProcess m_weston;
    QProcess m_program;

    QProcessEnvironment clientEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QString::fromLatin1(kSocket));
        env.remove(QStringLiteral("DISPLAY"));
        return env;
    }

    // Runs one of the compositor's tools to its end and gives its output.
    QString runTool(const QString& tool, const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(clientEnvironment());
        process.setWorkingDirectory(m_runtime.path());
        process.start(tool, arguments);
        if (!process.waitForFinished(kToolTimeoutMs)) {
            process.kill();
            process.waitForFinished();
        }
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    QString sceneGraph() const {
        return runTool(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")});
    }

private slots:
    void initTestCase() {
        QVERIFY(m_runtime.isValid());
        QVERIFY(m_config.isValid());
        for (const char* tool : {"weston", "weston-debug", "weston-screenshooter"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool))));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_weston.setProcessEnvironment(env);
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        // Pixman renders, so that the screenshot has pixels; --debug opens the scene graph
        // and the screenshooter to clients.
        m_weston.start(QStringLiteral("weston"),
                       {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                        QStringLiteral("--width=1024"), QStringLiteral("--height=768"),
                        QStringLiteral("--socket=%1").arg(QString::fromLatin1(kSocket)),
                        QStringLiteral("--idle-time=0"), QStringLiteral("--no-config"),
                        QStringLiteral("--debug")});
        const QString socket = m_runtime.filePath(QString::fromLatin1(kSocket));
        const bool listening =
            waitFor([&] { return QFileInfo::exists(socket) || m_weston.state() == QProcess::NotRunning; },
                    kStartTimeoutMs);
        if (!listening || m_weston.state() == QProcess::NotRunning) {
            m_weston.kill();
            m_weston.waitForFinished();
            const QString log = QString::fromLocal8Bit(m_weston.readAll()).trimmed().right(400);
            QSKIP(qPrintable(QStringLiteral("weston cannot start here: %1").arg(log)));
        }

        // A fresh settings folder: the Tip of the Day window shows at the first start.
        QProcessEnvironment programEnv = clientEnvironment();
        programEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        programEnv.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        m_program.setProcessEnvironment(programEnv);
        m_program.setProcessChannelMode(QProcess::MergedChannels);
        m_program.start(QStringLiteral(VANTOREL_PROGRAM), {});
        QVERIFY2(m_program.waitForStarted(kStartTimeoutMs), qPrintable(m_program.errorString()));
    }

    void cleanupTestCase() {
        for (QProcess* process : {&m_program, &m_weston}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            if (!process->waitForFinished(kToolTimeoutMs)) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    void bothWindowsAppearAndTheMainWindowKeepsItsSize() {
        std::optional<MappedWindow> main;
        std::optional<MappedWindow> tip;
        QString graph;
        const bool mapped = waitFor(
            [&] {
                graph = sceneGraph();
                main = findWindow(graph, QStringLiteral("Vantorel 99/00 V2.5"));
                tip = findWindow(graph, QStringLiteral("Tip Of The Day"));
                return (main && tip) || m_program.state() == QProcess::NotRunning;
            },
            kWindowsTimeoutMs);
        const QString context = graph + QString::fromLocal8Bit(m_program.readAll());
        QVERIFY2(mapped && main && tip, qPrintable(context));
        // The main window draws its own frame: a 3-pixel border and a caption row, 22 pixels
        // above the client area in all, around the 617 x 281 client area.
        QCOMPARE(main->rect.size(), QSize(617 + 3 + 3, 22 + 281 + 3));
        // The toolkit frames the Tip of the Day window; its client area is what it keeps opaque.
        QCOMPARE(tip->opaque.size(), QSize(367, 183));

        // The screenshot shows both; the last one is kept beside the test for a look. The Tip of
        // the Day window stands above the main window and shows its pale yellow card once the
        // compositor's fade-in has ended.
        const QString kept = QDir::current().filePath(QStringLiteral("wayland-start.png"));
        const QPoint card = tip->opaque.topLeft() + QPoint(200, 30); // right of the card's heading
        QColor seen;
        const bool shown = waitFor(
            [&] {
                QDir runtime(m_runtime.path());
                for (const QString& old : runtime.entryList({QStringLiteral("*.png")}))
                    runtime.remove(old);
                runTool(QStringLiteral("weston-screenshooter"), {});
                const QStringList shots = runtime.entryList({QStringLiteral("*.png")});
                if (shots.isEmpty())
                    return false;
                QFile::remove(kept);
                QFile::copy(runtime.filePath(shots.first()), kept);
                const QImage shot(kept);
                seen = shot.isNull() ? QColor() : QColor(shot.pixel(card));
                return seen == QColor(255, 255, 206);
            },
            kWindowsTimeoutMs / 3);
        QVERIFY2(shown, qPrintable(seen.name()));
        QVERIFY(m_program.state() == QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(TestWaylandStart)
#include "tst_waylandstart.moc"
