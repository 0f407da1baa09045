#include "kivo32/app/view_toolbars.h"

#include <QApplication>
#include <QStyle>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/main_frame_ids.h"
#include "kivo32/app/main_menu.h"
#include "kivo32/app/toolbar_images.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/views/view_toolbar.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/ui_ids.h"
#include "shared/controls/logger_list_ids.h"

namespace {

// The views' toolbars, as bits: a button belongs to each toolbar whose bit it carries.
enum ToolBarBit : unsigned {
    kGrid = 1,
    kCopy = 2,  // a data grid over a temporary copy
    kGraph = 4,
    kList = 8,
    kSetup = 16,
};

unsigned BitOf(int toolbarId) {
    switch (toolbarId) {
        case kDataGridToolBar:
            return kGrid;
        case kTemporaryDataToolBar:
            return kCopy;
        case kDataGraphToolBar:
            return kGraph;
        case kLoggerListToolBar:
            return kList;
        case kSetupToolBar:
            return kSetup;
        default:
            return 0;
    }
}

// A button: the toolbars it is on, its command (0 a separator), its tip, and a drawn image or else one
// of the style's.
struct ToolRow {
    unsigned toolbars = 0;
    unsigned command = 0;
    unsigned textId = 0;
    CToolbarImage drawn = CToolbarImage::None;
    QStyle::StandardPixmap standard = QStyle::SP_CustomBase;
};

using Image = CToolbarImage;

constexpr ToolRow Drawn(unsigned toolbars, unsigned command, unsigned textId, Image image) {
    return {toolbars, command, textId, image};
}
constexpr ToolRow Styled(unsigned toolbars, unsigned command, unsigned textId,
                         QStyle::StandardPixmap pixmap) {
    return {toolbars, command, textId, Image::None, pixmap};
}
constexpr ToolRow Separator(unsigned toolbars) {
    return {toolbars};
}

constexpr LoggerListCommandIds kListCommands{};

// Every view's buttons in one table, in toolbar order. A temporary copy is saved under a name of the
// user's (Save, where a data file has Save As) and is not extracted from again.
constexpr ToolRow kRows[] = {
    Drawn(kGrid, ID_FILE_SAVE_AS, IDS_MENU_FILE_SAVE_AS, Image::Save),
    Drawn(kCopy | kList | kSetup, ID_FILE_SAVE, IDS_MENU_SAVE, Image::Save),
    Drawn(kGrid | kCopy | kGraph | kSetup, ID_FILE_PRINT, IDS_MENU_PRINT, Image::Print),
    Styled(kGraph, ID_LOAD_PROFILE_GRAPH_PICTURE, IDS_MENU_LP_PICTURE, QStyle::SP_DialogSaveButton),
    Separator(kGrid | kCopy | kGraph | kList | kSetup),
    Styled(kGrid | kCopy, ID_GRID_GRAPH_COLUMN, IDS_MENU_GRAPH_COLUMN, QStyle::SP_FileDialogContentsView),
    Styled(kGrid, ID_GRID_EXTRACT_BY_DATE, IDS_MENU_EXTRACT_BY_DATE, QStyle::SP_FileDialogDetailedView),
    Styled(kGrid, ID_GRID_EXTRACT_BY_RECORD, IDS_MENU_EXTRACT_BY_RECORD, QStyle::SP_FileDialogListView),
    Separator(kGrid | kCopy),
    Styled(kGrid | kCopy, ID_LOAD_PROFILE_TABLE, IDS_MENU_LP_TABLE, QStyle::SP_FileDialogInfoView),
    Styled(kGrid | kCopy, ID_LOAD_PROFILE_GRAPH, IDS_MENU_LP_GRAPH, QStyle::SP_DesktopIcon),
    Styled(kGrid | kCopy, ID_GRID_FILE_SUMMARY, IDS_MENU_FILE_SUMMARY, QStyle::SP_MessageBoxInformation),
    Styled(kGraph, ID_GRAPH_OPTIONS, IDS_MENU_GRAPH_OPTIONS, QStyle::SP_FileDialogDetailedView),
    Styled(kGraph, ID_GRAPHING_KEYS_HELP, IDS_MENU_GRAPHING_KEYS, QStyle::SP_DialogHelpButton),
    Styled(kList, kListCommands.add, IDS_LIST_ADD, QStyle::SP_FileIcon),
    Styled(kList, kListCommands.remove, IDS_LIST_DELETE, QStyle::SP_TrashIcon),
    Styled(kList, kListCommands.copy, IDS_LIST_COPY, QStyle::SP_FileLinkIcon),
    Styled(kList, kListCommands.paste, IDS_LIST_PASTE, QStyle::SP_DialogApplyButton),
    Styled(kList, kListCommands.moveUp, IDS_LIST_UP, QStyle::SP_ArrowUp),
    Styled(kList, kListCommands.moveDown, IDS_LIST_DOWN, QStyle::SP_ArrowDown),
    // A setup table is programmed into a logger once one is connected.
    Drawn(kSetup, ID_CONNECT_DIRECT, IDS_MENU_CONNECT_DIRECT, Image::ConnectDirect),
    Drawn(kSetup, ID_DISCONNECT, IDS_MENU_DISCONNECT, Image::Disconnect),
    Drawn(kSetup, ID_LOGGER_PROGRAM, IDS_MENU_PROGRAM, Image::Program),
};

std::vector<CFlatToolBar::Button> MainToolBarButtons() {
    std::vector<CFlatToolBar::Button> buttons;
    for (const CMainMenuCommand& command : MainToolbarButtons()) {
        buttons.push_back({command.id, DrawToolbarImage(command.image),
                           command.textId != 0 ? LoadText(command.textId) : std::string()});
    }
    return buttons;
}

}  // namespace

std::vector<CFlatToolBar::Button> ToolBarButtons(int toolbarId) {
    const unsigned bit = BitOf(toolbarId);
    if (bit == 0) {
        return MainToolBarButtons();
    }
    QStyle* style = QApplication::style();
    std::vector<CFlatToolBar::Button> buttons;
    for (const ToolRow& row : kRows) {
        if ((row.toolbars & bit) == 0) {
            continue;
        }
        if (row.command == 0) {
            buttons.emplace_back();
        } else {
            const QIcon image =
                row.drawn != Image::None ? DrawToolbarImage(row.drawn) : style->standardIcon(row.standard);
            buttons.push_back({row.command, image, LoadText(row.textId)});
        }
    }
    return buttons;
}
