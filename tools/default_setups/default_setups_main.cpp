// kivo-default-setups <folder>: writes the ready-made setups of the four wirings, for the older and for
// the Quarven models, as setup-table files into <folder>.
#include <cstdio>
#include <filesystem>

#include "kivo32/setuprules/default_setups.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"
#include "shared/setup/setup_table_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kivo-default-setups <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const bool quarven : {false, true}) {
        for (const DefaultWiring wiring : kDefaultWirings) {
            const std::filesystem::path path = folder / DefaultSetupFileName(wiring, quarven);
            CFileHeader header;
            header.SetKind(CFileHeader::kKindSetupTable);
            CPSTFileException failure;
            if (WriteSetupTableFile(path, header, MakeDefaultSetup(wiring, quarven), failure) !=
                SetupFileResult::kOk) {
                std::fprintf(stderr, "kivo-default-setups: cannot write %s\n", path.string().c_str());
                return 1;
            }
        }
    }
    return 0;
}
