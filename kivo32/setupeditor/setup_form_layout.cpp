// Building the setup form's widgets.
#include "kivo32/setupeditor/setup_form_layout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <utility>

#include "kivo32/setupeditor/form_controls.h"
#include "kivo32/setupeditor/option_letters_validator.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setupeditor/wheel_guard.h"
#include "kivo32/setuprules/setup_model_rules.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/tool_tip_delay.h"
#include "shared/setup/channel_names.h"
#include "shared/setup/option_letters.h"
#include "shared/setup/setup_codes.h"

namespace {

QLabel* Caption(QWidget* parent, unsigned textId, int id = 0) {
    auto* label = new QLabel(platform::ToQString(LoadText(textId)), parent);
    if (id != 0) {
        platform::SetControlId(label, id);
    }
    return label;
}

// Shows and hides a caption with its field, for fields that are shown and hidden by their ids alone.
class CaptionFollower : public QObject {
public:
    CaptionFollower(QLabel* caption, QWidget* field) : QObject(field), caption_(caption) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
            caption_->setVisible(event->type() == QEvent::ShowToParent);
        }
        return false;
    }

private:
    QLabel* caption_;
};

// A caption that names `field` (its buddy) and comes and goes with it.
QLabel* CaptionOf(QWidget* parent, unsigned textId, QWidget* field) {
    QLabel* caption = Caption(parent, textId);
    caption->setBuddy(field);
    new CaptionFollower(caption, field);
    return caption;
}

QLineEdit* Edit(QWidget* parent, int id, int limit) {
    auto* edit = WithId(new QLineEdit(parent), id);
    edit->setMaxLength(limit);
    return edit;
}

// Six two-digit fields (month, day, year, hour, minute, second) with their date label, an up-down control
// after the date and one after the time.
QWidget* TimeFields(QWidget* parent, const int (&ids)[6], const int (&spinIds)[2], int labelId) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Caption(box, IDS_FORM_TIME_LABEL, labelId));
    for (int field = 0; field < 6; ++field) {
        if (field == 3) {
            row->addSpacing(12);
        }
        QLineEdit* edit = Edit(box, ids[field], 2);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("000") + 12);
        row->addWidget(edit);
        if (field == 2 || field == 5) {
            auto* spin = WithId(new QScrollBar(Qt::Vertical, box), spinIds[field / 3]);
            spin->setFixedHeight(edit->sizeHint().height());
            row->addWidget(spin);
        }
    }
    row->addStretch();
    return box;
}

QWidget* RadioRow(QWidget* parent, std::initializer_list<std::pair<int, unsigned>> buttons) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(box);
    for (const auto& [id, text] : buttons) {
        auto* radio = WithId(new QRadioButton(platform::ToQString(LoadText(text)), box), id);
        group->addButton(radio);
        row->addWidget(radio);
    }
    row->addStretch();
    return box;
}

// The buttons that load the ready-made setups of the four wirings.
QWidget* DefaultSetupButtons(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    const char* wirings[] = {"1P2W", "1P3W", "3P3W", "3P4W"};
    for (int button = 0; button < 4; ++button) {
        row->addWidget(WithId(new QPushButton(wirings[button], box), kDefaultSetupButtonIds[button]));
    }
    auto* picture = WithId(new QPushButton(TextOf(IDS_FORM_WIRING_PICTURE), box), ID_SUT_WIRING_PICTURE);
    picture->hide();
    row->addWidget(picture);
    row->addStretch();
    return box;
}

// A program-the-logger button, in bold as the page's main action.
QPushButton* ProgramButton(QWidget* parent, unsigned command) {
    auto* button =
        WithId(new QPushButton(TextOf(IDS_FORM_PROGRAM_LOGGER), parent), static_cast<int>(command));
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    return button;
}

