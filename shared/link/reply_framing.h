// How the command routine reads the logger's bytes: the echo of a command, the end of a reply, the
// firmware text of the identification reply, and the reply time-out of a nominal time-out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Echo status of a command (m_nEchoStatus).
inline constexpr int ECHO_NONE = 0;
inline constexpr int ECHO_GOOD = 1;  // or no echo expected
inline constexpr int ECHO_INCOMPLETE = 2;
inline constexpr int ECHO_BAD = 3;  // bad echo or time-out: to be retried after an escape
inline constexpr int ECHO_ESCAPE_FAILED = 4;

struct EchoCheck {
    int status = ECHO_INCOMPLETE;
    // With ECHO_GOOD: the bytes up to the end of the echo, leading NULs included.
    std::size_t echoEnd = 0;
};

// Compares the received bytes with the command written in echo mode. Leading NULs are skipped and
// letter case is ignored; other bytes before the echo are skipped but count against what arrived.
// Traces what it compared and a bad echo.
// `secret`, when given, shows as asterisks in the trace.
EchoCheck CheckForEcho(std::span<const std::uint8_t> received, std::string_view command,
                       std::string_view secret = {});

// `text` with every occurrence of `secret` (when not empty) turned into as many asterisks.
std::string MaskSecret(std::string_view text, std::string_view secret);

// Whether a trace line shows logger bytes as text: they start with a letter, a digit, '*', '@', '#' or
// '_'. Other bytes are traced as hexadecimal numbers.
bool IsPrintableStart(std::string_view bytes);

// The number of leading line-end bytes to drop once the reply is complete, 0 while it is not.
// A text reply (blockReplyLength 0) starts with 1-3 CR or LF bytes and ends at a '>' that directly
// follows its last line end, so a '>' inside the text does not end it. A block reply of a known length
// L starts with CR LF and has CR LF '>' at L-4..L-2.
std::size_t IsReplyComplete(std::span<const std::uint8_t> received, int blockReplyLength);

// The reply time-out that a caller's nominal time-out stands for.
std::uint32_t MapReplyTimeout(int nominalTimeout);

struct FirmwareVersion {
    std::string text;  // the 9 characters, NUL characters included as sent
    bool wellFormed = false;
};

// The firmware text of an identification reply (a hex dump): the 9 bytes after the first 66 hex
// digits, line ends not counted. nullopt when the reply is too short to hold them.
std::optional<FirmwareVersion> ParseFirmwareVersion(std::span<const std::uint8_t> reply);
