#include "qt/windows/MainWin.h"

#include "core/Boundary.h"
#include "core/Colors.h"
#include "document/CountryView.h"
#include "document/FileWriter.h"
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
#include "qt/windows/DisplayPreferences.h"
#include "qt/windows/FileDialogs.h"
#include "qt/windows/FormLook.h"
#include "qt/windows/PlaceEdit.h"
#include "qt/windows/PlaceFieldEdits.h"
#include "qt/windows/TipWin.h"
#include "ui/MainDialogs.h"

#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>

#include <optional>

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

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString countryCaption(int row) {
    return platform::fromWindows1252(document::countryRow(row).caption);
}

} // namespace

TForm1::TForm1(std::unique_ptr<FileDialogs> dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_dialogs(std::move(dialogs)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantorel 99/00 V2.5"));
    setWindowIcon(QIcon(platform::xpmPixmap(QStringLiteral(":/icons/mainicon.xpm"))));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color(core::clBtnFace));
    palette.setColor(QPalette::Button, color(core::clBtnFace));
    palette.setColor(QPalette::WindowText, color(core::clWindowText));
    setPalette(palette);
    setAutoFillBackground(true);

    m_clientArea = new QWidget(this);
    m_clientArea->setObjectName(QStringLiteral("ClientArea"));
    m_clientArea->setGeometry(0, 0, kClientWidth, kClientHeight);
    setFixedSize(kClientWidth, kClientHeight);

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
    m_preferences = std::make_unique<DisplayPreferences>(targets);
}

// The window's own title bar: a gradient from a light blue, drawn above the client area.
void TForm1::createCaption() {
    GradientCaption1 = new TGradientCaption(this, m_clientArea);
    GradientCaption1->setObjectName(QStringLiteral("GradientCaption1"));
    GradientCaption1->setCaption(windowTitle());
    GradientCaption1->setGradientSteps(32);
    GradientCaption1->setStartColor(core::TColor(16744448));
}

void TForm1::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

void TForm1::createControls() {
    const QColor black = color(core::clBlack);
    const QFont arial = pixelFont(QStringLiteral("Arial"), 11);

    Label2 = new QLabel(QStringLiteral("Country"), m_clientArea);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(216, 52, 188, 25);
    Label2->setFont(pixelFont(QStringLiteral("Arial Black"), 16, false, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColors(Label2, black);
    Label2->setEnabled(false);

    Label1 = new QLabel(QStringLiteral("ConfigPath"), m_clientArea);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(215, 40, 52, 14);
    Label1->setFont(arial);
    setColors(Label1, black);
    Label1->setVisible(false);

    SpeedButton1 = new TSpeedButton(m_clientArea);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(215, 228, 188, 32);
    SpeedButton1->setCaption(QStringLiteral("Apply Changes"));
    SpeedButton1->setFont(arial);
    SpeedButton1->setFontColor(core::clBlack);
    SpeedButton1->setHint(QStringLiteral("Apply Changes Before Saving"));
    SpeedButton1->setShowHint(true);
    connect(SpeedButton1, &TSpeedButton::OnClick, this,
            core::guarded([this](QObject* sender) { SpeedButton1Click(sender); }));

    GroupBox1 = createGroupBox("GroupBox1", {13, 40, 188, 110}, QStringLiteral("Champions League"),
                               color(core::clBlue));
    createPlaceField(0, GroupBox1, 24);
    createPlaceField(1, GroupBox1, 48);
    createPlaceField(2, GroupBox1, 72);
    GroupBox3 =
        createGroupBox("GroupBox3", {215, 83, 188, 134}, QStringLiteral("UEFA Cup"), color(core::clGreen));
    createPlaceField(3, GroupBox3, 24);
    createPlaceField(4, GroupBox3, 48);
    createPlaceField(5, GroupBox3, 72);
    createPlaceField(6, GroupBox3, 96);
    GroupBox4 = createGroupBox("GroupBox4", {13, 160, 188, 105}, QStringLiteral("Inter Toto Cup"),
                               color(core::clRed));
    createPlaceField(7, GroupBox4, 20);
    createPlaceField(8, GroupBox4, 44);
    createPlaceField(9, GroupBox4, 68);
    GroupBox5 =
        createGroupBox("GroupBox5", {416, 40, 190, 225}, QStringLiteral("Country"), color(core::clYellow));

    ListBox1 = new CountryList(GroupBox5);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(23, 24, 145, 185);
    ListBox1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    ListBox1->setFont(arial);
    setColors(ListBox1, black, color(core::systemColorValue(core::SystemColor::Window)));
    ListBox1->setItemHeight(14);
    for (int row = 0; row < document::kCountryCount; ++row)
        ListBox1->addEntry(platform::fromWindows1252(document::countryRow(row).listEntry));
    ListBox1->setFocusPolicy(Qt::StrongFocus);
    ListBox1->setEnabled(false);
    // A mouse press moves the current row before it selects, so the current-row
    // signal comes too early for the view; the selection signal comes after it.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, core::guarded([this] {
                if (!m_programSelects)
                    ListBox1Click(ListBox1);
            }));

    createCommandBar();
}

