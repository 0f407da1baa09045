// The request to open a file the program wrote (a report, a downloaded installer) with the desktop's
// application for it; the answer is IDOK when it opened.
#pragma once

#include <string>
#include <string_view>

struct OpenWithDesktopRequest {
    static constexpr std::string_view kName = "OpenWithDesktop";
    std::string path;
};
