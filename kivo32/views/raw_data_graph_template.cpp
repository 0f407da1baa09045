// The data-graph document template.
#include "kivo32/views/raw_data_graph_template.h"

#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_graph_view.h"
#include "platform/ui/child_frame.h"

std::unique_ptr<platform::DocTemplate> MakeRawDataGraphTemplate(CGraphObjectAttributes& attributes) {
    return std::make_unique<platform::DocTemplate>(
        kRawDataGraphTemplateId, [] { return std::make_unique<CRawDataDoc>(); },
        [] { return new platform::ChildFrame; }, [&attributes] { return new CRawDataGraphView(attributes); });
}
