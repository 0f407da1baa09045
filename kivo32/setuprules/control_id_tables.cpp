// The control-id tables of the setup form.
#include "kivo32/setuprules/control_id_tables.h"

#include <algorithm>
#include <initializer_list>
#include <span>

namespace {

struct Cell {
    int column;
    std::array<int, 4> controls;
    std::array<int, 4> captions;
};

// Every hardware cell that any model fills: the same id in the same cell whatever the model.
constexpr Cell kHardwareCells[] = {
    {kColumnLabel, {1031, 1043, 1055, 1067}, {1030, 1042, 1054, 1066}},
    {kColumnFirstPhase, {1088, 1097, 1106, 1115}, {2107, 2119, 2133, 2162}},
    {kColumnSecondPhase, {1089, 2134, 1107, 1116}, {2108, 2120, 2135, 2163}},
    {kColumnValue, {1090, 1099, 1108, 1117}, {2109, 2121, 2136, 2164}},
    {kColumnCTKind, {1916, 1917, 1918, 1919}, {2110, 2122, 2138, 2165}},
    {kColumnCTRating, {2126, 2137, 2152, 2172}, {2111, 2123, 2139, 2166}},
    {kColumnSecondCT, {2125, 2146, 2153, 2173}, {2112, 2124, 2140, 2167}},
    {11, {1091, 1100, 1109, 1118}, {2113, 2127, 2141, 2156}},
    {12, {1092, 1101, 1110, 1119}, {2114, 2128, 2142, 2157}},
    {13, {1093, 1102, 1111, 1120}, {2115, 2129, 2143, 2158}},
    {14, {1094, 1103, 1112, 1121}, {2116, 2130, 2144, 2159}},
    {15, {1095, 1104, 1113, 1122}, {2117, 2131, 2145, 2160}},
    {16, {1096, 1105, 1114, 1123}, {2118, 2132, 2147, 2161}},
    {kColumnNote, {1039, 1051, 1063, 1075}, {1908, 1909, 1910, 1911}},
    {kColumnShortUnit, {2215, 2216, 2217, 2218}, {2219, 2220, 2221, 2222}},
};

// Software channels 5 and 6 (the sum check boxes have no captions).
constexpr Cell kSoftwareCells[] = {
    {kColumnLabel, {1079, 1085}, {1078, 1084}},
    {1, {2194, 2198}, {}},
    {2, {2195, 2199}, {}},
    {3, {2196, 2200}, {}},
    {4, {2197, 2201}, {}},
    {11, {1133, 1140}, {2168, 2176}},
    {12, {1134, 1141}, {2169, 2177}},
    {13, {1135, 1142}, {2170, 2178}},
    {14, {1136, 1143}, {2171, 2179}},
    {15, {1137, 1144}, {2174, 2180}},
    {16, {1138, 1145}, {2175, 2181}},
    {kColumnNote, {1081, 1087}, {1912, 1913}},
};

using Columns = std::initializer_list<int>;
constexpr Columns kPowerColumns = {0, 5, 6, 7, 9, 11, 12, 13, 14, 15, 16, 17};
constexpr Columns kQuarvenColumns = {0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
constexpr Columns kSoftwareColumns = {0, 1, 2, 3, 4, 11, 12, 13, 14, 15, 16, 17};
constexpr Columns kQuarvenSoftwareColumns = {0, 1, 2, 3, 4, 11, 12, 13, 14, 15, 16};
constexpr Columns kRangeColumns = {0, 5, 9, 10, 11, 17};       // temperature inputs
constexpr Columns kUnitColumns = {0, 7, 9, 11, 17, 18};        // resistance and pulse inputs
constexpr Columns kScaledColumns = {0, 7, 9, 10, 11, 17, 18};  // DC and loop inputs
constexpr Columns kCurrentColumns = {0, 9, 11, 17};

// The columns hardware channel `channel` (0-3) of `model` fills.
Columns HardwareColumnsOf(int model, int channel) {
    switch (model) {
        case 2:
            return kPowerColumns;
        case 3:
            return channel < 2 ? kRangeColumns : kUnitColumns;
        case 4:
            return kCurrentColumns;
        case 5:
            return kUnitColumns;
        case 6:
            return channel == 0 ? kRangeColumns : kUnitColumns;
        case 7:
        case 8:
            return kScaledColumns;
        case 9:
            return channel == 0 ? kUnitColumns : kScaledColumns;
        case 10:
            return kRangeColumns;
        case 13:
        case 14:
            return kQuarvenColumns;
        default:
            return {};
    }
}

Columns SoftwareColumnsOf(int model) {
    if (model == 2) {
        return kSoftwareColumns;
    }
    return model == 13 || model == 14 ? kQuarvenSoftwareColumns : Columns{};
}

template <std::size_t Rows>
void FillRow(std::span<const Cell> cells, int row, Columns columns, std::array<ControlIdRow, Rows>& controls,
             std::array<ControlIdRow, Rows>& captions, std::vector<int>& used) {
    for (const int column : columns) {
        const auto cell =
            std::find_if(cells.begin(), cells.end(), [&](const Cell& c) { return c.column == column; });
        controls[row][column] = cell->controls[row];
        captions[row][column] = cell->captions[row];
        if (std::find(used.begin(), used.end(), column) == used.end()) {
            used.push_back(column);
        }
    }
}

}  // namespace

ControlIdTables FillControlIdTables(int model) {
    ControlIdTables tables;
    for (int channel = 0; channel < 4; ++channel) {
        FillRow(kHardwareCells, channel, HardwareColumnsOf(model, channel), tables.hardwareControls,
                tables.hardwareCaptions, tables.hardwareColumns);
    }
    for (int channel = 0; channel < 2; ++channel) {
        FillRow(kSoftwareCells, channel, SoftwareColumnsOf(model), tables.softwareControls,
                tables.softwareCaptions, tables.softwareColumns);
    }
    std::sort(tables.hardwareColumns.begin(), tables.hardwareColumns.end());
    std::sort(tables.softwareColumns.begin(), tables.softwareColumns.end());
    return tables;
}

const ControlIdTables& AllControlIds() {
    static const ControlIdTables tables = [] {
        ControlIdTables all;
        for (int channel = 0; channel < 4; ++channel) {
            for (const Cell& cell : kHardwareCells) {
                FillRow(kHardwareCells, channel, {cell.column}, all.hardwareControls, all.hardwareCaptions,
                        all.hardwareColumns);
            }
        }
        return all;
    }();
    return tables;
}

const ControlIdRow& ControlIdTables::ControlRow(int channel) const {
    return channel < 4 ? hardwareControls.at(channel) : softwareControls.at(channel - 4);
}

const ControlIdRow& ControlIdTables::CaptionRow(int channel) const {
    return channel < 4 ? hardwareCaptions.at(channel) : softwareCaptions.at(channel - 4);
}

int ControlIdTables::GetValueControlId(int channel, int column) const {
    if (channel < 0 || channel > 5 || column < 0 || column >= kSetupColumns) {
        return -1;
    }
    return ControlRow(channel)[column];
}

int ControlIdTables::GetCaptionId(int channel, int column) const {
    if (channel < 0 || channel > 5 || column < 0 || column >= kSetupColumns) {
        return -1;
    }
    return CaptionRow(channel)[column];
}
