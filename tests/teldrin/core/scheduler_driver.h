// Runs the scheduler as the program does: a poll every second of a test clock, a rebuild when it asks
// for one, and each call it makes answered by a scripted outcome after a scripted time.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shared/loggerlist/schedule_block.h"
#include "teldrin/core/call_scheduler.h"
#include "tests/teldrin/core/test_clock.h"

namespace teldrintest {

class RecordingLog final : public teldrin::CallEventLog {
public:
    void LogEvent(unsigned id, std::string_view argument) override { lines.emplace_back(id, argument); }
    std::vector<std::pair<unsigned, std::string>> lines;
};

// An entry called on `page`'s schedule, computed as the list's page computes it.
inline CLogger ScheduledEntry(const std::string& serial, SchedulePage page, int connectType = kConnectModem) {
    CLogger entry;
    entry.SetSerial(serial);
    entry.SetScheduleOn(true);
    entry.SetConnectType(static_cast<std::int16_t>(connectType));
    CLogger::ScheduleBlock block = entry.GetScheduleBlock();
    const SchedulePage opened = DecodeSchedule(block);
    EXPECT_FALSE(ComputeSchedule(page, opened, block, 0).has_value());
    entry.SetScheduleBlock(block);
    return entry;
}

inline SchedulePage Daily(int hour, int minute) {
    SchedulePage page;
    page.choice = kCallDaily;
    page.daily = {hour, minute};
    return page;
}

inline SchedulePage Multiple(HourMinute first, HourMinute interval) {
    SchedulePage page;
    page.choice = kCallMultiple;
    page.multiFirst = first;
    page.multiInterval = interval;
    return page;
}

struct MadeCall {
    std::string serial;
    std::time_t at;
    int attempt;
    bool operator==(const MadeCall&) const = default;
};

class SchedulerDriver {
public:
    // Opens the list at `start`.
    void Open(std::time_t start) {
        clock.now = start;
        scheduler.CreateDailyCallList(true, entries);
    }

    // Polls every `step` seconds until `end`.
    void RunUntil(std::time_t end, std::time_t step = 1) {
        while (clock.now < end) {
            Poll();
            clock.now += step;
        }
    }

    // As the program: after a rebuild or a call the clock is looked at again at once.
    void Poll() {
        switch (scheduler.Poll()) {
            case teldrin::CCallScheduler::Action::kRebuild:
                ++rebuilds;
                scheduler.CreateDailyCallList(false, entries);
                Poll();
                break;
            case teldrin::CCallScheduler::Action::kMakeCall: {
                const teldrin::CCall call = scheduler.StartCurrentCall();
                made.push_back({call.entry.GetSerial(), clock.now, call.attemptNumber});
                teldrin::CallOutcome result = outcome(call);
                result.connectType = call.entry.GetConnectType();
                clock.now += callLength(call);
                scheduler.FinishCurrentCall(result);
                Poll();
                break;
            }
            case teldrin::CCallScheduler::Action::kNothing:
                break;
        }
    }

    // The times the calls of `serial` were made.
    std::vector<std::time_t> TimesOf(const std::string& serial) const {
        std::vector<std::time_t> times;
        for (const MadeCall& call : made) {
            if (call.serial == serial) {
                times.push_back(call.at);
            }
        }
        return times;
    }

    std::vector<std::string> MissedLines() const {
        std::vector<std::string> lines;
        for (const auto& [id, text] : log.lines) {
            if (text.starts_with("Appel manqu")) {
                lines.push_back(text);
            }
        }
        return lines;
    }

    TestClock clock;
    RecordingLog log;
    teldrin::CCallScheduler scheduler{clock, log};
    std::vector<CLogger> entries;
    std::vector<MadeCall> made;
    int rebuilds = 0;
    std::function<teldrin::CallOutcome(const teldrin::CCall&)> outcome = [](const teldrin::CCall&) {
        return teldrin::CallOutcome{0, true, true, 0};
    };
    std::function<std::time_t(const teldrin::CCall&)> callLength = [](const teldrin::CCall&) { return 0; };
};

}  // namespace teldrintest
