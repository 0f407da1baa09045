// CHTTPDownload against the local HTTP server: complete transfers, redirections, failures that leave no
// file, the order of the owner's messages and a stop from another thread.
#include "platform/io/http_download.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

#include "platform/base/message_queue.h"
#include "platform/base/message_target.h"
#include "platform/base/program_texts.h"
#include "tests/support/eventually.h"
#include "tests/support/local_http_server.h"
#include "tests/support/resource_texts.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

using testsupport::HttpResponse;
using testsupport::LocalHttpServer;
using testsupport::ReadWholeFile;
using testsupport::RedirectResponse;
using testsupport::TextResponse;

// Bytes that differ from block to block, so that a block written twice or out of order shows.
std::string Body(std::size_t size) {
    std::string body(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        body[i] = static_cast<char>('A' + (i * 7 + i / 251) % 26);
    }
    return body;
}

struct Posted {
    unsigned id;
    std::uintptr_t wParam;
};

std::vector<Posted> Drain(platform::MessageQueue& queue) {
    std::vector<Posted> posted;
    while (auto message = queue.TryTake()) {
        posted.push_back({message->id, message->wParam});
    }
    return posted;
}

std::vector<std::filesystem::path> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        entries.push_back(entry.path().filename());
    }
    return entries;
}

// START with the total, then BLOCK (the bytes done, rising by at most one block) and KEEP_ALIVE in
// turn, then DONE.
void ExpectProgressOf(const std::vector<Posted>& posted, std::uintptr_t total, std::size_t size) {
    ASSERT_GE(posted.size(), 2u);
    EXPECT_EQ(posted.front().id, WM_HTTP_DOWNLOAD_START);
    EXPECT_EQ(posted.front().wParam, total);
    EXPECT_EQ(posted.back().id, WM_HTTP_DOWNLOAD_DONE);
    std::uintptr_t done = 0;
    for (std::size_t i = 1; i + 1 < posted.size(); i += 2) {
        ASSERT_EQ(posted[i].id, WM_HTTP_DOWNLOAD_BLOCK) << "message " << i;
        ASSERT_LT(i + 1, posted.size() - 1);
        EXPECT_EQ(posted[i + 1].id, WM_HTTP_DOWNLOAD_KEEP_ALIVE) << "message " << i + 1;
        EXPECT_GT(posted[i].wParam, done);
        EXPECT_LE(posted[i].wParam - done, CHTTPDownload::kBlockSize);
        done = posted[i].wParam;
    }
    EXPECT_EQ(done, size);
}

class HttpDownloadTest : public ::testing::Test {
protected:
    HttpDownloadTest() { SetProgramTexts(testsupport::LoadResourceTexts("en", "web")); }
    ~HttpDownloadTest() override { SetProgramTexts({}); }

    LocalHttpServer server_;
    testsupport::TempFolder folder_;
    std::filesystem::path target_ = folder_ / "NX401005.hex";
    platform::MessageQueue queue_;
    platform::QueueMessageTarget owner_{queue_};
    CHTTPDownload download_;
};

struct CompleteCase {
    const char* name;
    // Serves the file at "/file" and what leads to it; returns the address to ask for.
    std::function<std::string(LocalHttpServer&, const std::string& body)> serve;
    bool serverGivesLength;
};

class HttpDownloadCompleteTest : public HttpDownloadTest,
                                 public ::testing::WithParamInterface<CompleteCase> {};

TEST_P(HttpDownloadCompleteTest, WritesTheWholeFileUnderItsNameAndReportsEachBlock) {
    const std::string body = Body(3 * CHTTPDownload::kBlockSize + 1000);
    const std::string url = GetParam().serve(server_, body);

    EXPECT_EQ(download_.Download(url, target_, &owner_), 200);

    EXPECT_EQ(ReadWholeFile(target_), body);
    EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::filesystem::path>{"NX401005.hex"});
    EXPECT_EQ(download_.BytesDone(), static_cast<std::int64_t>(body.size()));
    EXPECT_EQ(download_.ErrorText(), "");
    ExpectProgressOf(Drain(queue_), GetParam().serverGivesLength ? body.size() : 0, body.size());
}

