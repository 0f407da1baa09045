// The windows that answer the session's real-time requests.
#pragma once

class CRegistryValues;

// Registers the runner of RealTimeWindowRequest: the text window of the link's logger, shown until
// it is closed (the main window waits meanwhile). `registry` gives the refresh count and keeps a new
// default; it outlives the runners.
void RegisterRealTimeWindows(CRegistryValues& registry);
