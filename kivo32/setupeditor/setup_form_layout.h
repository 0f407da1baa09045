// The widgets of the setup form, built in code for one model: the general page, a page per channel and
// model 13's pulse or model 14's analog inputs. Every control carries its id.
#pragma once

#include <array>

#include "kivo32/setuprules/control_id_tables.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;

// One channel's page: its group, type list, and the caption and control of each column it has.
struct ChannelPageWidgets {
    QGroupBox* group = nullptr;
    QComboBox* typeList = nullptr;
    QGridLayout* grid = nullptr;
    std::array<QLabel*, kSetupColumns> captions{};
    std::array<QWidget*, kSetupColumns> controls{};  // option columns hold the page's check-combo boxes
};

struct SetupFormWidgets {
    std::array<ChannelPageWidgets, 6> channels;
    QGroupBox* pulseInputs = nullptr;
    QGroupBox* analogInputs = nullptr;
};

// How soon the form's tool tips show.
inline constexpr int kFormToolTipDelayMs = 250;

// Builds the form into `content` for `model`, whose channel cells are `tables` (the cells of a power
// page for the models whose tables are empty). The option columns stay empty until a page is built.
SetupFormWidgets BuildSetupFormWidgets(QWidget* content, int model, const ControlIdTables& tables);
// The cells a channel page of `model` has: the model's own, or a power page's for models without a table.
const ControlIdTables& PageCells(int model, const ControlIdTables& tables);