INSTANTIATE_TEST_SUITE_P(
    Responses, HttpDownloadCompleteTest,
    ::testing::Values(CompleteCase{"WithLength",
                                   [](LocalHttpServer& server, const std::string& body) {
                                       server.Serve("/file", TextResponse(200, body));
                                       return server.Url("/file");
                                   },
                                   true},
                      CompleteCase{"WithoutLength",
                                   [](LocalHttpServer& server, const std::string& body) {
                                       HttpResponse response = TextResponse(200, body);
                                       response.sendLength = false;
                                       server.Serve("/file", response);
                                       return server.Url("/file");
                                   },
                                   false},
                      CompleteCase{"MovedPermanently",
                                   [](LocalHttpServer& server, const std::string& body) {
                                       server.Serve("/file", TextResponse(200, body));
                                       server.Serve("/old", RedirectResponse(301, server.Url("/file")));
                                       return server.Url("/old");
                                   },
                                   true},
                      CompleteCase{"SeeOtherRelativeWithLowerCaseHeader",
                                   [](LocalHttpServer& server, const std::string& body) {
                                       server.Serve("/file", TextResponse(200, body));
                                       server.Serve("/dir/old", RedirectResponse(303, "../file", "location"));
                                       return server.Url("/dir/old");
                                   },
                                   true}),
    [](const ::testing::TestParamInfo<CompleteCase>& info) { return std::string(info.param.name); });

TEST_F(HttpDownloadTest, EveryRequestNamesTheProgramAndWhatItAccepts) {
    server_.Serve("/file", TextResponse(200, "x"));
    server_.Serve("/old", RedirectResponse(302, "/file"));

    ASSERT_EQ(download_.Download(server_.Url("/old"), target_, nullptr), 200);

    const std::vector<testsupport::HttpRequest> requests = server_.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].target, "/file");
    for (const testsupport::HttpRequest& request : requests) {
        EXPECT_EQ(request.method, "GET");
        EXPECT_EQ(request.Header("User-Agent"), "KIVO/1.0");
        EXPECT_EQ(request.Header("Accept"),
                  "audio/x-aiff, audio/basic, audio/midi, audio/mpeg, audio/wav, image/jpeg, image/gif, "
                  "image/jpg, image/png, image/mng, image/bmp, text/plain, text/html, text/htm");
    }
}

TEST_F(HttpDownloadTest, TheCallersSizeIsTheTotalAndMustBeMet) {
    const std::string body = Body(5000);
    server_.Serve("/file", TextResponse(200, body));

    download_.SetTotal(5000);
    EXPECT_EQ(download_.Download(server_.Url("/file"), target_, &owner_), 200);
    EXPECT_EQ(Drain(queue_).front().wParam, 5000u);

    CHTTPDownload expectingMore;
    expectingMore.SetTotal(6000);
    std::filesystem::remove(target_);
    EXPECT_EQ(expectingMore.Download(server_.Url("/file"), target_, nullptr), 0);
    EXPECT_FALSE(std::filesystem::exists(target_));
    EXPECT_EQ(expectingMore.ErrorText(), "The file arrived with 5000 bytes where 6000 were expected.");
}

struct FailureCase {
    const char* name;
    std::function<std::string(LocalHttpServer&)> serve;
    int result;
    bool errorText;
};

class HttpDownloadFailureTest : public HttpDownloadTest, public ::testing::WithParamInterface<FailureCase> {};

// What was at the target before stays as it was, and nothing else is left in its folder.
TEST_P(HttpDownloadFailureTest, LeavesNoFileAndKeepsWhatWasThere) {
    testsupport::WriteWholeFile(target_, "the older file");
    const std::string url = GetParam().serve(server_);

    EXPECT_EQ(download_.Download(url, target_, &owner_), GetParam().result);

    EXPECT_EQ(ReadWholeFile(target_), "the older file");
    EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::filesystem::path>{"NX401005.hex"});
    EXPECT_EQ(download_.ErrorText().empty(), !GetParam().errorText) << download_.ErrorText();
    const std::vector<Posted> posted = Drain(queue_);
    ASSERT_FALSE(posted.empty());
    EXPECT_EQ(posted.back().id, WM_HTTP_DOWNLOAD_DONE);
}

