// CRealTimeWindowLink: what a real-time values window on the user-interface thread and the session's
// update loop share: which window to show for which logger, and the window's close, which ends the loop.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

class CRealTimeWindowLink {
public:
    CRealTimeWindowLink(std::string dialogName, int typeCode, std::vector<int> selection);

    // The window's class name: "CRTVTextStandardDlg", "CRTVGraphLiteDlg"...
    const std::string& DialogName() const { return dialog_name_; }
    int TypeCode() const { return type_code_; }
    // The channel selection of a graph (seven words); empty for the text windows.
    const std::vector<int>& Selection() const { return selection_; }

    // From the user-interface thread: the window closed; the loop ends at once.
    void Close();
    bool IsClosed() const { return closed_.load(); }
    // From the session: how to wake its loop; an empty function once the loop has ended.
    void SetWaker(std::function<void()> wake);

private:
    const std::string dialog_name_;
    const int type_code_;
    const std::vector<int> selection_;
    std::atomic<bool> closed_{false};
    std::mutex waker_mutex_;
    std::function<void()> waker_;
};
