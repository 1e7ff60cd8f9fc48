#pragma once

#include <QValidator>

// Accepts only text that Windows-1252 can hold and that fits on one line of the
// document: no line breaks, no NUL. An edit that would break that is refused
// whole, so what is applied to the document is exactly what was typed.
class Windows1252Validator : public QValidator {
    Q_OBJECT

public:
    explicit Windows1252Validator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    static bool acceptable(const QString& text);
};
