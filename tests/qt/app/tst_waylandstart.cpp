// The real program under a headless Wayland compositor. The evidence is what the compositor
// itself reports: its scene graph (weston-debug) lists the windows it has mapped, with their
// titles and sizes. Nothing in the program is there for this test.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>

namespace {

constexpr auto kSocket = "wl-vantorel";
constexpr int kTimeoutMs = 20000;

// The size of the mapped top-level window with this title (frame included); empty if none.
QSize mappedSize(const QString& sceneGraph, const QString& title) {
    const QRegularExpression view(
        QStringLiteral("top-level window '%1' of [^\\n]*\\n\\s*position: \\((-?\\d+), "
                       "(-?\\d+)\\) -> \\((-?\\d+), (-?\\d+)\\)")
            .arg(QRegularExpression::escape(title)));
    const QRegularExpressionMatch m = view.match(sceneGraph);
    if (!m.hasMatch())
        return {};
    return {m.captured(3).toInt() - m.captured(1).toInt(), m.captured(4).toInt() - m.captured(2).toInt()};
}

bool waitFor(const std::function<bool()>& condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.hasExpired(kTimeoutMs))
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

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QString::fromLatin1(kSocket));
        env.remove(QStringLiteral("DISPLAY"));
        return env;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_runtime.isValid() && m_config.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("weston-debug")).isEmpty())
            QSKIP("weston is not installed");
        m_weston.setProcessEnvironment(environment());
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        // --debug opens the scene graph to clients.
        m_weston.start(QStringLiteral("weston"),
                       {QStringLiteral("--backend=headless-backend.so"),
                        QStringLiteral("--socket=%1").arg(QString::fromLatin1(kSocket)),
                        QStringLiteral("--idle-time=0"), QStringLiteral("--no-config"),
                        QStringLiteral("--debug")});
        const QString socket = m_runtime.filePath(QString::fromLatin1(kSocket));
        waitFor([&] { return QFileInfo::exists(socket) || m_weston.state() == QProcess::NotRunning; });
        if (!QFileInfo::exists(socket) || m_weston.state() == QProcess::NotRunning) {
            m_weston.kill();
            m_weston.waitForFinished();
            QSKIP(qPrintable("weston cannot start here: " +
                             QString::fromLocal8Bit(m_weston.readAll()).right(400)));
        }
        // A fresh settings folder: the Tip of the Day window shows at the first start.
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        m_program.setProcessEnvironment(env);
        m_program.setProcessChannelMode(QProcess::MergedChannels);
        m_program.start(QStringLiteral(VANTOREL_PROGRAM), {});
        QVERIFY2(m_program.waitForStarted(kTimeoutMs), qPrintable(m_program.errorString()));
    }

    void cleanupTestCase() {
        for (QProcess* process : {&m_program, &m_weston}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
        }
    }

    void bothWindowsAppearAndTheMainWindowKeepsItsSize() {
        QString graph;
        const auto shown = [&] {
            QProcess debug;
            debug.setProcessEnvironment(environment());
            debug.start(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")});
            if (!debug.waitForFinished(5000))
                debug.kill();
            graph = QString::fromLocal8Bit(debug.readAllStandardOutput());
            return (mappedSize(graph, "Vantorel 99/00 V2.5").isValid() &&
                    mappedSize(graph, "Tip Of The Day").isValid()) ||
                   m_program.state() == QProcess::NotRunning;
        };
        QVERIFY2(waitFor(shown) && m_program.state() == QProcess::Running,
                 qPrintable(graph + QString::fromLocal8Bit(m_program.readAll())));
        // The main window draws its own frame around the 617 x 281 client area: a 3-pixel
        // border, and the caption row above, 22 pixels in all.
        QCOMPARE(mappedSize(graph, "Vantorel 99/00 V2.5"), QSize(617 + 3 + 3, 22 + 281 + 3));
    }
};

QTEST_GUILESS_MAIN(TestWaylandStart)
#include "tst_waylandstart.moc"
