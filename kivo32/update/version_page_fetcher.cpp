// The version check's fetch of a page over HTTP.
#include "kivo32/update/version_page_fetcher.h"

#include "platform/io/http_download.h"

CVersionCheck::PageFetcher HttpPageFetcher() {
    return [](const std::string& url, const std::filesystem::path& path, std::string& error) {
        CHTTPDownload download;
        const int status = download.Download(url, path, nullptr);
        error = download.ErrorText();
        return status == 200;
    };
}
