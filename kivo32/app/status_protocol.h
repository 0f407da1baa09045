// The connection status window's decisions without its widgets: which field a status message fills, the
// progress bar and its hold, the lamps and the clearing of an old status line.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

class CSession;

class CStatusProtocol {
public:
    // A status line older than this is emptied while the session waits for the next command.
    static constexpr std::int64_t kStatusLineLifeMs = 6000;
    // Progress values that keep the bar visible at 0 (hold) and let it go again (release).
    static constexpr std::intptr_t kProgressHold = 201;
    static constexpr std::intptr_t kProgressRelease = 200;

    // What the window shows.
    struct Display {
        // The text fields by control id; a field not listed is empty.
        std::map<unsigned, std::string> texts;
        bool progressVisible = false;
        int progressPosition = 0;
        // Lamps of bytes sent, bytes received and a failed command.
        std::array<bool, 3> lampsLit{};
    };

    // The start of a session: fields emptied but the model's, which says "Connecting", lamps grey,
    // progress at 0.
    void Start();

    // One status message: `code` (wParam), `value` (lParam) and the text it carries, if any; `session` the
    // running one or nullptr; `now` in milliseconds of the user-interface clock. Returns the text that
    // reached a field (for the trace), empty when none did.
    std::string OnStatus(unsigned code, std::intptr_t value, const std::optional<std::string>& text,
                         const CSession* session, std::int64_t now);

    // The window's half-second tick: the lamps go grey, and an old status line goes while a session runs
    // without a command (after a lost link, the line that told it comes back instead).
    void OnTick(bool sessionWaitsForCommand, std::int64_t now);

    const Display& Shown() const { return display_; }
    std::string Text(unsigned controlId) const;

private:
    std::string ShowText(unsigned controlId, const std::optional<std::string>& text);
    void ShowProgress(std::intptr_t value);

    Display display_;
    bool progress_held_ = false;
    std::int64_t status_line_time_ = 0;
    // The status line that told the session's link lost, until the next session starts.
    std::string lost_line_;
};
