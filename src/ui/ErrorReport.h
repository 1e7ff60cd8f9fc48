#pragma once

#include <exception>
#include <functional>
#include <string>

namespace ui {

class MessagePresenter;

// The program's one way of telling the user of a failure.
//
// An error derived from core::Exception is shown with its message and a full stop, captioned
// with the application title; a core::EWarning the same way with a warning icon. Anything else
// that is thrown, and every error that escapes start-up, gets the "Application Error" box.
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
    static std::string messageText(const std::string& message);
    // "Exception <class> in module <program> at <address>.\n<message>[.]"
    static std::string applicationErrorText(std::exception_ptr error);
    static constexpr const char* kApplicationErrorCaption = "Application Error";

private:
    MessagePresenter& m_presenter;
    bool m_installed = false;
};

// Runs the program's start-up, message loop and shut-down. An error that escapes them is shown
// in the "Application Error" box and the result is exit code 1.
int runProgram(ErrorReport& report, const std::function<int()>& program);

} // namespace ui
