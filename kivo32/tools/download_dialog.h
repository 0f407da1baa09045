// CDownloadDialog: the progress window of a download: a progress bar, what is being done, the current
// step and the growing log, with dots that show a busy download while nothing else moves. It lives on
// the user-interface thread and follows what the session's download writes into a CDownloadProgressLink;
// it goes when the session closes the link.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "kivo32/session/download_progress_link.h"
#include "platform/ui/dialog.h"

class CDownloadDialog : public platform::Dialog {
    Q_OBJECT

public:
    // `cancelCommand` asks the application to cancel the running command.
    explicit CDownloadDialog(std::function<void()> cancelCommand, QWidget* parent = nullptr);
    ~CDownloadDialog() override;

    // On: a dot joins the log every second until it is switched off.
    void EnableActivityTimer(bool on);
    void SetOperationText(const std::string& text);
    void SetStatusText(const std::string& text);
    // Replaces the whole log and shows its end.
    void SetLogText(const std::string& text);
    void SetProgress(int position);

    // Shows what the download writes into `link` from now on; deletes itself once the link is closed.
    void Follow(std::shared_ptr<CDownloadProgressLink> link);

protected:
    // Cancel, Esc and the window's close ask to cancel the download; the window stays until the
    // session closes it.
    void OnCancel() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowNewState();
    void AddActivityDot();

    std::function<void()> cancel_command_;
    std::shared_ptr<CDownloadProgressLink> link_;
    CDownloadProgressLink::State shown_;
    QProgressBar* progress_;
    QLabel* operation_;
    QLabel* step_;
    QPlainTextEdit* log_;
    QTimer activity_timer_;
};

// Shows a progress window for `link` on the user-interface thread; callable from any thread, it
// only posts.
void ShowDownloadDialog(std::shared_ptr<CDownloadProgressLink> link, std::function<void()> cancelCommand);
