#include "core/Boundary.h"
#include "core/Exception.h"
#include "qt/controls/caption/CaptionButton.h"
#include "qt/controls/caption/CaptionLayout.h"
#include "qt/controls/caption/CaptionMenu.h"
#include "qt/controls/caption/CaptionStrip.h"
#include "qt/controls/caption/GradientCaption.h"
#include "qt/controls/caption/WindowMover.h"
#include "qt/platform/SystemColors.h"
#include "qt/platform/SystemMetrics.h"
#include "ui/GradientBands.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <cstdlib>
#include <vector>

using core::SystemColor;

namespace {

constexpr QSize kClientSize(617, 281);
// The main window's frame: a single border of 3 pixels and a 19-pixel caption row.
constexpr QSize kWindowSize(623, 306);
constexpr QRect kStrip(3, 3, 563, 18);

QRgb rgbOf(core::TColor c) {
    return qRgb(core::redOf(c), core::greenOf(c), core::blueOf(c));
}
QRgb sys(SystemColor c) {
    return platform::systemColor(c).rgb();
}

// A form as the program has it: a plain top-level widget whose controls live
// in a client-area child.
struct Form {
    explicit Form(Qt::WindowFlags flags = Qt::Window)
        : window(nullptr, flags) {
        client = new QWidget(&window);
        client->setObjectName("clientArea");
        client->setFixedSize(kClientSize);
        client->setAutoFillBackground(true);
        window.setFixedSize(kClientSize);
    }
    QWidget window;
    QWidget* client = nullptr;
};

QImage grabStrip(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(kStrip);
}

// Pixels of the given colour, or (with a tolerance) close to it on every
// channel, which is how antialiased text shows its own colour.
int countPixels(const QImage& image, QRgb color, int tolerance = 0) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += std::abs(qRed(p) - qRed(color)) <= tolerance &&
                         std::abs(qGreen(p) - qGreen(color)) <= tolerance &&
                         std::abs(qBlue(p) - qBlue(color)) <= tolerance
                     ? 1
                     : 0;
        }
    return n;
}
constexpr int kTextTolerance = 24;

// Shown and active, also on an X server without a window manager.
bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ev(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

TCaptionButton* captionButton(QWidget& window, TCaptionButton::Kind kind) {
    for (auto* b : window.findChildren<TCaptionButton*>())
        if (b->kind() == kind)
            return b;
    return nullptr;
}

class FailingCaption : public TGradientCaption {
public:
    using TGradientCaption::TGradientCaption;

protected:
    void drawStrip(QPainter&, QSize) const override {
        throw core::EInvalidOperation("Cannot draw the caption");
    }
};

} // namespace

class tst_GradientCaption : public QObject {
    Q_OBJECT

private slots:

    void attachFramesTheClientArea();
    void titleBarHintsComeBackOnDetach_data();
    void titleBarHintsComeBackOnDetach();
    void paintsGradientIconAndText();
    void deactivationTurnsTheStripSolid();
    void stepsUseTheLowEightBits();
    void longCaptionEndsInEllipsis();
    void inactiveDetachesAndKeepsPosition();
    void buttonsAndAccessibility();
    void draggingTheStripMovesTheWindow();
    void systemMenu_data();
    void systemMenu();
    void systemMenuMove();
    void paintErrorIsReported();
    void fontSettings();
};

void tst_GradientCaption::attachFramesTheClientArea() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    QVERIFY(caption.isAttached());
    QVERIFY(form.window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.window.size(), kWindowSize);
    QCOMPARE(form.client->geometry(), QRect(QPoint(3, 22), kClientSize));
    QCOMPARE(caption.stripRect(), kStrip);
    // Growing the client area grows the window around it.
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    form.client->setFixedSize(700, 300);
    QCOMPARE(form.window.size(), QSize(706, 325));
    QCOMPARE(caption.stripRect().width(), 700 - 54);
}

void tst_GradientCaption::titleBarHintsComeBackOnDetach_data() {
    QTest::addColumn<bool>("nativeFirst");
    QTest::newRow("no native window yet") << false;
    QTest::newRow("native window made before the caption") << true;
}

