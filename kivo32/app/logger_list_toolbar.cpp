#include "kivo32/app/logger_list_toolbar.h"

#include <QApplication>
#include <QStyle>

#include "kivo32/app/main_frame_ids.h"
#include "kivo32/app/toolbar_images.h"
#include "platform/base/program_texts.h"
#include "platform/ui/ui_ids.h"
#include "shared/controls/logger_list_ids.h"

std::vector<CFlatToolBar::Button> LoggerListToolBar() {
    const LoggerListCommandIds ids;
    QStyle* style = QApplication::style();
    const auto icon = [style](QStyle::StandardPixmap pixmap) { return style->standardIcon(pixmap); };
    return {
        {ID_FILE_SAVE, DrawToolbarImage(CToolbarImage::Save), LoadText(IDS_MENU_SAVE)},
        {},
        {ids.add, icon(QStyle::SP_FileIcon), LoadText(IDS_LIST_ADD)},
        {ids.remove, icon(QStyle::SP_TrashIcon), LoadText(IDS_LIST_DELETE)},
        {ids.copy, icon(QStyle::SP_FileLinkIcon), LoadText(IDS_LIST_COPY)},
        {ids.paste, icon(QStyle::SP_DialogApplyButton), LoadText(IDS_LIST_PASTE)},
        {ids.moveUp, icon(QStyle::SP_ArrowUp), LoadText(IDS_LIST_UP)},
        {ids.moveDown, icon(QStyle::SP_ArrowDown), LoadText(IDS_LIST_DOWN)},
    };
}
