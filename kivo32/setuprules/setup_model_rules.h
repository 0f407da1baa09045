// What the setup form shows per logger model: the model's name, its lists and channel types, how a type
// list's index gives the stored type, and the lists and text limits of a channel section.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "kivo32/setuprules/control_id_tables.h"

// The caption's model name; empty for model codes without one (11, 12).
std::string ModelName(int model);

bool ShowsLineFrequencyList(int model);
// The third line-frequency choice "Auto": models 13 and 14 whose firmware detects the frequency itself,
// the only setups whose flag byte can carry it.
bool OffersAutoFrequency(int model, int firmwareVersion);
// The demand-window minutes list of models 13 and 14, and its values.
bool ShowsMinutesList(int model);
const std::vector<int>& DemandMinutesChoices();
// Hardware channels 2-4 are hidden on model 1; software channels exist on models 2, 13 and 14.
bool HasChannelPage(int model, int channel);

struct ChannelTypeItem {
    std::string text;
    int type;
};
// The type list of channel 0-3 (hardware) or 4-5 (software) of `model`, "Off" first.
std::vector<ChannelTypeItem> ChannelTypeItems(int model, int channel);
// A type list index i > 0 stands for type i + offset; index 0 is always type 0 (Off).
int TypeOffset(int model, int channel);
int TypeFromListIndex(int model, int channel, int index);
// -1 for type codes the channel does not offer.
int ListIndexFromType(int model, int channel, int type);

// The section code a channel sends the first time it gets `type` (140-161), 0 for none.
int SectionCodeFor(int type, int channel);

struct SectionSetup {
    std::vector<std::pair<int, int>> textLimits;                  // control id, characters
    std::vector<std::pair<int, std::vector<std::string>>> lists;  // control id, items
};
// What section `code` (140-161, or 203-206 for 140-143) prepares on a form of `model` with `tables`.
SectionSetup PrepareChannelSection(int model, const ControlIdTables& tables, int code);
