#include "qt/windows/AboutWin.h"

#include "qt/windows/FormLook.h"

#include "core/Boundary.h"
#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/controls/links/URLLabel.h"
#include "qt/platform/SystemColors.h"
#include "ui/AboutWinDesign.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>

#include <iterator>
#include <utility>

namespace design = ui::aboutwin;

namespace {

constexpr QSize kIconSize(design::kIconSize, design::kIconSize);

// A label that is not of fixed size grows to show its whole text in the font it is drawn with.
void fitText(QLabel* label) {
    label->resize(label->size().expandedTo(label->sizeHint()));
}

Qt::Alignment textAlignment(ui::TextAlignment alignment) {
    switch (alignment) {
    case ui::TextAlignment::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case ui::TextAlignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case ui::TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

TForm2::TForm2(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint)
    , m_mainWindow(mainWindow) {
    setObjectName(designText(design::Form2.name));
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    centreOnScreen();
}

TForm2::~TForm2() = default;

void TForm2::buildControls() {
    setWindowTitle(designText(design::Form2.caption));
    setFixedSize(design::Form2.clientWidth, design::Form2.clientHeight);
    applyFormLook(this);

    Image1 = new QLabel(this);
    applyControlDesign(Image1, design::Image1);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel** const labels[] = {&Label6, &Label8, &Label3, &Label5, &Label2, &Label4, &Label1, &Label7};
    static_assert(std::size(labels) == design::kLabels.size());
    for (std::size_t i = 0; i < design::kLabels.size(); ++i) {
        const ui::ControlDesign& row = *design::kLabels[i];
        auto* label = new QLabel(designText(row.caption), this);
        label->setTextFormat(Qt::PlainText);
        applyControlDesign(label, row);
        label->setAlignment(textAlignment(row.alignment));
        if (row.autoSize)
            m_fitToText.push_back(label);
        *labels[i] = label;
    }

    URLLabel1 = buildLink(design::URLLabel1, QString::fromStdString(design::URLLabel1Target()));
    connect(URLLabel1, &TURLLabel::OnMouseMove, this,
            core::guarded([this](QObject* sender) { URLLabel1MouseMove(sender); }));
    URLLabel2 = buildLink(design::URLLabel2, designText(design::URLLabel2Target));
    connect(URLLabel2, &TURLLabel::OnMouseMove, this,
            core::guarded([this](QObject* sender) { URLLabel2MouseMove(sender); }));

    SpeedButton1 = new TSpeedButton(this);
    applyControlDesign(SpeedButton1, design::SpeedButton1);
    SpeedButton1->setCaption(designText(design::SpeedButton1.caption));
    SpeedButton1->setFontColor(design::SpeedButton1.font.color);
    connect(SpeedButton1, &TSpeedButton::OnClick, this,
            core::guarded([this](QObject* sender) { SpeedButton1Click(sender); }));
}

TURLLabel* TForm2::buildLink(const ui::ControlDesign& row, const QString& target) {
    auto* link = new TURLLabel(this);
    applyControlDesign(link, row);
    link->setCaption(designText(row.caption));
    link->setURL(target);
    if (row.autoSize)
        m_fitToText.push_back(link);
    return link;
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
    URLLabel1->setFontColor(design::kLinkHoverColor);
}

void TForm2::URLLabel2MouseMove(QObject* Sender) {
    Q_UNUSED(Sender);
    URLLabel2->setFontColor(design::kLinkHoverColor);
}
