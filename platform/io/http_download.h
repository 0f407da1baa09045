// CHTTPDownload: fetches one file over HTTP or HTTPS with a GET into a local file, reporting its
// progress to an owner by posted messages.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>

#include "platform/base/message_target.h"

// What a download posts to its owner, in this order: START once, then BLOCK and KEEP_ALIVE after each
// block written, then DONE unless the owner stopped the transfer or could no longer take messages.
inline constexpr unsigned WM_HTTP_DOWNLOAD_BLOCK = 0x81F4;       // wParam: the bytes done
inline constexpr unsigned WM_HTTP_DOWNLOAD_DONE = 0x81F6;        // ended; wParam: what Download returns
inline constexpr unsigned WM_HTTP_DOWNLOAD_KEEP_ALIVE = 0x81F7;  // after each BLOCK
inline constexpr unsigned WM_HTTP_DOWNLOAD_START = 0x81F8;  // status 200 came; wParam: the total, 0 unknown

class CHTTPDownload {
public:
    // The largest block written at once: the progress moves on by at most this much per message.
    static constexpr std::size_t kBlockSize = 16383;

    CHTTPDownload() = default;
    CHTTPDownload(const CHTTPDownload&) = delete;
    CHTTPDownload& operator=(const CHTTPDownload&) = delete;

    // Fetches `url` into `localPath`, blocking the calling thread. The request carries the program's
    // accept list and "User-Agent: KIVO/1.0"; one redirection (301, 302, 303) is followed. The file is
    // written beside its target under a temporary name and takes the target's name only when the
    // transfer is complete: status 200 and every byte of the server's length and of the total set
    // before (SetTotal). Otherwise nothing is left at `localPath`'s temporary name and an existing
    // target stays as it was.
    // Returns the status of the final response (200: complete); 0 when the transfer failed, was cut
    // short or stopped, or the address does not parse (ErrorText says why). `owner` may be null.
    int Download(const std::string& url, const std::filesystem::path& localPath,
                 platform::MessageTarget* owner);

    // From any thread: the running download ends after the current block (or at once while it waits)
    // with result 0, posting no DONE; a later download on this object ends the same way at its start.
    void Stop();

    // Why the last download failed; empty after a download that ended with a server's status.
    std::string ErrorText() const;
    // The size the caller expects in bytes for the downloads that follow. Above 0 a download is complete
    // only with exactly that many bytes and START announces it; otherwise START announces the server's
    // length (0 when it gives none).
    void SetTotal(std::int64_t total) { expected_ = total; }
    std::int64_t BytesDone() const { return bytes_done_; }
    // A transfer that receives nothing for this long fails, so that a server that stalls never holds
    // its caller (the version check runs on the session thread).
    static constexpr std::chrono::seconds kDefaultStallLimit{60};
    void SetStallLimit(std::chrono::seconds limit) { stall_limit_ = limit; }

private:
    struct Transfer;

    // Runs `transfer` where Stop can wake it; Download's result.
    int RunTransfer(Transfer& transfer, const std::string& url);
    void SetErrorText(std::string text);

    mutable std::mutex mutex_;  // guards the two below
    std::string error_text_;
    // The running download's libcurl multi handle, which Stop wakes; null between downloads.
    void* multi_ = nullptr;
    std::atomic<std::int64_t> expected_{0};
    std::atomic<std::int64_t> bytes_done_{0};
    std::atomic<bool> stop_{false};
    std::chrono::seconds stall_limit_ = kDefaultStallLimit;
};
