// Desktop services for tests: record what would have been opened and the beeps by kind, start nothing and
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

    using platform::DesktopServices::Beep;
    void Beep(BeepKind kind) override { beep_kinds_.push_back(kind); }

    const std::vector<std::string>& Opened() const { return opened_; }
    int Beeps() const { return static_cast<int>(beep_kinds_.size()); }
    const std::vector<BeepKind>& BeepKinds() const { return beep_kinds_; }

private:
    bool answer_ = true;
    std::vector<BeepKind> beep_kinds_;
    std::vector<std::string> opened_;
};

}  // namespace testsupport
