// Each library folder includes only from the folders its layer may use. The includes are read from the
// source tree at test time, so that a new upward include fails here before it tangles the layers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/support/source_tree.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// The layers from the bottom: platform/base <- platform/io and platform/fft <- shared without Qt <-
// platform/ui <- shared/controls <- the programs. Within shared/ without Qt each folder uses only those
// listed before it. platform/ui takes only platform/base. The logger simulator sits on the layers without Qt.
const std::vector<std::string> kSharedWithoutQt = {"shared/common", "shared/setup",  "shared/datafile",
                                                   "shared/link",   "shared/logger", "shared/loggerlist"};

// The parts of kivo32 and the other parts each may include besides the library layers: the sideways
// edges in use. The parts without Qt sit on the layers without Qt, the others on every library layer.
struct ProgramPart {
    bool qt;
    std::set<std::string> sideways;
};
const std::map<std::string, ProgramPart> kKivoParts = {
    {"kivo32/update", {false, {}}},
    {"kivo32/settings", {false, {"kivo32/update"}}},
    {"kivo32/session", {false, {"kivo32/update", "kivo32/setuprules", "kivo32/analysis"}}},
    {"kivo32/analysis", {false, {}}},
    {"kivo32/controls", {true, {}}},
    {"kivo32/setuprules", {false, {}}},
    {"kivo32/setupeditor", {true, {"kivo32/setuprules", "kivo32/controls"}}},
    {"kivo32/views", {true, {"kivo32/controls", "kivo32/analysis"}}},
    {"kivo32/loadprofile", {true, {"kivo32/views", "kivo32/controls", "kivo32/analysis"}}},
    {"kivo32/dialogs", {true, {"kivo32/controls", "kivo32/settings", "kivo32/update", "kivo32/session"}}},
    {"kivo32/harmonics", {true, {"kivo32/controls", "kivo32/session", "kivo32/analysis"}}},
    {"kivo32/realtime", {true, {"kivo32/controls", "kivo32/session", "kivo32/settings", "kivo32/harmonics"}}},
    {"kivo32/tools",
     {true, {"kivo32/controls", "kivo32/session", "kivo32/dialogs", "kivo32/update", "kivo32/setuprules"}}},
};

// Which folder may include which (besides itself). A program's app/ and root tie its parts together:
// they may use every library layer and every part, the root app/ too.
std::map<std::string, std::set<std::string>> AllowedIncludes() {
    std::map<std::string, std::set<std::string>> allowed;
    allowed["platform/base"] = {};
    allowed["platform/io"] = {"platform/base"};
    allowed["platform/fft"] = {"platform/base"};
    std::set<std::string> below = {"platform/base", "platform/io", "platform/fft"};
    for (const std::string& folder : kSharedWithoutQt) {
        allowed[folder] = below;
        below.insert(folder);
    }
    allowed["tools/loggersim"] = below;
    // The build's guide renderer uses Qt only.
    allowed["tools/guide_pdf"] = {};
    const std::set<std::string> withoutQt = below;
    allowed["platform/ui"] = {"platform/base"};
    below.insert("platform/ui");
    allowed["shared/controls"] = below;
    below.insert("shared/controls");

    std::set<std::string> kivoFolders = below;
    for (const auto& [part, rule] : kKivoParts) {
        std::set<std::string> mayInclude = rule.qt ? below : withoutQt;
        mayInclude.insert(rule.sideways.begin(), rule.sideways.end());
        allowed[part] = mayInclude;
        kivoFolders.insert(part);
    }
    kivoFolders.insert("kivo32/app");
    allowed["kivo32/app"] = kivoFolders;
    allowed["kivo32"] = kivoFolders;
    // The build's writer of the ready-made setups uses the setup rules without Qt.
    allowed["tools/default_setups"] = withoutQt;
    allowed["tools/default_setups"].insert("kivo32/setuprules");

    // teldrin's part without Qt sits on the layers without Qt.
    allowed["teldrin/core"] = withoutQt;
    std::set<std::string> teldrinFolders = below;
    teldrinFolders.insert("teldrin/core");
    teldrinFolders.insert("teldrin/app");
    allowed["teldrin/app"] = teldrinFolders;
    allowed["teldrin"] = teldrinFolders;
    return allowed;
}

struct Violation {
    std::string where;  // file:line
    std::string what;
};

// The table folder that `path` (a file's folder or an included file's, from the root) belongs to: the
// longest one that holds it; empty when none does.
std::string OwningFolder(const std::string& path, const std::map<std::string, std::set<std::string>>& table) {
    std::string owner;
    for (const auto& [folder, mayInclude] : table) {
        if ((path == folder || path.starts_with(folder + "/")) && folder.size() > owner.size()) {
            owner = folder;
        }
    }
    return owner;
}

