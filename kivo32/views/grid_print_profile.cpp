// The grid's print settings kept in the program's settings as the defaults of new grid views.
#include "kivo32/views/grid_print_profile.h"

#include <limits>
#include <optional>

#include "platform/ui/program_settings.h"

namespace {

using platform::GridPrintProperties;

constexpr char kGroup[] = "DataGrid/Print";

struct MarginKey {
    const char* key;
    int GridPrintProperties::*margin;
};
constexpr MarginKey kMargins[] = {
    {"TopMargin", &GridPrintProperties::topMargin},
    {"LeftMargin", &GridPrintProperties::leftMargin},
    {"BottomMargin", &GridPrintProperties::bottomMargin},
    {"RightMargin", &GridPrintProperties::rightMargin},
};

struct FlagKey {
    const char* key;
    bool GridPrintProperties::*flag;
};
constexpr FlagKey kFlags[] = {
    {"CenterHorizontally", &GridPrintProperties::centerHorizontally},
    {"CenterVertically", &GridPrintProperties::centerVertically},
    {"ColumnHeaders", &GridPrintProperties::columnHeaders},
    {"HorizontalLines", &GridPrintProperties::horizontalLines},
    {"RowHeaders", &GridPrintProperties::rowHeaders},
    {"VerticalLines", &GridPrintProperties::verticalLines},
    {"Frame", &GridPrintProperties::frame},
};

constexpr char kPageOrder[] = "PageOrder";

// The saved whole number at `key` when it lies in minimum..maximum.
std::optional<int> ReadInt(const QSettings& settings, const char* key, int minimum, int maximum) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

void SaveGridPrintProfile(const GridPrintProperties& properties) {
    const auto settings = platform::OpenProgramSettings();
    settings->beginGroup(kGroup);
    for (const MarginKey& entry : kMargins) {
        settings->setValue(entry.key, properties.*entry.margin);
    }
    for (const FlagKey& entry : kFlags) {
        settings->setValue(entry.key, properties.*entry.flag ? 1 : 0);
    }
    settings->setValue(kPageOrder, properties.pageOrder);
    settings->endGroup();
}

void LoadGridPrintProfile(GridPrintProperties& properties) {
    const auto settings = platform::OpenProgramSettings();
    settings->beginGroup(kGroup);
    for (const MarginKey& entry : kMargins) {
        properties.*entry.margin =
            ReadInt(*settings, entry.key, 0, std::numeric_limits<int>::max()).value_or(properties.*entry.margin);
    }
    for (const FlagKey& entry : kFlags) {
        if (const auto flag = ReadInt(*settings, entry.key, 0, 1)) {
            properties.*entry.flag = *flag != 0;
        }
    }
    properties.pageOrder = ReadInt(*settings, kPageOrder, 0, 1).value_or(properties.pageOrder);
    settings->endGroup();
}
