// The Qt platforms that draw no window anyone sees, where teldrin runs as a service: nobody can answer a
// question there, and standard error goes to a journal.
#pragma once

namespace teldrin {

// True on such a platform ("offscreen", "minimal"). Needs the application object.
bool NobodyAtTheScreen();

// On such a platform, Qt's own notices (a window hint the platform cannot honour, say) no longer reach
// standard error, so that a service's journal holds only what the program says; its fatal errors still
// do. Needs the application object.
void KeepPlatformNoticesOffStandardErrorWhenUnattended();

}  // namespace teldrin
