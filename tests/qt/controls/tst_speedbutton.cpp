#include "qt/controls/commandbar/ButtonText.h"
#include "qt/controls/commandbar/GlyphImage.h"
#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/platform/SystemColors.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using core::SystemColor;

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ev(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}
void press(QWidget* w, QPoint pos) {
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
}
void move(QWidget* w, QPoint pos) {
    sendMouse(w, QEvent::MouseMove, pos, Qt::LeftButton);
}
void release(QWidget* w, QPoint pos) {
    sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::NoButton);
}
void clickAt(QWidget* w, QPoint pos) {
    press(w, pos);
    release(w, pos);
}

int countOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

QRgb sys(SystemColor c) {
    return platform::systemColor(c).rgb();
}

// A 5 x 5 red square whose bottom-left pixel (blue) is the transparent colour.
QPixmap redSquare() {
    QImage img(5, 5, QImage::Format_RGB32);
    img.fill(Qt::red);
    img.setPixel(0, 4, qRgb(0, 0, 255));
    return QPixmap::fromImage(img);
}

QString stateName(TButtonState s) {
    switch (s) {
    case TButtonState::Up:
        return "Up";
    case TButtonState::Disabled:
        return "Disabled";
    case TButtonState::Pressed:
        return "Pressed";
    case TButtonState::Latched:
        return "Latched";
    }
    return {};
}

} // namespace

class TestSpeedButton : public QObject {
    Q_OBJECT

private slots:
    void defaults() {
        TSpeedButton b;
        QCOMPARE(b.size(), QSize(25, 25));
        QCOMPARE(b.state(), TButtonState::Up);
        QCOMPARE(b.numGlyphs(), 1);
        QCOMPARE(b.margin(), -1);
        QCOMPARE(b.spacing(), 1);
        QVERIFY(b.showHint());
        QVERIFY(!b.parentShowHint());
    }

    // Font-style toggle: each click runs OnClick with the new Down already in effect.
    void toggleTwoClicks() {
        QWidget parent;
        TSpeedButton b(&parent);
        b.setGroupIndex(2);
        b.setAllowAllUp(true);
        QList<bool> seen;
        connect(&b, &TSpeedButton::OnClick, &b, [&](QObject* sender) {
            QCOMPARE(sender, &b);
            seen << b.isDown();
        });
        clickAt(&b, {5, 5});
        QCOMPARE(b.state(), TButtonState::Latched);
        clickAt(&b, {5, 5});
        QCOMPARE(b.state(), TButtonState::Up);
        QCOMPARE(seen, (QList<bool>{true, false}));
    }

    void groupWithoutAllowAllUpStaysDown() {
        QWidget parent;
        TSpeedButton b(&parent);
        b.setGroupIndex(1);
        QSignalSpy clicks(&b, &TSpeedButton::OnClick);
        clickAt(&b, {5, 5});
        clickAt(&b, {5, 5});
        QVERIFY(b.isDown());
        QCOMPARE(b.state(), TButtonState::Latched);
        QCOMPARE(clicks.count(), 2);
    }

    void dragOffAndRelease_data() {
        QTest::addColumn<int>("groupIndex");
        QTest::addColumn<bool>("startDown");
        QTest::addColumn<QPoint>("off");
        QTest::newRow("plain, right") << 0 << false << QPoint(40, 5);
        QTest::newRow("plain, above") << 0 << false << QPoint(5, -3);
        QTest::newRow("toggle up, left") << 2 << false << QPoint(-1, 5);
        QTest::newRow("toggle down, right") << 2 << true << QPoint(25, 5);
    }
    void dragOffAndRelease() {
        QFETCH(int, groupIndex);
        QFETCH(bool, startDown);
        QFETCH(QPoint, off);
        QWidget parent;
        TSpeedButton b(&parent);
        b.setGroupIndex(groupIndex);
        b.setAllowAllUp(true);
        b.setDown(startDown);
        QSignalSpy clicks(&b, &TSpeedButton::OnClick);
        press(&b, {5, 5});
        QCOMPARE(b.state(), startDown ? TButtonState::Latched : TButtonState::Pressed);
        move(&b, off);
        QCOMPARE(b.state(), startDown ? TButtonState::Latched : TButtonState::Up);
        move(&b, {6, 6});
        QCOMPARE(b.state(), startDown ? TButtonState::Latched : TButtonState::Pressed);
        move(&b, off);
        release(&b, off);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(b.isDown(), startDown);
        QCOMPARE(b.state(), startDown ? TButtonState::Latched : TButtonState::Up);
    }