// A form that asks for its own choice of title-bar buttons goes frameless too,
// and gets exactly its flags back.
void tst_GradientCaption::titleBarHintsComeBackOnDetach() {
    const Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                  Qt::WindowCloseButtonHint;
    QFETCH(bool, nativeFirst);
    Form form(flags);
    if (nativeFirst)
        QVERIFY(form.window.winId());
    TGradientCaption caption(&form.window, form.client);
    QVERIFY(form.window.windowFlags().testFlag(Qt::FramelessWindowHint));
    if (nativeFirst)
        QCOMPARE(form.window.windowHandle()->flags(), form.window.windowFlags());
    caption.setActive(false);
    QCOMPARE(form.window.windowFlags(), flags);
    if (nativeFirst)
        QCOMPARE(form.window.windowHandle()->flags(), flags);
}

void tst_GradientCaption::paintsGradientIconAndText() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    caption.setFormCaption("Vantorel 99/00 V2.5");
    caption.setGradientSteps(32);
    caption.setStartColor(16744448);
    QVERIFY(showActive(form.window));
    QVERIFY(caption.isWindowActive());
    const QImage strip = grabStrip(form.window);
    strip.save("/tmp/caption_shots/tst_active.png");

    // W = 563: the gradient starts at -140 in bands of 21; x = 0 lies in band 6
    // of 32 from RGB(0, 128, 255) to the active caption colour RGB(10, 36, 106).
    QCOMPARE(QColor(sys(SystemColor::ActiveCaption)), QColor(10, 36, 106));
    QCOMPARE(QColor(strip.pixel(0, 0)), QColor(2, 110, 226));
    QCOMPARE(QColor(strip.pixel(0, 17)), QColor(2, 110, 226));
    QCOMPARE(QColor(strip.pixel(562, 9)), QColor(10, 36, 106));
    // The caption colour continues behind the buttons.
    const QImage whole = form.window.grab().toImage();
    QCOMPARE(QColor(whole.pixel(566, 4)), QColor(10, 36, 106));
    // The frame: outer light and dark edges, the line below the caption row.
    QCOMPARE(QColor(whole.pixel(0, 100)), QColor(sys(SystemColor::Light3D)));
    QCOMPARE(QColor(whole.pixel(1, 100)), QColor(sys(SystemColor::BtnHighlight)));
    QCOMPARE(QColor(whole.pixel(622, 100)), QColor(sys(SystemColor::DkShadow3D)));
    QCOMPARE(QColor(whole.pixel(621, 100)), QColor(sys(SystemColor::BtnShadow)));
    QCOMPARE(QColor(whole.pixel(300, 21)), QColor(sys(SystemColor::BtnFace)));
    // No icon set anywhere: the standard application icon (its black outline
    // starts at (1, 2) of the 16 x 16 icon drawn at (2, 1) of the strip).
    QCOMPARE(QColor(strip.pixel(3, 3)), QColor(Qt::black));
    // The text is in the caption-text colour, from x = H + 2 = 20.
    const QRgb textColor = sys(SystemColor::CaptionText);
    QVERIFY(countPixels(strip.copy(20, 0, 200, 18), textColor, kTextTolerance) > 20);
    QCOMPARE(countPixels(strip.copy(300, 0, 263, 18), textColor, kTextTolerance), 0);

    // The window's own icon is preferred.
    QPixmap red(16, 16);
    red.fill(Qt::red);
    form.window.setWindowIcon(QIcon(red));
    QCOMPARE(QColor(grabStrip(form.window).pixel(10, 9)), QColor(Qt::red));
}

void tst_GradientCaption::deactivationTurnsTheStripSolid() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    caption.setFormCaption("Vantorel 99/00 V2.5");
    caption.setGradientSteps(32);
    caption.setStartColor(16744448);
    QWidget other;
    other.resize(100, 100);
    other.show();
    QVERIFY(showActive(form.window));

    other.activateWindow();
    QTRY_VERIFY(!caption.isWindowActive());
    QCOMPARE(caption.endColor(), core::systemColorValue(SystemColor::InactiveCaption));
    QImage strip = grabStrip(form.window);
    strip.save("/tmp/caption_shots/tst_inactive.png");
    const QRgb solid = sys(SystemColor::InactiveCaption);
    QCOMPARE(QColor(strip.pixel(0, 0)), QColor(solid));
    QCOMPARE(QColor(strip.pixel(300, 17)), QColor(solid));
    QCOMPARE(QColor(strip.pixel(562, 0)), QColor(solid));
    const QImage text = strip.copy(20, 0, 200, 18);
    QVERIFY(countPixels(text, sys(SystemColor::InactiveCaptionText), kTextTolerance) > 20);
    QCOMPARE(countPixels(text, sys(SystemColor::CaptionText), kTextTolerance), 0);
    QCOMPARE(QColor(form.window.grab().toImage().pixel(566, 4)), QColor(solid));

    // Gradient while inactive when asked for.
    caption.setGradientInactive(true);
    QCOMPARE(QColor(grabStrip(form.window).pixel(0, 0)),
             QColor(rgbOf(ui::gradientBandColor(16744448, platform::toRgb(caption.endColor()), 6, 32))));

    form.window.activateWindow();
    QTRY_VERIFY(caption.isWindowActive());
    QCOMPARE(QColor(grabStrip(form.window).pixel(0, 0)), QColor(2, 110, 226));
}

