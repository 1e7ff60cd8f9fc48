#pragma once

// Drives the main window the way a user does: answered file dialogs, mouse
// clicks on the command bar and the country list, typing into place fields,
// and a recording error report.

#include "AnsweredDialogs.h"
#include "document/CountryPlaces.h"
#include "document/TestFiles.h"
#include "qt/app/Startup.h"
#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/controls/commandbar/SpeedItem.h"
#include "qt/controls/commandbar/SpeedbarButton.h"
#include "qt/platform/SystemColors.h"
#include "qt/platform/Text8Bit.h"
#include "qt/windows/CountryList.h"
#include "qt/windows/MainWin.h"
#include "support/RecordingPresenter.h"
#include "ui/ErrorReport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

class MainWindowDriver {
public:
    RecordingPresenter presenter;
    ui::ErrorReport report{presenter};
    std::shared_ptr<AnsweredDialogs::Log> dialogs = std::make_shared<AnsweredDialogs::Log>();
    std::unique_ptr<TForm1> form;

    MainWindowDriver() {
        report.install();
        form = std::make_unique<TForm1>(std::make_unique<AnsweredDialogs>(dialogs));
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("main window not exposed");
    }

    template <class T = QWidget> T* control(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* edit(int number) const {
        return control<QLineEdit>(qPrintable(QStringLiteral("Edit%1").arg(number)));
    }
    CountryList* list() const { return control<CountryList>("ListBox1"); }
    QLabel* countryLabel() const { return control<QLabel>("Label2"); }
    QLabel* pathLabel() const { return control<QLabel>("Label1"); }
    TSpeedItem* item(const char* name) const {
        return form->findChild<TSpeedItem*>(QString::fromLatin1(name));
    }

    void click(const char* itemName) { clickButton(item(itemName)->button()); }
    void clickButton(QWidget* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    void apply() { clickButton(control<TSpeedButton>("SpeedButton1")); }

    void answer(const QString& path) { dialogs->answers.append(path); }
    void cancelNextDialog() { dialogs->answers.append(std::nullopt); }
    void open(const QString& path) {
        answer(path);
        click("SpeedItem1");
    }
    void newDocument() { click("SpeedItem5"); }
    void save() { click("SpeedItem2"); }

    // Selects the row by clicking it, as a user does.
    void selectRow(int row) {
        CountryList* l = list();
        l->scrollToItem(l->item(row));
        const QRect r = l->visualItemRect(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    }
    void selectCountry(std::string_view caption) { selectRow(document::rowByCaption(caption).value()); }

    // Replaces a field's text by typing, as a user does.
    void type(int field, const QString& text) {
        QLineEdit* e = edit(field);
        QTest::mouseClick(e, Qt::LeftButton, {}, e->rect().center());
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        typeKeys(e, text);
    }
    // Key presses carrying each character of the text, whatever its code.
    static void typeKeys(QWidget* w, const QString& text) {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    std::string text() const { return form->buffer().wholeText(); }
    std::string line(std::size_t n) const { return form->buffer().readLine(n); }
    std::string fieldBytes(int field) const { return platform::toWindows1252(edit(field)->text()); }
    // Fields 1..10 that are shown.
    QList<int> shownFields() const {
        QList<int> shown;
        for (int f = 1; f <= document::kFieldCount; ++f)
            if (!edit(f)->isHidden())
                shown << f;
        return shown;
    }
    bool allFieldsEnabled() const {
        for (int f = 1; f <= document::kFieldCount; ++f)
            if (!edit(f)->isEnabled())
                return false;
        return true;
    }
    QStringList errors() const {
        QStringList texts;
        for (const RecordingPresenter::Box& box : presenter.boxes)
            texts << box.caption + ": " + box.text;
        return texts;
    }
};

// A file of `lines` lines reading "line 0", "line 1", ... joined by `lineEnd`.
inline std::string numberedLines(int lines, const std::string& lineEnd = "\r\n",
                                 bool endsWithLineEnd = false) {
    std::string text;
    for (int n = 0; n < lines; ++n) {
        text += "line " + std::to_string(n);
        if (n + 1 < lines || endsWithLineEnd)
            text += lineEnd;
    }
    return text;
}

using testfiles::readBytes;
using testfiles::writeBytes;
