// The windows that answer the session's real-time requests.
#pragma once

#include "kivo32/realtime/rt_graph_rules.h"

class CRegistryValues;

// Registers the runners of RealTimeWindowRequest (the window the link names, shown until it is closed;
// the main window waits meanwhile) and RealTimeSelectionRequest. `registry` gives the refresh count and
// keeps a new default; it outlives the runners. `graphSettings` keeps the graph's settings.
void RegisterRealTimeWindows(CRegistryValues& registry, RtGraphSettingsStore graphSettings);
