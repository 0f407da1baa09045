// The production calibration window as the answer of the session's calibration request.
#pragma once

#include <string>

// Registers the runner of AutoCalibrationRequest. `calibrationFolder` (the program's setting, which
// outlives the runner) is where the window looks for the record file and what its save dialog moves.
void RegisterCalibrationWindow(std::string& calibrationFolder);
