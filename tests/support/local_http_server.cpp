// LocalHttpServer: accepts on 127.0.0.1, reads each request's head, answers with the scripted response of
// its path; an eventfd wakes every wait when the server stops.
#include "tests/support/local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdlib.h>
#include <strings.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <stdexcept>

namespace testsupport {

struct LocalHttpServer::Shared {
    mutable std::mutex mutex;
    std::map<std::string, HttpResponse> responses;
    std::vector<HttpRequest> requests;
    std::vector<std::thread> connections;
};

namespace {

const char* ReasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
        case 302:
            return "Found";
        case 303:
            return "See Other";
        case 401:
            return "Unauthorized";
        case 404:
            return "Not Found";
        default:
            return "Status";
    }
}

// Waits until `fd` has something to read or the server stops; false when it stopped.
bool WaitReadable(int fd, int wakeFd) {
    pollfd watch[2] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    while (::poll(watch, 2, -1) < 0) {
    }
    return (watch[1].revents & POLLIN) == 0;
}

bool SendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads one request head (up to its blank line) into `head`, keeping what follows in `pending`; false
// when the client closed or the server stopped first.
bool ReadHead(int fd, int wakeFd, std::string& pending, std::string& head) {
    for (;;) {
        const std::size_t end = pending.find("\r\n\r\n");
        if (end != std::string::npos) {
            head = pending.substr(0, end);
            pending.erase(0, end + 4);
            return true;
        }
        if (!WaitReadable(fd, wakeFd)) {
            return false;
        }
        char buffer[4096];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return false;
        }
        pending.append(buffer, static_cast<std::size_t>(n));
    }
}

HttpRequest ParseHead(const std::string& head) {
    HttpRequest request;
    std::size_t lineStart = 0;
    bool first = true;
    while (lineStart <= head.size()) {
        std::size_t lineEnd = head.find("\r\n", lineStart);
        if (lineEnd == std::string::npos) {
            lineEnd = head.size();
        }
        const std::string line = head.substr(lineStart, lineEnd - lineStart);
        if (first) {
            const std::size_t space = line.find(' ');
            const std::size_t secondSpace = line.find(' ', space + 1);
            request.method = line.substr(0, space);
            request.target = line.substr(space + 1, secondSpace - space - 1);
            first = false;
        } else if (const std::size_t colon = line.find(':'); colon != std::string::npos) {
            const std::size_t valueStart = line.find_first_not_of(' ', colon + 1);
            request.headers.emplace_back(line.substr(0, colon),
                                         valueStart == std::string::npos ? "" : line.substr(valueStart));
        }
        lineStart = lineEnd + 2;
    }
    return request;
}

std::string ResponseHead(const HttpResponse& response, bool keepOpen) {
    std::string head =
        "HTTP/1.1 " + std::to_string(response.status) + " " + ReasonPhrase(response.status) + "\r\n";
    for (const auto& [name, value] : response.headers) {
        head += name + ": " + value + "\r\n";
    }
    if (response.sendLength) {
        head += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    }
    if (!keepOpen) {
        head += "Connection: close\r\n";
    }
    return head + "\r\n";
}

}  // namespace

HttpResponse TextResponse(int status, std::string body) {
    HttpResponse response;
    response.status = status;
    response.body = std::move(body);
    return response;
}

HttpResponse RedirectResponse(int status, std::string location, std::string headerName) {
    HttpResponse response;
    response.status = status;
    response.headers.emplace_back(std::move(headerName), std::move(location));
    return response;
}

std::string HttpRequest::Header(const std::string& name) const {
    for (const auto& [headerName, value] : headers) {
        if (::strcasecmp(headerName.c_str(), name.c_str()) == 0) {
            return value;
        }
    }
    return {};
}

LocalHttpServer::LocalHttpServer() : shared_(std::make_shared<Shared>()) {
    // A proxy that the environment names never stands between a test and this server.
    ::setenv("no_proxy", "127.0.0.1", 1);
    listen_fd_.Reset(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    wake_fd_.Reset(::eventfd(0, EFD_CLOEXEC));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (!listen_fd_.Valid() || !wake_fd_.Valid() ||
        ::bind(listen_fd_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listen_fd_.Get(), 16) != 0 ||
        ::getsockname(listen_fd_.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("LocalHttpServer: cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    accept_thread_ = std::thread([this] { AcceptLoop(); });
}

LocalHttpServer::~LocalHttpServer() {
    const std::uint64_t one = 1;
    (void)!::write(wake_fd_.Get(), &one, sizeof one);
    accept_thread_.join();
    // The accept loop has ended, so no thread joins the list any more.
    for (std::thread& connection : shared_->connections) {
        connection.join();
    }
}

std::string LocalHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LocalHttpServer::Serve(const std::string& path, HttpResponse response) {
    const std::lock_guard lock(shared_->mutex);
    shared_->responses[path] = std::move(response);
}

std::vector<HttpRequest> LocalHttpServer::Requests() const {
    const std::lock_guard lock(shared_->mutex);
    return shared_->requests;
}

void LocalHttpServer::AcceptLoop() {
    for (;;) {
        if (!WaitReadable(listen_fd_.Get(), wake_fd_.Get())) {
            return;
        }
        platform::UniqueFd connection(::accept4(listen_fd_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (!connection.Valid()) {
            continue;
        }
        const std::lock_guard lock(shared_->mutex);
        // The connections end before the server closes its wake descriptor (the destructor joins them).
        shared_->connections.emplace_back(
            [shared = shared_, wakeFd = wake_fd_.Get(), connection = std::move(connection)] {
                const int fd = connection.Get();
                std::string pending;
                std::string head;
                while (ReadHead(fd, wakeFd, pending, head)) {
                    HttpRequest request = ParseHead(head);
                    HttpResponse response = TextResponse(404, "Not found");
                    {
                        const std::lock_guard lock(shared->mutex);
                        shared->requests.push_back(request);
                        if (const auto found = shared->responses.find(request.target);
                            found != shared->responses.end()) {
                            response = found->second;
                        }
                    }
                    const bool whole = !response.sendOnly || *response.sendOnly >= response.body.size();
                    const bool keepOpen = response.sendLength && whole && !response.stall;
                    const std::size_t bodyBytes =
                        std::min(response.body.size(), response.sendOnly.value_or(response.body.size()));
                    if (!SendAll(fd, ResponseHead(response, keepOpen)) ||
                        !SendAll(fd, response.body.substr(0, bodyBytes)) || !keepOpen) {
                        // A stalled response waits until the client goes or the server stops.
                        while (response.stall && WaitReadable(fd, wakeFd)) {
                            char buffer[256];
                            if (::recv(fd, buffer, sizeof buffer, 0) <= 0) {
                                break;
                            }
                        }
                        break;
                    }
                }
            });
    }
}

}  // namespace testsupport
