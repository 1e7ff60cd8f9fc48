#include "qt/windows/MainWin.h"

#include "core/Boundary.h"
#include "core/Colors.h"
#include "qt/controls/caption/GradientCaption.h"
#include "qt/controls/commandbar/CommandGlyphs.h"
#include "qt/controls/commandbar/SpeedBar.h"
#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/controls/commandbar/SpeedItem.h"
#include "qt/controls/pickers/ColorComboBox.h"
#include "qt/controls/pickers/FontComboBox.h"
#include "qt/platform/DataFiles.h"
#include "qt/platform/SystemColors.h"
#include "qt/platform/Text8Bit.h"
#include "qt/platform/XpmPixmap.h"
#include "qt/windows/AboutWin.h"
#include "qt/windows/CountryList.h"
#include "qt/windows/DisplayPreferenceWidgets.h"
#include "qt/windows/FileDialogs.h"
#include "qt/windows/FormLook.h"
#include "qt/windows/PlaceEdit.h"
#include "qt/windows/PlaceFieldEdits.h"
#include "qt/windows/TipWin.h"
#include "ui/DisplayPreferenceSteps.h"
#include "ui/MainWindowDesign.h"

#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>

namespace design = ui::mainwindow;

namespace {

QColor color(core::TColor value) {
    return platform::resolveColor(value);
}

// Text in `text` while enabled, in the grey of disabled text otherwise; `base`
// behind edited text in every state.
void setColors(QWidget* widget, const QColor& text, std::optional<QColor> base = std::nullopt) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, color(core::clBtnShadow));
    palette.setColor(QPalette::Disabled, QPalette::Text, color(core::clGrayText));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, color(core::clGrayText));
    palette.setColor(QPalette::Light, color(core::clBtnHighlight));
    if (base)
        palette.setColor(QPalette::Base, *base);
    widget->setPalette(palette);
}

QString text(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), qsizetype(ascii.size()));
}

// A control's name, box and font as the design gives them.
void place(QWidget* widget, const ui::ControlDesign& control) {
    widget->setObjectName(text(control.name));
    widget->setGeometry(control.box.left, control.box.top, control.box.width, control.box.height);
    widget->setFont(designFont(control.font));
}

QString fromLocalPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

TForm1::TForm1(std::unique_ptr<FileDialogs> dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_dialogs(std::move(dialogs)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(design::kCaption));
    setWindowIcon(QIcon(platform::xpmPixmap(QStringLiteral(":/icons/mainicon.xpm"))));
    setFont(designFont(design::kFont));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color(core::clBtnFace));
    palette.setColor(QPalette::Button, color(core::clBtnFace));
    palette.setColor(QPalette::WindowText, color(design::kFont.color));
    setPalette(palette);
    setAutoFillBackground(true);

    m_clientArea = new QWidget(this);
    m_clientArea->setObjectName(QStringLiteral("ClientArea"));
    m_clientArea->setGeometry(0, 0, design::kClientWidth, design::kClientHeight);
    setFixedSize(design::kClientWidth, design::kClientHeight);

    createControls();
    m_placeFields = std::make_unique<PlaceFieldEdits>(m_edits);
    createPreferences();
    createCaption();
    centreOnScreen();
}

TForm1::~TForm1() = default;

void TForm1::createPreferences() {
    DisplayTargets targets;
    targets.edits = m_edits;
    targets.list = ListBox1;
    targets.label = Label2;
    targets.fontPicker = FontComboBox1;
    targets.colorPicker = ColorComboBox1;
    targets.boldToggle = SpeedItem6;
    m_preferenceWidgets = std::make_unique<DisplayPreferenceWidgets>(targets);
    m_preferences = std::make_unique<ui::DisplayPreferenceSteps>(*m_preferenceWidgets);
}

