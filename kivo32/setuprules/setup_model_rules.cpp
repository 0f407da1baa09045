// The setup form's model rules.
#include "kivo32/setuprules/setup_model_rules.h"

#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/logger/firmware_features.h"

namespace {

constexpr int kSoftwareOffset = 4;

std::string Off(const char* suffix = nullptr) {
    const std::string off = LoadText(IDS_TYPE_OFF);
    return suffix ? platform::StringPrintf("%s  (%s)", off.c_str(), suffix) : off;
}

std::vector<ChannelTypeItem> HardwareTypes(int model, int channel) {
    const auto pair = [](std::string off, std::string name, int type) {
        return std::vector<ChannelTypeItem>{{std::move(off), 0}, {std::move(name), type}};
    };
    const bool first = channel == 0;
    switch (model) {
        case 0:
            return {{Off(), 0},
                    {LoadText(IDS_TYPE_POWER), 1},
                    {LoadText(IDS_TYPE_TEMPERATURE), 2},
                    {"+/-5VDC", 3},
                    {LoadText(IDS_TYPE_RESISTANCE), 4}};
        case 1:
            return first ? pair(Off(), LoadText(IDS_TYPE_POWER), 1) : std::vector<ChannelTypeItem>{};
        case 2:
        case 13:
        case 14:
            return pair(Off(), LoadText(IDS_TYPE_POWER), 1);
        case 3:
        case 6:
            if (channel < 2 && (model == 3 || first)) {
                return pair(LoadText(IDS_TYPE_TEMPERATURE_OFF), LoadText(IDS_TYPE_TEMPERATURE), 2);
            }
            return pair(LoadText(IDS_TYPE_RESISTANCE_OFF), LoadText(IDS_TYPE_RESISTANCE), 4);
        case 4:
            return pair(Off(), LoadText(IDS_TYPE_CURRENT), 6);
        case 5:
            return pair(Off(), LoadText(IDS_TYPE_RESISTANCE), 4);
        case 7:
            return {{Off("mA"), 0}, {"4 - 20mA", 8}, {"0 - 25mA", 9}};
        case 9:
            if (first) {
                return pair(Off(), LoadText(IDS_TYPE_RESISTANCE), 4);
            }
            [[fallthrough]];
        case 8:
            return pair(Off("10V"), "0 - 10Vdc", 7);
        case 10:
            return pair(LoadText(IDS_TYPE_TEMPERATURE_OFF), LoadText(IDS_TYPE_TEMPERATURE), 2);
        default:
            return {};
    }
}

}  // namespace

std::string ModelName(int model) {
    switch (model) {
        case 0:
            return LoadText(IDS_MODEL_STANDARD);
        case 1:
            return "Ornat 1 Channel";
        case 2:
            return "Quarven";
        case 3:
            return "Brelan Combo2";
        case 4:
            return "Brelan Current";
        case 5:
            return "Brelan Pulse";
        case 6:
            return "Brelan Combo1";
        case 7:
            return "Brelan mA";
        case 8:
            return "Brelan Vdc";
        case 9:
            return "Brelan 1P3Vdc";
        case 10:
            return "Brelan 4Temp";
        case 13:
            return "Quarven RS";
        case 14:
            return "Quarven KX";
        default:
            return {};
    }
}

bool ShowsLineFrequencyList(int model) {
    return model <= 2 || model == 4 || model == 13 || model == 14;
}

bool OffersAutoFrequency(int model, int firmwareVersion) {
    return (model == 13 || model == 14) && IsAutoFrequencySupported(model, firmwareVersion);
}

bool ShowsMinutesList(int model) {
    return model == 13 || model == 14;
}

const std::vector<int>& DemandMinutesChoices() {
    static const std::vector<int> minutes = {0, 1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60};
    return minutes;
}

bool HasChannelPage(int model, int channel) {
    if (channel >= 4) {
        return model == 2 || model == 13 || model == 14;
    }
    return !ChannelTypeItems(model, channel).empty();
}

std::vector<ChannelTypeItem> ChannelTypeItems(int model, int channel) {
    if (channel < 4) {
        return HardwareTypes(model, channel);
    }
    if (model == 2 || model == 13 || model == 14) {
        return {{Off(), 0}, {LoadText(IDS_TYPE_SUM), 5}};
    }
    return {};
}

