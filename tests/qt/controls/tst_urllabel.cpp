#include "qt/controls/links/URLLabel.h"
#include "support/UrlRecorder.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

using core::TColor;

namespace {

constexpr TColor kNormal = core::rgb(0, 128, 0);
constexpr TColor kMoveOver = core::rgb(0, 0, 255);
constexpr TColor kClick = core::rgb(255, 0, 0);

// The default caption's extent, where the label reacts; the labels here are larger.
QSize textSize() {
    return TURLLabel().textArea().size();
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent ev(type, QPointF(pos), w->mapToGlobal(QPointF(pos)),
                   type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}
void press(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(w, QEvent::MouseButtonPress, pos, button);
}
void release(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(w, QEvent::MouseButtonRelease, pos, button);
}
QPoint toPoint(QSize s) {
    return {s.width(), s.height()};
}
void enter(QWidget* w) {
    QEnterEvent ev(QPointF(1, 1), QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(w, &ev);
}
void leave(QWidget* w) {
    QEvent ev(QEvent::Leave);
    QApplication::sendEvent(w, &ev);
}

// A label with three distinct colours, so each state can be told apart.
std::unique_ptr<TURLLabel> makeLabel() {
    auto label = std::make_unique<TURLLabel>();
    label->resize(textSize() + QSize(40, 10));
    label->setColorNormal(kNormal);
    label->setColorMoveOver(kMoveOver);
    label->setColorClick(kClick);
    label->setURL("https://links.example.org/target");
    return label;
}

} // namespace

class TestURLLabel : public QObject {
    Q_OBJECT

    std::unique_ptr<UrlRecorder> m_urls;

private slots:
    void init() { m_urls = std::make_unique<UrlRecorder>(); }
    void cleanup() { m_urls.reset(); }

    void defaults() {
        TURLLabel label;
        QCOMPARE(label.caption(), "Click me!");
        QCOMPARE(label.colorNormal(), core::rgb(0, 0, 255));
        QCOMPARE(label.colorMoveOver(), core::rgb(0, 0, 255));
        QCOMPARE(label.colorClick(), core::rgb(255, 0, 0));
        QVERIFY(label.font().underline());
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(!label.isPressed());
        QVERIFY(!label.testAttribute(Qt::WA_SetCursor)); // the arrow stays
        const QUrl url(label.URL());
        QVERIFY(url.isValid());
        QVERIFY2(url.host().endsWith("example.com"), qPrintable(label.URL()));
    }

    // One press (or none) and one release; where the release lands decides.
    void pressAndRelease_data() {
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<TColor>("colourAfter");

        const int w = textSize().width(), h = textSize().height();
        QTest::newRow("left click in the middle")
            << true << Qt::LeftButton << QPoint(w / 2, h / 2) << true << kMoveOver;
        QTest::newRow("release at x = width is inside")
            << true << Qt::LeftButton << QPoint(w, 5) << true << kMoveOver;
        QTest::newRow("release at y = height is inside")
            << true << Qt::LeftButton << QPoint(5, h) << true << kMoveOver;
        QTest::newRow("release at (width, height) is inside")
            << true << Qt::LeftButton << QPoint(w, h) << true << kMoveOver;
        QTest::newRow("release at x = width + 1 is outside")
            << true << Qt::LeftButton << QPoint(w + 1, 5) << false << kNormal;
        QTest::newRow("release at y = height + 1 is outside")
            << true << Qt::LeftButton << QPoint(5, h + 1) << false << kNormal;
        QTest::newRow("release at x = -1 is outside")
            << true << Qt::LeftButton << QPoint(-1, 5) << false << kNormal;
        QTest::newRow("release at y = -1 is outside")
            << true << Qt::LeftButton << QPoint(5, -1) << false << kNormal;
        QTest::newRow("right-button click")
            << true << Qt::RightButton << QPoint(w / 2, h / 2) << true << kMoveOver;
        QTest::newRow("release inside without a press")
            << false << Qt::LeftButton << QPoint(w / 2, h / 2) << false << kMoveOver;
    }
    void pressAndRelease() {
        QFETCH(bool, pressed);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(bool, opens);
        QFETCH(TColor, colourAfter);

        auto label = makeLabel();
        if (pressed) {
            press(label.get(), QPoint(3, 3), button);
            QVERIFY(label->isPressed());
            QCOMPARE(label->fontColor(), kClick);
        }
        release(label.get(), releaseAt, button);
        QVERIFY(!label->isPressed());
        QCOMPARE(label->fontColor(), colourAfter);
        QCOMPARE(
            label->palette().color(QPalette::WindowText),
            QColor::fromRgb(core::redOf(colourAfter), core::greenOf(colourAfter), core::blueOf(colourAfter)));
        const QList<QUrl> expected =
            opens ? QList<QUrl>{QUrl("https://links.example.org/target")} : QList<QUrl>{};
        QCOMPARE(m_urls->opened, expected);
    }

    void emptyURLOpensTheCaption() {
        auto label = makeLabel();
        label->setURL(QString());
        label->setCaption("https://caption.example.net/page");
        QCOMPARE(label->target(), "https://caption.example.net/page");
        press(label.get(), QPoint(2, 2));
        release(label.get(), QPoint(2, 2));
        QCOMPARE(m_urls->opened, QList<QUrl>{QUrl("https://caption.example.net/page")});
    }

    void enterAndLeave() {
        auto label = makeLabel();
        enter(label.get());
        QCOMPARE(label->fontColor(), kMoveOver);
        leave(label.get());
        QCOMPARE(label->fontColor(), kNormal);
        // Back in with the button still held from a press on the label: the click colour.
        press(label.get(), QPoint(2, 2));
        leave(label.get());
        QCOMPARE(label->fontColor(), kNormal);
        enter(label.get());
        QCOMPARE(label->fontColor(), kClick);
        release(label.get(), QPoint(2, 2));
        QCOMPARE(m_urls->opened.size(), 1);
    }

    // Each release clears the pressed flag, so a later release opens nothing.
    void releaseClearsThePress() {
        auto label = makeLabel();
        press(label.get(), QPoint(2, 2));
        release(label.get(), QPoint(textSize().width() + 5, 2));
        release(label.get(), QPoint(2, 2));
        QVERIFY(m_urls->opened.isEmpty());
    }

    // Through the window system: the press grabs the pointer, so the release
    // reaches the label after the pointer has left it.
    void releaseAfterDraggingOff_data() {
        QTest::addColumn<QPoint>("releaseInParent");
        QTest::addColumn<bool>("opens");
        QTest::newRow("far outside") << QPoint(150, 80) << false;
        QTest::newRow("one pixel past the text's bottom-right corner")
            << QPoint(10, 10) + toPoint(textSize()) << true;
    }
    void releaseAfterDraggingOff() {
        QFETCH(QPoint, releaseInParent);
        QFETCH(bool, opens);
        QWidget parent;
        parent.resize(200, 100);
        auto* label = new TURLLabel(&parent);
        label->setGeometry(QRect(QPoint(10, 10), textSize() + QSize(40, 10)));
        label->setColorNormal(kNormal);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QWindow* window = parent.windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(15, 15));
        QVERIFY(label->isPressed());
        QTest::mouseMove(window, releaseInParent);
        QTest::mouseRelease(window, Qt::LeftButton, {}, releaseInParent);
        QVERIFY(!label->isPressed());
        QCOMPARE(m_urls->opened.size(), opens ? 1 : 0);
        if (!opens)
            QCOMPARE(label->fontColor(), kNormal);
    }

    // Only the text takes the pointer: the blank rest belongs to what lies beneath.
    void reactsOverItsTextOnly() {
        QWidget parent;
        parent.resize(300, 100);
        auto* label = new TURLLabel(&parent);
        label->setGeometry(10, 10, 155, 15);
        label->setCaption("ab@example.com");
        const QRect text = label->textArea();
        QVERIFY(text.width() < 140);
        QCOMPARE(parent.childAt(QPoint(12, 12)), label);
        QCOMPARE(parent.childAt(QPoint(10 + text.width() + 2, 12)), nullptr);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, QPoint(10 + text.width() + 5, 15));
        QVERIFY(m_urls->opened.isEmpty());
        QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, QPoint(12, 15));
        QCOMPARE(m_urls->opened.size(), 1);
        // Assistive technology's hit test agrees: the text area, not the box.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&parent);
        const QPoint origin = parent.mapToGlobal(QPoint(10, 10));
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->rect(), QRect(origin, text.size()));
        QCOMPARE(iface->childAt(origin.x() + 2, origin.y() + 2),
                 QAccessible::queryAccessibleInterface(label));
        QCOMPARE(iface->childAt(origin.x() + text.width() + 5, origin.y() + 2), nullptr);
    }

    void accessibleAsLink() {
        auto label = makeLabel();
        label->setCaption("Our site");
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label.get());
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Link);
        QCOMPARE(iface->text(QAccessible::Name), "Our site");
        QCOMPARE(iface->text(QAccessible::Description), "https://links.example.org/target");
        QVERIFY(iface->state().linked);
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_urls->opened, QList<QUrl>{QUrl("https://links.example.org/target")});

        label->setURL(QString());
        QCOMPARE(iface->text(QAccessible::Description), "Our site");
        label->setToolTip("Visit Us");
        QCOMPARE(iface->text(QAccessible::Description), "Visit Us");
    }
};

QTEST_MAIN(TestURLLabel)
#include "tst_urllabel.moc"
