// The graph attributes at the program's start and exit, and after the graph options dialog.
#include "kivo32/views/graph_attributes_lifecycle.h"

namespace {

void PutBack(CGraphObjectAttributes& attributes, const GraphOptionsChoice& kept) {
    attributes.showDataCursor = kept.showDataCursor;
    attributes.showDataPoints = kept.showDataPoints;
    attributes.showAnalysisValues = kept.showAnalysisValues;
    attributes.useDefaultAttributes = kept.useDefaultAttributes;
    attributes.annotation = kept.annotation;
}

}  // namespace

GraphOptionsChoice CurrentGraphOptions(const CGraphObjectAttributes& attributes) {
    return {attributes.showDataCursor, attributes.showDataPoints, attributes.showAnalysisValues,
            attributes.useDefaultAttributes, attributes.annotation};
}

void LoadGraphAttributesAtStart(CGraphObjectAttributes& attributes) {
    attributes.LoadGOAttributes(true, true, true, true);
    if (attributes.useDefaultAttributes == 1) {
        const GraphOptionsChoice loaded = CurrentGraphOptions(attributes);
        attributes.SetDefaultAttributes(true, true, true, true);
        PutBack(attributes, loaded);
    }
    attributes.TakeSnapshot();
}

bool SaveGraphAttributesAtExit(CGraphObjectAttributes& attributes) {
    const GraphOptionsChoice kept = CurrentGraphOptions(attributes);
    if (attributes.useDefaultAttributes == 1) {
        attributes.TakeSnapshot();
        attributes.LoadGOAttributes(false, false, false, true);
        PutBack(attributes, kept);
        attributes.RestoreSnapshot();
    }
    return attributes.SaveGOAttributes();
}

bool ApplyGraphOptions(CGraphObjectAttributes& attributes, const GraphOptionsChoice& choice) {
    const GraphOptionsChoice before = CurrentGraphOptions(attributes);
    PutBack(attributes, choice);
    const bool toOwn = before.useDefaultAttributes == 1 && choice.useDefaultAttributes == 0;
    const bool toDefaults = before.useDefaultAttributes != 1 && choice.useDefaultAttributes == 1;
    if (toOwn) {
        attributes.LoadGOAttributes(false, false, false, true);
    } else if (toDefaults) {
        attributes.SaveGOAttributes();
        attributes.SetDefaultAttributes(true, false, false, true);
    }
    // The reload and the defaults would drop what the user just chose.
    PutBack(attributes, choice);
    return toOwn || toDefaults || !(before == choice);
}
