// The setting of the setup form tests: a setup of any model opened in its form, and its controls by id.
#pragma once

#include <QComboBox>

#include "kivo32/setuprules/setup_model_rules.h"
#include "platform/ui/control_id.h"
#include "tests/kivo32/setupeditor/setup_document_fixture.h"

namespace setupeditortest {

// A setup of `model` whose channels take the model's first type that is not Off, and software channel 5
// summing when the model has one.
inline CSetupTable SetupOf(int model) {
    CSetupTable table;
    table.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    for (int channel = 0; channel < 4; ++channel) {
        const std::vector<ChannelTypeItem> items = ChannelTypeItems(model, channel);
        table.GetHardwareChannel(channel).SetType(items.size() > 1 ? static_cast<std::uint8_t>(items[1].type)
                                                                   : 0);
    }
    if (HasChannelPage(model, 4)) {
        table.GetSoftwareChannel(0).SetType(kChannelSoftware);
    }
    return table;
}

class SetupFormTest : public SetupDocumentTest {
protected:
    CSetupTableView* Open(const CSetupTable& table, std::uint16_t firmware = 0) {
        context_.SetLoggerType(table.GetModelCode());
        CSUTDoc::SetLoggerSetup(std::make_unique<CSetupTable>(table), firmware);
        CSUTDoc* document = NewDocument();
        if (document == nullptr) {
            return nullptr;
        }
        return dynamic_cast<CSetupTableView*>(document->Views().front());
    }

    template <class Control>
    static Control* Find(CSetupTableView* view, int id) {
        return platform::FindControlAs<Control>(view, id);
    }

    static std::vector<std::string> Items(QComboBox* list) {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i) {
            items.push_back(list->itemText(i).toStdString());
        }
        return items;
    }
};

}  // namespace setupeditortest
