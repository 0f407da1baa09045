// Writes whole lines to one trace file, from any thread, each readable by other programs at once.
#pragma once

#include <filesystem>
#include <mutex>
#include <string_view>

#include "platform/base/binary_file.h"

namespace platform {

// Lines end in CR LF, as the trace file always had; lines of different threads never interleave.
class TraceSink {
public:
    // Creates the file anew when `startAfresh` or when it does not exist, else appends to it.
    // False when it cannot be opened (the trace log then drops its lines).
    bool Open(const std::filesystem::path& path, bool startAfresh);
    // Writes `line` (one trailing line end it already has is replaced) and flushes. False when the
    // sink is not open or the write failed.
    bool WriteLine(std::string_view line);
    void Close();
    bool IsOpen() const;
    std::filesystem::path Path() const;

private:
    mutable std::mutex mutex_;
    BinaryFile file_;
};

}  // namespace platform
