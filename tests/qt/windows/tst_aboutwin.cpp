#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/controls/links/URLLabel.h"
#include "qt/platform/SystemColors.h"
#include "qt/windows/AboutWin.h"
#include "support/UrlRecorder.h"
#include "ui/AboutWinDesign.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

namespace {

constexpr core::TColor kBlue = core::rgb(0, 0, 255);
constexpr core::TColor kRed = core::rgb(255, 0, 0);

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent ev(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

QPixmap filled(QColor colour) {
    QPixmap p(32, 32);
    p.fill(colour);
    return p;
}

bool underExampleDomain(const QString& host) {
    for (const char* domain : {"example.com", "example.net", "example.org"}) {
        if (host == domain || host.endsWith(QString(".") + domain))
            return true;
    }
    return false;
}

} // namespace

class TestAboutWin : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<TForm2> m_form;
    std::unique_ptr<UrlRecorder> m_urls;

    TURLLabel* link(const char* name) const { return m_form->findChild<TURLLabel*>(name); }

private slots:
    void init() {
        m_urls = std::make_unique<UrlRecorder>();
        m_main = std::make_unique<QWidget>();
        m_main->setWindowIcon(QIcon(filled(Qt::magenta)));
        m_form = std::make_unique<TForm2>(m_main.get());
        m_form->FormCreate();
    }
    void cleanup() {
        m_form.reset();
        m_main.reset();
        m_urls.reset();
    }

