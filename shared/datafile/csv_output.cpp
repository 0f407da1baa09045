// CsvOutput: a CSV file written through a buffer under a temporary name.
#include "shared/datafile/csv_output.h"

namespace {

constexpr std::size_t kWriteSize = 1024 * 1024;

}  // namespace

CsvOutput::~CsvOutput() {
    Discard();
}

void CsvOutput::Create(const std::filesystem::path& path) {
    temp_ = platform::TempFileBeside(path);
    file_.Open(temp_.Path(), platform::BinaryFile::Mode::Create);
}

void CsvOutput::WriteIfFull() {
    if (text_.size() >= kWriteSize) {
        Write();
    }
}

void CsvOutput::WriteAfter(std::string_view more) {
    Write();
    file_.Write(more.data(), more.size());
    file_.StartWriteOut();
}

void CsvOutput::Write() {
    file_.Write(text_.data(), text_.size());
    file_.StartWriteOut();
    text_.clear();
}

void CsvOutput::Commit() {
    Write();
    file_.Flush(true);
    file_.Close();
    temp_.ReplaceTarget();
}

void CsvOutput::Discard() {
    file_ = platform::BinaryFile();
    temp_.Remove();
}
