// Faults the simulator puts into its answers on request.
#pragma once

#include <cstddef>

struct SimulatorFaults {
    int garbleEchoes = 0;       // the next N commands get their last echoed byte garbled
    int dropPrompts = 0;        // the next N replies lose their closing prompt (the command times out)
    int corruptReplies = 0;     // the next N replies have their first reply character changed
    int delayMs = 0;            // pause before each piece of output
    std::size_t chunkSize = 0;  // write output in pieces of this many bytes (0: as it comes)
    int muteAfter = -1;         // answer this many commands, then take no more (-1: never)
    int closeAfter = -1;        // answer this many commands, then drop the link (-1: never)
    int sleepAfterIdleMs = 0;   // fall asleep after this long without input (0: never)
};
