#pragma once

#include <QString>
#include <QTemporaryDir>

// A font set the tests control: a fontconfig configuration in a temporary folder
// over copies of a few installed fonts, some renamed or retyped at scan time.
// Must be installed before the application object exists.
class TestFontSet {
public:
    TestFontSet();
    bool isValid() const { return m_valid; }
    QString error() const { return m_error; }
    // The file of the family "Vanishing Serif", which tests remove.
    QString removableFont() const;

private:
    bool copyFont(const QString& source, const QString& target);
    void writeConfig();

    QTemporaryDir m_dir;
    bool m_valid = false;
    QString m_error;
};

// QTEST_MAIN with the font set installed first.
#define VANTOREL_FONT_TEST_MAIN(TestClass)                                                                   \
    int main(int argc, char** argv) {                                                                        \
        TestFontSet fonts;                                                                                   \
        if (!fonts.isValid()) {                                                                              \
            qCritical("%s", qPrintable(fonts.error()));                                                      \
            return 1;                                                                                        \
        }                                                                                                    \
        QApplication app(argc, argv);                                                                        \
        TestClass test(fonts);                                                                               \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
