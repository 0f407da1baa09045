// The link text: addresses with a scheme open as addresses, anything else as a file; an empty link
// opens nothing.
#include "kivo32/controls/hyperlink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/desktop_services.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

// Tells addresses from files, and answers as told.
class KindRecordingDesktop : public platform::DesktopServices {
public:
    KindRecordingDesktop() { platform::InstallDesktopServices(this); }
    ~KindRecordingDesktop() override { platform::InstallDesktopServices(nullptr); }

    bool OpenPath(const std::filesystem::path& path) override {
        opened.push_back("path " + path.string());
        return answer;
    }
    bool OpenUrl(const std::string& url) override {
        opened.push_back("url " + url);
        return answer;
    }

    bool answer = true;
    std::vector<std::string> opened;
};

TEST(HyperlinkTest, AddressesOpenAsAddressesAndTheRestAsFiles) {
    testsupport::EnsureQtApplication();
    KindRecordingDesktop desktop;
    const struct {
        const char* link;
        const char* opened;
    } cases[] = {
        {"https://www.tarv.example/a b", "url https://www.tarv.example/a b"},
        {"http://www.tarv.example", "url http://www.tarv.example"},
        {"mailto:service@tarv.example", "url mailto:service@tarv.example"},
        {"/home/user/TARV/KIVO/Data/report.txt", "path /home/user/TARV/KIVO/Data/report.txt"},
        {"report.txt", "path report.txt"},
        {"Donn\xE9" "es/r\xE9sum\xE9.txt", "path Donn\xC3\xA9" "es/r\xC3\xA9sum\xC3\xA9.txt"},
    };
    for (const auto& test : cases) {
        desktop.opened.clear();
        EXPECT_TRUE(CHyperlink(test.link).Open()) << test.link;
        EXPECT_EQ(desktop.opened, std::vector<std::string>{test.opened});
    }
    desktop.opened.clear();
    EXPECT_FALSE(CHyperlink().Open());
    EXPECT_TRUE(desktop.opened.empty());
    desktop.answer = false;
    EXPECT_FALSE(CHyperlink("https://www.tarv.example").Open());
}

}  // namespace