void tst_GradientCaption::stepsUseTheLowEightBits() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    caption.setStartColor(16744448);
    QVERIFY(showActive(form.window));
    caption.setGradientSteps(256 + 32);
    QCOMPARE(QColor(grabStrip(form.window).pixel(0, 0)), QColor(2, 110, 226));
    caption.setGradientSteps(257);
    const QImage solid = grabStrip(form.window);
    QCOMPARE(QColor(solid.pixel(0, 0)), QColor(0, 128, 255));
    QCOMPARE(QColor(solid.pixel(562, 0)), QColor(0, 128, 255));
    // Gradient off while active: the end colour alone.
    caption.setGradientSteps(32);
    caption.setGradientActive(false);
    QCOMPARE(QColor(grabStrip(form.window).pixel(0, 0)), QColor(10, 36, 106));
}

void tst_GradientCaption::longCaptionEndsInEllipsis() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    const QString longText = QString("Vantorel 99/00 V2.5 ").repeated(20);
    caption.setFormCaption(longText);
    const QString shown = caption.shownCaption();
    QVERIFY(shown.endsWith("..."));
    QVERIFY(longText.startsWith(shown.chopped(3)));
    const QFontMetrics fm(caption.font());
    QVERIFY(fm.horizontalAdvance(shown) <= kStrip.width() - 20);
    // One character more would not have fitted.
    QVERIFY(fm.horizontalAdvance(longText.left(shown.size() - 2) + "...") > kStrip.width() - 20);
    // The short caption and "&" are drawn as they are.
    caption.setFormCaption("Save & Exit");
    QCOMPARE(caption.shownCaption(), QString("Save & Exit"));
}

void tst_GradientCaption::inactiveDetachesAndKeepsPosition() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    form.window.move(120, 80);
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    const QPoint position = form.window.pos();

    caption.setActive(false);
    QVERIFY(!caption.isAttached());
    QVERIFY(caption.stripRect().isEmpty());
    QVERIFY(!form.window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(form.window.findChildren<TCaptionStrip*>().isEmpty());
    QVERIFY(form.window.findChildren<TCaptionButton*>().isEmpty());
    QCOMPARE(form.client->pos(), QPoint(0, 0));
    QCOMPARE(form.window.size(), kClientSize);
    QVERIFY(form.window.isVisible());
    QCOMPARE(form.window.pos(), position);

    caption.setActive(true);
    QVERIFY(caption.isAttached());
    QCOMPARE(form.window.size(), kWindowSize);
    QCOMPARE(form.client->pos(), QPoint(3, 22));
    QVERIFY(form.window.isVisible());
    QCOMPARE(form.window.pos(), position);

    // A form that is not a window has no caption to paint.
    QWidget parent;
    auto* inner = new QWidget(&parent);
    auto* innerClient = new QWidget(inner);
    innerClient->setFixedSize(100, 50);
    TGradientCaption embedded(inner, innerClient);
    QVERIFY(!embedded.isAttached());
}

