// The windows that answer the dialog requests of the application's commands: the choice of the link,
// the number a modem dials, the network address and the data file of a download. Tests answer the same requests from a script.
#pragma once

// Registers them, over the program's main window, and the network settings window that the session
// and the network scan ask for.
void RegisterCommandDialogs();
