// Opening files, folders and web pages with the desktop's default application, and the beeps;
// replaceable in tests.
#pragma once

#include <filesystem>
#include <string>

namespace platform {

class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    // True when the desktop took the file (a text report, the PDF help) or the folder.
    virtual bool OpenPath(const std::filesystem::path& path) = 0;
    virtual bool OpenUrl(const std::string& url) = 0;
    // The short sound of a message: a warning (an action that could not be done) or an information.
    enum class BeepKind { Warning, Information };
    virtual void Beep(BeepKind kind);
    void Beep() { Beep(BeepKind::Warning); }
};

// The services installed last, else the desktop's own (QDesktopServices).
DesktopServices& CurrentDesktopServices();
// The caller keeps `services` alive while they are installed; nullptr goes back to the desktop's.
void InstallDesktopServices(DesktopServices* services);

}  // namespace platform
