#pragma once
// The program's start: the process settings that must precede the application object, then
// the windows, the help file and the event loop.

namespace kvx {

class TKorvaneApplication;

// Before the application object exists: shared OpenGL contexts for the preview's web view
// and, when running as root, the web engine's sandbox switched off (it refuses to run as root).
void PrepareProcess();

// Names the application, loads Qt's German texts, creates the windows (the main window first,
// in the no-map state), names the help file and runs the event loop until the main window
// closes. Returns the event loop's exit code.
int RunKorvane(TKorvaneApplication& application);

} // namespace kvx
