// The terminal window's lines without widgets: received, sent and noted link traffic shown with its
// control characters made visible, "R:", "S:" and "#:" in front, the newest 250 lines kept.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TrafficKind { Received = 1, Sent = 2, Note = 3 };

// Received bytes as shown: one piece a line, each ending after an LF (or CR LF); the last piece, when
// no LF ends it, is the start of a line that the next bytes go on.
struct ReceivedPiece {
    std::string text;
    bool endsLine = false;
};
std::vector<ReceivedPiece> ShownReceived(std::string_view bytes);

// Sent bytes as shown; nothing for no bytes or a single zero byte.
std::optional<std::string> ShownSent(std::string_view bytes);

class CTerminalLines {
public:
    static constexpr std::size_t kMaxLines = 250;

    // Traffic as it came: received bytes go on an unfinished received line, sent bytes and notes make
    // lines of their own.
    void ShowTraffic(TrafficKind kind, std::string_view bytes);
    // One new line of `kind` holding `text` as it is.
    void AddTrafficLine(TrafficKind kind, std::string_view text);
    void Clear();

    const std::deque<std::string>& Lines() const { return lines_; }

private:
    void Append(std::string_view text);

    std::deque<std::string> lines_;
    bool received_open_ = false;
};
