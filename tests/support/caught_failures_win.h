// In the Windows tests every failure the program catches and reports fails the running test,
// unless the test expects it inside an ExpectedFailures scope, which collects the reports.
#pragma once

#include <mutex>
#include <string>
#include <vector>

class ExpectedFailures {
public:
    ExpectedFailures();
    ExpectedFailures(const ExpectedFailures&) = delete;
    ExpectedFailures& operator=(const ExpectedFailures&) = delete;
    ~ExpectedFailures();

    std::vector<std::string> messages() const;

private:
    friend void ReportToTest(const std::string& message);
    mutable std::mutex mutex_;
    std::vector<std::string> messages_;
};
