// The menu bar of the main frame as one table: each popup with its commands, their labels, shortcuts
// and toolbar images.
#include "kivo32/app/main_menu.h"

#include <span>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/main_frame_ids.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/ui_ids.h"
#include "shared/controls/controls_ids.h"

namespace {

enum class Row { Popup, EndPopup, Command, Check, Separator };

struct MenuRow {
    Row row = Row::Command;
    unsigned command = 0;
    unsigned textId = 0;
    const char* shortcut = "";
    CToolbarImage image = CToolbarImage::None;
};

using Image = CToolbarImage;

constexpr MenuRow Popup(unsigned textId) {
    return {Row::Popup, 0, textId};
}
constexpr MenuRow End() {
    return {Row::EndPopup};
}
constexpr MenuRow Separator() {
    return {Row::Separator};
}
constexpr MenuRow Command(unsigned id, unsigned textId, const char* shortcut = "",
                          Image image = Image::None) {
    return {Row::Command, id, textId, shortcut, image};
}
// A command that is on or off.
constexpr MenuRow Check(unsigned id, unsigned textId) {
    return {Row::Check, id, textId};
}

// The menu bar in the order an engineer looks for things. The recent files' entries take their labels
// when the File menu opens; the Window menu lists the open windows.
constexpr MenuRow kMenuTable[] = {
    Popup(IDS_MENU_FILE),
    Command(ID_NEW_SETUP_TABLE, IDS_MENU_NEW_SETUP_TABLE, "Ctrl+N", Image::NewSetup),
    Command(ID_FILE_OPEN, IDS_MENU_FILE_OPEN, "Ctrl+O", Image::Open),
    Command(ID_OPEN_DATA_FILE, IDS_MENU_OPEN_DATA_FILE),
    Command(ID_CLOSE_ALL, IDS_MENU_CLOSE_ALL),
    Separator(),
    Command(ID_FILE_SAVE, IDS_MENU_SAVE, "Ctrl+S", Image::Save),
    Command(ID_FILE_SAVE_AS, IDS_MENU_FILE_SAVE_AS),
    Separator(),
    Command(ID_FILE_PRINT, IDS_MENU_PRINT, "Ctrl+P", Image::Print),
    Command(ID_FILE_PRINT_SETUP, IDS_MENU_PRINT_SETUP),
    Separator(),
    Command(ID_FILE_MRU_FILE1, 0),
    Command(ID_FILE_MRU_FILE1 + 1, 0),
    Command(ID_FILE_MRU_FILE1 + 2, 0),
    Command(ID_FILE_MRU_FILE4, 0),
    Separator(),
    Command(ID_CONVERT_CSV, IDS_MENU_CONVERT_CSV),
    Command(ID_EXPORT_DATA_FILE, IDS_MENU_EXPORT_TEXT),
    Separator(),
    Command(ID_APP_EXIT, IDS_MENU_EXIT),
    End(),

    Popup(IDS_MENU_LOGGER),
    Popup(IDS_MENU_LOGGER_FIRST),
    Command(ID_PC_SETUP, IDS_MENU_PC_SETUP),
    Separator(),
    Command(ID_CONNECT_DIRECT, IDS_MENU_CONNECT_DIRECT, "F2", Image::ConnectDirect),
    Command(ID_CONNECT_NETWORK, IDS_MENU_CONNECT_NETWORK),
    Command(ID_DISCONNECT, IDS_MENU_DISCONNECT, "F3", Image::Disconnect),
    Separator(),
    Command(ID_LOGGER_NETWORK_INFO, IDS_MENU_NETWORK_INFO),
    Separator(),
    Command(ID_START_TELDRIN, IDS_MENU_START_TELDRIN),
    End(),
    Command(ID_CANCEL_COMMAND, IDS_MENU_CANCEL_COMMAND, "", Image::Cancel),
    Separator(),
    Command(ID_LOGGER_DOWNLOAD, IDS_MENU_DOWNLOAD, "Ctrl+D", Image::Download),
    Command(ID_LOGGER_READ_SETUP, IDS_MENU_READ_SETUP, "", Image::ReadSetup),
    Command(ID_LOGGER_PROGRAM, IDS_MENU_PROGRAM, "", Image::Program),
    Separator(),
    Popup(IDS_MENU_CLOCK),
    Command(ID_LOGGER_SET_TIME, IDS_MENU_SET_TIME, "", Image::SetTime),
    Command(ID_LOGGER_SYNC_TIME, IDS_MENU_SYNC_TIME),
    End(),
    Command(ID_LOGGER_SET_DESCRIPTION, IDS_MENU_DESCRIPTION),
    Command(ID_LOGGER_START_STOP, IDS_MENU_START_STOP),
    Command(ID_LOGGER_CLEAR_MEMORY, IDS_MENU_CLEAR_MEMORY),
    Command(ID_LOGGER_CLEAR_PEAK, IDS_MENU_CLEAR_PEAK),
    Command(ID_LOGGER_CLEAR_TOTALS, IDS_MENU_CLEAR_TOTALS),
    Separator(),
    Command(ID_LOGGER_REAL_TIME_TEXT, IDS_MENU_REAL_TIME_TEXT),
    Command(ID_LOGGER_REAL_TIME_GRAPH, IDS_MENU_REAL_TIME_GRAPH, "", Image::RealTime),
    Command(ID_LOGGER_HARMONICS, IDS_MENU_HARMONICS),
    Command(ID_LOGGER_WAVEFORM, IDS_MENU_WAVEFORM),
    Command(ID_LOGGER_ENERGY_SUMMARY, IDS_MENU_LOGGER_ENERGY_SUMMARY),
    Separator(),
    Command(ID_LOGGER_PROPERTIES, IDS_MENU_PROPERTIES, "", Image::Properties),
    Command(ID_LOGGER_FIRMWARE_UPDATE, IDS_MENU_FIRMWARE_UPDATE),
    Popup(IDS_MENU_CALIBRATION),
    Command(ID_LOGGER_SET_IDS, IDS_MENU_SET_IDS),
    Command(ID_LOGGER_MEMORY_TEST, IDS_MENU_MEMORY_TEST),
    Command(ID_LOGGER_SET_SCALARS, IDS_MENU_SET_SCALARS),
    Command(ID_LOGGER_CAL_AMP, IDS_MENU_CAL_AMP),
    Command(ID_LOGGER_CAL_VOLT_TEMP, IDS_MENU_CAL_VOLT_TEMP),
    Command(ID_LOGGER_TOGGLE_OPTION, IDS_MENU_TOGGLE_OPTION),
    Command(ID_LOGGER_AUTO_CALIBRATION, IDS_MENU_AUTO_CALIBRATION),
    End(),
    End(),

    Popup(IDS_MENU_DATA),
    Command(ID_GRID_GRAPH_COLUMN, IDS_MENU_GRAPH_COLUMN),
    Command(ID_GRID_DATA_ERRORS, IDS_MENU_DATA_ERRORS),
    Command(ID_GRID_FILE_SUMMARY, IDS_MENU_FILE_SUMMARY),
    Command(ID_FILE_ENERGY_SUMMARY, IDS_MENU_FILE_ENERGY_SUMMARY),
    Separator(),
    Command(ID_LOAD_PROFILE_TABLE, IDS_MENU_LP_TABLE),
    Command(ID_LOAD_PROFILE_GRAPH, IDS_MENU_LP_GRAPH),
    Command(ID_LOAD_PROFILE_EXPORT_CSV, IDS_MENU_LP_EXPORT_CSV),
    Command(ID_LOAD_PROFILE_GRAPH_PICTURE, IDS_MENU_LP_PICTURE),
    Separator(),
    Command(ID_GRID_EXTRACT_BY_DATE, IDS_MENU_EXTRACT_BY_DATE),
    Command(ID_GRID_EXTRACT_BY_RECORD, IDS_MENU_EXTRACT_BY_RECORD),
    Separator(),
    Command(ID_GRAPH_OPTIONS, IDS_MENU_GRAPH_OPTIONS),
    Command(ID_GRAPHING_KEYS_HELP, IDS_MENU_GRAPHING_KEYS),
    End(),

    Popup(IDS_MENU_VIEW),
    Check(ID_VIEW_TOOLBAR_TOGGLE, IDS_MENU_TOOLBAR),
    Check(ID_VIEW_CONNECTION_STATUS, IDS_MENU_CONNECTION_STATUS),
    End(),

    Popup(IDS_MENU_TOOLS),
    Command(ID_OPEN_LOGGER_LIST, IDS_MENU_LOGGER_LIST),
    Command(ID_TERMINAL_MODE, IDS_MENU_TERMINAL),
    Separator(),
    Command(ID_THD_CALCULATOR, IDS_MENU_THD_CALCULATOR),
    Separator(),
    Check(ID_TRACE_ON_OFF, IDS_MENU_TRACE),
    Command(ID_TRACE_OPEN_FILE, IDS_MENU_TRACE_FILE),
    Command(ID_RESET_STATUS, IDS_MENU_RESET_STATUS),
    End(),

    Popup(IDS_MENU_WINDOW),
    Command(ID_WINDOW_CASCADE, IDS_MENU_CASCADE),
    Command(ID_WINDOW_TILE_HORZ, IDS_MENU_TILE),
    End(),

    Popup(IDS_HELP),
    Command(ID_HELP_FILE, IDS_MENU_HELP_TOPICS, "F1", Image::Help),
    Separator(),
    Command(ID_CHECK_FOR_UPDATES, IDS_MENU_CHECK_UPDATES),
    Check(ID_VERSION_CHECK_OPTION, IDS_MENU_CHECK_AT_START),
    Separator(),
    Command(ID_APP_ABOUT, IDS_MENU_ABOUT),
    End(),
};

// The label of a row; the recent files are labelled with their names when the menu shows.
std::string Label(const MenuRow& row) {
    return row.textId != 0 ? LoadText(row.textId) : std::string();
}

// The entries of the rows from `at` up to the end of their popup; `at` is left after it.
CMenuEntries Entries(std::span<const MenuRow> rows, std::size_t& at) {
    CMenuEntries entries;
    while (at < rows.size()) {
        const MenuRow& row = rows[at++];
        switch (row.row) {
            case Row::EndPopup:
                return entries;
            case Row::Popup: {
                std::string label = Label(row);
                entries.push_back(CMenuEntry::Popup(std::move(label), Entries(rows, at)));
                break;
            }
            case Row::Separator:
                entries.push_back(CMenuEntry::Separator());
                break;
            case Row::Command:
                entries.push_back(CMenuEntry::Command(row.command, Label(row)));
                break;
            case Row::Check:
                entries.push_back(CMenuEntry::Check(row.command, Label(row)));
                break;
        }
    }
    return entries;
}

}  // namespace

CMenuEntries MainMenuEntries() {
    std::size_t at = 0;
    return Entries(kMenuTable, at);
}

std::vector<CMainMenuCommand> MainMenuCommands() {
    std::vector<CMainMenuCommand> commands;
    for (const MenuRow& row : kMenuTable) {
        if (row.row == Row::Command || row.row == Row::Check) {
            commands.push_back({row.command, row.textId, row.shortcut, row.image});
        }
    }
    return commands;
}

std::vector<CMainMenuCommand> MainToolbarButtons() {
    std::vector<CMainMenuCommand> buttons;
    bool popupChanged = false;
    for (const MenuRow& row : kMenuTable) {
        if (row.row == Row::Popup && !buttons.empty()) {
            popupChanged = true;
        } else if (row.row == Row::Command && row.image != CToolbarImage::None) {
            if (popupChanged) {
                buttons.push_back({});
                popupChanged = false;
            }
            buttons.push_back({row.command, row.textId, row.shortcut, row.image});
        }
    }
    return buttons;
}
