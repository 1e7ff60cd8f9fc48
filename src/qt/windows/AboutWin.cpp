#include "qt/windows/AboutWin.h"

#include "qt/windows/FormLook.h"

#include "core/Boundary.h"
#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/controls/links/URLLabel.h"
#include "qt/platform/SystemColors.h"
#include "qt/windows/AuthorLinks.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>

#include <utility>

namespace {

constexpr QSize kClientSize(306, 228);
constexpr QSize kIconSize(32, 32);
constexpr core::TColor kLinkHover = core::rgb(255, 0, 0);

// A label that is not of fixed size grows to show its whole text in the font it is drawn with.
void fitText(QLabel* label) {
    label->resize(label->size().expandedTo(label->sizeHint()));
}

} // namespace

TForm2::TForm2(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint)
    , m_mainWindow(mainWindow) {
    setObjectName("Form2");
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    centreOnScreen();
}

TForm2::~TForm2() = default;

void TForm2::buildControls() {
    setWindowTitle("About");
    setFixedSize(kClientSize);
    applyFormLook(this);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(16, 13, 35, 35);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    struct LabelDesign {
        QLabel** label;
        const char* name;
        QRect geometry;
        QString text;
        QFont font;
        QColor color;
        Qt::Alignment alignment;
        bool fixedSize;
    };
    const QFont text = pixelFont("Arial", 11);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const LabelDesign labels[] = {
        {&Label6,
         "Label6",
         {56, 10, 241, 25},
         "Vantorel 99/00 V2.5",
         pixelFont("Arial", 21, true),
         QColor(0, 0, 128),
         centred,
         true},
        {&Label8,
         "Label8",
         {56, 31, 241, 17},
         "for ludovane 99/00",
         pixelFont("Arial", 13),
         QColor(255, 0, 0),
         centred,
         true},
        {&Label3, "Label3", {14, 61, 138, 14}, "Programmed By Orrel", text, Qt::black, left, false},
        {&Label5, "Label5", {166, 61, 124, 14}, "Produced By Orrel", text, Qt::black, left, false},
        {&Label2, "Label2", {14, 85, 111, 14}, "Tested By Orrel", text, Qt::black, left, false},
        {&Label4, "Label4", {14, 128, 50, 14}, "Thanks to:", text, Qt::black, left, false},
        {&Label1,
         "Label1",
         {14, 145, 280, 13},
         "Quenby, Emil Throssel, Dorian Pelt, Ludovane Games,",
         text,
         Qt::black,
         centred,
         true},
        {&Label7,
         "Label7",
         {14, 160, 280, 13},
         "the Forum Regulars and Everyone who Visits the Site!",
         text,
         Qt::black,
         centred,
         true},
    };
    for (const LabelDesign& design : labels) {
        auto* label = new QLabel(design.text, this);
        label->setObjectName(design.name);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(design.geometry);
        label->setFont(design.font);
        label->setAlignment(design.alignment);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, design.color);
        label->setPalette(p);
        if (!design.fixedSize)
            m_fitToText.push_back(label);
        *design.label = label;
    }

    const QFont link = [] {
        QFont f = pixelFont("Times New Roman", 12);
        f.setUnderline(true);
        return f;
    }();

    URLLabel1 = new TURLLabel(this);
    URLLabel1->setObjectName("URLLabel1");
    URLLabel1->setGeometry(136, 85, 155, 15);
    URLLabel1->setFont(link);
    URLLabel1->setCaption(QString::fromLatin1(author::kMailAddress));
    URLLabel1->setURL("Mailto:" + QString::fromLatin1(author::kMailAddress));
    URLLabel1->setToolTip("E-Mail Me");
    m_fitToText.push_back(URLLabel1);
    connect(URLLabel1, &TURLLabel::OnMouseMove, this,
            core::guarded([this](QObject* sender) { URLLabel1MouseMove(sender); }));

    URLLabel2 = new TURLLabel(this);
    URLLabel2->setObjectName("URLLabel2");
    URLLabel2->setGeometry(71, 107, 176, 15);
    URLLabel2->setFont(link);
    URLLabel2->setCaption(QString::fromLatin1(author::kSiteAddress));
    URLLabel2->setURL(QString::fromLatin1(author::kSiteAddress));
    URLLabel2->setToolTip("Visit the Kestrow3 WebSite");
    m_fitToText.push_back(URLLabel2);
    connect(URLLabel2, &TURLLabel::OnMouseMove, this,
            core::guarded([this](QObject* sender) { URLLabel2MouseMove(sender); }));

    SpeedButton1 = new TSpeedButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setGeometry(112, 184, 85, 33);
    SpeedButton1->setCaption("OK");
    SpeedButton1->setFont(text);
    SpeedButton1->setFontColor(core::clBlack);
    connect(SpeedButton1, &TSpeedButton::OnClick, this,
            core::guarded([this](QObject* sender) { SpeedButton1Click(sender); }));
}

void TForm2::centreOnScreen() {
    centreOnScreenOf(this, m_mainWindow);
}

void TForm2::FormCreate() {
    core::runGuarded([this] {
        const QIcon icon = m_mainWindow ? m_mainWindow->windowIcon() : QApplication::windowIcon();
        Image1->setPixmap(icon.pixmap(kIconSize));
    });
}

// Measuring the texts loads their fonts, which start-up, where this window stays hidden, does
// without: the labels grow when the window is first shown.
void TForm2::showEvent(QShowEvent* event) {
    for (QLabel* label : std::exchange(m_fitToText, {}))
        fitText(label);
    QWidget::showEvent(event);
}

void TForm2::showFromCommand() {
    show();
    raise();
    activateWindow();
}

void TForm2::SpeedButton1Click(QObject* Sender) {
    Q_UNUSED(Sender);
    hide();
}

void TForm2::URLLabel1MouseMove(QObject* Sender) {
    Q_UNUSED(Sender);
    URLLabel1->setFontColor(kLinkHover);
}

void TForm2::URLLabel2MouseMove(QObject* Sender) {
    Q_UNUSED(Sender);
    URLLabel2->setFontColor(kLinkHover);
}
