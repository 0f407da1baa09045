// CsvLineReader: the lines of a CSV text file, read through a buffer, with rewinding.
#include "shared/datafile/csv_line_reader.h"

#include <algorithm>

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

bool CsvLineReader::Open(const std::filesystem::path& path, CPSTFileException& error) {
    start_ = end_ = 0;
    pushed_back_.reset();
    buffer_.resize(kBufferSize);
    return file_.Open(path, platform::BinaryFile::Mode::Read, error);
}

bool CsvLineReader::Fill() {
    start_ = 0;
    end_ = file_.Read(buffer_.data(), buffer_.size());
    return end_ > 0;
}

bool CsvLineReader::ReadLine(std::string& line) {
    if (pushed_back_) {
        line = std::move(*pushed_back_);
        pushed_back_.reset();
        line_ended_ = pushed_back_ended_;
        return true;
    }
    line.clear();
    line_ended_ = false;
    bool any = false;
    for (;;) {
        if (start_ == end_ && !Fill()) {
            break;
        }
        any = true;
        const auto begin = buffer_.begin() + static_cast<std::ptrdiff_t>(start_);
        const auto stop = buffer_.begin() + static_cast<std::ptrdiff_t>(end_);
        const auto newline = std::find(begin, stop, '\n');
        const std::size_t room = kMaxLineLength - line.size();
        if (static_cast<std::size_t>(newline - begin) >= room) {
            line.append(begin, begin + static_cast<std::ptrdiff_t>(room));
            start_ += room;
            line_ended_ = true;  // the line goes on in the next piece
            return true;
        }
        line.append(begin, newline);
        if (newline != stop) {
            start_ = static_cast<std::size_t>(newline - buffer_.begin()) + 1;
            line_ended_ = true;
            break;
        }
        start_ = end_;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
        line_ended_ = true;
    }
    return any;
}

bool CsvLineReader::AtEnd() {
    return !pushed_back_ && start_ == end_ && !Fill();
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
