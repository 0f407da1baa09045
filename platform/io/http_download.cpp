// CHTTPDownload on libcurl: one GET (and one redirection) driven through a multi handle, so that a stop
// from another thread wakes the wait at once; the body goes to a temporary file beside the target.
#include "platform/io/http_download.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/base/binary_file.h"
#include "platform/base/file_exception.h"
#include "platform/base/program_texts.h"
#include "platform/base/temp_file_beside.h"
#include "platform/base/text_format.h"
#include "platform/io/io_ids.h"

namespace {

using namespace std::chrono_literals;

constexpr long kConnectTimeoutMs = 30000;
// One more attempt after a failed connection, this long after it.
constexpr auto kConnectRetryDelay = 1000ms;
// How long a wait for the network lasts before the transfer looks at its stop flag again; Stop wakes it
// sooner.
constexpr int kPollMs = 1000;
constexpr const char* kAcceptHeader =
    "Accept: audio/x-aiff, audio/basic, audio/midi, audio/mpeg, audio/wav, image/jpeg, image/gif, "
    "image/jpg, image/png, image/mng, image/bmp, text/plain, text/html, text/htm";
constexpr const char* kAgentHeader = "User-Agent: KIVO/1.0";

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

void InitCurlOnce() {
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)initialised;
}

bool IsRedirection(long status) {
    return status == 301 || status == 302 || status == 303;
}

}  // namespace

// One call of Download: the libcurl handles, the response being read and the file being written.
struct CHTTPDownload::Transfer {
    Transfer(CHTTPDownload& d, const std::filesystem::path& path, platform::MessageTarget* target)
        : download(d), localPath(path), owner(target), callerTotal(d.expected_) {}

    CHTTPDownload& download;
    const std::filesystem::path& localPath;
    platform::MessageTarget* owner;
    // The size the caller expects, 0 or less when it gave none.
    std::int64_t callerTotal;
    std::unique_ptr<CURLM, MultiDeleter> multi{curl_multi_init()};
    std::unique_ptr<CURL, EasyDeleter> easy{curl_easy_init()};
    std::unique_ptr<curl_slist, HeaderListDeleter> headers{
        curl_slist_append(curl_slist_append(nullptr, kAcceptHeader), kAgentHeader)};
    char errorBuffer[CURL_ERROR_SIZE] = "";

    // The response being read.
    long status = 0;
    std::int64_t serverLength = -1;
    std::optional<platform::TempFileBeside> temp;
    platform::BinaryFile file;
    // Why the body could not be written.
    std::string writeError;

    bool Ready() const { return multi && easy && headers; }

    int Run(const std::string& url);

    // The outcome of one request in libcurl's terms.
    CURLcode Perform() {
        errorBuffer[0] = '\0';
        curl_multi_add_handle(multi.get(), easy.get());
        CURLcode code = CURLE_ABORTED_BY_CALLBACK;
        for (int running = 1; running > 0 && !download.stop_;) {
            if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
                code = CURLE_FAILED_INIT;
                break;
            }
            if (running > 0) {
                curl_multi_poll(multi.get(), nullptr, 0, kPollMs, nullptr);
            }
        }
        int queued = 0;
        while (const CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
            if (message->msg == CURLMSG_DONE) {
                code = message->data.result;
            }
        }
        curl_multi_remove_handle(multi.get(), easy.get());
        return code;
    }

    // False when the download was stopped before `delay` passed.
    bool WaitUnlessStopped(std::chrono::milliseconds delay) {
        const auto deadline = std::chrono::steady_clock::now() + delay;
        while (!download.stop_) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left <= 0ms) {
                return true;
            }
            curl_multi_poll(multi.get(), nullptr, 0, static_cast<int>(left.count()), nullptr);
        }
        return false;
    }

    bool Post(unsigned id, std::uintptr_t wParam = 0) {
        return owner == nullptr || owner->PostMessage(platform::Message{id, wParam});
    }

    // At the end of a response's headers: a 200 opens the file and tells the owner the total.
    bool BeginBody() {
        if (status != 200) {
            return true;
        }
        try {
            temp.emplace(localPath);
            file.Open(temp->Path(), platform::BinaryFile::Mode::Create);
        } catch (const CPSTFileException& error) {
            writeError = error.MessageText();
            return false;
        }
        const std::int64_t total = callerTotal > 0 ? callerTotal : std::max<std::int64_t>(serverLength, 0);
        if (!Post(WM_HTTP_DOWNLOAD_START, static_cast<std::uintptr_t>(total))) {
            download.stop_ = true;
        }
        return !download.stop_;
    }

    // Writes a block and reports it; false ends the transfer.
    bool WriteBlock(const char* data, std::size_t size) {
        try {
            file.Write(data, size);
        } catch (const CPSTFileException& error) {
            writeError = error.MessageText();
            return false;
        }
        download.bytes_done_ += static_cast<std::int64_t>(size);
        if (download.stop_ ||
            !Post(WM_HTTP_DOWNLOAD_BLOCK, static_cast<std::uintptr_t>(download.bytes_done_.load())) ||
            !Post(WM_HTTP_DOWNLOAD_KEEP_ALIVE)) {
            download.stop_ = true;
            return false;
        }
        return true;
    }

    // Whether every byte came: the server's length and the caller's size, where given.
    bool Whole() const {
        const std::int64_t done = download.bytes_done_;
        return (serverLength < 0 || done == serverLength) && (callerTotal <= 0 || done == callerTotal);
    }

    // A 200 that ended well: the file takes its name when it is whole.
    bool Complete() {
        if (!temp) {
            return false;
        }
        if (!Whole()) {
            const std::int64_t expected = callerTotal > 0 ? callerTotal : serverLength;
            download.SetErrorText(platform::FillNumberedPlaceholders(
                LoadText(IDS_HTTP_INCOMPLETE_FILE),
                {std::to_string(download.bytes_done_.load()), std::to_string(expected)}));
            return false;
        }
        try {
            file.Close();
            temp->ReplaceTarget();
        } catch (const CPSTFileException& error) {
            download.SetErrorText(error.MessageText());
            return false;
        }
        return true;
    }

    std::string FailureText(CURLcode code) const {
        const std::string reason = !writeError.empty()      ? writeError
                                   : errorBuffer[0] != '\0' ? std::string(errorBuffer)
                                                            : std::string(curl_easy_strerror(code));
        return reason.empty() ? LoadText(IDS_HTTP_UNSPECIFIED_ERROR) : reason;
    }

    static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self) {
        auto& transfer = *static_cast<Transfer*>(self);
        const std::string_view line(data, size * count);
        if (line.starts_with("HTTP/")) {
            // Each response (an interim one too) starts its headers afresh.
            transfer.status = 0;
            transfer.serverLength = -1;
            curl_easy_getinfo(transfer.easy.get(), CURLINFO_RESPONSE_CODE, &transfer.status);
        } else if (line == "\r\n" || line == "\n") {
            // By the end of the headers libcurl knows the response's length: -1 when it gave none.
            curl_off_t length = -1;
            curl_easy_getinfo(transfer.easy.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
            transfer.serverLength = length;
            if (!transfer.BeginBody()) {
                return 0;
            }
        }
        return line.size();
    }

    static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self) {
        auto& transfer = *static_cast<Transfer*>(self);
        const std::size_t total = size * count;
        if (transfer.status != 200) {
            return total;  // the body of a redirection or an error page is not kept
        }
        for (std::size_t done = 0; done < total; done += kBlockSize) {
            if (!transfer.WriteBlock(data + done, std::min(kBlockSize, total - done))) {
                return CURL_WRITEFUNC_ERROR;
            }
        }
        return total;
    }
};

