// The data-grid document template: a data file opens as CRawDataDoc shown in CRawDataView.
#include "kivo32/views/raw_data_template.h"

#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/ui/child_frame.h"

std::unique_ptr<platform::DocTemplate> MakeRawDataTemplate() {
    return std::make_unique<platform::DocTemplate>(
        kRawDataTemplateId, [] { return std::make_unique<CRawDataDoc>(); },
        [] { return new platform::ChildFrame; }, [] { return new CRawDataView; });
}
