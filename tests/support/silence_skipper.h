// SilenceSkipper: cuts a simulated logger's silences short. Each time the logger leaves the link waiting
// for an answer it will not give, the link clock jumps past the longest reply time-out, so that the link
// meets its time-out at once. Answered exchanges keep the clock's usual pace: a loaded machine that is
// slow to answer never takes a time-out that a faster-running clock would bring.
#pragma once

#include <chrono>
#include <cstdint>
#include <thread>

#include "shared/link/link_clock.h"
#include "tools/loggersim/simulated_logger.h"

namespace testsupport {

class SilenceSkipper {
public:
    // Longer than any time-out the link waits out for a reply.
    static constexpr std::uint32_t kSkipMs = 100000;

    // Skips the silences from now on; the ones the logger kept before are over.
    SilenceSkipper(LinkClock& clock, const SimulatedLogger& logger)
        : watch_([&clock, &logger, seen = logger.Silences()](std::stop_token stop) mutable {
              while (!stop.stop_requested()) {
                  if (const int silences = logger.Silences(); silences != seen) {
                      seen = silences;
                      clock.Advance(kSkipMs);
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(1));
              }
          }) {}

private:
    std::jthread watch_;
};

}  // namespace testsupport