void tst_GradientCaption::buttonsAndAccessibility() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    caption.setFormCaption("Vantorel 99/00 V2.5");
    QVERIFY(showActive(form.window));

    auto* strip = form.window.findChild<TCaptionStrip*>();
    QVERIFY(strip);
    QAccessibleInterface* title = QAccessible::queryAccessibleInterface(strip);
    QVERIFY(title);
    QCOMPARE(title->role(), QAccessible::TitleBar);
    QCOMPARE(title->text(QAccessible::Name), QString("Vantorel 99/00 V2.5"));

    struct Expected {
        TCaptionButton::Kind kind;
        const char* name;
        bool enabled;
    };
    for (const Expected& e : {Expected{TCaptionButton::Kind::Close, "Close", true},
                              Expected{TCaptionButton::Kind::Minimize, "Minimize", true},
                              Expected{TCaptionButton::Kind::Maximize, "Maximize", false}}) {
        TCaptionButton* button = captionButton(form.window, e.kind);
        QVERIFY2(button, e.name);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(a->role(), QAccessible::PushButton);
        QCOMPARE(a->text(QAccessible::Name), QString(e.name));
        QCOMPARE(a->state().disabled, !e.enabled);
    }

    // The greyed maximise does nothing.
    QTest::mouseClick(captionButton(form.window, TCaptionButton::Kind::Maximize), Qt::LeftButton);
    QCOMPARE(form.window.windowState(), Qt::WindowNoState);
    QTest::mouseClick(captionButton(form.window, TCaptionButton::Kind::Minimize), Qt::LeftButton);
    QTRY_VERIFY(form.window.windowState().testFlag(Qt::WindowMinimized));
    form.window.showNormal();
    QTest::mouseClick(captionButton(form.window, TCaptionButton::Kind::Close), Qt::LeftButton);
    QTRY_VERIFY(!form.window.isVisible());
}

void tst_GradientCaption::draggingTheStripMovesTheWindow() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    form.window.move(100, 100);
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    auto* strip = form.window.findChild<TCaptionStrip*>();
    const QPoint start = form.window.pos();
    const QPoint grip(200, 9);

    sendMouse(strip, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    const int near = QApplication::startDragDistance() - 1;
    sendMouse(strip, QEvent::MouseMove, grip + QPoint(near, 0), Qt::LeftButton);
    QCOMPARE(form.window.pos(), start);
    // Past the drag distance the window follows the pointer (the offscreen
    // platform refuses the system move, like an X server without window manager).
    sendMouse(strip, QEvent::MouseMove, grip + QPoint(40, 30), Qt::LeftButton);
    QCOMPARE(form.window.pos(), start + QPoint(40, 30));
    const QPoint local =
        strip->mapFromGlobal(form.window.mapToGlobal(QPoint(0, 0)) + QPoint(3, 3) + grip + QPoint(10, 5));
    sendMouse(strip, QEvent::MouseMove, local, Qt::LeftButton);
    QCOMPARE(form.window.pos(), start + QPoint(50, 35));
    sendMouse(strip, QEvent::MouseButtonRelease, local, Qt::NoButton);
    sendMouse(strip, QEvent::MouseMove, local + QPoint(30, 30), Qt::NoButton);
    QCOMPARE(form.window.pos(), start + QPoint(50, 35));
}

// The system menu opens below the icon from a click on it or Alt+Space, and where a right
// click on the strip was; a double click on the icon, or a second press on it while the menu
// is open, Alt+F4 and Close end the window.
void tst_GradientCaption::systemMenu_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("closes");
    for (const char* how : {"Alt+Space", "click on the icon", "right click"})
        QTest::newRow(how) << how << false;
    for (const char* how : {"double click on the icon", "second press on the icon", "Alt+F4", "Close"})
        QTest::newRow(how) << how << true;
}

void tst_GradientCaption::systemMenu() {
    QFETCH(QString, how);
    QFETCH(bool, closes);
    Form form;
    TGradientCaption caption(&form.window, form.client);
    form.window.move(100, 100);
    QVERIFY(showActive(form.window));
    auto* strip = form.window.findChild<TCaptionStrip*>();
    TCaptionMenu* menu = caption.systemMenu();
    const QPoint icon(9, 9), text(200, 9);
    QPoint at = strip->mapToGlobal(QPoint(0, strip->height()));
    if (how == "Alt+Space" || how == "Alt+F4") {
        QTest::keyClick(&form.window, how == "Alt+F4" ? Qt::Key_F4 : Qt::Key_Space, Qt::AltModifier);
    } else if (how == "right click") {
        QContextMenuEvent ev(QContextMenuEvent::Mouse, text, strip->mapToGlobal(text));
        QApplication::sendEvent(strip, &ev);
        at = strip->mapToGlobal(text);
    } else if (how == "double click on the icon") {
        sendMouse(strip, QEvent::MouseButtonDblClick, icon, Qt::LeftButton);
    } else if (how == "Close") {
        menu->closeAction()->trigger();
    } else {
        sendMouse(strip, QEvent::MouseButtonPress, icon, Qt::LeftButton);
        if (how == "second press on the icon")
            sendMouse(menu, QEvent::MouseButtonPress, menu->mapFromGlobal(strip->mapToGlobal(icon)),
                      Qt::LeftButton);
    }
    if (closes) {
        QTRY_VERIFY(!form.window.isVisible());
        return;
    }
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), at);
    QCOMPARE(form.window.pos(), QPoint(100, 100)); // no drag started
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? "-" : a->iconText() + (a->isEnabled() ? "" : " (grey)"));
    QCOMPARE(items, QStringList({"Restore (grey)", "Move", "Size (grey)", "Minimize", "Maximize (grey)", "-",
                                 "Close"}));
    QCOMPARE(menu->closeAction()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(menu);
    QCOMPARE(a11y->role(), QAccessible::PopupMenu);
    QCOMPARE(a11y->child(1)->text(QAccessible::Name), QString("Move"));
    menu->hide();
    menu->actions().at(3)->trigger(); // Minimize, then Restore
    QTRY_VERIFY(form.window.windowState().testFlag(Qt::WindowMinimized));
    menu->updateItems();
    QVERIFY(menu->actions().at(0)->isEnabled() && !menu->actions().at(1)->isEnabled());
    menu->actions().at(0)->trigger();
    QTRY_VERIFY(!form.window.windowState().testFlag(Qt::WindowMinimized));
}

