// Full-screen mode without windows: the rectangle the frame takes so that its client area covers
// the screen, and which bars show while the mouse is near the screen's edges.
#pragma once

namespace brisova {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const ScreenRect&) const = default;
};

// `frameOfEmptyClient` is the window rectangle the frame's styles give an empty client area at
// the origin (its border and caption, as negative left/top and positive right/bottom).
ScreenRect FullScreenRect(const ScreenRect& desktop, const ScreenRect& frameOfEmptyClient);

// Distance from an edge, in pixels, within which the bars of that edge come back.
inline constexpr int kEdgeBarDistance = 15;

struct EdgeBars {
    bool top = false;     // the top rebar
    bool bottom = false;  // the bottom rebar (the window tabs)
    bool status = false;  // the status bar
    bool operator==(const EdgeBars&) const = default;
};

struct EdgeBarsInput {
    int cursorY = 0;
    // The bottom of the full-screen frame.
    int frameBottom = 0;
    // Where the shown bars end: the bottom of the top rebar and the top of the highest bar
    // shown at the bottom edge.
    int topBarsBottom = 0;
    int bottomBarsTop = 0;
    // "TaskBar" and "StatusBar": whether the window tabs and the status bar come back at all.
    bool tabsWanted = true;
    bool statusBarWanted = true;
};

// The bars shown after a mouse move: a bar comes back near its edge and goes away once the
// cursor has moved more than kEdgeBarDistance from it.
EdgeBars NextEdgeBars(const EdgeBars& shown, const EdgeBarsInput& in);

}  // namespace brisova
