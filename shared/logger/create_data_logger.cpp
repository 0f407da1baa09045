// Making the logger object of a type code.
#include "shared/logger/create_data_logger.h"

#include "shared/logger/data_logger_nimbo.h"
#include "shared/logger/data_logger_ornat.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/data_logger_standard.h"
#include "shared/setup/setup_codes.h"

std::unique_ptr<CDataLogger> CreateDataLogger(CConnection* connection, int typeCode) {
    if (typeCode == kModelStandard) {
        return std::make_unique<CDataLoggerStandard>(connection, typeCode);
    }
    if (typeCode >= kModelOrnatFirst && typeCode <= kModelOrnatLast) {
        return std::make_unique<CDataLoggerOrnat>(connection, typeCode);
    }
    if (typeCode >= kModelBrelanFirst && typeCode <= kModelBrelanLast) {
        return std::make_unique<CDataLoggerNimbo>(connection, typeCode);
    }
    if (typeCode == kModelQuarvenRS || typeCode == kModelQuarvenKX) {
        return std::make_unique<CDataLoggerQuarvenRSorKX>(connection, typeCode);
    }
    return nullptr;
}