int TypeOffset(int model, int channel) {
    if (channel >= 4) {
        return kSoftwareOffset;
    }
    switch (model) {
        case 3:
            return channel < 2 ? 1 : 3;
        case 4:
            return 5;
        case 5:
            return 3;
        case 6:
            return channel == 0 ? 1 : 3;
        case 7:
            return 7;
        case 8:
            return 6;
        case 9:
            return channel == 0 ? 3 : 6;
        case 10:
            return 1;
        default:
            return 0;
    }
}

int TypeFromListIndex(int model, int channel, int index) {
    return index <= 0 ? 0 : index + TypeOffset(model, channel);
}

int ListIndexFromType(int model, int channel, int type) {
    const std::vector<ChannelTypeItem> items = ChannelTypeItems(model, channel);
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (items[index].type == type) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

int SectionCodeFor(int type, int channel) {
    if (channel >= 4) {
        return type == 5 ? 160 + (channel - 4) : 0;
    }
    switch (type) {
        case 1:
            return 140 + channel;
        case 2:
            return 144 + channel;
        case 3:
        case 7:
        case 8:
        case 9:
            return 148 + channel;
        case 4:
            return 152 + channel;
        case 6:
            return 156 + channel;
        default:
            return 0;
    }
}

SectionSetup PrepareChannelSection(int model, const ControlIdTables& tables, int code) {
    SectionSetup setup;
    const auto limit = [&](const ControlIdTables& from, int channel, int column, int characters) {
        const int id = from.GetValueControlId(channel, column);
        if (id > 0) {
            setup.textLimits.emplace_back(id, characters);
        }
    };
    if (code >= 203 && code <= 206) {
        code -= 63;
    }
    if (code >= 140 && code <= 143) {
        const int channel = code - 140;
        const ControlIdTables& cells = AllControlIds();
        std::vector<std::string> phases = {"L1"};
        if (model != 1 || channel > 0) {
            phases.insert(phases.end(), {"L2", "L3"});
        }
        phases.emplace_back("N");
        setup.lists.emplace_back(cells.GetValueControlId(channel, kColumnFirstPhase), phases);
        setup.lists.emplace_back(cells.GetValueControlId(channel, kColumnSecondPhase), phases);
        limit(cells, channel, kColumnValue, 35);
        limit(cells, channel, kColumnCTKind, 35);
        if (model < 13) {
            limit(cells, channel, kColumnNote, 80);
        } else {
            setup.lists.emplace_back(cells.GetValueControlId(channel, kColumnCTKind),
                                     std::vector<std::string>{LoadText(IDS_CT_KIND_CATALOGUE),
                                                              LoadText(IDS_CT_KIND_MILLIVOLT), "RoCoil"});
        }
    } else if (code >= 144 && code <= 147) {
        const int channel = code - 144;
        std::vector<std::string> ranges;
        for (unsigned id = IDS_RANGE_FIRST; id < IDS_RANGE_FIRST + 4; ++id) {
            ranges.push_back(LoadText(id));
        }
        const int list = tables.GetValueControlId(channel, kColumnFirstPhase);
        if (list > 0) {
            setup.lists.emplace_back(list, ranges);
        }
        for (const int column : {kColumnCTRating, kColumnSecondCT, kColumnNote}) {
            limit(tables, channel, column, 35);
        }
    } else if (code >= 148 && code <= 159) {
        const int channel = (code - 148) % 4;
        const int kind = (code - 148) / 4;  // 0 types 3 and 7-9, 1 type 4, 2 type 6
        limit(tables, channel, kColumnCTRating, 35);
        if (kind == 0) {
            limit(tables, channel, kColumnSecondCT, 35);
        }
        if (kind < 2) {
            limit(tables, channel, kColumnValue, 20);
            limit(tables, channel, kColumnShortUnit, 8);
        }
        limit(tables, channel, kColumnNote, 79);
    } else if ((code == 160 || code == 161) && model < 13) {
        limit(tables, 4 + code - 160, kColumnNote, 79);
    }
    return setup;
}
