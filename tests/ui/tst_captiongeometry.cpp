#include "ui/CaptionGeometry.h"

#include <QTest>

using ui::Box;
using ui::TBorderIcons;
using ui::TFormBorderStyle;

Q_DECLARE_METATYPE(TFormBorderStyle)
Q_DECLARE_METATYPE(TBorderIcons)

namespace {

// The classic desktop at 96 dpi: 19-pixel caption, 18-pixel buttons, frames of 3 and 4.
constexpr ui::FrameMetrics kClassic{4, 4, 3, 3, 19, 16, 18, 15, 16, 16};
constexpr TBorderIcons kMainWindowIcons{true, true, false, false};

} // namespace

class TestCaptionGeometry : public QObject {
    Q_OBJECT

private slots:
    void buttonCount_data() {
        QTest::addColumn<TFormBorderStyle>("style");
        QTest::addColumn<TBorderIcons>("icons");
        QTest::addColumn<int>("expected");
        QTest::newRow("single, menu and minimise: close, minimise, greyed maximise")
            << TFormBorderStyle::Single << kMainWindowIcons << 3;
        QTest::newRow("sizeable, all but help")
            << TFormBorderStyle::Sizeable << TBorderIcons{true, true, true, false} << 3;
        QTest::newRow("help dropped beside minimise")
            << TFormBorderStyle::Single << TBorderIcons{true, true, true, true} << 3;
        QTest::newRow("menu and help only")
            << TFormBorderStyle::Single << TBorderIcons{true, false, false, true} << 2;
        QTest::newRow("dialog keeps menu and help")
            << TFormBorderStyle::Dialog << TBorderIcons{true, true, true, true} << 2;
        QTest::newRow("tool window keeps the menu")
            << TFormBorderStyle::ToolWindow << TBorderIcons{true, true, true, true} << 1;
        QTest::newRow("no menu, no minimise or maximise")
            << TFormBorderStyle::Sizeable << TBorderIcons{false, true, true, false} << 0;
    }
    void buttonCount() {
        QFETCH(TFormBorderStyle, style);
        QFETCH(TBorderIcons, icons);
        QFETCH(int, expected);
        QCOMPARE(ui::captionButtonCount(style, icons), expected);
    }

    // The main window: a client area of 617 x 281 under a single border.
    void mainWindowGeometry() {
        QCOMPARE(ui::windowSizeFor(617, 281, TFormBorderStyle::Single, kClassic), (ui::Size{623, 306}));
        const ui::CaptionGeometry g =
            ui::captionGeometry(623, 306, TFormBorderStyle::Single, kMainWindowIcons, kClassic);
        QCOMPARE(g.strip, (Box{3, 3, 563, 18}));
        QCOMPARE(g.clientLeft, 3);
        QCOMPARE(g.clientTop, 22);
        QVERIFY(g.drawsIcon);
        QCOMPARE(g.buttonArea, (Box{566, 3, 54, 18}));
        QCOMPARE(g.close, (Box{602, 5, 16, 14}));
        QCOMPARE(g.maximize, (Box{584, 5, 16, 14}));
        QCOMPARE(g.minimize, (Box{568, 5, 16, 14}));
        QCOMPARE(g.help, Box{});
        // A sizeable window's frame is a pixel thicker on each side.
        const ui::CaptionGeometry s =
            ui::captionGeometry(400, 300, TFormBorderStyle::Sizeable, kMainWindowIcons, kClassic);
        QCOMPARE(s.strip, (Box{4, 4, 392 - 3 * 18, 18}));
        const ui::CaptionGeometry none =
            ui::captionGeometry(400, 300, TFormBorderStyle::None, kMainWindowIcons, kClassic);
        QCOMPARE(none.strip, Box{});
        QCOMPARE(none.clientTop, 0);
    }

    // The strip's parts: the gradient starts a quarter of the width to the left, the icon sits
    // centred in the first square, the text 2 pixels after it.
    void stripParts() {
        QCOMPARE(ui::gradientBox(400, 18), (Box{-100, 0, 500, 18}));
        QCOMPARE(ui::captionIconBox(18, kClassic), (Box{2, 1, 16, 16}));
        QCOMPARE(ui::captionTextLeft(18, true), 20);
        QCOMPARE(ui::captionTextLeft(18, false), 2);
    }
};

QTEST_APPLESS_MAIN(TestCaptionGeometry)
#include "tst_captiongeometry.moc"
