// The program-wide message boxes, handed to the installed presenter.
#include "shared/common/message_box.h"

#include <atomic>

#include "shared/common/trace_log.h"

namespace {

std::atomic<CMessageBoxPresenter*> g_presenter{nullptr};

}  // namespace

void SetMessageBoxPresenter(CMessageBoxPresenter* presenter) {
    g_presenter.store(presenter);
}

int ShowMessageBoxId(unsigned promptId, unsigned type, bool useStandardBox, unsigned text2Id,
                     unsigned button1Id, unsigned button2Id, unsigned button3Id, unsigned checkBoxLabelId,
                     int initialCheck) {
    CMessageBoxPresenter* presenter = g_presenter.load();
    if (presenter == nullptr) {
        TraceFormat("Message box %u not shown: no user interface", promptId);
        return IDCANCEL;
    }
    return presenter->ShowById(CMessageBoxIds{promptId,
                                              type,
                                              useStandardBox,
                                              text2Id,
                                              {button1Id, button2Id, button3Id},
                                              checkBoxLabelId,
                                              initialCheck});
}

int ShowMessageBox(const std::string& prompt, unsigned type, bool useStandardBox, const std::string& text2,
                   const std::string& button1, const std::string& button2, const std::string& button3) {
    return ShowMessageBox(
        CMessageBoxTexts{prompt, type, useStandardBox, text2, {button1, button2, button3}, {}});
}

int ShowMessageBox(const CMessageBoxTexts& box) {
    CMessageBoxPresenter* presenter = g_presenter.load();
    if (presenter == nullptr) {
        TraceString("Message box not shown: no user interface: " + box.prompt);
        return IDCANCEL;
    }
    return presenter->ShowText(box);
}
