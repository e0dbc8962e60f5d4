// Failures caught where nothing may pass (a window procedure, a COM event, a worker thread) are
// reported here instead of vanishing. The program reports to the debugger's output; the tests
// turn every report into a test failure.
#pragma once

#include <string>
#include <string_view>

namespace brisova {

using FailureReporter = void (*)(const std::string& message);

// Installs the reporter and returns the one before; by default reports go to the standard error.
FailureReporter SetFailureReporter(FailureReporter reporter);

// Call from a catch block: reports the exception in flight, with the place it was caught.
void ReportCaughtFailure(std::string_view where);

}  // namespace brisova