// The window's own title bar: a gradient from a light blue, drawn above the client area.
void TForm1::createCaption() {
    const ui::mainwindow::GradientCaptionDesign& caption = design::kGradientCaption;
    GradientCaption1 = new TGradientCaption(this, m_clientArea);
    GradientCaption1->setObjectName(QStringLiteral("GradientCaption1"));
    GradientCaption1->setCaption(text(caption.caption));
    GradientCaption1->setGradientSteps(caption.gradientSteps);
    GradientCaption1->setStartColor(caption.startColor);
}

void TForm1::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

void TForm1::createControls() {
    const ui::ControlDesign& label2 = design::control("Label2");
    Label2 = new QLabel(text(label2.caption), m_clientArea);
    place(Label2, label2);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColors(Label2, color(label2.font.color));
    Label2->setEnabled(label2.enabled);

    const ui::ControlDesign& label1 = design::control("Label1");
    Label1 = new QLabel(text(label1.caption), m_clientArea);
    place(Label1, label1);
    setColors(Label1, color(label1.font.color));
    Label1->setVisible(label1.visible);

    const ui::ControlDesign& apply = design::control("SpeedButton1");
    SpeedButton1 = new TSpeedButton(m_clientArea);
    place(SpeedButton1, apply);
    SpeedButton1->setCaption(text(apply.caption));
    SpeedButton1->setFontColor(apply.font.color);
    SpeedButton1->setHint(text(apply.hint));
    SpeedButton1->setShowHint(true);
    connect(SpeedButton1, &TSpeedButton::OnClick, this,
            core::guarded([this](QObject* sender) { SpeedButton1Click(sender); }));

    GroupBox1 = createGroupBox("GroupBox1");
    for (int field = document::kChampionsLeagueFirst; field < document::kUefaCupFirst; ++field)
        createPlaceField(field, GroupBox1);
    GroupBox3 = createGroupBox("GroupBox3");
    for (int field = document::kUefaCupFirst; field < document::kInterTotoFirst; ++field)
        createPlaceField(field, GroupBox3);
    GroupBox4 = createGroupBox("GroupBox4");
    for (int field = document::kInterTotoFirst; field < document::kFieldCount; ++field)
        createPlaceField(field, GroupBox4);
    GroupBox5 = createGroupBox("GroupBox5");

    const ui::ControlDesign& list = design::control("ListBox1");
    ListBox1 = new CountryList(GroupBox5);
    place(ListBox1, list);
    ListBox1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setColors(ListBox1, color(list.font.color), color(core::systemColorValue(core::SystemColor::Window)));
    ListBox1->setItemHeight(design::kListItemHeight);
    for (int row = 0; row < document::kCountryCount; ++row)
        ListBox1->addEntry(platform::fromWindows1252(document::countryRow(row).listEntry));
    ListBox1->setFocusPolicy(Qt::StrongFocus);
    ListBox1->setEnabled(list.enabled);
    // A mouse press moves the current row before it selects, so the current-row
    // signal comes too early for the view; the selection signal comes after it.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, core::guarded([this] {
                if (!m_programSelects)
                    ListBox1Click(ListBox1);
            }));

    createCommandBar();
}

QGroupBox* TForm1::createGroupBox(const char* name) {
    const ui::ControlDesign& control = design::control(name);
    auto* group = new QGroupBox(text(control.caption), m_clientArea);
    place(group, control);
    setColors(group, color(control.font.color));
    group->setFocusPolicy(Qt::NoFocus);
    return group;
}

void TForm1::createPlaceField(int field, QGroupBox* group) {
    const ui::ControlDesign& control = design::placeField(field);
    auto* edit = new PlaceEdit(group);
    place(edit, control);
    setColors(edit, color(control.font.color), color(core::systemColorValue(core::SystemColor::Window)));
    // Reached by the mouse only, never by Tab.
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setEnabled(control.enabled);
    m_edits[std::size_t(field)] = edit;
}

