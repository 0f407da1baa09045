// Copies a file over another through a temporary file beside the target.
#include "shared/datafile/copy_file_over.h"

#include <vector>

#include "platform/base/binary_file.h"
#include "platform/base/temp_file_beside.h"

namespace {

constexpr std::size_t kCopyBytes = 64 * 1024;

}  // namespace

void CopyFileOver(const std::filesystem::path& source, const std::filesystem::path& target) {
    platform::BinaryFile input(source, platform::BinaryFile::Mode::Read);
    platform::TempFileBeside temp(target);
    platform::BinaryFile output(temp.Path(), platform::BinaryFile::Mode::Create);
    std::vector<std::uint8_t> block(kCopyBytes);
    for (std::size_t got; (got = input.Read(block)) > 0;) {
        output.Write(block.data(), got);
    }
    output.Flush(true);
    output.Close();
    temp.ReplaceTarget();
}
