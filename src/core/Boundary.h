#pragma once

// The Qt 6.4 meta-object compiler cannot parse concepts; it needs none of this.
#ifndef Q_MOC_RUN

#include <concepts>
#include <exception>
#include <functional>
#include <utility>

// The handler boundary. Every event handler runs through guarded(): an error
// that ends the handler is passed to the error sink (the application's error
// report) instead of unwinding through the toolkit. EAbort is dropped.
namespace core {

using ErrorSink = std::function<void(std::exception_ptr)>;

// Installs the sink; returns the previous one. With no sink, errors are written to stderr.
ErrorSink setErrorSink(ErrorSink sink);

// Hands the given error to the sink, unless it is an EAbort. Never throws.
void reportException(std::exception_ptr error) noexcept;

// Runs f and reports whatever it throws. Returns true when f completed.
template <class F> bool runGuarded(F&& f) noexcept {
    try {
        std::invoke(std::forward<F>(f));
        return true;
    } catch (...) {
        reportException(std::current_exception());
        return false;
    }
}

// Wraps a handler for connect(). The constraint keeps connect() from trying the
// wrapper with more arguments than the handler accepts (clicked(bool) and the like).
template <class F> auto guarded(F f) {
    return [f = std::move(f)]<class... Args>(Args && ... args) requires std::invocable<F&, Args...> {
        runGuarded([&] { std::invoke(f, std::forward<Args>(args)...); });
    };
}

} // namespace core

#endif // Q_MOC_RUN