TSpeedItem* TForm1::createSpeedItem(const char* name) {
    const design::SpeedItemDesign& item = design::speedItem(name);
    const design::SpeedBarDesign& bar = design::speedBar();
    auto* speedItem = new TSpeedItem(SpeedBar1, text(item.section));
    speedItem->setObjectName(text(item.control.name));
    speedItem->setCaption(text(item.control.caption));
    speedItem->setHint(text(item.control.hint));
    speedItem->setGlyph(commandGlyph(text(item.glyph)));
    speedItem->setSpacing(bar.itemSpacing);
    speedItem->setMargin(bar.itemMargin);
    speedItem->setGlyphLayout(TButtonLayout::GlyphTop);
    speedItem->setLeft(item.control.box.left);
    speedItem->setTop(item.control.box.top);
    speedItem->setEnabled(item.control.enabled);
    speedItem->setGroupIndex(item.groupIndex);
    speedItem->setAllowAllUp(item.allowAllUp);
    return speedItem;
}

void TForm1::createCommandBar() {
    const ui::ControlDesign& barControl = design::control("SpeedBar1");
    const design::SpeedBarDesign& bar = design::speedBar();
    SpeedBar1 = new TSpeedBar(m_clientArea);
    place(SpeedBar1, barControl);
    SpeedBar1->setBtnWidth(bar.buttonWidth);
    SpeedBar1->setBtnHeight(bar.buttonHeight);
    SpeedBar1->setBtnOffsetHorz(bar.offsetHorz);
    SpeedBar1->setBtnOffsetVert(bar.offsetVert);
    SpeedBar1->setOptions(TSpeedbarOption::StretchBitmap);
    SpeedBar1->setShowHint(true);
    for (std::string_view section : bar.sections)
        SpeedBar1->addSection(text(section));

    SpeedItem5 = createSpeedItem("SpeedItem5");
    SpeedItem1 = createSpeedItem("SpeedItem1");
    SpeedItem2 = createSpeedItem("SpeedItem2");
    SpeedItem6 = createSpeedItem("SpeedItem6");
    SpeedItem3 = createSpeedItem("SpeedItem3");
    SpeedItem4 = createSpeedItem("SpeedItem4");

    connect(SpeedItem5, &TSpeedItem::OnClick, this,
            core::guarded([this](QObject* s) { SpeedItem5Click(s); }));
    connect(SpeedItem1, &TSpeedItem::OnClick, this,
            core::guarded([this](QObject* s) { SpeedItem1Click(s); }));
    connect(SpeedItem2, &TSpeedItem::OnClick, this,
            core::guarded([this](QObject* s) { SpeedItem2Click(s); }));
    connect(SpeedItem6, &TSpeedItem::OnClick, this,
            core::guarded([this](QObject* s) { SpeedItem6Click(s); }));
    connect(SpeedItem3, &TSpeedItem::OnClick, this,
            core::guarded([this](QObject* s) { SpeedItem3Click(s); }));
    connect(SpeedItem4, &TSpeedItem::OnClick, this,
            core::guarded([this](QObject* s) { SpeedItem4Click(s); }));

    const ui::ControlDesign& fontPicker = design::control("FontComboBox1");
    FontComboBox1 = new TFontComboBox(SpeedBar1);
    FontComboBox1->setLoading(true);
    place(FontComboBox1, fontPicker);
    setColors(FontComboBox1, color(fontPicker.font.color));
    FontComboBox1->setFrame(false);
    FontComboBox1->setFocusPolicy(Qt::ClickFocus);
    FontComboBox1->setOptions(design::kFontPickerTrueTypeOnly ? foTrueTypeOnly : TFontListOptions{});
    FontComboBox1->setHint(text(fontPicker.hint));

    const ui::ControlDesign& colorPicker = design::control("ColorComboBox1");
    ColorComboBox1 = new TColorComboBox(SpeedBar1);
    ColorComboBox1->setLoading(true);
    place(ColorComboBox1, colorPicker);
    setColors(ColorComboBox1, color(colorPicker.font.color));
    ColorComboBox1->setFrame(false);
    ColorComboBox1->setFocusPolicy(Qt::ClickFocus);
    ColorComboBox1->setHint(text(colorPicker.hint));

    connect(FontComboBox1, &TOwnerDrawComboBox::OnChange, this,
            core::guarded([this](QObject* s) { FontComboBox1Change(s); }));
    connect(ColorComboBox1, &TOwnerDrawComboBox::OnChange, this,
            core::guarded([this](QObject* s) { ColorComboBox1Change(s); }));
    FontComboBox1->setLoading(false);
    ColorComboBox1->setLoading(false);
}

