// Which buttons, labels, default button and check box an extended message box has, from its style.
#include "shared/controls/x_message_box_buttons.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "shared/controls/controls_ids.h"

namespace {

struct LabelEntry {
    unsigned textId;
    const char* builtIn;
};

constexpr std::array<LabelEntry, kXLabelCount> kLabels = {{
    {IDS_ABORT, "&Abort"},
    {IDS_CANCEL, "Cancel"},
    {IDS_CONTINUE, "&Continue"},
    {IDS_DONOTASKAGAIN, "Do not ask again"},
    {IDS_DONOTTELLAGAIN, "Do not tell again"},
    {IDS_DONOTSHOWAGAIN, "Do not show again"},
    {IDS_HELP, "&Help"},
    {IDS_IGNORE, "&Ignore"},
    {IDS_IGNOREALL, "I&gnore All"},
    {IDS_NO, "&No"},
    {IDS_NOTOALL, "N&o to All"},
    {IDS_OK, "OK"},
    {IDS_REPORT, "Re&port"},
    {IDS_RETRY, "&Retry"},
    {IDS_SKIP, "&Skip"},
    {IDS_SKIPALL, "S&kip All"},
    {IDS_TRYAGAIN, "&Try Again"},
    {IDS_YES, "&Yes"},
    {IDS_YESTOALL, "Y&es to All"},
}};

constexpr std::size_t kLabelLimit = 99;
constexpr std::size_t kCustomButtonLimit = 4;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() < kCustomButtonLimit) {
        const std::size_t end = text.find('\n', start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return parts;
}

using SetEntry = std::pair<XLabel, int>;

// The button set of style bits 0-3; 10-15 give a single OK.
std::vector<SetEntry> ButtonSet(unsigned style) {
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {{XLabel::Ok, IDOK}, {XLabel::Cancel, IDCANCEL}};
        case MB_ABORTRETRYIGNORE:
            return {{XLabel::Abort, IDABORT}, {XLabel::Retry, IDRETRY}, {XLabel::Ignore, IDIGNORE}};
        case MB_YESNOCANCEL:
        case MB_YESNO: {
            std::vector<SetEntry> set = {{XLabel::Yes, IDYES}};
            if ((style & MB_YESTOALL) != 0) {
                set.push_back({XLabel::YesToAll, IDYESTOALL});
            }
            set.push_back({XLabel::No, IDNO});
            if ((style & MB_NOTOALL) != 0) {
                set.push_back({XLabel::NoToAll, IDNOTOALL});
            }
            if ((style & MB_TYPEMASK) == MB_YESNOCANCEL) {
                set.push_back({XLabel::Cancel, IDCANCEL});
            }
            return set;
        }
        case MB_RETRYCANCEL:
            return {{XLabel::Retry, IDRETRY}, {XLabel::Cancel, IDCANCEL}};
        case MB_CANCELTRYCONTINUE:
            return {
                {XLabel::Cancel, IDCANCEL}, {XLabel::TryAgain, IDTRYAGAIN}, {XLabel::Continue, IDCONTINUE}};
        case MB_CONTINUEABORT:
            return {{XLabel::Continue, IDCONTINUE}, {XLabel::Abort, IDABORT}};
        case MB_SKIPSKIPALLCANCEL:
            return {{XLabel::Skip, IDSKIP}, {XLabel::SkipAll, IDSKIPALL}, {XLabel::Cancel, IDCANCEL}};
        case MB_IGNOREIGNOREALLCANCEL:
            return {{XLabel::Ignore, IDIGNORE}, {XLabel::IgnoreAll, IDIGNOREALL}, {XLabel::Cancel, IDCANCEL}};
        default:
            return {{XLabel::Ok, IDOK}};
    }
}

std::string CustomButtons(const XMessageBoxParams* params) {
    if (params == nullptr) {
        return {};
    }
    return params->customButtonsId != 0 ? LoadText(params->customButtonsId) : params->customButtons;
}

}  // namespace

std::string XMessageBoxLabel(XLabel label, unsigned style, const XMessageBoxParams* params) {
    const auto index = static_cast<std::size_t>(label);
    if (params != nullptr && params->overrideLabels && !params->labels[index].empty()) {
        return params->labels[index];
    }
    if ((style & MB_NORESOURCE) == 0) {
        std::string loaded = LoadText(kLabels[index].textId);
        if (!loaded.empty()) {
            return loaded.substr(0, kLabelLimit);
        }
    }
    return kLabels[index].builtIn;
}

std::vector<XMessageBoxButton> XMessageBoxButtons(unsigned style, const XMessageBoxParams* params) {
    std::vector<XMessageBoxButton> buttons;
    const std::string custom = CustomButtons(params);
    if (!custom.empty()) {
        int id = IDCUSTOM1;
        for (const std::string& label : SplitLines(custom)) {
            buttons.push_back({label, id++});
        }
    } else {
        for (const auto& [label, id] : ButtonSet(style)) {
            buttons.push_back({XMessageBoxLabel(label, style, params), id});
        }
    }
    if ((style & MB_HELP) != 0) {
        buttons.push_back({XMessageBoxLabel(XLabel::Help, style, params), IDHELP_BUTTON});
    }
    if (params != nullptr && params->reportFunction) {
        std::string report =
            params->reportLabelId != 0 ? LoadText(params->reportLabelId) : params->reportLabel;
        buttons.push_back(
            {report.empty() ? XMessageBoxLabel(XLabel::Report, style, params) : report, IDREPORT});
    }
    return buttons;
}

std::size_t XMessageBoxDefaultIndex(unsigned style, std::size_t count) {
    // Only the first to the sixth button can be named; a seventh (a full Yes/No set with Help and
    // Report) is never the default.
    const std::size_t index = (style & MB_DEFMASK) >> 8;
    return index <= (MB_DEFBUTTON6 >> 8) && index < count ? index : 0;
}

unsigned XMessageBoxCheckBit(unsigned style) {
    for (unsigned bit : {MB_DONOTASKAGAIN, MB_DONOTTELLAGAIN, MB_DONOTSHOWAGAIN}) {
        if ((style & bit) != 0) {
            return bit;
        }
    }
    return 0;
}

std::string XMessageBoxCheckLabel(unsigned style, const XMessageBoxParams* params) {
    switch (XMessageBoxCheckBit(style)) {
        case MB_DONOTASKAGAIN:
            return XMessageBoxLabel(XLabel::DoNotAskAgain, style, params);
        case MB_DONOTTELLAGAIN:
            return XMessageBoxLabel(XLabel::DoNotTellAgain, style, params);
        case MB_DONOTSHOWAGAIN:
            return XMessageBoxLabel(XLabel::DoNotShowAgain, style, params);
        default:
            return {};
    }
}

int XMessageBoxCancelAnswer(unsigned style, const std::vector<XMessageBoxButton>& buttons) {
    const bool hasCancel = std::any_of(buttons.begin(), buttons.end(),
                                       [](const XMessageBoxButton& button) { return button.id == IDCANCEL; });
    if (hasCancel) {
        return IDCANCEL;
    }
    // Only the plain OK set answers Esc, with OK; the single OK of sets 10-15 does not.
    const bool okSet = (style & MB_TYPEMASK) == MB_OK && !buttons.empty() && buttons.front().id == IDOK;
    return okSet ? IDOK : 0;
}

int XMessageBoxSeconds(int seconds) {
    return seconds >= 1000 ? 10 : seconds;
}
