#include "qt/windows/TipWin.h"

#include "qt/windows/FormLook.h"

#include "core/Boundary.h"
#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/platform/XpmPixmap.h"
#include "ui/TipList.h"
#include "ui/TipWinDesign.h"

#include <QCheckBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace design = ui::tipwin;

namespace {

constexpr QSize kIconSize(design::kIconSize, design::kIconSize);

QString tipListText() {
    QStringList lines;
    for (std::string_view tip : ui::tipList())
        lines << designText(tip);
    return lines.join('\n');
}

TSpeedButton* buildSpeedButton(QWidget* parent, const ui::ControlDesign& design) {
    auto* button = new TSpeedButton(parent);
    applyControlDesign(button, design);
    button->setCaption(designText(design.caption));
    button->setFontColor(design.font.color);
    button->setHint(designText(design.hint));
    return button;
}

} // namespace

// A window of the main window's (transient for it): it stays above the program's
// own windows, not above every window of the desktop, and goes with the main
// window when that is minimised. The dialog type is what makes the toolkit mark
// it transient for an X window manager too.
TForm3::TForm3(QWidget* mainWindow, ui::TipGenerator& generator)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
    , m_mainWindow(mainWindow)
    , m_steps(*this, generator) {
    setObjectName(designText(design::Form3.name));
    // Hidden or shown, this window never keeps the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    centreOnScreen();
}

TForm3::~TForm3() {
    if (m_steps.holdsSettings())
        FormDestroy();
}

void TForm3::buildControls() {
    setWindowTitle(designText(design::Form3.caption));
    setWindowIcon(QIcon(platform::xpmPixmap(":/icons/tipicon.xpm")));
    setFixedSize(design::Form3.clientWidth, design::Form3.clientHeight);
    applyFormLook(this);

    Panel1 = new QFrame(this);
    applyControlDesign(Panel1, design::Panel1);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);
    QPalette cardPalette = Panel1->palette();
    cardPalette.setColor(QPalette::WindowText, Qt::black);
    cardPalette.setColor(QPalette::Text, Qt::black);
    Panel1->setPalette(cardPalette);

    Image1 = new QLabel(Panel1);
    applyControlDesign(Image1, design::Image1);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel(designText(design::Label1.caption), Panel1);
    applyControlDesign(Label1, design::Label1);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Grows to show the whole caption in the font it is drawn with.
    Label1->resize(Label1->size().expandedTo(Label1->sizeHint()));

    Tips = new QPlainTextEdit(Panel1);
    applyControlDesign(Tips, design::Tips);
    Tips->setFrameStyle(QFrame::NoFrame);
    Tips->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tips->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tips->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Tips->setWordWrapMode(QTextOption::WordWrap);
    Tips->setReadOnly(true);
    Tips->setFocusPolicy(Qt::NoFocus);
    Tips->document()->setDocumentMargin(1);
    Tips->setPlainText(designText(design::Tips.caption));

    SpeedButton2 = buildSpeedButton(this, design::SpeedButton2);
    connect(SpeedButton2, &TSpeedButton::OnClick, this,
            core::guarded([this](QObject* sender) { SpeedButton2Click(sender); }));

    SpeedButton1 = buildSpeedButton(this, design::SpeedButton1);
    connect(SpeedButton1, &TSpeedButton::OnClick, this,
            core::guarded([this](QObject* sender) { SpeedButton1Click(sender); }));

    TipCheckBox = new QCheckBox(designText(design::TipCheckBox.caption), this);
    applyControlDesign(TipCheckBox, design::TipCheckBox);
    TipCheckBox->setFocusPolicy(Qt::NoFocus);
    TipCheckBox->setChecked(false);

    Memo1 = new QPlainTextEdit(this);
    applyControlDesign(Memo1, design::Memo1);
    // One tip per line, whatever the width: the tip list is addressed by line.
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setPlainText(tipListText());
}

void TForm3::centreOnScreen() {
    centreOnScreenOf(this, m_mainWindow);
}

QString TForm3::tipLine(int index) const {
    return Memo1->document()->findBlockByNumber(index).text();
}

void TForm3::FormCreate() {
    core::runGuarded([this] { m_steps.FormCreate(); });
}

void TForm3::FormDestroy() {
    core::runGuarded([this] { m_steps.FormDestroy(); });
}

void TForm3::SpeedButton2Click(QObject* Sender) {
    Q_UNUSED(Sender);
    m_steps.nextTip();
}

void TForm3::SpeedButton1Click(QObject* Sender) {
    Q_UNUSED(Sender);
    m_steps.hide();
}

void TForm3::showFromCommand() {
    m_steps.showFromCommand();
}

bool TForm3::hideTipChecked() const {
    return TipCheckBox->isChecked();
}

void TForm3::setHideTipChecked(bool checked) {
    TipCheckBox->setChecked(checked);
}

void TForm3::setFormVisible(bool visible) {
    setVisible(visible);
}

void TForm3::showInFront() {
    show();
    raise();
    activateWindow();
}

void TForm3::showTip(std::string_view tip) {
    Tips->setPlainText(designText(tip));
}

void TForm3::showOwnIcon() {
    Image1->setPixmap(windowIcon().pixmap(kIconSize));
    Image1->resize(Image1->pixmap().deviceIndependentSize().toSize());
}