    // Inside is 0 <= X < width and 0 <= Y <= height.
    void releaseBoundary_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("clicks");
        QTest::newRow("X = width is outside") << QPoint(25, 10) << false;
        QTest::newRow("X = width - 1 is inside") << QPoint(24, 10) << true;
        QTest::newRow("Y = height is inside") << QPoint(10, 25) << true;
        QTest::newRow("Y = height + 1 is outside") << QPoint(10, 26) << false;
        QTest::newRow("X = -1 is outside") << QPoint(-1, 10) << false;
        QTest::newRow("Y = -1 is outside") << QPoint(10, -1) << false;
        QTest::newRow("corner 0,0 is inside") << QPoint(0, 0) << true;
    }
    void releaseBoundary() {
        QFETCH(QPoint, at);
        QFETCH(bool, clicks);
        for (int group : {0, 3}) {
            QWidget parent;
            TSpeedButton b(&parent);
            b.setGroupIndex(group);
            QSignalSpy spy(&b, &TSpeedButton::OnClick);
            press(&b, {10, 10});
            move(&b, at);
            QCOMPARE(b.state(), clicks ? TButtonState::Pressed : TButtonState::Up);
            release(&b, at);
            QCOMPARE(spy.count(), clicks ? 1 : 0);
            QCOMPARE(b.isDown(), group != 0 && clicks);
        }
    }

    void downFromCode_data() {
        QTest::addColumn<int>("groupIndex");
        QTest::addColumn<bool>("allowAllUp");
        QTest::addColumn<QList<bool>>("writes");
        QTest::addColumn<bool>("down");
        QTest::addColumn<TButtonState>("state");
        QTest::newRow("ungrouped: true leaves it up")
            << 0 << false << QList<bool>{true} << false << TButtonState::Up;
        QTest::newRow("grouped: true latches")
            << 2 << true << QList<bool>{true} << true << TButtonState::Latched;
        QTest::newRow("grouped, all up: true, false")
            << 2 << true << QList<bool>{true, false} << false << TButtonState::Up;
        QTest::newRow("grouped, not all up: false ignored")
            << 2 << false << QList<bool>{true, false} << true << TButtonState::Latched;
    }
    void downFromCode() {
        QFETCH(int, groupIndex);
        QFETCH(bool, allowAllUp);
        QFETCH(QList<bool>, writes);
        QFETCH(bool, down);
        QFETCH(TButtonState, state);
        QWidget parent;
        TSpeedButton b(&parent);
        b.setGroupIndex(groupIndex);
        b.setAllowAllUp(allowAllUp);
        QSignalSpy clicks(&b, &TSpeedButton::OnClick);
        for (bool v : writes)
            b.setDown(v);
        QCOMPARE(b.isDown(), down);
        QCOMPARE(stateName(b.state()), stateName(state));
        QCOMPARE(clicks.count(), 0);
    }

    void groupIsExclusiveAmongSiblings() {
        QWidget parent;
        TSpeedButton a(&parent), b(&parent), other(&parent);
        QWidget elsewhere;
        TSpeedButton stranger(&elsewhere);
        for (TSpeedButton* x : {&a, &b, &stranger})
            x->setGroupIndex(1);
        other.setGroupIndex(4);
        other.setDown(true);
        stranger.setDown(true);
        a.setDown(true);
        b.setAllowAllUp(true); // the whole group takes it over
        QVERIFY(a.allowAllUp());
        QSignalSpy aClicks(&a, &TSpeedButton::OnClick);
        clickAt(&b, {3, 3});
        QVERIFY(b.isDown());
        QVERIFY(!a.isDown());
        QCOMPARE(a.state(), TButtonState::Up);
        QCOMPARE(aClicks.count(), 0);
        QVERIFY(other.isDown());    // another group
        QVERIFY(stranger.isDown()); // another parent
    }

    void disabledIgnoresMouse() {
        QWidget parent;
        TSpeedButton b(&parent);
        b.setGroupIndex(1);
        b.setAllowAllUp(true);
        QSignalSpy clicks(&b, &TSpeedButton::OnClick);
        b.setEnabled(false);
        QCOMPARE(b.state(), TButtonState::Disabled);
        clickAt(&b, {5, 5});
        b.click();
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!b.isDown());
        b.setDown(true);
        QCOMPARE(b.state(), TButtonState::Disabled);
        b.setEnabled(true);
        QCOMPARE(b.state(), TButtonState::Latched);
        b.setDown(false);
        b.setEnabled(false);
        b.setEnabled(true);
        QCOMPARE(b.state(), TButtonState::Up);
    }

    void disablingWhileTrackingCancels() {
        QWidget parent;
        TSpeedButton b(&parent);
        QSignalSpy clicks(&b, &TSpeedButton::OnClick);
        press(&b, {5, 5});
        b.setEnabled(false);
        b.setEnabled(true);
        release(&b, {5, 5});
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(b.state(), TButtonState::Up);
    }

    void doubleClickOnDownButton() {
        QWidget parent;
        TSpeedButton b(&parent);
        b.setGroupIndex(1);
        b.setAllowAllUp(true);
        QSignalSpy dbl(&b, &TSpeedButton::OnDblClick);
        sendMouse(&b, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton);
        release(&b, {5, 5});
        QCOMPARE(dbl.count(), 0); // was not down
        QVERIFY(b.isDown());
        sendMouse(&b, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton);
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(dbl.first().first().value<QObject*>(), &b);
    }

    void numGlyphsClamped() {
        TSpeedButton b;
        b.setNumGlyphs(9);
        QCOMPARE(b.numGlyphs(), 5);
        b.setNumGlyphs(0);
        QCOMPARE(b.numGlyphs(), 1);
    }

    void embossedPixels() {
        // Shape: an L of three pixels on a white (transparent) background.
        QImage strip(4, 4, QImage::Format_RGB32);
        strip.fill(Qt::white);
        strip.setPixel(1, 1, qRgb(255, 0, 0));
        strip.setPixel(1, 2, qRgb(0, 255, 0));
        strip.setPixel(2, 2, qRgb(0, 0, 255));
        strip.setPixel(3, 0, qRgb(255, 255, 255));
        strip.setPixel(0, 3, qRgb(0, 0, 0)); // bottom-left: black is transparent here
        const QImage img = glyphImage(strip, 1, 0);
        QCOMPARE(img.pixel(0, 0), qRgb(255, 255, 255)); // white, not transparent here
        QCOMPARE(qAlpha(img.pixel(0, 3)), 0);
        QCOMPARE(img.pixel(1, 1), qRgb(255, 0, 0));
        const QRgb hi = qRgb(255, 255, 255), sh = qRgb(128, 128, 128);
        const QImage e = embossedGlyph(img, QColor(hi), QColor(sh));
        QCOMPARE(e.pixel(1, 1), sh);
        QCOMPARE(e.pixel(1, 2), sh); // shadow covers highlight of (1,1)
        QCOMPARE(e.pixel(2, 2), sh);
        QCOMPARE(e.pixel(2, 3), hi);
        QCOMPARE(e.pixel(3, 3), hi);
        QCOMPARE(qAlpha(e.pixel(2, 1)), 0);
        QCOMPARE(qAlpha(e.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(e.pixel(3, 0)), 0); // white is background
    }

    void glyphImageSelectsAndClears() {
        QImage strip(8, 4, QImage::Format_RGB32);
        strip.fill(qRgb(0, 128, 0)); // bottom-left: transparent
        strip.setPixel(5, 1, qRgb(1, 2, 3));
        const QImage second = glyphImage(strip, 2, 1);
        QCOMPARE(second.size(), QSize(4, 4));
        QCOMPARE(second.pixel(1, 1), qRgb(1, 2, 3));
        QCOMPARE(qAlpha(second.pixel(0, 0)), 0);
    }

    void hintShortPart_data() {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("tip");
        QTest::newRow("short|") << "New|"
                                << "New";
        QTest::newRow("short|long") << "Tip of the Day|more"
                                    << "Tip of the Day";
        QTest::newRow("no bar") << "Apply Changes Before Saving"
                                << "Apply Changes Before Saving";
        QTest::newRow("two bars") << "a|b|c"
                                  << "a";
    }
    void hintShortPart() {
        QFETCH(QString, hint);
        QFETCH(QString, tip);
        TSpeedButton b;
        b.setHint(hint);
        QCOMPARE(b.toolTip(), tip);
    }

    void showHintFollowsParentWhenAsked() {
        QWidget parent;
        TSpeedButton b(&parent);
        QVERIFY(b.effectiveShowHint());
        b.setParentShowHint(true);
        QVERIFY(!b.effectiveShowHint());
        parent.setProperty("showHint", true);
        QVERIFY(b.effectiveShowHint());
        b.setShowHint(false);
        QVERIFY(!b.parentShowHint());
        QVERIFY(!b.effectiveShowHint());
    }

    // Probe pixels of the frame, the checkerboard and the shifted glyph.
    void paintedProbes_data() {
        QTest::addColumn<TButtonState>("state");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("color");
        const QRgb face = sys(SystemColor::BtnFace), hi = sys(SystemColor::BtnHighlight),
                   sh = sys(SystemColor::BtnShadow), frame = sys(SystemColor::WindowFrame),
                   red = qRgb(255, 0, 0);
        using S = TButtonState;
        QTest::newRow("up outer top-left") << S::Up << QPoint(0, 0) << hi;
        QTest::newRow("up outer top") << S::Up << QPoint(12, 0) << hi;
        QTest::newRow("up outer top-right corner") << S::Up << QPoint(24, 0) << frame;
        QTest::newRow("up outer bottom") << S::Up << QPoint(12, 24) << frame;
        QTest::newRow("up outer bottom-left corner") << S::Up << QPoint(0, 24) << frame;
        QTest::newRow("up inner top") << S::Up << QPoint(12, 1) << face;
        QTest::newRow("up inner right") << S::Up << QPoint(23, 12) << sh;
        QTest::newRow("up inner bottom") << S::Up << QPoint(12, 23) << sh;
        QTest::newRow("up glyph first pixel") << S::Up << QPoint(10, 10) << red;
        QTest::newRow("up glyph last pixel") << S::Up << QPoint(14, 14) << red;
        QTest::newRow("up beside glyph") << S::Up << QPoint(15, 15) << face;
        QTest::newRow("up glyph transparent corner") << S::Up << QPoint(10, 14) << face;
        QTest::newRow("pressed outer top") << S::Pressed << QPoint(12, 0) << frame;
        QTest::newRow("pressed outer bottom") << S::Pressed << QPoint(12, 24) << hi;
        QTest::newRow("pressed inner left") << S::Pressed << QPoint(1, 12) << sh;
        QTest::newRow("pressed inner bottom") << S::Pressed << QPoint(12, 23) << face;
        QTest::newRow("pressed glyph shifted out") << S::Pressed << QPoint(10, 10) << face;
        QTest::newRow("pressed glyph shifted in") << S::Pressed << QPoint(15, 15) << red;
        QTest::newRow("latched outer left") << S::Latched << QPoint(0, 12) << frame;
        QTest::newRow("latched outer right") << S::Latched << QPoint(24, 12) << hi;
        QTest::newRow("latched checker 1,1") << S::Latched << QPoint(1, 1) << hi;
        QTest::newRow("latched checker 2,1") << S::Latched << QPoint(2, 1) << face;
        QTest::newRow("latched checker 4,6") << S::Latched << QPoint(4, 6) << hi;
        QTest::newRow("latched checker 23,22") << S::Latched << QPoint(23, 22) << face;
        QTest::newRow("latched checker 23,23") << S::Latched << QPoint(23, 23) << hi;
        QTest::newRow("latched glyph shifted") << S::Latched << QPoint(11, 11) << red;
        QTest::newRow("latched transparent shows checker") << S::Latched << QPoint(11, 15) << hi;
        QTest::newRow("disabled frame") << S::Disabled << QPoint(0, 0) << hi;
        QTest::newRow("disabled embossed shadow") << S::Disabled << QPoint(10, 10) << sh;
        QTest::newRow("disabled embossed highlight") << S::Disabled << QPoint(11, 14) << sh;
        QTest::newRow("disabled no colour") << S::Disabled << QPoint(12, 12) << sh;
    }
    void paintedProbes() {
        QFETCH(TButtonState, state);
        QFETCH(QPoint, at);
        QFETCH(QRgb, color);
        QWidget parent;
        TSpeedButton b(&parent);
        b.setGlyph(redSquare());
        b.setGroupIndex(state == TButtonState::Latched ? 1 : 0);
        if (state == TButtonState::Latched)
            b.setDown(true);
        if (state == TButtonState::Pressed)
            press(&b, {3, 3});
        if (state == TButtonState::Disabled)
            b.setEnabled(false);
        QCOMPARE(stateName(b.state()), stateName(state));
        const QImage shot = b.grab().toImage();
        QCOMPARE(QColor(shot.pixel(at)).name(), QColor(color).name());
    }

    void disabledSecondImage() {
        // Two images: normal red, disabled green; bottom-left white is transparent.
        QImage strip(10, 5, QImage::Format_RGB32);
        strip.fill(Qt::red);
        for (int y = 0; y < 5; ++y) {
            for (int x = 5; x < 10; ++x)
                strip.setPixel(x, y, qRgb(0, 255, 0));
        }
        strip.setPixel(0, 4, qRgb(255, 255, 255));
        TSpeedButton b;
        b.setGlyph(QPixmap::fromImage(strip));
        QCOMPARE(b.numGlyphs(), 2);
        QCOMPARE(QColor(b.grab().toImage().pixel(12, 12)), QColor(Qt::red));
        b.setEnabled(false);
        QCOMPARE(QColor(b.grab().toImage().pixel(12, 12)), QColor(Qt::green));
    }

    void disabledCaptionDrawnTwice() {
        TSpeedButton b;
        b.resize(188, 32);
        QFont f;
        f.setPixelSize(20);
        f.setBold(true);
        b.setFont(f);
        b.setCaption("IIIIIIII");
        b.setEnabled(false);
        const QImage shot = b.grab().toImage();
        bool sawShadow = false, sawHighlightBelowRight = false;
        const QRgb hi = sys(SystemColor::BtnHighlight), sh = sys(SystemColor::BtnShadow),
                   text = sys(SystemColor::BtnText);
        for (int y = 3; y < 29; ++y) {
            for (int x = 3; x < 185; ++x) {
                const QRgb p = shot.pixel(x, y);
                QVERIFY2(p != text, "disabled text is not drawn in the text colour");
                if (p == sh && shot.pixel(x + 1, y + 1) != sh)
                    sawHighlightBelowRight = sawHighlightBelowRight || shot.pixel(x + 1, y + 1) == hi;
                sawShadow = sawShadow || p == sh;
            }
        }
        QVERIFY(sawShadow);
        QVERIFY(sawHighlightBelowRight);
    }

    // The caption is drawn in the button's font colour, not the desktop's button text.
    void captionInFontColourNotPalette() {
        const QPalette original = QApplication::palette();
        QPalette dark = original;
        dark.setColor(QPalette::ButtonText, Qt::gray);
        QApplication::setPalette(dark);
        TSpeedButton b;
        b.resize(188, 32);
        b.setFont(QFont("DejaVu Sans", 20, QFont::Bold));
        b.setCaption("IIIIIIII");
        b.setFontColor(core::clRed);
        const QImage shot = b.grab().toImage();
        QApplication::setPalette(original);
        QVERIFY(countOf(shot, qRgb(255, 0, 0)) > 10);
        QCOMPARE(countOf(shot, QColor(Qt::gray).rgb()), 0);
    }

    void displayedCaptionShortens() {
        TSpeedButton b;
        b.resize(188, 32);
        b.setCaption("Apply Changes");
        QCOMPARE(b.displayedCaption(), QString("Apply Changes"));
        b.resize(30, 32);
        QVERIFY(b.displayedCaption().endsWith("..."));
        QVERIFY(b.displayedCaption().size() < 13);
    }

    void accessibility() {
        QWidget parent;
        TSpeedButton b(&parent);
        b.setHint("Save|");
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&b);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::PushButton);
        QCOMPARE(iface->text(QAccessible::Name), QString("Save"));
        QCOMPARE(iface->text(QAccessible::Description), QString("Save"));
        b.setCaption("Apply Changes");
        b.setHint("Apply Changes Before Saving");
        QCOMPARE(iface->text(QAccessible::Name), QString("Apply Changes"));
        QCOMPARE(iface->text(QAccessible::Description), QString("Apply Changes Before Saving"));
        b.setGroupIndex(2);
        b.setAllowAllUp(true);
        QCOMPARE(iface->role(), QAccessible::CheckBox);
        QVERIFY(iface->state().checkable);
        QVERIFY(!iface->state().checked);
        QSignalSpy clicks(&b, &TSpeedButton::OnClick);
        QAccessibleActionInterface* action = iface->actionInterface();
        QVERIFY(action);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);
        QVERIFY(b.isDown());
        QVERIFY(iface->state().checked);
        b.setEnabled(false);
        QVERIFY(iface->state().disabled);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);
    }
};

QTEST_MAIN(TestSpeedButton)
#include "tst_speedbutton.moc"
