// CsvLineReader: the lines of a CSV text file, read through a buffer of up to a megabyte, with rewinding.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/base/binary_file.h"

class CsvLineReader {
public:
    // A longer line comes in pieces of this many bytes, each piece counting as a line.
    static constexpr std::size_t kMaxLineLength = 1024 * 1024;

    // False, with `error` filled, when the file cannot be opened.
    bool Open(const std::filesystem::path& path, CPSTFileException& error);

    // The next line without its line end (LF, or CR LF); false at the end of the file. The view holds
    // until the next call. Throws CPSTFileException when the file cannot be read.
    bool ReadLine(std::string_view& line);
    // Whether the line ReadLine gave last had its line end (LF, or a CR that the file ends with): the
    // last line of a file cut short has none.
    bool LineEnded() const { return line_ended_; }
    // True when no line follows the one ReadLine gave last; the line's view still holds. Throws
    // CPSTFileException.
    bool AtEnd() const;
    // The next ReadLine gives `line` again.
    void PushBack(std::string line);
    // Back to the first line; throws CPSTFileException.
    void Rewind();

    const std::filesystem::path& Path() const { return file_.Path(); }

private:
    // Refills the buffer; false at the end of the file.
    bool Fill();
    // A line that runs past the end of the buffer (or is longer than kMaxLineLength), gathered in
    // `gathered_`.
    bool GatherLine();

    platform::BinaryFile file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t buffer_size_ = 0;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    // The line given last when it is not a view of the buffer.
    std::string gathered_;
    std::optional<std::string> pushed_back_;
    bool pushed_back_ended_ = true;
    bool line_ended_ = true;
};
