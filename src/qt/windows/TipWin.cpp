#include "qt/windows/TipWin.h"

#include "qt/windows/FormLook.h"

#include "core/Boundary.h"
#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/platform/SystemColors.h"
#include "qt/platform/XpmPixmap.h"
#include "qt/windows/AuthorLinks.h"
#include "qt/windows/TipGenerator.h"
#include "settings/TRegIniFile.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>

namespace {

constexpr QSize kClientSize(367, 183);
constexpr QSize kIconSize(32, 32);
const QColor kCardColor(255, 255, 206);

} // namespace

QStringList TForm3::tips() {
    return {
        "Ludovane 99/00 is the Best Game Ever!",
        "Man Utd are Rubbish and you should Never Support Them!",
        "5-3-2 is a Good Tactic for Teams with low Budgets!",
        "Renew your Player/Staff Contracts at least 5 Months Early!",
        "Sell older Players before they Retire!",
        "Dorian Pelt makes a Good Reserve Manager!",
        QString::fromLatin1(author::kSiteAddress) + " is the Best Ludovane3 Site!",
        "Young Danish Players are always Value for Money!",
        "Always use Hard Tackling to Win the Ball!",
        "Old Internationals make Excellent Coaches!",
        "Tell Players they are First Teamers to get Lower Wages!",
        "Never Use Long Passing in Higher Leagues!",
        "Train your Young Players by Pairing them up with an Internationl!",
        "Players over 31 make Good Captins!",
        "Download Quenby's Ludovane99/00 Update!",
        "Wingers must always have 15+ Speed and Stength!",
        "Try to Play all your Players in a Season!",
        "Italian Goal Keepers are Rubbish!",
        "Blackburn was Right to Sack Emil Throssel!",
        "Kestrow3 4-3-1-2 is one if the best User made Tactics!",
        "Dont go Mad and bye over 5 Players under the Bosman Ruling!",
        "Young Players always Shine in Cup Finals!",
        "If a Player over 22 is under 300K in a Top League then he's Rubbish!",
        "Lower Clubs should Loan Top Clubs Young Stars!",
        "Have you tried Kestrow's Ludovane3Loader!",
    };
}

// A window of the main window's (transient for it): it stays above the program's
// own windows, not above every window of the desktop, and goes with the main
// window when that is minimised. The dialog type is what makes the toolkit mark
// it transient for an X window manager too.
TForm3::TForm3(QWidget* mainWindow, TipGenerator& generator)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
    , m_mainWindow(mainWindow)
    , m_generator(generator) {
    setObjectName("Form3");
    // Hidden or shown, this window never keeps the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    centreOnScreen();
}

TForm3::~TForm3() {
    if (m_settings)
        FormDestroy();
}