void TForm1::setSecondaryWindows(TForm2* about, TForm3* tip) {
    m_about = about;
    m_tip = tip;
}

QString TForm1::documentPath() const {
    return fromLocalPath(m_steps.documentPath());
}

QString TForm1::openFileName() const {
    return fromLocalPath(m_steps.openFileName());
}

// --- The view the shared steps work through -----------------------------------------------

document::PlaceFields& TForm1::placeFields() {
    return *m_placeFields;
}

void TForm1::enablePlaceFields() {
    for (QLineEdit* edit : m_edits)
        edit->setEnabled(true);
}

void TForm1::setPathLabel(const std::string& path) {
    Label1->setText(fromLocalPath(path));
}

void TForm1::setCountryLabel(const std::string& caption) {
    Label2->setText(platform::fromWindows1252(caption));
}

std::string TForm1::countryLabel() const {
    return platform::toWindows1252(Label2->text());
}

void TForm1::enableCountryLabel() {
    Label2->setEnabled(true);
}

void TForm1::enableCountryList() {
    ListBox1->setEnabled(true);
}

void TForm1::selectFirstCountry() {
    m_programSelects = true;
    ListBox1->setCurrentRow(0);
    m_programSelects = false;
}

// The list selects one row at most; asking each of the 48 rows costs more than the view.
std::optional<int> TForm1::selectedCountry() const {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return ListBox1->row(selected.first());
}

void TForm1::enableSave() {
    SpeedItem2->setEnabled(true);
}

std::optional<std::string> TForm1::chooseFile(const ui::FileDialogRequest& request) {
    const std::optional<QString> chosen = m_dialogs->execute(request, this);
    if (!chosen)
        return std::nullopt;
    return localPath(*chosen);
}

std::string TForm1::templatePath() const {
    return platform::templatePath();
}

// --- Handlers -----------------------------------------------------------------------------

void TForm1::FormCreate() {
    m_preferences->restore();
}

void TForm1::FormDestroy() {
    m_preferences->save();
}

void TForm1::SpeedItem6Click(QObject* /*Sender*/) {
    m_preferences->applyBold();
}

void TForm1::FontComboBox1Change(QObject* /*Sender*/) {
    m_preferences->applyFontName();
}

void TForm1::ColorComboBox1Change(QObject* /*Sender*/) {
    m_preferences->applyColor();
}

void TForm1::SpeedItem5Click(QObject* /*Sender*/) {
    m_steps.newDocument();
}

void TForm1::SpeedItem1Click(QObject* /*Sender*/) {
    m_steps.open();
}

void TForm1::openFile(const QString& path) {
    m_steps.openFile(localPath(path));
}

void TForm1::SpeedItem2Click(QObject* /*Sender*/) {
    m_steps.save();
}

void TForm1::SpeedItem3Click(QObject* /*Sender*/) {
    if (m_tip)
        m_tip->showFromCommand();
}

void TForm1::SpeedItem4Click(QObject* /*Sender*/) {
    if (m_about)
        m_about->showFromCommand();
}

void TForm1::ListBox1Click(QObject* /*Sender*/) {
    m_steps.showSelectedCountry();
}

void TForm1::SpeedButton1Click(QObject* /*Sender*/) {
    m_steps.applyChanges();
}
