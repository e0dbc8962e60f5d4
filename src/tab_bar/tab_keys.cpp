#include "tab_bar/tab_keys.h"

namespace brisova {

namespace {
enum class Step { None, Next, Previous, Number, MoveLeft, MoveRight };

Step StepOf(KeyPress press) {
    if (!press.ctrl || press.alt) return Step::None;
    if (press.key == kKeyTab) return press.shift ? Step::Previous : Step::Next;
    if (press.shift) {
        if (press.key == kKeyPageUp) return Step::MoveLeft;
        if (press.key == kKeyPageDown) return Step::MoveRight;
        return Step::None;
    }
    if (press.key == kKeyPageDown) return Step::Next;
    if (press.key == kKeyPageUp) return Step::Previous;
    if (press.key >= '1' && press.key <= '9') return Step::Number;
    return Step::None;
}
}  // namespace

bool IsTabKey(KeyPress press) {
    return StepOf(press) != Step::None;
}

std::optional<int> TabForKey(KeyPress press, int current, int count) {
    if (count <= 0) return std::nullopt;
    switch (StepOf(press)) {
    case Step::None: case Step::MoveLeft: case Step::MoveRight: return std::nullopt;
    case Step::Next: return current < 0 || current >= count - 1 ? 0 : current + 1;
    case Step::Previous: return current <= 0 || current >= count ? count - 1 : current - 1;
    case Step::Number: {
        const int wanted = static_cast<int>(press.key - '1');
        if (wanted == 8) return count - 1;
        return wanted < count ? std::optional<int>(wanted) : std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<int> TabMoveForKey(KeyPress press, int current, int count) {
    if (current < 0 || current >= count) return std::nullopt;
    const Step step = StepOf(press);
    if (step == Step::MoveLeft && current > 0) return current - 1;
    if (step == Step::MoveRight && current < count - 1) return current + 1;
    return std::nullopt;
}

}  // namespace brisova
