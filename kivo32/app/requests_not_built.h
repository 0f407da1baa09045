// The program's answer to the requests whose window is not built yet (KivoRequestsNotBuiltYet): no
// command ends with nothing on screen. The request is traced as before, and the status bar says that
// the window is not available yet; a broken download keeps the records received and says so in a box.
#pragma once

#include <functional>
#include <string>

// Registers the answer of every request marked not built yet. `showStatus` puts a text in the status
// bar; it runs on the user-interface thread.
void RegisterRequestsNotBuiltYet(std::function<void(const std::string&)> showStatus);
