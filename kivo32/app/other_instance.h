// COtherInstance: finds another running kivo32 of the same user through local sockets, one per running
// instance in a folder named for the user, and asks it to come to the front.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>

class QLocalServer;

class COtherInstance : public QObject {
public:
    // The folder of this user's instances: "kivo32-<user id>" in the runtime folder (the temporary
    // folder when there is none).
    static std::filesystem::path DefaultFolder();

    // `onActivate` runs on the user-interface thread when another instance asks this one to come to
    // the front.
    COtherInstance(std::filesystem::path folder, std::function<void()> onActivate);
    ~COtherInstance() override;
    COtherInstance(const COtherInstance&) = delete;
    COtherInstance& operator=(const COtherInstance&) = delete;

    // Starts answering the other instances; false when this instance's socket could not be made (the
    // others then cannot find it).
    bool Listen();
    // Asks the first other instance that answers to come to the front; true when one was asked. A
    // socket left behind by an instance that ended without cleaning up is removed on the way.
    bool ActivateOther() const;

private:
    void OnConnection();

    std::filesystem::path folder_;
    std::filesystem::path own_socket_;
    std::function<void()> on_activate_;
    QLocalServer* server_;
};
