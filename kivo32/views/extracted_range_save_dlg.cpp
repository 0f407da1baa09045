// CExtractedRangeSaveDlg: save the data of an extracted range, or close without saving.
#include "kivo32/views/extracted_range_save_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "kivo32/views/views_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

CExtractedRangeSaveDlg::CExtractedRangeSaveDlg(const std::string& name, QWidget* parent)
    : platform::Dialog(parent),
      save_(new QRadioButton(platform::ToQString(LoadText(IDS_EXTRACTED_SAVE_CHOICE)), this)),
      close_(new QRadioButton(platform::ToQString(LoadText(IDS_EXTRACTED_CLOSE_CHOICE)), this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_EXTRACTED_SAVE_TITLE)));
    auto* prompt =
        new QLabel(platform::ToQString(platform::FormatLoadedText(IDS_EXTRACTED_SAVE_PROMPT, {name})), this);
    prompt->setWordWrap(true);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(save_);
    layout->addWidget(close_);
    layout->addWidget(buttons);
}

void CExtractedRangeSaveDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeRadio(exchange, {save_, close_}, choice_index_);
    choice_ = choice_index_ + 1;
}
