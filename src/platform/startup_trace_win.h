// Marks the steps of start-up with the performance counter, for the start-up benchmark's
// breakdown. Silent unless the environment variable BRISOVA_STARTUP_TRACE names a file: then
// each mark appends "<counter> <step>" to it at once, so a start that is ended from outside
// still leaves every step it reached.
#pragma once

void MarkStartupStep(const char* step);

// While tracing, also marks "paint <window class>" for every WM_PAINT a window of this thread
// handles, sent or queued, until EndStartupPaintTrace: the benchmark counts what the start
// paints before it first waits for input.
void BeginStartupPaintTrace();
void EndStartupPaintTrace();
