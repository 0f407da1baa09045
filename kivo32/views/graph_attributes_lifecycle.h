// The graph attributes at the program's start and exit, and after the graph options dialog.
#pragma once

#include <string>

#include "kivo32/views/graph_object_attributes.h"

// At start: the file with every switch taken; on default attributes the defaults, keeping the loaded
// show switches and annotation; then a snapshot of what is in use.
void LoadGraphAttributesAtStart(CGraphObjectAttributes& attributes);

// At exit (only when the user data folder was set up): on default attributes the file's own values
// come back except those the run changed from their defaults; then the file is saved.
bool SaveGraphAttributesAtExit(CGraphObjectAttributes& attributes);

// What the graph options dialog hands back.
struct GraphOptionsChoice {
    int showDataCursor = 0;
    int showDataPoints = 0;
    int showAnalysisValues = 0;
    int useDefaultAttributes = 1;
    std::string annotation;

    bool operator==(const GraphOptionsChoice&) const = default;
};

// The choice as the attributes hold it now.
GraphOptionsChoice CurrentGraphOptions(const CGraphObjectAttributes& attributes);

// Applies the user's choice: to own attributes the file is reloaded; to defaults the file is saved
// first and the defaults follow. The choice itself always stays. True when open graphs must be rebuilt.
bool ApplyGraphOptions(CGraphObjectAttributes& attributes, const GraphOptionsChoice& choice);
