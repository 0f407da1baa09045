// CLinkContext: what a link is given of its surroundings when it is made, so that it never reaches for
// the application itself: the session thread that runs its commands, and the application whose abort
// flag, command-line values and trace windows it serves.
#pragma once

class CAppContext;
class CSession;

struct CLinkContext {
    // nullptr: no session runs the link (a wait then ends at once and sends go unpaced).
    CSession* session = nullptr;
    CAppContext* app = nullptr;
};
