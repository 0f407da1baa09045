// The optional parameter block of the extended message box.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>

// Option bits of XMessageBoxParams::options.
inline constexpr unsigned XMSGBOX_OPTIONS_RIGHT_JUSTIFY_BUTTONS = 0x1;
inline constexpr unsigned XMSGBOX_OPTIONS_VISTA_STYLE = 0x2;  // larger spacing
inline constexpr unsigned XMSGBOX_OPTIONS_NARROW = 0x4;

// The labels of the box, in the order of its label table.
enum class XLabel {
    Abort,
    Cancel,
    Continue,
    DoNotAskAgain,
    DoNotTellAgain,
    DoNotShowAgain,
    Help,
    Ignore,
    IgnoreAll,
    No,
    NoToAll,
    Ok,
    Report,
    Retry,
    Skip,
    SkipAll,
    TryAgain,
    Yes,
    YesToAll,
};
inline constexpr std::size_t kXLabelCount = 19;

// Zero and empty everywhere means "not given"; colours are 0x00BBGGRR, -1 for the system's colour.
struct XMessageBoxParams {
    unsigned helpContextId = 0;
    // Values of 1000 or more count as 10.
    int countdownSeconds = 0;
    int disabledSeconds = 0;
    // Screen position of the box; both 0 centres it on its owner.
    int x = 0;
    int y = 0;
    unsigned options = 0;
    // Up to four labels separated by "\n", replacing the button set: from the text id when given.
    unsigned customButtonsId = 0;
    std::string customButtons;
    unsigned reportLabelId = 0;
    std::string reportLabel;
    // The remembered answer: its settings group and the question's name.
    std::string companyName;
    std::string keyText;
    unsigned keyNumber = 0;
    // The Report button calls this with the message text and the value, and leaves the box open.
    std::function<void(const std::string&, unsigned)> reportFunction;
    unsigned reportValue = 0;
    int textColor = -1;
    int backgroundColor = -1;
    bool overrideLabels = false;
    std::array<std::string, kXLabelCount> labels;
};
