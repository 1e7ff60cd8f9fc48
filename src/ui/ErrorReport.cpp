#include "ui/ErrorReport.h"

#include "core/Boundary.h"
#include "core/Exception.h"
#include "core/ProgramDirectory.h"
#include "ui/Application.h"
#include "ui/MessagePresenter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace ui {

namespace {

std::string demangled(const std::type_info* type) {
    if (!type)
        return "unknown";
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && name ? name.get() : type->name();
}

struct Described {
    std::string className;
    std::string message;
    const void* address = nullptr;
};

Described describe(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const core::Exception& e) {
        return {e.className(), e.what(), &e};
    } catch (const std::exception& e) {
        return {demangled(&typeid(e)), e.what(), &e};
    } catch (...) {
        return {demangled(abi::__cxa_current_exception_type()), {}, nullptr};
    }
}

} // namespace

ErrorReport::ErrorReport(MessagePresenter& presenter)
    : m_presenter(presenter) {}

ErrorReport::~ErrorReport() {
    if (m_installed)
        core::setErrorSink(nullptr);
}

void ErrorReport::install() {
    core::setErrorSink([this](std::exception_ptr error) { report(error); });
    m_installed = true;
}

void ErrorReport::report(std::exception_ptr error) {
    if (!error)
        return;
    try {
        std::rethrow_exception(error);
    } catch (const core::EAbort&) {
        return;
    } catch (const core::EWarning& e) {
        m_presenter.showWarning(kApplicationTitle, messageText(e.what()));
        return;
    } catch (const core::Exception& e) {
        m_presenter.showStop(kApplicationTitle, messageText(e.what()));
        return;
    } catch (...) {
    }
    reportEscaped(error);
}

void ErrorReport::reportEscaped(std::exception_ptr error) {
    if (error)
        m_presenter.showApplicationError(kApplicationErrorCaption, applicationErrorText(error));
}

std::string ErrorReport::messageText(const std::string& message) {
    return message + '.';
}

std::string ErrorReport::applicationErrorText(std::exception_ptr error) {
    const Described d = describe(error);
    // There is no fault address to give; the thrown object's address stands in for it.
    char address[17];
    std::snprintf(address, sizeof address, "%016llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(d.address)));
    const bool stop = d.message.empty() || d.message.back() != '.';
    return "Exception " + d.className + " in module " + core::programFileName() + " at " + address + ".\n" +
           d.message + (stop ? "." : "");
}

int runProgram(ErrorReport& report, const std::function<int()>& program) {
    try {
        return program();
    } catch (...) {
        report.reportEscaped(std::current_exception());
        return 1;
    }
}

} // namespace ui
