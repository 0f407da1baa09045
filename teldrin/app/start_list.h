// The logger list teldrin starts with: the one named on its command line, else one the user picks.
// Without a screen nobody can pick one, and a list that does not open would leave the program calling
// nobody: there the program ends instead, saying why on standard error, so that whatever started it
// sees the failure.
#pragma once

#include <QString>
#include <string>

namespace teldrin {

class CMainFrame;

// Opens `named` (empty: asks the user, from `loggerListDir`, Windows-1252) in `frame`. False when the
// program is to end: no screen, and no list given or the list does not open; the reason is on standard
// error.
bool OpenStartList(CMainFrame& frame, QString named, const std::string& loggerListDir);

}  // namespace teldrin
