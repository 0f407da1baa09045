// The terminal window's lines: control characters made visible and the line prefixes.
#include "kivo32/tools/terminal_traffic.h"

#include <cstdio>

namespace {

std::string HexByte(unsigned char c) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%x", c);
    return text;
}

const char* Prefix(TrafficKind kind) {
    switch (kind) {
        case TrafficKind::Received:
            return "R:";
        case TrafficKind::Sent:
            return "S:";
        default:
            return "#:";
    }
}

}  // namespace

std::vector<ReceivedPiece> ShownReceived(std::string_view bytes) {
    // One line end left over from the command before is not shown.
    if (bytes.substr(0, 2) == "\r\n") {
        bytes.remove_prefix(2);
    }
    if (bytes == " ") {
        return {{"[Space]", false}};
    }
    std::vector<ReceivedPiece> pieces;
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        bool lineEnd = false;
        if (c >= 0x20 && c <= 0x7A) {
            text += static_cast<char>(c);
        } else if (c == '\t') {
            text += ' ';
        } else if (c == '\n') {
            text += "[LF]";
            lineEnd = true;
        } else if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            text += "[CR/LF]";
            ++i;
            lineEnd = true;
        } else if (c == '\r') {
            text += "[CR]";
        } else if (c == 0x10) {
            text += "[DLE]";
        } else if (c == 0x1B) {
            text += "[ESC]";
        } else {
            text += HexByte(c);
        }
        if (lineEnd) {
            pieces.push_back({std::move(text), true});
            text.clear();
        }
    }
    if (!text.empty()) {
        pieces.push_back({std::move(text), false});
    }
    return pieces;
}

std::optional<std::string> ShownSent(std::string_view bytes) {
    if (bytes.empty() || (bytes.size() == 1 && bytes[0] == '\0')) {
        return std::nullopt;
    }
    if (bytes.size() > 1) {
        return std::string(bytes);
    }
    const auto c = static_cast<unsigned char>(bytes[0]);
    switch (c) {
        case '\r':
            return "[CR]";
        case '\n':
            return "[LF]";
        case ' ':
            return "[Space]";
        case 0x1B:
            return "[ESC]";
        case 0x10:
            return "[DLE]";
        default:
            return c >= 0x21 && c <= 0x7E ? std::string(1, static_cast<char>(c)) : HexByte(c);
    }
}

void CTerminalLines::ShowTraffic(TrafficKind kind, std::string_view bytes) {
    if (kind == TrafficKind::Sent) {
        if (const std::optional<std::string> shown = ShownSent(bytes)) {
            AddTrafficLine(kind, *shown);
        }
        return;
    }
    if (kind == TrafficKind::Note) {
        AddTrafficLine(kind, bytes);
        return;
    }
    for (const ReceivedPiece& piece : ShownReceived(bytes)) {
        if (received_open_) {
            lines_.back() += piece.text;
        } else {
            Append(Prefix(kind) + piece.text);
        }
        received_open_ = !piece.endsLine;
    }
}

void CTerminalLines::AddTrafficLine(TrafficKind kind, std::string_view text) {
    Append(Prefix(kind) + std::string(text));
    received_open_ = false;
}

void CTerminalLines::Clear() {
    lines_.clear();
    received_open_ = false;
}

void CTerminalLines::Append(std::string_view text) {
    lines_.emplace_back(text);
    while (lines_.size() > kMaxLines) {
        lines_.pop_front();
    }
}
