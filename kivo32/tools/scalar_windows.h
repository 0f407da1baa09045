// The scalar, calibration and logger-ID windows as the answers of the session's requests.
#pragma once

#include "kivo32/tools/scalar_calibration_dlgs.h"

// Registers the runners; `links` reach the application while a window waits for the logger.
void RegisterScalarWindows(const ScalarWindowLinks& links);