QGroupBox* GeneralPage(QWidget* content, int model) {
    auto* group =
        WithId(new QGroupBox(platform::ToQString(LoadText(IDS_FORM_GENERAL)), content), IDC_HEADING_GENERAL);
    auto* grid = new QGridLayout(group);
    int row = 0;
    const auto addRow = [&](unsigned caption, QWidget* control) {
        grid->addWidget(Caption(group, caption), row, 0);
        grid->addWidget(control, row++, 1);
    };
    addRow(IDS_FORM_TITLE, Edit(group, IDC_FORM_TITLE, 80));
    addRow(IDS_FORM_SETUP_NAME, Edit(group, IDC_FORM_SETUP_NAME, 20));
    grid->addWidget(ProgramButton(group, ID_SUT_PROGRAM_FROM_FORM), row++, 1, Qt::AlignLeft);
    if (ShowsLineFrequencyList(model)) {
        addRow(IDS_FORM_LINE_FREQUENCY, WithId(new QComboBox(group), IDC_FORM_LINE_FREQUENCY));
    }
    addRow(IDS_FORM_INTERVAL,
           WithId(new QComboBox(group), model == 0 ? IDC_FORM_INTERVAL_STANDARD : IDC_FORM_INTERVAL));
    if (ShowsMinutesList(model)) {
        auto* minutes = WithId(new QComboBox(group), IDC_FORM_DEMAND_MINUTES);
        for (const int value : DemandMinutesChoices()) {
            minutes->addItem(QString::number(value), value);
        }
        addRow(IDS_FORM_DEMAND_MINUTES, minutes);
    }
    if (ListIndexFromType(model, 0, kChannelPower) > 0) {
        addRow(IDS_FORM_DEFAULT_SETUPS, DefaultSetupButtons(group));
    }
    addRow(IDS_FORM_START, RadioRow(group, {{IDC_FORM_START_AT_ONCE, IDS_FORM_START_AT_ONCE},
                                            {IDC_FORM_START_AT_TIME, IDS_FORM_START_AT_TIME}}));
    grid->addWidget(TimeFields(group, kStartFieldIds, kStartSpinIds, IDC_FORM_START_DATE_LABEL), row++, 1);
    addRow(IDS_FORM_STOP, RadioRow(group, {{IDC_FORM_STOP_RING, IDS_FORM_STOP_RING},
                                           {IDC_FORM_STOP_LINEAR, IDS_FORM_STOP_LINEAR},
                                           {IDC_FORM_STOP_AT_TIME, IDS_FORM_STOP_AT_TIME}}));
    grid->addWidget(TimeFields(group, kStopFieldIds, kStopSpinIds, IDC_FORM_STOP_DATE_LABEL), row++, 1);
    if (ListIndexFromType(model, 0, kChannelPower) > 0) {
        grid->addWidget(WithId(new QCheckBox(TextOf(IDS_FORM_ALL_AVERAGES), group), IDC_FORM_ALL_AVERAGES),
                        row++, 1);
    }
    addRow(IDS_FORM_MEMORY, WithId(new QLabel(group), IDC_FORM_MEMORY_TIME));
    if (model < 13) {
        grid->addWidget(WithId(new QLabel(group), IDC_FORM_MEMORY_TIME_LARGE), row++, 1);
    }
    grid->addWidget(ProgramButton(group, ID_SUT_PROGRAM_FROM_FORM_FOOT), row++, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* ColumnControl(QWidget* parent, int column, int id) {
    switch (column) {
        case kColumnFirstPhase:
        case kColumnSecondPhase:
        case kColumnCTKind:
            return WithId(new QComboBox(parent), id);
        case 1:
        case 2:
        case 3:
        case 4:
            return WithId(new QCheckBox(QString::number(column), parent), id);
        default:
            return column >= kColumnFirstOption && column < kColumnNote ? nullptr : Edit(parent, id, 80);
    }
}

ChannelPageWidgets ChannelPage(QWidget* content, int model, int channel, const ControlIdTables& cells) {
    ChannelPageWidgets page;
    page.group = new QGroupBox(
        platform::ToQString(platform::FormatLoadedText(IDS_FORM_CHANNEL, {std::to_string(channel + 1)})),
        content);
    page.grid = new QGridLayout(page.group);
    page.typeList = WithId(new QComboBox(page.group), kTypeListIds[channel]);
    for (const ChannelTypeItem& item : ChannelTypeItems(model, channel)) {
        page.typeList->addItem(platform::ToQString(item.text), item.type);
    }
    page.grid->addWidget(Caption(page.group, IDS_FORM_TYPE), 0, 0);
    page.grid->addWidget(page.typeList, 0, 1);
    for (const int column : cells.Columns(channel)) {
        const int row = column + 1;
        page.captions[column] =
            Caption(page.group, IDS_FORM_COLUMN_FIRST + column, cells.GetCaptionId(channel, column));
        page.controls[column] = ColumnControl(page.group, column, cells.GetValueControlId(channel, column));
        page.grid->addWidget(page.captions[column], row, 0);
        if (page.controls[column] != nullptr) {
            page.grid->addWidget(page.controls[column], row, 1);
        }
    }
    page.grid->setColumnStretch(1, 1);
    return page;
}

QGroupBox* PulseInputs(QWidget* content) {
    auto* group = WithId(new QGroupBox(TextOf(IDS_FORM_PULSE_INPUTS), content), IDC_HEADING_PULSE);
    auto* grid = new QGridLayout(group);
    for (int input = 0; input < 2; ++input) {
        const int column = input * 2;
        grid->addWidget(new QLabel(platform::ToQString(platform::FormatLoadedText(
                                       IDS_FORM_PULSE_INPUT, {std::to_string(input + 1)})),
                                   group),
                        0, column);
        auto* on = WithId(new QComboBox(group), kPulseOnIds[input]);
        on->addItems({platform::ToQString(LoadText(9243)), platform::ToQString(LoadText(IDS_FORM_ON))});
        grid->addWidget(on, 0, column + 1);
        auto* kind = WithId(new QComboBox(group), kPulseKindIds[input]);
        for (unsigned text = IDS_FORM_PULSE_KINDS; text < IDS_FORM_PULSE_KINDS + 3; ++text) {
            kind->addItem(platform::ToQString(LoadText(text)));
        }
        const std::pair<unsigned, QWidget*> fields[] = {
            {IDS_FORM_COLUMN_FIRST + kColumnLabel, Edit(group, kPulseLabelIds[input], 20)},
            {IDS_FORM_PULSE_POWER_CHANNEL, WithId(new QComboBox(group), kPulseChannelIds[input])},
            {IDS_FORM_TYPE, kind},
            {IDS_FORM_PULSE_SCALE, Edit(group, kPulseScaleIds[input], 35)}};
        int row = 1;
        for (const auto& [caption, field] : fields) {
            grid->addWidget(CaptionOf(group, caption, field), row, column);
            grid->addWidget(field, row++, column + 1);
        }
    }
    return group;
}

QGroupBox* AnalogInputs(QWidget* content) {
    auto* group = WithId(new QGroupBox(TextOf(IDS_FORM_ANALOG_INPUTS), content), IDC_HEADING_ANALOG);
    auto* grid = new QGridLayout(group);
    for (int field = 0; field < 7; ++field) {
        grid->addWidget(Caption(group, IDS_FORM_ANALOG_FIELDS + field), 0, field + 2);
    }
    for (int input = 0; input < 4; ++input) {
        const int offset = input * IDC_ANALOG_ROW_STEP;
        grid->addWidget(new QLabel(platform::ToQString(platform::FormatLoadedText(
                                       IDS_FORM_ANALOG_INPUT, {std::to_string(input + 1)})),
                                   group),
                        input + 1, 0);
        auto* range = WithId(new QComboBox(group), kAnalogRangeIds[input]);
        range->addItem(platform::ToQString(LoadText(9243)), 0);
        for (int type = 15; type <= 17; ++type) {
            range->addItem(platform::ToQString(GetAnalogRangeName(type)), type);
        }
        grid->addWidget(range, input + 1, 1);
        for (int field = 0; field < 7; ++field) {
            QLineEdit* edit =
                Edit(group, kAnalogFieldIds[field] + offset, field == 0 || field == 5 ? 20 : 35);
            if (kAnalogFieldIds[field] == IDC_ANALOG_OPTIONS) {
                // The option byte holds the letters of A, N, X and I only.
                edit->setValidator(new OptionLettersValidator(
                    QString::fromLatin1(MaskToLettersANXI(0x0F)).remove(','), edit));
            }
            grid->addWidget(edit, input + 1, field + 2);
        }
    }
    return group;
}

// Tips on the boxes whose meaning is not plain from their caption.
void AddFormToolTips(QWidget* content) {
    const QString secondValueTip = TextOf(IDS_FORM_SECOND_VALUE_TIP);
    for (const int id : {2125, 2146, 2153, 2173}) {
        if (auto* box = platform::FindControlAs<QWidget>(content, id)) {
            box->setToolTip(secondValueTip);
        }
    }
    if (auto* averages = platform::FindControlAs<QWidget>(content, IDC_FORM_ALL_AVERAGES)) {
        averages->setToolTip(TextOf(IDS_FORM_ALL_AVERAGES_TIP));
    }
    platform::SetToolTipDelay(content, kFormToolTipDelayMs);
}

}  // namespace

const ControlIdTables& PageCells(int model, const ControlIdTables& tables) {
    static const ControlIdTables power = FillControlIdTables(2);
    return tables.hardwareColumns.empty() && (model == 0 || model == 1) ? power : tables;
}

SetupFormWidgets BuildSetupFormWidgets(QWidget* content, int model, const ControlIdTables& tables) {
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(GeneralPage(content, model));
    SetupFormWidgets widgets;
    const ControlIdTables& cells = PageCells(model, tables);
    for (int channel = 0; channel < 6; ++channel) {
        if (!HasChannelPage(model, channel)) {
            continue;
        }
        widgets.channels[channel] = ChannelPage(content, model, channel, cells);
        layout->addWidget(widgets.channels[channel].group);
    }
    if (model == 13) {
        widgets.pulseInputs = PulseInputs(content);
        layout->addWidget(widgets.pulseInputs);
    } else if (model == 14) {
        widgets.analogInputs = AnalogInputs(content);
        layout->addWidget(widgets.analogInputs);
    }
    layout->addStretch();
    AddFormToolTips(content);
    KeepWheelOffUnfocusedChoices(content);
    return widgets;
}