QGroupBox* TForm1::createGroupBox(const char* name, const QRect& geometry, const QString& title,
                                  const QColor& titleColor) {
    auto* group = new QGroupBox(title, m_clientArea);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    group->setFont(pixelFont(QStringLiteral("Arial"), 11, true));
    setColors(group, titleColor);
    group->setFocusPolicy(Qt::NoFocus);
    return group;
}

void TForm1::createPlaceField(int field, QGroupBox* group, int top) {
    auto* edit = new PlaceEdit(group);
    edit->setObjectName(QStringLiteral("Edit%1").arg(field + 1));
    edit->setGeometry(22, top, 147, 21);
    edit->setFont(pixelFont(QStringLiteral("Arial"), 12));
    setColors(edit, color(core::clBlack), color(core::systemColorValue(core::SystemColor::Window)));
    // Reached by the mouse only, never by Tab.
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setEnabled(false);
    m_edits[std::size_t(field)] = edit;
}

void TForm1::createCommandBar() {
    SpeedBar1 = new TSpeedBar(m_clientArea);
    SpeedBar1->setObjectName(QStringLiteral("SpeedBar1"));
    SpeedBar1->setGeometry(0, 0, kClientWidth, 30);
    SpeedBar1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    SpeedBar1->setBtnWidth(24);
    SpeedBar1->setBtnHeight(24);
    SpeedBar1->setBtnOffsetHorz(3);
    SpeedBar1->setBtnOffsetVert(3);
    SpeedBar1->setOptions(TSpeedbarOption::StretchBitmap);
    SpeedBar1->setShowHint(true);
    SpeedBar1->addSection(QStringLiteral("Main"));
    SpeedBar1->addSection(QStringLiteral("Other"));

    const auto item = [this](const char* name, const char* section, const QString& caption, const char* glyph,
                             int left) {
        auto* speedItem = new TSpeedItem(SpeedBar1, QString::fromLatin1(section));
        speedItem->setObjectName(QString::fromLatin1(name));
        speedItem->setCaption(caption);
        speedItem->setHint(caption + QLatin1Char('|'));
        speedItem->setGlyph(commandGlyph(QString::fromLatin1(glyph)));
        speedItem->setSpacing(1);
        speedItem->setMargin(-1);
        speedItem->setGlyphLayout(TButtonLayout::GlyphTop);
        speedItem->setLeft(left);
        speedItem->setTop(3);
        return speedItem;
    };
    SpeedItem5 = item("SpeedItem5", "Main", QStringLiteral("New"), "new", 3);
    SpeedItem1 = item("SpeedItem1", "Main", QStringLiteral("Open"), "open", 27);
    SpeedItem2 = item("SpeedItem2", "Main", QStringLiteral("Save"), "save", 51);
    SpeedItem2->setEnabled(false);
    SpeedItem6 = item("SpeedItem6", "Other", QStringLiteral("Font"), "font", 251);
    SpeedItem6->setGroupIndex(2);
    SpeedItem6->setAllowAllUp(true);
    SpeedItem3 = item("SpeedItem3", "Other", QStringLiteral("Tip of the Day"), "tip", 563);
    SpeedItem4 = item("SpeedItem4", "Other", QStringLiteral("About"), "about", 587);

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

    const QFont arial = pixelFont(QStringLiteral("Arial"), 11);
    const QColor black = color(core::clBlack);

    FontComboBox1 = new TFontComboBox(SpeedBar1);
    FontComboBox1->setLoading(true);
    FontComboBox1->setObjectName(QStringLiteral("FontComboBox1"));
    FontComboBox1->setGeometry(105, 4, 137, 21);
    FontComboBox1->setFont(arial);
    setColors(FontComboBox1, black);
    FontComboBox1->setFrame(false);
    FontComboBox1->setFocusPolicy(Qt::ClickFocus);
    FontComboBox1->setOptions(foTrueTypeOnly);
    FontComboBox1->setHint(QStringLiteral("Change Screen Fonts"));

    ColorComboBox1 = new TColorComboBox(SpeedBar1);
    ColorComboBox1->setLoading(true);
    ColorComboBox1->setObjectName(QStringLiteral("ColorComboBox1"));
    ColorComboBox1->setGeometry(284, 4, 121, 21);
    ColorComboBox1->setFont(arial);
    setColors(ColorComboBox1, black);
    ColorComboBox1->setFrame(false);
    ColorComboBox1->setFocusPolicy(Qt::ClickFocus);
    ColorComboBox1->setHint(QStringLiteral("Change Screen Font Color"));

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

ui::FileDialogRequest TForm1::openDialogRequest() const {
    return ui::openDialogRequest(localPath(m_openFileName));
}

ui::FileDialogRequest TForm1::saveDialogRequest() const {
    return ui::saveDialogRequest(localPath(m_documentPath));
}

void TForm1::selectFirstCountry() {
    m_programSelects = true;
    ListBox1->setCurrentRow(0);
    m_programSelects = false;
}

// The display preferences: restored when the window is created, applied on every
// change of a picker or the bold toggle, stored when the window is destroyed.
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

// New: an empty document from the template, England selected with empty fields.
void TForm1::SpeedItem5Click(QObject* /*Sender*/) {
    SpeedItem2->setEnabled(true);
    m_buffer.clear();
    m_documentPath.clear();
    selectFirstCountry();
    Label2->setText(countryCaption(0));
    for (QLineEdit* edit : m_edits)
        edit->clear();
    for (QLineEdit* edit : m_edits)
        edit->setEnabled(true);
    ListBox1->setEnabled(true);
    Label2->setEnabled(true);
    m_buffer.load(platform::templatePath());
}

// Open: the chosen file becomes the document once it has loaded; a file that
// does not load leaves the document, its path and every control as they were.
void TForm1::SpeedItem1Click(QObject* /*Sender*/) {
    const std::optional<QString> chosen = m_dialogs->execute(openDialogRequest(), this);
    if (chosen)
        openFile(*chosen);
}

void TForm1::openFile(const QString& path) {
    m_openFileName = path;
    m_buffer.load(localPath(path));
    Label1->setText(path);
    m_documentPath = path;
    SpeedItem2->setEnabled(true);
    selectFirstCountry();
    Label2->setText(countryCaption(0));
    Label2->setEnabled(true);
    ListBox1->setEnabled(true);
    document::showCountry(m_buffer, 0, *m_placeFields);
    for (QLineEdit* edit : m_edits)
        edit->setEnabled(true);
}

// Save: straight to the document path when that file exists, else through the
// Save dialog, whose choice becomes the document path.
void TForm1::SpeedItem2Click(QObject* /*Sender*/) {
    const QString path = m_documentPath;
    m_openFileName.clear();
    if (document::fileExists(localPath(path))) {
        document::writeFile(localPath(path), m_buffer);
        return;
    }
    const std::optional<QString> chosen = m_dialogs->execute(saveDialogRequest(), this);
    if (!chosen)
        return;
    m_documentPath = *chosen;
    document::writeFile(localPath(m_documentPath), m_buffer);
}

void TForm1::SpeedItem3Click(QObject* /*Sender*/) {
    if (m_tip)
        m_tip->showFromCommand();
}

void TForm1::SpeedItem4Click(QObject* /*Sender*/) {
    if (m_about)
        m_about->showFromCommand();
}

// The country view: the selected row's caption in the label, its place lines in
// its fields, the other fields hidden.
void TForm1::ListBox1Click(QObject* /*Sender*/) {
    // The list selects one row at most; asking each of the 48 rows costs more than the view.
    for (const QListWidgetItem* item : ListBox1->selectedItems()) {
        const int row = ListBox1->row(item);
        Label2->setText(countryCaption(row));
        document::showCountry(m_buffer, row, *m_placeFields);
    }
}

// Apply Changes: the fields of the country the label names go back to their lines.
void TForm1::SpeedButton1Click(QObject* /*Sender*/) {
    document::applyChanges(m_buffer, platform::toWindows1252(Label2->text()), *m_placeFields);
}
