#include "platform/diagnostics.h"

#include <atomic>
#include <cstdio>
#include <exception>

namespace brisova {

namespace {

void ToStandardError(const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); }

std::atomic<FailureReporter> g_reporter{&ToStandardError};

std::string DescribeCurrentException() {
    try {
        if (std::exception_ptr current = std::current_exception()) std::rethrow_exception(current);
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "an exception that is not a std::exception";
    }
    return "no exception";
}

}  // namespace

FailureReporter SetFailureReporter(FailureReporter reporter) {
    return g_reporter.exchange(reporter ? reporter : &ToStandardError);
}

void ReportCaughtFailure(std::string_view where) {
    std::string message = "Brisova: failure caught in " + std::string(where) + ": " + DescribeCurrentException();
    g_reporter.load()(message);
}

}  // namespace brisova