    void window() {
        QCOMPARE(m_form->size(), QSize(306, 228));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QCOMPARE(m_form->windowTitle(), "About");
        const Qt::WindowFlags flags = m_form->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowStaysOnTopHint)); // an ordinary window that can be covered
        QVERIFY(m_form->isWindow());
        QVERIFY(m_form->isHidden()); // creation leaves it hidden
        QVERIFY(!m_form->testAttribute(Qt::WA_QuitOnClose));
    }

    // Every control is built from its design row. Labels not of fixed size grow, by the time the
    // window shows, when their text needs more room than the row gives.
    void controlsFollowTheDesign() {
        m_form->showFromCommand();
        for (const ui::ControlDesign* row : ui::aboutwin::kControls) {
            const QString name = QString::fromLatin1(row->name);
            auto* w = m_form->findChild<QWidget*>(name);
            QVERIFY2(w, qPrintable(name));
            QCOMPARE(w->parentWidget(), m_form.get());
            const QRect box(row->box.left, row->box.top, row->box.width, row->box.height);
            QCOMPARE(w->pos(), box.topLeft());
            QCOMPARE(w->size(), row->autoSize ? box.size().expandedTo(w->sizeHint()) : box.size());
            const ui::FontDesign font = row->font.family.empty() ? ui::aboutwin::Form2.font : row->font;
            QCOMPARE(w->font().family(), QString::fromLatin1(font.family));
            QCOMPARE(w->font().pixelSize(), font.pixelHeight);
            QCOMPARE(w->font().bold(), font.bold());
            QCOMPARE(w->font().underline(), font.underline());
            if (auto* button = qobject_cast<TSpeedButton*>(w))
                QCOMPARE(button->caption(), QString::fromLatin1(row->caption));
            auto* label = qobject_cast<QLabel*>(w);
            if (!label || row->kind == ui::ControlKind::Image)
                continue;
            QCOMPARE(label->text(), QString::fromLatin1(row->caption));
            QCOMPARE(label->palette().color(QPalette::WindowText), platform::resolveColor(font.color));
            const Qt::Alignment across =
                row->alignment == ui::TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
            QCOMPARE(label->alignment(), across | Qt::AlignTop);
            QVERIFY(!label->autoFillBackground()); // transparent
            QVERIFY(!label->wordWrap());
            // Every text fits its box in the font it is drawn with.
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
            QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(label->text()));
        }
    }

    // The links are the only controls with tooltips.
    void tooltips() {
        for (QWidget* w : m_form->findChildren<QWidget*>()) {
            QString tip = w->toolTip();
            if (auto* b = qobject_cast<TSpeedButton*>(w))
                tip = b->hint();
            if (w->objectName() == "URLLabel1")
                QCOMPARE(tip, "E-Mail Me");
            else if (w->objectName() == "URLLabel2")
                QCOMPARE(tip, "Visit the Kestrow3 WebSite");
            else
                QVERIFY2(tip.isEmpty(), qPrintable(w->objectName()));
            if (!tip.isEmpty())
                QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description), tip);
        }
    }

    void imageCopiesTheMainWindowIcon() {
        auto* image = m_form->findChild<QLabel*>("Image1");
        QCOMPARE(image->geometry(), QRect(16, 13, 35, 35));
        QCOMPARE(image->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(image->pixmap().size(), QSize(32, 32));
        QCOMPARE(image->pixmap().toImage().pixelColor(31, 31), QColor(Qt::magenta));
        const QImage drawn = m_form->grab().toImage();
        QCOMPARE(drawn.pixelColor(16, 13), QColor(Qt::magenta));
        QCOMPARE(drawn.pixelColor(16 + 31, 13 + 31), QColor(Qt::magenta));
        QVERIFY(drawn.pixelColor(16 + 33, 13 + 33) != QColor(Qt::magenta));
    }

    void linkTargets() {
        const QString mail = link("URLLabel1")->caption();
        QCOMPARE(link("URLLabel1")->URL(), "Mailto:" + mail);
        QVERIFY2(underExampleDomain(mail.section('@', 1)), qPrintable(mail));
        const QString site = link("URLLabel2")->caption();
        QCOMPARE(link("URLLabel2")->URL(), site);
        QVERIFY2(underExampleDomain(QUrl(site).host()), qPrintable(site));

        for (const char* name : {"URLLabel1", "URLLabel2"}) {
            sendMouse(link(name), QEvent::MouseButtonPress, QPoint(3, 3));
            sendMouse(link(name), QEvent::MouseButtonRelease, QPoint(3, 3));
        }
        QCOMPARE(m_urls->opened.size(), 2);
        QCOMPARE(m_urls->opened.at(0).scheme(), "mailto");
        QCOMPARE(m_urls->opened.at(0).path(), mail);
        QCOMPARE(m_urls->opened.at(1), QUrl(site));
    }

    // The window's move handlers turn a link red; the label's own rules turn it blue again.
    void linkColours() {
        for (const char* name : {"URLLabel1", "URLLabel2"}) {
            TURLLabel* l = link(name);
            QEnterEvent in(QPointF(2, 2), QPointF(2, 2), l->mapToGlobal(QPointF(2, 2)));
            QApplication::sendEvent(l, &in);
            QCOMPARE(l->fontColor(), kBlue);
            sendMouse(l, QEvent::MouseMove, QPoint(4, 4));
            QCOMPARE(l->fontColor(), kRed);
            QEvent out(QEvent::Leave);
            QApplication::sendEvent(l, &out);
            QCOMPARE(l->fontColor(), kBlue);
            // Press, drag outside, release: blue, nothing opened.
            sendMouse(l, QEvent::MouseButtonPress, QPoint(4, 4));
            QCOMPARE(l->fontColor(), kRed);
            sendMouse(l, QEvent::MouseMove, QPoint(400, 4));
            sendMouse(l, QEvent::MouseButtonRelease, QPoint(400, 4));
            QCOMPARE(l->fontColor(), kBlue);
        }
        QVERIFY(m_urls->opened.isEmpty());
    }

    void okAndCloseHide() {
        QPointer<TForm2> alive(m_form.get());
        m_form->showFromCommand();
        QVERIFY(m_form->isVisible());
        m_form->findChild<TSpeedButton*>("SpeedButton1")->click();
        QVERIFY(m_form->isHidden());
        m_form->showFromCommand();
        QVERIFY(m_form->close());
        QVERIFY(alive);
        QVERIFY(m_form->isHidden());
    }

    // Nothing is re-created or re-read between showings.
    void showingTwiceShowsTheSameContents() {
        auto snapshot = [this] {
            QStringList texts;
            for (const QLabel* l : m_form->findChildren<QLabel*>())
                texts << l->objectName() + '=' + l->text() + '@' + QString::number(l->pixmap().cacheKey());
            return texts;
        };
        m_form->showFromCommand();
        const QStringList first = snapshot();
        const QList<QWidget*> children = m_form->findChildren<QWidget*>();
        m_form->findChild<TSpeedButton*>("SpeedButton1")->click();
        m_main->setWindowIcon(QIcon(filled(Qt::cyan)));
        m_form->showFromCommand();
        QCOMPARE(snapshot(), first);
        QCOMPARE(m_form->findChildren<QWidget*>(), children);
        QCOMPARE(m_form->findChild<QLabel*>("Image1")->pixmap().toImage().pixelColor(0, 0),
                 QColor(Qt::magenta));
    }
};

QTEST_MAIN(TestAboutWin)
#include "tst_aboutwin.moc"
