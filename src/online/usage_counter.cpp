#include "online/usage_counter.h"

#include "online/time_file.h"

#include <cctype>
#include <charconv>

namespace brisova {

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view NextField(std::string_view& line) {
    std::size_t start = 0;
    while (start < line.size() && IsBlank(line[start])) ++start;
    std::size_t end = start;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    std::string_view field = line.substr(start, end - start);
    line.remove_prefix(end);
    return field;
}

}  // namespace

std::optional<CounterSettings> ParseCounterSettings(std::string_view fileText) {
    std::string_view line = fileText.substr(0, fileText.find('\n'));
    std::string_view interval = NextField(line);
    std::string_view url = NextField(line);
    if (!interval.empty() && interval.front() == '+') interval.remove_prefix(1);

    CounterSettings settings;
    auto [end, error] = std::from_chars(interval.data(), interval.data() + interval.size(), settings.intervalHours);
    if (interval.empty() || error != std::errc() || end != interval.data() + interval.size()) return std::nullopt;
    if (url.empty() || url.size() > kLongestCounterUrl) return std::nullopt;
    settings.url = std::string(url);
    return settings;
}

CounterOutcome RunUsageCounter(const CounterServices& services, std::chrono::milliseconds delay) {
    std::optional<std::string> text = services.files.Read(kCounterSettingsPath);
    std::optional<CounterSettings> settings = text ? ParseCounterSettings(*text) : std::nullopt;
    if (!settings) return CounterOutcome::NoSettings;

    std::int64_t lastReport = DecodeTimeFile(services.files.Read(kCounterTimePath));
    std::int64_t decisionTime = services.clock.Now();
    if (WholeHoursApart(decisionTime, lastReport) < settings->intervalHours) return CounterOutcome::NotDue;

    if (!WaitForConnection(services.http, services.stop) || !services.stop.Pause(delay)) {
        return CounterOutcome::Stopped;
    }
    if (!services.http.Fetch(settings->url, [](std::string_view) { return true; })) {
        return services.stop.StopRequested() ? CounterOutcome::Stopped : CounterOutcome::RequestFailed;
    }
    services.files.WriteWhole(kCounterTimePath, EncodeTimeFile(decisionTime));
    return CounterOutcome::Reported;
}

}  // namespace brisova
