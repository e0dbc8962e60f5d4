#include "support/caught_failures_win.h"

#include <gtest/gtest.h>

#include <atomic>

#include "platform/diagnostics.h"

namespace {
std::atomic<ExpectedFailures*> g_expected{nullptr};
}  // namespace

void ReportToTest(const std::string& message) {
    if (ExpectedFailures* expected = g_expected.load()) {
        std::lock_guard<std::mutex> lock(expected->mutex_);
        expected->messages_.push_back(message);
        return;
    }
    ADD_FAILURE() << message;
}

namespace {
// Installed before any test runs, in every Windows test program.
const bool g_installed = (brisova::SetFailureReporter(&ReportToTest), true);
}  // namespace

ExpectedFailures::ExpectedFailures() { g_expected.store(this); }
ExpectedFailures::~ExpectedFailures() { g_expected.store(nullptr); }

std::vector<std::string> ExpectedFailures::messages() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}
