// Another running instance of the same program and user, found through the local sockets of the running
// instances.
#include "platform/ui/other_instance.h"

#include <unistd.h>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <atomic>
#include <string>
#include <system_error>

#include "platform/ui/qt_text.h"

namespace {

// What an instance sends to ask another to come to the front.
constexpr char kActivateRequest[] = "activate\n";
// A live instance accepts at once; this only bounds a connect to a socket nobody serves.
constexpr int kConnectWaitMs = 500;
constexpr int kWriteWaitMs = 1000;

// The process number names the socket; a count tells apart the instances of one process (tests).
std::filesystem::path OwnSocketName(const std::filesystem::path& folder) {
    static std::atomic<int> made{0};
    return folder / (std::to_string(getpid()) + "-" + std::to_string(++made));
}

}  // namespace

std::filesystem::path COtherInstance::DefaultFolder(const std::string& program) {
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) {
        base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    return platform::PathFromQString(base) / (program + "-" + std::to_string(getuid()));
}

COtherInstance::COtherInstance(std::filesystem::path folder, std::function<void()> onActivate)
    : folder_(std::move(folder)),
      own_socket_(OwnSocketName(folder_)),
      on_activate_(std::move(onActivate)),
      server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, &COtherInstance::OnConnection);
}

COtherInstance::~COtherInstance() {
    // close() takes the socket file away, so that no other instance finds this one any more.
    server_->close();
}

bool COtherInstance::Listen() {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    // Only this user may reach the sockets.
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, error);
    const QString name = platform::PathToQString(own_socket_);
    // An earlier process of the same number that ended without cleaning up left its socket behind.
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

bool COtherInstance::ActivateOther() const {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder_, error);
    if (error) {
        return false;
    }
    for (const auto& entry : entries) {
        if (entry.path() == own_socket_ || !entry.is_socket(error)) {
            continue;
        }
        QLocalSocket socket;
        socket.connectToServer(platform::PathToQString(entry.path()));
        if (!socket.waitForConnected(kConnectWaitMs)) {
            // Nobody serves it: its instance ended without taking it away.
            std::filesystem::remove(entry.path(), error);
            continue;
        }
        socket.write(kActivateRequest);
        const bool asked = socket.waitForBytesWritten(kWriteWaitMs);
        socket.disconnectFromServer();
        if (asked) {
            return true;
        }
    }
    return false;
}

void COtherInstance::OnConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == kActivateRequest && on_activate_) {
                on_activate_();
            }
            socket->disconnectFromServer();
        });
    }
}
