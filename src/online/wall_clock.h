// The calendar time the online workers keep in their time files: whole seconds since
// 1970-01-01 00:00 UTC. Tests set it by hand.
#pragma once

#include <chrono>
#include <cstdint>

namespace brisova {

class WallClock {
public:
    virtual ~WallClock() = default;
    virtual std::int64_t Now() const = 0;
};

class SystemWallClock final : public WallClock {
public:
    std::int64_t Now() const override {
        using namespace std::chrono;
        return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
    }
};

class ManualWallClock final : public WallClock {
public:
    explicit ManualWallClock(std::int64_t now = 1'700'000'000) : now_(now) {}
    std::int64_t Now() const override { return now_; }
    void Set(std::int64_t now) { now_ = now; }
    void Advance(std::chrono::milliseconds elapsed) { now_ += elapsed.count() / 1000; }

private:
    std::int64_t now_;
};

}  // namespace brisova