void TForm3::buildControls() {
    setWindowTitle("Tip Of The Day");
    setWindowIcon(QIcon(platform::xpmPixmap(":/icons/tipicon.xpm")));
    setFixedSize(kClientSize);
    applyFormLook(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 8, 241, 137);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);
    QPalette cardPalette = Panel1->palette();
    cardPalette.setColor(QPalette::Window, kCardColor);
    cardPalette.setColor(QPalette::Base, kCardColor);
    cardPalette.setColor(QPalette::WindowText, Qt::black);
    cardPalette.setColor(QPalette::Text, Qt::black);
    Panel1->setPalette(cardPalette);
    Panel1->setAutoFillBackground(true);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setGeometry(QRect(QPoint(3, 3), kIconSize));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel("Tip Of The Day.", Panel1);
    Label1->setObjectName("Label1");
    Label1->setGeometry(40, 3, 110, 16);
    Label1->setFont(pixelFont("MS Sans Serif", 13, true));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Not of fixed size: grows to show the whole caption in the font it is drawn with.
    Label1->resize(Label1->size().expandedTo(Label1->sizeHint()));

    Tips = new QPlainTextEdit(Panel1);
    Tips->setObjectName("Tips");
    Tips->setGeometry(8, 51, 220, 73);
    Tips->setFrameStyle(QFrame::NoFrame);
    Tips->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tips->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tips->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Tips->setWordWrapMode(QTextOption::WordWrap);
    Tips->setFont(pixelFont("Arial", 12));
    Tips->setReadOnly(true);
    Tips->setFocusPolicy(Qt::NoFocus);
    Tips->document()->setDocumentMargin(1);
    Tips->setPlainText("Tips");

    SpeedButton2 = new TSpeedButton(this);
    SpeedButton2->setObjectName("SpeedButton2");
    SpeedButton2->setGeometry(264, 88, 85, 33);
    SpeedButton2->setCaption("Next Tip");
    SpeedButton2->setFont(pixelFont("Arial", 11));
    SpeedButton2->setFontColor(core::clBlack);
    SpeedButton2->setHint("Show Another Tip|");
    connect(SpeedButton2, &TSpeedButton::OnClick, this,
            core::guarded([this](QObject* sender) { SpeedButton2Click(sender); }));

    SpeedButton1 = new TSpeedButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setGeometry(264, 136, 85, 33);
    SpeedButton1->setCaption("OK");
    SpeedButton1->setFont(pixelFont("Arial", 11));
    SpeedButton1->setFontColor(core::clBlack);
    connect(SpeedButton1, &TSpeedButton::OnClick, this,
            core::guarded([this](QObject* sender) { SpeedButton1Click(sender); }));

    TipCheckBox = new QCheckBox("Hide Tip on Startup", this);
    TipCheckBox->setObjectName("TipCheckBox");
    TipCheckBox->setGeometry(16, 155, 161, 17);
    TipCheckBox->setFont(pixelFont("Arial", 11));
    TipCheckBox->setFocusPolicy(Qt::NoFocus);
    TipCheckBox->setToolTip("Click Here to Disable Tips");
    TipCheckBox->setChecked(false);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(8, 16, 345, 57);
    // One tip per line, whatever the width: the tip list is addressed by line.
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setPlainText(tips().join('\n'));
    Memo1->hide();
}

void TForm3::centreOnScreen() {
    centreOnScreenOf(this, m_mainWindow);
}

QString TForm3::tipLine(int index) const {
    return Memo1->document()->findBlockByNumber(index).text();
}

void TForm3::showTip(int index) {
    Tips->setPlainText(tipLine(index));
}

void TForm3::FormCreate() {
    core::runGuarded([this] {
        m_settings = std::make_unique<settings::TRegIniFile>(kSettingsKey);
        TipCheckBox->setChecked(m_settings->readBool(kSection, kFlagName, TipCheckBox->isChecked()));
        setVisible(!TipCheckBox->isChecked());
        // The first tip: 25 draws of growing range, the last of range 25, so any tip can come up.
        // Each draw shows its tip; only the last is ever seen, so only the last is laid out.
        m_generator.randomize();
        int tip = 0;
        for (int range = 1; range <= kTipCount; ++range)
            tip = static_cast<int>(m_generator.random(static_cast<std::uint32_t>(range)));
        showTip(tip);
        Image1->setPixmap(windowIcon().pixmap(kIconSize));
        Image1->resize(Image1->pixmap().deviceIndependentSize().toSize());
    });
}

void TForm3::SpeedButton2Click(QObject* Sender) {
    Q_UNUSED(Sender);
    // 25 draws of range 24: the last tip of the list comes up only at start-up.
    m_generator.randomize();
    int tip = 0;
    for (int i = 0; i < kTipCount; ++i)
        tip = static_cast<int>(m_generator.random(kTipCount - 1));
    showTip(tip);
}

void TForm3::SpeedButton1Click(QObject* Sender) {
    Q_UNUSED(Sender);
    hide();
}

void TForm3::showFromCommand() {
    show();
    raise();
    activateWindow();
    TipCheckBox->setChecked(false);
}

void TForm3::FormDestroy() {
    core::runGuarded([this] {
        // The handle is released however the write ends.
        const std::unique_ptr<settings::TRegIniFile> handle = std::move(m_settings);
        if (handle)
            handle->writeBool(kSection, kFlagName, TipCheckBox->isChecked());
    });
}
