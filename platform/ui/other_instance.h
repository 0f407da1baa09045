// COtherInstance: finds another running instance of the same program and user through local sockets, one
// per running instance in a folder named for the program and the user, and asks it to come to the front.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <string>

class QLocalServer;

class COtherInstance : public QObject {
public:
    // The folder of this user's instances of `program`: "<program>-<user id>" in the runtime folder (the
    // temporary folder when there is none).
    static std::filesystem::path DefaultFolder(const std::string& program);

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
