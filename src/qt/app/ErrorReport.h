#pragma once

#include <QString>

#include <exception>

namespace app {

class MessagePresenter;

// The program's one way of telling the user of a failure.
//
// An error derived from core::Exception is shown with its message and a full stop,
// captioned with the application title; a core::EWarning the same way with a warning icon. Anything else that
// is thrown, and every error that escapes start-up, gets the "Application Error" box instead.
class ErrorReport {
public:
    explicit ErrorReport(MessagePresenter& presenter);
    ~ErrorReport();
    ErrorReport(const ErrorReport&) = delete;
    ErrorReport& operator=(const ErrorReport&) = delete;

    // Makes this the sink of the handler boundary (core::setErrorSink) until destroyed.
    void install();

    // What a handler let escape; EAbort is dropped before it gets here.
    void report(std::exception_ptr error);
    // What escaped the start-up steps, outside every handler.
    void reportEscaped(std::exception_ptr error);

    // The text of the ordinary report: the message and a full stop, always.
    static QString messageText(const QString& message);
    // "Exception <class> in module <program> at <address>.\n<message>[.]"
    static QString applicationErrorText(std::exception_ptr error);
    static QString applicationErrorCaption() { return QStringLiteral("Application Error"); }

private:
    MessagePresenter& m_presenter;
    bool m_installed = false;
};

} // namespace app
