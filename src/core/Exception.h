#pragma once

#include <stdexcept>
#include <string>

// The program's error classes. A failing step throws one of these; the handler
// boundary (Boundary.h) catches it and shows the error report. Messages are UTF-8.
namespace core {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message)
        : std::runtime_error(message) {}
    std::string message() const { return what(); }
    // The class name the "Application Error" box shows.
    virtual const char* className() const noexcept { return "Exception"; }
};

#define VANTOREL_EXCEPTION_CLASS(Name, Base)                                                                 \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
        const char* className() const noexcept override { return #Name; }                                    \
    };

// Silent abort: dropped by the boundary without a word.
VANTOREL_EXCEPTION_CLASS(EAbort, Exception)
VANTOREL_EXCEPTION_CLASS(EFOpenError, Exception)
VANTOREL_EXCEPTION_CLASS(EInvalidOperation, Exception)
VANTOREL_EXCEPTION_CLASS(ERegistryException, Exception)
VANTOREL_EXCEPTION_CLASS(EResNotFound, Exception)
// Never thrown: reported through the boundary when something went partly wrong and the program
// goes on (the error report shows it with a warning icon instead of a stop icon).
VANTOREL_EXCEPTION_CLASS(EWarning, Exception)

#undef VANTOREL_EXCEPTION_CLASS

// An I/O failure with its numeric code; the message follows from the code.
class EInOutError : public Exception {
public:
    explicit EInOutError(int code);
    // The code's message followed by the cause, when there is one: "File access denied: ...".
    EInOutError(int code, const std::string& cause);
    int errorCode() const noexcept { return m_code; }
    const char* className() const noexcept override { return "EInOutError"; }

    // Codes of the program's own beyond the classic ones; core::files::ioCodeFor() gives them.
    static constexpr int kFileBusy = 32;      // another copy of the program is saving the file
    static constexpr int kOtherBase = 1000;   // "I/O error %d" for 1000 + the platform's number
    static constexpr int kDeviceError = 1005; // EIO: the disk or device failed

    static std::string messageFor(int code);

private:
    int m_code;
};

} // namespace core
