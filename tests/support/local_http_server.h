// LocalHttpServer: a small HTTP/1.1 server on 127.0.0.1 for tests, serving scripted responses by path
// and recording the requests that came.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/base/unique_fd.h"

namespace testsupport {

struct HttpResponse {
    int status = 200;
    // Sent as they stand, after the status line.
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    // A "Content-Length" of the whole body; without it the body ends when the connection closes.
    bool sendLength = true;
    // Only this many bytes of the body are sent (the length, when sent, still announces the whole).
    std::optional<std::size_t> sendOnly;
    // After what is sent, the connection stays open, sending nothing, until the client goes or the server
    // stops; otherwise a body cut short by sendOnly ends with the connection closed.
    bool stall = false;
};

// A response of `status` with `body` and its length.
HttpResponse TextResponse(int status, std::string body);
// A redirection of `status` (301, 302, 303) to `location`, its header name written as `headerName`.
HttpResponse RedirectResponse(int status, std::string location, std::string headerName = "Location");

struct HttpRequest {
    std::string method;
    std::string target;  // the path and query as the request line gives them
    // Header lines as received, names as the client wrote them.
    std::vector<std::pair<std::string, std::string>> headers;

    // The value of the header `name` (any letter case); empty when there is none.
    std::string Header(const std::string& name) const;
};

class LocalHttpServer {
public:
    // Listens on a free port of 127.0.0.1 at once; each connection is served on a thread of its own.
    LocalHttpServer();
    // Ends every connection, stalled ones too, and joins their threads.
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    std::uint16_t Port() const { return port_; }
    // "http://127.0.0.1:<port><path>"; `path` starts with "/".
    std::string Url(const std::string& path) const;

    // What a GET of `path` gets from now on; a path without one gets 404.
    void Serve(const std::string& path, HttpResponse response);

    // The requests that came so far, in order.
    std::vector<HttpRequest> Requests() const;

private:
    struct Shared;
    void AcceptLoop();

    std::shared_ptr<Shared> shared_;
    platform::UniqueFd listen_fd_;
    // Written when the server stops: it wakes the accept loop and every connection's wait.
    platform::UniqueFd wake_fd_;
    std::uint16_t port_ = 0;
    std::thread accept_thread_;
};

}  // namespace testsupport
