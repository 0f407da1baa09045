// The logger list teldrin starts with: the one named on its command line, else one the user picks.
// Without a screen nobody can pick one, and a list that does not open would leave the program calling
// nobody: there the program ends instead, saying why on standard error, so that whatever started it
// sees the failure.
#pragma once

#include <QString>
#include <string>

namespace teldrin {

class CMainFrame;

enum class StartListOutcome {
    kRun,     // a list is open, or the user chose none and may open one from the File menu
    kNoList,  // nobody to ask, and no list given or the list does not open (said on standard error)
    kEnded,   // the program was ended (its EndProgram) while the user was asked for a list
};

// Opens `named` (empty: asks the user, from `loggerListDir`, Windows-1252, when `someoneAtTheScreen`)
// in `frame`.
StartListOutcome OpenStartList(CMainFrame& frame, QString named, const std::string& loggerListDir,
                               bool someoneAtTheScreen);

}  // namespace teldrin
