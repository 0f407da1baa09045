// CSUTTypeHelp: the help box of the model list.
#include "kivo32/setupeditor/sut_type_help.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

CSUTTypeHelp::CSUTTypeHelp(QWidget* parent) : platform::Dialog(parent) {
    setWindowTitle(platform::ToQString(LoadText(IDS_SUT_TYPE_HELP_TITLE)));
    auto* icon = new QLabel(this);
    platform::SetControlId(icon, IDC_SUT_TYPE_HELP_ICON);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(size, size));
    auto* text = new QLabel(platform::ToQString(LoadText(IDS_SUT_TYPE_HELP_TEXT)), this);
    text->setWordWrap(true);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this, false);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}
