#include "qt/windows/Windows1252Validator.h"

#include "qt/platform/Text8Bit.h"

Windows1252Validator::Windows1252Validator(QObject* parent)
    : QValidator(parent) {}

QValidator::State Windows1252Validator::validate(QString& input, int& /*pos*/) const {
    return acceptable(input) ? Acceptable : Invalid;
}

bool Windows1252Validator::acceptable(const QString& text) {
    for (const QChar c : text)
        if (c == QChar(u'\0') || c == QChar(u'\r') || c == QChar(u'\n'))
            return false;
    return platform::isWindows1252(text);
}