int CHTTPDownload::Transfer::Run(const std::string& url) {
    CURL* handle = easy.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(download.stall_limit_.count()));
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_BUFFERSIZE, static_cast<long>(kBlockSize));
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Transfer::OnBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, this);

    CURLcode code = Perform();
    const bool noConnection =
        code == CURLE_COULDNT_CONNECT || (code == CURLE_OPERATION_TIMEDOUT && status == 0);
    if (noConnection && WaitUnlessStopped(kConnectRetryDelay)) {
        code = Perform();
    }
    if (code == CURLE_OK && IsRedirection(status)) {
        // libcurl reads "Location" in any letter case and resolves a relative address against this one.
        const char* location = nullptr;
        curl_easy_getinfo(handle, CURLINFO_REDIRECT_URL, &location);
        if (location == nullptr) {
            download.SetErrorText(LoadText(IDS_HTTP_UNSPECIFIED_ERROR));
            return 0;
        }
        const std::string next = location;
        curl_easy_setopt(handle, CURLOPT_URL, next.c_str());
        code = Perform();
    }
    if (download.stop_) {
        return 0;
    }
    if (code != CURLE_OK) {
        download.SetErrorText(FailureText(code));
        return 0;
    }
    if (status != 200) {
        return static_cast<int>(status);
    }
    return Complete() ? 200 : 0;
}

void CHTTPDownload::Stop() {
    const std::lock_guard lock(mutex_);
    stop_ = true;
    if (multi_ != nullptr) {
        curl_multi_wakeup(multi_);
    }
}

std::string CHTTPDownload::ErrorText() const {
    const std::lock_guard lock(mutex_);
    return error_text_;
}

void CHTTPDownload::SetErrorText(std::string text) {
    const std::lock_guard lock(mutex_);
    error_text_ = std::move(text);
}

int CHTTPDownload::Download(const std::string& url, const std::filesystem::path& localPath,
                            platform::MessageTarget* owner) {
    InitCurlOnce();
    SetErrorText({});
    bytes_done_ = 0;
    Transfer transfer{*this, localPath, owner};
    const int result = RunTransfer(transfer, url);
    if (!stop_) {
        transfer.Post(WM_HTTP_DOWNLOAD_DONE, static_cast<std::uintptr_t>(result));
    }
    return result;
}

int CHTTPDownload::RunTransfer(Transfer& transfer, const std::string& url) {
    if (!transfer.Ready()) {
        SetErrorText(LoadText(IDS_HTTP_UNSPECIFIED_ERROR));
        return 0;
    }
    {
        const std::lock_guard lock(mutex_);
        multi_ = transfer.multi.get();
    }
    const int result = transfer.Run(url);
    const std::lock_guard lock(mutex_);
    multi_ = nullptr;
    return result;
}
