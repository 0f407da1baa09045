// CGetDocTypeDlg: asks which kind of document File New makes or File Open opens.
#pragma once

#include <vector>

#include "platform/ui/dialog.h"

class QListWidget;

namespace platform {
class DocTemplate;
}

class CGetDocTypeDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int IDC_DOC_TYPE_LIST = 1146;
    static constexpr int IDC_DOC_TYPE_LABEL = 1147;

    // The kinds File New (`newDocument`) or File Open offers of `templates`, in their order: every
    // template with a name in the list, except the load-profile and analysis kinds; the graph is made
    // new only without a file type and opened only with one.
    static std::vector<platform::DocTemplate*> Choices(const std::vector<platform::DocTemplate*>& templates,
                                                       bool newDocument);

    // Lists `choices` (Choices' result) with the first selected.
    CGetDocTypeDlg(std::vector<platform::DocTemplate*> choices, bool newDocument, QWidget* parent = nullptr);

    // The selected kind: the first until the user chooses another.
    platform::DocTemplate* ChosenTemplate() const { return chosen_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::vector<platform::DocTemplate*> choices_;
    platform::DocTemplate* chosen_;
    QListWidget* list_;
};
