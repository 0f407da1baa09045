// Making the logger object of a type code.
#pragma once

#include <memory>

#include "shared/logger/data_logger.h"

// The model object that serves `typeCode` through `connection`; nullptr for a code without one
// (11, 12 and any code outside 0-10, 13 and 14).
std::unique_ptr<CDataLogger> CreateDataLogger(CConnection* connection, int typeCode);
