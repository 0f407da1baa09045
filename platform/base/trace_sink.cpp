// Writes whole lines to one trace file, from any thread, each readable by other programs at once.
#include "platform/base/trace_sink.h"

#include <string>

namespace platform {

bool TraceSink::Open(const std::filesystem::path& path, bool startAfresh) {
    std::lock_guard lock(mutex_);
    file_ = BinaryFile();
    std::error_code ignored;
    const bool append = !startAfresh && std::filesystem::exists(path, ignored);
    CPSTFileException error;
    if (!file_.Open(path, append ? BinaryFile::Mode::ReadWrite : BinaryFile::Mode::Create, error)) {
        return false;
    }
    try {
        file_.Seek(0, BinaryFile::Origin::End);
    } catch (const CPSTFileException&) {
        file_ = BinaryFile();
        return false;
    }
    return true;
}

bool TraceSink::WriteLine(std::string_view line) {
    if (line.ends_with('\n')) {
        line.remove_suffix(1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
    }
    std::string text(line);
    text += "\r\n";
    std::lock_guard lock(mutex_);
    if (!file_.IsOpen()) {
        return false;
    }
    try {
        // One write per line: what the system holds is visible to readers of the file at once.
        file_.Write(text.data(), text.size());
    } catch (const CPSTFileException&) {
        return false;
    }
    return true;
}

void TraceSink::Close() {
    std::lock_guard lock(mutex_);
    file_ = BinaryFile();
}

bool TraceSink::IsOpen() const {
    std::lock_guard lock(mutex_);
    return file_.IsOpen();
}

std::filesystem::path TraceSink::Path() const {
    std::lock_guard lock(mutex_);
    return file_.Path();
}

}  // namespace platform
