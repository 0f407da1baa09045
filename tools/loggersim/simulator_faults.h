// Faults the simulator puts into its answers on request.
#pragma once

#include <cstddef>
#include <string>

struct SimulatorFaults {
    int garbleEchoes = 0;       // the next N commands get their last echoed byte garbled
    int dropPrompts = 0;        // the next N replies lose their closing prompt (the command times out)
    int corruptReplies = 0;     // the next N replies have their first reply character changed
    int corruptAfter = 0;       // the corruption starts once this many commands were answered
    int delayMs = 0;            // pause before each piece of output
    std::size_t chunkSize = 0;  // write output in pieces of this many bytes (0: as it comes)
    int muteAfter = -1;         // answer this many commands, then take no more (-1: never)
    int closeAfter = -1;        // answer this many commands, then drop the link (-1: never)
    int sleepAfterIdleMs = 0;   // fall asleep after this long without input (0: never)
    // Faults of the next N hex-dump replies.
    int wrongChecksums = 0;      // a checksum that does not match the data
    int shortDumps = 0;          // the last data byte left out, the checksum still over all of them
    int refusedDumps = 0;        // "Hex dump not valid" in place of the data
    int badChecksumFields = 0;   // a checksum field that is not hex
    int shortRealTime = 0;       // a real-time reply cut to half its length
    std::string silentCommand = {};  // a command that gets no answer at all, however often it is sent
    // Programming faults.
    int wrongMemoryChecksums = 0;  // the next N "U?" answers are one off
    int resendBlocks = 0;          // the next N program or file blocks are answered "RESEND" (and dropped)
    int errorBlocks = 0;           // the next N program or file blocks are answered "ERROR"
    int stallAfterBlocks = -1;     // answer this many program or file blocks, then none (-1: never)
    // Faults of the binary record batches ("R?D,"), once this many batches went out (-1: never).
    int batchFaultsAfter = -1;
    int closedBatches = 0;   // the link dropped in place of the batch
    int silentBatches = 0;   // no answer
    int corruptBatches = 0;  // a record count that claims more records than the reply holds
    int shortBatches = 0;    // the reply 3 bytes short
};
