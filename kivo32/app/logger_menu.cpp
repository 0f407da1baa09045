// The logger menu's rule: which calibration and connection entries it offers for the connected logger's
// protocol, the calibration level of the command line and the logger's Wi-Fi module and web login.
#include "kivo32/app/logger_menu.h"

#include <algorithm>
#include <functional>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/main_frame_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/qt_text.h"

namespace {

using EntryTest = std::function<bool(const CMenuEntry&)>;

EntryTest IsCommand(unsigned id) {
    return [id](const CMenuEntry& entry) { return entry.IsCommand(id); };
}

EntryTest IsPopupStartingWith(unsigned id) {
    return [id](const CMenuEntry& entry) { return entry.IsPopupStartingWith(id); };
}

CMenuEntries::iterator Find(CMenuEntries& menu, const EntryTest& test) {
    return std::find_if(menu.begin(), menu.end(), test);
}

CMenuEntry* FindEntry(CMenuEntries& menu, const EntryTest& test) {
    const auto found = Find(menu, test);
    return found != menu.end() ? &*found : nullptr;
}

void Remove(CMenuEntries& menu, const EntryTest& test) {
    std::erase_if(menu, test);
}

// The command somewhere in `menu`, its popups included.
bool Contains(const CMenuEntries& menu, unsigned id) {
    return std::any_of(menu.begin(), menu.end(), [id](const CMenuEntry& entry) {
        return entry.IsCommand(id) || (entry.kind == CMenuEntry::Kind::Popup && Contains(entry.items, id));
    });
}

// Inserts `entry` after the one `anchor` finds, unless its command (or, for a popup, its first command)
// is in the menu already.
void InsertAfter(CMenuEntries& menu, const EntryTest& anchor, CMenuEntry entry) {
    const unsigned id = entry.kind == CMenuEntry::Kind::Popup ? entry.items.front().id : entry.id;
    if (Contains(menu, id)) {
        return;
    }
    const auto found = Find(menu, anchor);
    if (found != menu.end()) {
        menu.insert(std::next(found), std::move(entry));
    }
}

CMenuEntry Command(unsigned id, unsigned textId) {
    return CMenuEntry::Command(id, LoadText(textId));
}

// The call-schedule popup the older loggers have.
CMenuEntry CallSchedulePopup() {
    return CMenuEntry::Popup(LoadText(IDS_MENU_CALL_SCHEDULE),
                             {Command(ID_LOGGER_CALL_SCHEDULE, IDS_MENU_CALL_SCHEDULE_WRITE),
                              Command(ID_LOGGER_READ_CALL_SCHEDULE, IDS_MENU_CALL_SCHEDULE_READ)});
}

void ApplyCalibrationRule(CMenuEntries& loggerMenu, const CLoggerMenuConditions& conditions) {
    const auto calibration = Find(loggerMenu, IsPopupStartingWith(ID_LOGGER_SET_IDS));
    if (calibration == loggerMenu.end() || conditions.calibrationLevel == 2) {
        return;
    }
    if (conditions.calibrationLevel != 1) {
        loggerMenu.erase(calibration);
        return;
    }
    CMenuEntries& items = calibration->items;
    Remove(items, IsCommand(ID_LOGGER_SET_IDS));
    if (conditions.newProtocol) {
        for (const unsigned id : {ID_LOGGER_MEMORY_TEST, ID_LOGGER_TOGGLE_OPTION, ID_LOGGER_AUTO_CALIBRATION,
                                  ID_LOGGER_CAL_VOLT_TEMP}) {
            Remove(items, IsCommand(id));
        }
        InsertAfter(items, IsCommand(ID_LOGGER_CAL_AMP),
                    Command(ID_LOGGER_CAL_VOLT_TEMP, IDS_MENU_CAL_VOLT_TEMP));
    } else if (Find(loggerMenu, IsCommand(ID_LOGGER_CAL_VOLT_TEMP)) == loggerMenu.end()) {
        // The older loggers calibrate from the logger menu itself.
        loggerMenu.erase(calibration);
        loggerMenu.push_back(Command(ID_LOGGER_CAL_VOLT_TEMP, IDS_MENU_CAL_VOLT_TEMP_OLDER));
        loggerMenu.push_back(Command(ID_LOGGER_CAL_AMP, IDS_MENU_CAL_AMP));
        loggerMenu.push_back(Command(ID_LOGGER_SET_SCALARS, IDS_MENU_SET_SCALARS));
    }
}

// The entries a logger with Wi-Fi or a web login offers after its network settings.
void ApplyWirelessRule(CMenuEntries& connection, const CLoggerMenuConditions& conditions) {
    const auto webPassword = [] {
        return CMenuEntry::Command(ID_LOGGER_WEB_PASSWORD, "Logger Web / Mo&bile App Login Password...");
    };
    if (conditions.hasSession && conditions.loggerHasWiFi) {
        InsertAfter(connection, IsCommand(ID_LOGGER_NETWORK_INFO),
                    Command(ID_LOGGER_WIFI_INFO, IDS_MENU_WIFI_INFO));
        InsertAfter(connection, IsCommand(ID_LOGGER_WIFI_INFO), webPassword());
    } else if (conditions.hasSession && conditions.loggerHasWebLogin) {
        Remove(connection, IsCommand(ID_LOGGER_WIFI_INFO));
        InsertAfter(connection, IsCommand(ID_LOGGER_NETWORK_INFO), webPassword());
    } else {
        Remove(connection, IsCommand(ID_LOGGER_WIFI_INFO));
        Remove(connection, IsCommand(ID_LOGGER_WEB_PASSWORD));
    }
}

void ApplyConnectionRule(CMenuEntries& loggerMenu, const CLoggerMenuConditions& conditions) {
    const auto connection = Find(loggerMenu, IsPopupStartingWith(ID_PC_SETUP));
    if (conditions.newProtocol) {
        Remove(loggerMenu, IsPopupStartingWith(ID_LOGGER_CALL_SCHEDULE));
        Remove(loggerMenu, IsCommand(ID_LOGGER_SET_BAUD));
        if (connection == loggerMenu.end()) {
            return;
        }
        for (const unsigned id :
             {ID_CONNECT_MODEM, ID_ANSWER_MODE, ID_LOGGER_MODEM_STRING, ID_START_DORVANE}) {
            Remove(connection->items, IsCommand(id));
        }
        ApplyWirelessRule(connection->items, conditions);
        return;
    }
    if (Find(loggerMenu, IsPopupStartingWith(ID_LOGGER_CALL_SCHEDULE)) == loggerMenu.end()) {
        InsertAfter(loggerMenu, IsCommand(ID_LOGGER_READ_SETUP), CallSchedulePopup());
    }
    InsertAfter(loggerMenu, IsPopupStartingWith(ID_LOGGER_SET_TIME),
                Command(ID_LOGGER_SET_BAUD, IDS_MENU_SET_BAUD));
    if (connection == loggerMenu.end()) {
        return;
    }
    CMenuEntries& items = connection->items;
    InsertAfter(items, IsCommand(ID_CONNECT_DIRECT), Command(ID_CONNECT_MODEM, IDS_MENU_CONNECT_MODEM));
    InsertAfter(items, IsCommand(ID_DISCONNECT), CMenuEntry::Check(ID_ANSWER_MODE, AnswerModeLabel(false)));
    InsertAfter(items, IsCommand(ID_ANSWER_MODE), Command(ID_LOGGER_MODEM_STRING, IDS_MENU_MODEM_STRING));
    InsertAfter(items, IsCommand(ID_START_TELDRIN), CMenuEntry::Command(ID_START_DORVANE, "D&orvane"));
    Remove(items, IsCommand(ID_LOGGER_WIFI_INFO));
    Remove(items, IsCommand(ID_LOGGER_WEB_PASSWORD));
}

}  // namespace

std::string AnswerModeLabel(bool on) {
    // Upper case by the text's characters, so that an accented state word ("Arrêt") comes out whole.
    const QString state =
        platform::ToQString(LoadText(on ? IDS_MENU_ANSWER_MODE_ON : IDS_MENU_ANSWER_MODE_OFF));
    return platform::FormatLoadedText(IDS_MENU_ANSWER_MODE, {platform::FromQString(state.toUpper())});
}

bool IsLoggerMenu(const CMenuEntry& popup) {
    return popup.kind == CMenuEntry::Kind::Popup && !popup.items.empty() &&
           popup.items.front().label == LoadText(IDS_MENU_LOGGER_FIRST);
}

void ApplyLoggerMenuRule(CMenuEntries& menuBar, const CLoggerMenuConditions& conditions) {
    CMenuEntry* loggerMenu = FindEntry(menuBar, IsLoggerMenu);
    if (loggerMenu == nullptr) {
        return;
    }
    ApplyCalibrationRule(loggerMenu->items, conditions);
    ApplyConnectionRule(loggerMenu->items, conditions);
}
