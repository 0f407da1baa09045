// CSetupTableView: the channel pages, built per channel type, and model 13's and 14's inputs.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "kivo32/controls/check_combo_box.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/setuprules/setup_model_rules.h"
#include "platform/base/number_text.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/setup/option_letters.h"

namespace {

// The option boxes of a page: column and list kind; the long letter set (kind 7) on models 13 and 14
// where the others take kind 0.
struct OptionBoxKind {
    int column;
    int kind;
};

std::vector<OptionBoxKind> OptionBoxesOf(int type, bool quarven) {
    const int first = quarven ? 7 : 0;
    if (type == kChannelPower || type == kChannelSoftware) {
        return {{11, first}, {12, 1}, {13, 2}, {14, 3}, {15, first}, {16, 4}};
    }
    if (type == kChannelRNDC) {
        return {{11, 5}};
    }
    return IsHardwareType(type) ? std::vector<OptionBoxKind>{{11, 0}} : std::vector<OptionBoxKind>{};
}

// The caption of a column that a type gives another meaning; 0 keeps the column's own.
unsigned CaptionFor(int type, int column) {
    if (type == kChannelPower || type == kChannelSoftware) {
        return 0;
    }
    switch (column) {
        case kColumnFirstPhase:
            return IDS_FORM_RANGE;
        case kColumnValue:
            return IDS_FORM_UNIT;
        case kColumnCTRating:
            return type == kChannelRNDC ? IDS_FORM_PULSE_SCALE : IDS_FORM_SCALE;
        case kColumnSecondCT:
            return IDS_FORM_OFFSET;
        case kColumnFirstOption:
            return IDS_FORM_RECORDED_VALUES;
        default:
            return 0;
    }
}

}  // namespace

void CSetupTableView::ApplyLoadedChannelType(int channel, int type) {
    if (widgets_.channels[channel].typeList == nullptr) {
        return;
    }
    BuildChannelPage(type, channel);
    const int section = SectionCodeFor(type, channel);
    if (section != 0 && !sections_prepared_[channel]) {
        sections_prepared_[channel] = true;
        PrepareChannelSection(section);
    }
}

void CSetupTableView::BuildChannelPage(int type, int channel) {
    ChannelPageWidgets& page = widgets_.channels.at(channel);
    if (page.typeList == nullptr || page_types_[channel] == type) {
        return;
    }
    page_types_[channel] = type;
    if (type == kChannelOff) {
        ShowChannelGroup(channel, false);
        return;
    }
    const std::vector<OptionBoxKind> boxes = OptionBoxesOf(type, Model() >= 13);
    const ControlIdTables& cells = PageCells(Model(), tables_);
    for (int column = kColumnFirstOption; column < kColumnFirstOption + kOptionColumns; ++column) {
        delete page.controls[column];
        page.controls[column] = nullptr;
    }
    for (const OptionBoxKind& box : boxes) {
        const int id = cells.GetValueControlId(channel, box.column);
        if (id > 0) {
            page.controls[box.column] = new CCheckComboBox(*this, id, box.kind, page.group);
            platform::SetControlId(page.controls[box.column], id);
            page.grid->addWidget(page.controls[box.column], box.column + 1, 1);
        }
    }
    SetChannelCaptions(channel, type);
    ShowChannelGroup(channel, true);
}

void CSetupTableView::SetChannelCaptions(int channel, int type) {
    ChannelPageWidgets& page = widgets_.channels[channel];
    for (int column = 0; column < kSetupColumns; ++column) {
        if (QLabel* caption = page.captions[column]) {
            const unsigned text = CaptionFor(type, column);
            caption->setText(
                platform::ToQString(LoadText(text != 0 ? text : IDS_FORM_COLUMN_FIRST + column)));
        }
    }
}

void CSetupTableView::ShowChannelGroup(int channel, bool show) {
    ChannelPageWidgets& page = widgets_.channels.at(channel);
    for (int column = 0; column < kSetupColumns; ++column) {
        for (QWidget* widget : {static_cast<QWidget*>(page.captions[column]), page.controls[column]}) {
            if (widget != nullptr) {
                widget->setVisible(show);
            }
        }
    }
}

void CSetupTableView::LoadInputsFromSetup() {
    const CSetupTable& table = Table();
    if (Model() == kModelQuarvenKX) {
        for (int input = 0; input < kAnalogChannels; ++input) {
            const CSUTChannelAnalog& record = table.GetAnalogChannel(input);
            const int type = record.GetType();
            Find<QComboBox>(kAnalogRangeIds[input])->setCurrentIndex(IsAnalogType(type) ? type - 14 : 0);
            const int step = input * IDC_ANALOG_ROW_STEP;
            // An input that is off shows no fields.
            for (const int id : kAnalogFieldIds) {
                Find<QWidget>(id + step)->setVisible(IsAnalogType(type));
            }
            const auto set = [&](int id, const std::string& text) {
                Find<QLineEdit>(id + step)->setText(platform::ToQString(text));
            };
            set(IDC_ANALOG_LABEL, record.GetName());
            set(IDC_ANALOG_F1, FloatToSignificantText(record.GetLowSensor(), 5));
            set(IDC_ANALOG_F2, FloatToSignificantText(record.GetLowOutput(), 5));
            set(IDC_ANALOG_F3, FloatToSignificantText(record.GetHighSensor(), 5));
            set(IDC_ANALOG_F4, FloatToSignificantText(record.GetHighOutput(), 5));
            set(IDC_ANALOG_UNIT, record.GetUnits());
            set(IDC_ANALOG_OPTIONS, MaskToLettersANXI(record.GetOptions()));
        }
    } else if (Model() == kModelQuarvenRS) {
        for (int input = 0; input < kPulseChannels; ++input) {
            const CSUTChannelPulse& record = table.GetPulseChannel(input);
            const bool on = record.GetType() != 0;
            Find<QComboBox>(kPulseOnIds[input])->setCurrentIndex(on ? 1 : 0);
            for (const int id : {kPulseLabelIds[input], kPulseChannelIds[input], kPulseKindIds[input],
                                 kPulseScaleIds[input]}) {
                Find<QWidget>(id)->setVisible(on);
            }
            if (!on) {
                continue;
            }
            Find<QLineEdit>(kPulseLabelIds[input])->setText(platform::ToQString(record.GetName()));
            auto* related = Find<QComboBox>(kPulseChannelIds[input]);
            const QString number = QString::number(record.GetPowerChannel());
            if (related->findText(number) < 0) {
                related->addItem(number);
            }
            related->setCurrentIndex(related->findText(number));
            // Kinds in list order: kWh, kVARh, kVAh.
            const int kinds[] = {kChannelPulseKWh, kChannelPulseKVARh, kChannelPulseKVAh};
            for (int item = 0; item < 3; ++item) {
                if (record.GetType() == kinds[item]) {
                    Find<QComboBox>(kPulseKindIds[input])->setCurrentIndex(item);
                }
            }
            Find<QLineEdit>(kPulseScaleIds[input])
                ->setText(platform::ToQString(
                    platform::StringPrintf("%f", static_cast<double>(record.GetScale()))));
        }
    }
}
