// The version check's fetch of a page over HTTP.
#pragma once

#include "kivo32/update/version_check.h"

// Fetches with the program's HTTP client; a file is left only after the whole page arrived.
CVersionCheck::PageFetcher HttpPageFetcher();
