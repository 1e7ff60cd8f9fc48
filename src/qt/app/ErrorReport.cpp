#include "qt/app/ErrorReport.h"

#include "core/Boundary.h"
#include "core/Exception.h"
#include "qt/app/MessagePresenter.h"
#include "qt/app/Startup.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdint>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace app {

namespace {

QString demangled(const std::type_info* type) {
    if (!type)
        return QStringLiteral("unknown");
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
    return QString::fromUtf8(status == 0 && name ? name.get() : type->name());
}

QString programFileName() {
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), -1);
}

struct Described {
    QString className;
    QString message;
    const void* address = nullptr;
};

Described describe(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const core::Exception& e) {
        return {QString::fromLatin1(e.className()), QString::fromUtf8(e.what()), &e};
    } catch (const std::exception& e) {
        return {demangled(&typeid(e)), QString::fromUtf8(e.what()), &e};
    } catch (...) {
        return {demangled(abi::__cxa_current_exception_type()), QString(), nullptr};
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
        m_presenter.showWarning(QString::fromLatin1(kApplicationTitle),
                                messageText(QString::fromUtf8(e.what())));
        return;
    } catch (const core::Exception& e) {
        m_presenter.showStop(QString::fromLatin1(kApplicationTitle),
                             messageText(QString::fromUtf8(e.what())));
        return;
    } catch (...) {
    }
    reportEscaped(error);
}

void ErrorReport::reportEscaped(std::exception_ptr error) {
    if (error)
        m_presenter.showStop(applicationErrorCaption(), applicationErrorText(error));
}

QString ErrorReport::messageText(const QString& message) {
    return message + QLatin1Char('.');
}

QString ErrorReport::applicationErrorText(std::exception_ptr error) {
    const Described d = describe(error);
    // There is no fault address to give; the thrown object's address stands in for it.
    const QString address =
        QStringLiteral("%1")
            .arg(quintptr(reinterpret_cast<std::uintptr_t>(d.address)), 16, 16, QLatin1Char('0'))
            .toUpper();
    const QString stop = d.message.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
    return QStringLiteral("Exception %1 in module %2 at %3.\n%4%5")
        .arg(d.className, programFileName(), address, d.message, stop);
}

} // namespace app
