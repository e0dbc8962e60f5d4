// Waits for something another thread brings about, up to a deadline, instead of for a fixed time.
#pragma once

#include <chrono>
#include <thread>

template <class Condition>
bool WaitUntil(Condition done, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
