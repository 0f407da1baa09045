// CsvLineReader: the lines of a CSV text file, read through a buffer of up to a megabyte, with rewinding.
#include "shared/datafile/csv_line_reader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 1024 * 1024;

// A line without its CR; true when it had one.
bool DropCarriageReturn(std::string_view& line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
        return true;
    }
    return false;
}

}  // namespace

bool CsvLineReader::Open(const std::filesystem::path& path, CPSTFileException& error) {
    start_ = end_ = 0;
    pushed_back_.reset();
    line_ended_ = true;
    if (!file_.Open(path, platform::BinaryFile::Mode::Read, error)) {
        return false;
    }
    // No larger than the file: a short file costs no megabyte of memory. A file that grows meanwhile
    // is still read whole, in more fills.
    std::uint64_t length = 0;
    try {
        length = file_.Length();
    } catch (const CPSTFileException& failure) {
        error = failure;
        return false;
    }
    const auto wanted = static_cast<std::size_t>(std::clamp<std::uint64_t>(length, 1, kBufferSize));
    if (wanted > buffer_size_) {
        buffer_ = std::make_unique_for_overwrite<char[]>(wanted);
        buffer_size_ = wanted;
    }
    return true;
}

bool CsvLineReader::Fill() {
    start_ = 0;
    end_ = file_.Read(buffer_.get(), buffer_size_);
    return end_ > 0;
}

bool CsvLineReader::ReadLine(std::string_view& line) {
    if (pushed_back_) {
        gathered_ = std::move(*pushed_back_);
        pushed_back_.reset();
        line_ended_ = pushed_back_ended_;
        line = gathered_;
        return true;
    }
    // Most lines lie whole in the buffer and are given as a view of it.
    const char* begin = buffer_.get() + start_;
    const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', end_ - start_));
    if (newline != nullptr && static_cast<std::size_t>(newline - begin) < kMaxLineLength) {
        line = std::string_view(begin, static_cast<std::size_t>(newline - begin));
        start_ += line.size() + 1;
        DropCarriageReturn(line);
        line_ended_ = true;
        return true;
    }
    if (!GatherLine()) {
        return false;
    }
    line = gathered_;
    if (DropCarriageReturn(line)) {
        line_ended_ = true;
    }
    return true;
}

bool CsvLineReader::GatherLine() {
    gathered_.clear();
    line_ended_ = false;
    bool any = false;
    for (;;) {
        if (start_ == end_ && !Fill()) {
            return any;
        }
        any = true;
        const char* begin = buffer_.get() + start_;
        const char* stop = buffer_.get() + end_;
        const char* newline = std::find(begin, stop, '\n');
        const std::size_t room = kMaxLineLength - gathered_.size();
        if (static_cast<std::size_t>(newline - begin) >= room) {
            gathered_.append(begin, room);
            start_ += room;
            line_ended_ = true;  // the line goes on in the next piece
            return true;
        }
        gathered_.append(begin, newline);
        if (newline != stop) {
            start_ = static_cast<std::size_t>(newline - buffer_.get()) + 1;
            line_ended_ = true;
            return true;
        }
        start_ = end_;
    }
}

bool CsvLineReader::AtEnd() const {
    // Asked of the file, not by reading on, so that the view of the last line stays whole.
    return !pushed_back_ && start_ == end_ && file_.Position() >= file_.Length();
}

void CsvLineReader::PushBack(std::string line) {
    pushed_back_ = std::move(line);
    pushed_back_ended_ = line_ended_;
}

void CsvLineReader::Rewind() {
    file_.Seek(0, platform::BinaryFile::Origin::Begin);
    start_ = end_ = 0;
    pushed_back_.reset();
    line_ended_ = true;
}