// The includes of the code under `root` that the table does not allow, and code in folders the table
// does not know.
std::vector<Violation> DependencyViolations(const fs::path& root) {
    const auto table = AllowedIncludes();
    const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<Violation> violations;
    for (const fs::path& file : testsupport::ProgramSourceFiles(root)) {
        const std::string shownFile = fs::relative(file, root).generic_string();
        const std::string from = OwningFolder(fs::path(shownFile).parent_path().generic_string(), table);
        if (from.empty()) {
            violations.push_back({shownFile, "its folder has no row in the table of allowed includes"});
            continue;
        }
        std::ifstream in(file);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::smatch match;
            if (!std::regex_search(line, match, include)) {
                continue;
            }
            const std::string included = match[1];
            const std::string to = OwningFolder(fs::path(included).parent_path().generic_string(), table);
            if (to != from && !table.at(from).contains(to)) {
                violations.push_back(
                    {shownFile + ":" + std::to_string(number), from + " may not include " + included});
            }
        }
    }
    return violations;
}

TEST(FolderDependenciesTest, EveryIncludeOfTheTreeFollowsTheLayers) {
    const std::vector<Violation> violations = DependencyViolations(KIVO_SOURCE_DIR);
    for (const Violation& violation : violations) {
        ADD_FAILURE() << violation.where << ": " << violation.what;
    }
}

TEST(FolderDependenciesTest, TheCheckReportsUpwardIncludesAndFoldersOutsideTheTable) {
    testsupport::TempFolder root;
    const std::map<std::string, std::string> files = {
        {"platform/base/clock.h", "#include \"platform/base/tick.h\"\n#include <vector>\n"},
        {"platform/ui/frame.cpp", "#include \"platform/base/clock.h\"\n  #  include \"shared/common/a.h\"\n"},
        {"shared/common/text.cpp", "#include \"platform/io/port.h\"\n#include \"shared/setup/table.h\"\n"},
        {"shared/setup/table.cpp", "#include \"shared/common/text.h\"\n#include \"platform/ui/qt_text.h\"\n"},
        {"shared/controls/box.cpp", "#include \"platform/ui/dialog.h\"\n#include \"shared/link/link.h\"\n"},
        {"kivo32/views/view.cpp", "#include \"kivo32/controls/box.h\"\n#include \"kivo32/app/app.h\"\n"},
        {"kivo32/app/app.cpp", "#include \"kivo32/views/view.h\"\n#include \"teldrin/call.h\"\n"},
        {"kivo32/analysis/stats.cpp",
         "#include \"shared/datafile/raw_data.h\"\n#include \"platform/ui/qt_text.h\"\n#include "
         "\"kivo32/views/v.h\"\n"},
        {"kivo32/dialogs/dlg.cpp",
         "#include \"kivo32/session/values.h\"\n#include \"kivo32/app/app_ids.h\"\n"},
        {"kivo32/setupeditor/doc.cpp",
         "#include \"shared/controls/box.h\"\n#include \"kivo32/tools/tip.h\"\n"},
        {"tools/loggersim/sim.cpp", "#include \"shared/link/framing.h\"\n#include \"platform/ui/x.h\"\n"},
        {"tools/loggersim/program/main.cpp", "#include \"tools/loggersim/sim.h\"\n"},
        {"shared/newfolder/x.cpp", "#include \"platform/base/clock.h\"\n"},
    };
    for (const auto& [path, content] : files) {
        fs::create_directories((root / path).parent_path());
        std::ofstream(root / path) << content;
    }

    std::vector<std::pair<std::string, std::string>> found;
    for (const Violation& violation : DependencyViolations(root.path())) {
        found.emplace_back(violation.where, violation.what);
    }
    using testing::Pair;
    EXPECT_THAT(
        found,
        testing::UnorderedElementsAre(
            Pair("platform/ui/frame.cpp:2", "platform/ui may not include shared/common/a.h"),
            Pair("shared/common/text.cpp:2", "shared/common may not include shared/setup/table.h"),
            Pair("shared/setup/table.cpp:2", "shared/setup may not include platform/ui/qt_text.h"),
            Pair("kivo32/views/view.cpp:2", "kivo32/views may not include kivo32/app/app.h"),
            Pair("kivo32/app/app.cpp:2", "kivo32/app may not include teldrin/call.h"),
            Pair("kivo32/analysis/stats.cpp:2", "kivo32/analysis may not include platform/ui/qt_text.h"),
            Pair("kivo32/analysis/stats.cpp:3", "kivo32/analysis may not include kivo32/views/v.h"),
            Pair("kivo32/dialogs/dlg.cpp:2", "kivo32/dialogs may not include kivo32/app/app_ids.h"),
            Pair("kivo32/setupeditor/doc.cpp:2", "kivo32/setupeditor may not include kivo32/tools/tip.h"),
            Pair("tools/loggersim/sim.cpp:2", "tools/loggersim may not include platform/ui/x.h"),
            Pair("shared/newfolder/x.cpp", "its folder has no row in the table of allowed includes")));
}

}  // namespace