// The offscreen platform refuses the window manager's move, as an X server without one
// does: the window follows the pointer and the arrow keys; Escape puts it back, a click ends.
void tst_GradientCaption::systemMenuMove() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    QVERIFY(showActive(form.window));
    auto* strip = form.window.findChild<TCaptionStrip*>();
    auto* mover = form.window.findChild<WindowMover*>();
    const QPoint start = form.window.pos();
    QMouseEvent move(QEvent::MouseMove, QPointF(), QPointF(QCursor::pos() + QPoint(30, 20)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    for (const bool escape : {true, false}) {
        caption.systemMenu()->actions().at(1)->trigger();
        QVERIFY(mover->isFollowing());
        QApplication::sendEvent(strip, &move);
        QTest::keyClick(strip, Qt::Key_Right);
        QCOMPARE(form.window.pos(), start + QPoint(30 + WindowMover::kKeyStep, 20));
        if (escape)
            QTest::keyClick(strip, Qt::Key_Escape);
        else
            sendMouse(strip, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        QVERIFY(!mover->isFollowing());
        QCOMPARE(form.window.pos(), escape ? start : start + QPoint(30 + WindowMover::kKeyStep, 20));
        form.window.move(start);
    }
}

void tst_GradientCaption::paintErrorIsReported() {
    std::vector<QString> reported;
    const core::ErrorSink previous = core::setErrorSink([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const core::Exception& ex) {
            reported.push_back(QString::fromStdString(ex.message()));
        }
    });
    {
        Form form;
        FailingCaption caption(&form.window, form.client);
        QVERIFY(showActive(form.window));
        const QImage strip = grabStrip(form.window);
        strip.save("/tmp/caption_shots/tst_error.png");
        // Reported after the paint, once per failed paint that is not still waiting.
        QTRY_VERIFY(!reported.empty());
        for (const QString& message : reported)
            QCOMPARE(message, QString("Cannot draw the caption"));
        // The plain caption stands in for the strip.
        QCOMPARE(QColor(strip.pixel(100, 9)), QColor(sys(SystemColor::ActiveCaption)));
    }
    core::setErrorSink(previous);
}

void tst_GradientCaption::fontSettings() {
    Form form;
    TGradientCaption caption(&form.window, form.client);
    QVERIFY(caption.defaultFont());
    QCOMPARE(caption.font(), platform::metrics::captionFont());
    QCOMPARE(caption.fontColor(), core::clCaptionText);
    QCOMPARE(caption.fontInactiveColor(), core::clInactiveCaptionText);
    QFont big("DejaVu Sans", 14);
    caption.setFont(big);
    QVERIFY(!caption.defaultFont());
    QCOMPARE(caption.font(), big);
    caption.setDefaultFont(true);
    caption.setFontColor(core::clYellow);
    QVERIFY(!caption.defaultFont());
    caption.setDefaultFont(true);
    QCOMPARE(caption.font(), platform::metrics::captionFont());
    QCOMPARE(caption.fontColor(), core::clCaptionText);
}

QTEST_MAIN(tst_GradientCaption)
#include "tst_gradientcaption.moc"
