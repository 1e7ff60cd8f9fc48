#include "core/Boundary.h"

#include "core/Exception.h"

#include <cstdio>

namespace core {

namespace {
ErrorSink& sink() {
    static ErrorSink s;
    return s;
}
} // namespace

ErrorSink setErrorSink(ErrorSink newSink) {
    return std::exchange(sink(), std::move(newSink));
}

void reportException(std::exception_ptr error) noexcept {
    if (!error)
        return;
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
        return;
    } catch (...) {
    }
    try {
        if (sink()) {
            sink()(error);
            return;
        }
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "unknown error\n");
    }
}

} // namespace core
