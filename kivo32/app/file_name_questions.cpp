// Questions about a file name the user chose in a file dialog.
#include "kivo32/app/file_name_questions.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/common/message_box.h"

namespace {

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

}  // namespace

bool ConfirmExtension(const std::filesystem::path& path, std::string_view extension, unsigned questionId) {
    if (SameTextIgnoringCase(path.extension().string(), extension)) {
        return true;
    }
    const std::string question = platform::FormatLoadedText(questionId, {platform::PathToWindows1252(path)});
    return ShowMessageBox(question, MB_YESNO | MB_ICONQUESTION, true) == IDYES;
}
