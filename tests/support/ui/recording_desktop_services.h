// Desktop services for tests: record what would have been opened and count the beeps, start nothing and
// stay silent. Installed while they exist.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ui/desktop_services.h"

namespace testsupport {

class RecordingDesktopServices : public platform::DesktopServices {
public:
    RecordingDesktopServices() { platform::InstallDesktopServices(this); }
    ~RecordingDesktopServices() override { platform::InstallDesktopServices(nullptr); }
    RecordingDesktopServices(const RecordingDesktopServices&) = delete;
    RecordingDesktopServices& operator=(const RecordingDesktopServices&) = delete;

    // What OpenPath and OpenUrl answer (true: the desktop took it).
    void SetAnswer(bool opens) { answer_ = opens; }

    bool OpenPath(const std::filesystem::path& path) override {
        opened_.push_back(path.string());
        return answer_;
    }
    bool OpenUrl(const std::string& url) override {
        opened_.push_back(url);
        return answer_;
    }

    void Beep() override { ++beeps_; }

    const std::vector<std::string>& Opened() const { return opened_; }
    int Beeps() const { return beeps_; }

private:
    bool answer_ = true;
    int beeps_ = 0;
    std::vector<std::string> opened_;
};

}  // namespace testsupport