INSTANTIATE_TEST_SUITE_P(
    Responses, HttpDownloadFailureTest,
    ::testing::Values(
        FailureCase{"NotFound", [](LocalHttpServer& server) { return server.Url("/missing"); }, 404, false},
        FailureCase{"FoundToNotFound",
                    [](LocalHttpServer& server) {
                        server.Serve("/old", RedirectResponse(302, server.Url("/missing")));
                        return server.Url("/old");
                    },
                    404, false},
        FailureCase{"OnlyOneRedirectionIsFollowed",
                    [](LocalHttpServer& server) {
                        server.Serve("/file", TextResponse(200, "never reached"));
                        server.Serve("/second", RedirectResponse(301, "/file"));
                        server.Serve("/first", RedirectResponse(301, "/second"));
                        return server.Url("/first");
                    },
                    301, false},
        FailureCase{"RedirectionWithoutAddress",
                    [](LocalHttpServer& server) {
                        server.Serve("/old", TextResponse(302, ""));
                        return server.Url("/old");
                    },
                    0, true},
        FailureCase{"Unauthorized",
                    [](LocalHttpServer& server) {
                        server.Serve("/file", TextResponse(401, "no"));
                        return server.Url("/file");
                    },
                    401, false},
        FailureCase{"BodyCutShort",
                    [](LocalHttpServer& server) {
                        HttpResponse response = TextResponse(200, Body(40000));
                        response.sendOnly = 20000;
                        server.Serve("/file", response);
                        return server.Url("/file");
                    },
                    0, true},
        FailureCase{"NoServer",
                    [](LocalHttpServer&) {
                        // A port of 127.0.0.1 that a closed server left: nothing listens there.
                        const std::string url = LocalHttpServer().Url("/file");
                        return url;
                    },
                    0, true},
        FailureCase{"NotAnAddress", [](LocalHttpServer&) { return std::string("http://[127.0.0.1/file"); }, 0,
                    true},
        FailureCase{"NotHttp", [](LocalHttpServer&) { return std::string("file:///etc/hostname"); }, 0,
                    true}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// An owner that stops the transfer while the server sends nothing more: the download ends at once with
// 0, no DONE and no file.
TEST_F(HttpDownloadTest, TheOwnerStopsASlowBody) {
    HttpResponse response = TextResponse(200, Body(100000));
    response.sendOnly = 1000;
    response.stall = true;
    server_.Serve("/file", response);

    auto result = std::async(std::launch::async,
                             [this] { return download_.Download(server_.Url("/file"), target_, &owner_); });
    ASSERT_TRUE(testsupport::Eventually([this] { return download_.BytesDone() == 1000; }));
    const auto stopped = std::chrono::steady_clock::now();
    download_.Stop();

    ASSERT_EQ(result.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_EQ(result.get(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::milliseconds(900));
    EXPECT_TRUE(FolderEntries(folder_.path()).empty());
    const std::vector<Posted> posted = Drain(queue_);
    ASSERT_FALSE(posted.empty());
    EXPECT_NE(posted.back().id, WM_HTTP_DOWNLOAD_DONE);
}

// A server that stops sending in the middle of the body fails the download once the stall limit passed.
TEST_F(HttpDownloadTest, AStalledBodyFailsAfterTheStallLimit) {
    HttpResponse response = TextResponse(200, Body(100000));
    response.sendOnly = 1;
    response.stall = true;
    server_.Serve("/file", response);
    download_.SetStallLimit(std::chrono::seconds(1));

    auto result = std::async(std::launch::async,
                             [this] { return download_.Download(server_.Url("/file"), target_, &owner_); });

    ASSERT_EQ(result.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_EQ(result.get(), 0);
    EXPECT_FALSE(download_.ErrorText().empty());
    EXPECT_TRUE(FolderEntries(folder_.path()).empty());
}

// An owner that can no longer take messages ends the transfer after the block it was told of.
TEST_F(HttpDownloadTest, AnOwnerThatIsGoneEndsTheTransfer) {
    struct GoneAfterStart : platform::MessageTarget {
        bool PostMessage(platform::Message message) override {
            ids.push_back(message.id);
            return message.id == WM_HTTP_DOWNLOAD_START;
        }
        std::vector<unsigned> ids;
    } owner;
    server_.Serve("/file", TextResponse(200, Body(5 * CHTTPDownload::kBlockSize)));

    EXPECT_EQ(download_.Download(server_.Url("/file"), target_, &owner), 0);

    EXPECT_EQ(owner.ids, (std::vector<unsigned>{WM_HTTP_DOWNLOAD_START, WM_HTTP_DOWNLOAD_BLOCK}));
    EXPECT_LE(download_.BytesDone(), static_cast<std::int64_t>(CHTTPDownload::kBlockSize));
    EXPECT_TRUE(FolderEntries(folder_.path()).empty());
}

}  // namespace
