// The plan of a download of new data: from the old file's facts to the step and its questions.
#include "shared/logger/new_data_plan.h"

#include "shared/datafile/data_info.h"
#include "shared/datafile/raw_data.h"
#include "shared/logger/data_logger.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

NewDataPlan PlanNewDataRead(const NewDataFile& file) {
    if (!file.sameSetup) {
        return {NewDataStep::Stop, NewDataQuestion::SetupMismatch};
    }
    if (file.converted) {
        return {NewDataStep::FindByTimeMark, NewDataQuestion::ConvertedFile};
    }
    if (file.position == 0 || file.timeMark == 0) {
        return {NewDataStep::Stop, NewDataQuestion::NoPointToGoOn};
    }
    return {NewDataStep::ReadOn, NewDataQuestion::None, file.position, file.timeMark};
}

std::optional<NewDataFile> ReadNewDataFile(CDataLogger& logger, const std::filesystem::path& path) {
    if (CSUTInfo* active = logger.GetSUTInfo(1)) {
        active->channelsValid = false;
    }
    CRawData file;
    if (!logger.ReadSetupHeader(1) || !logger.ReadSetupBlocks(1) || logger.GetSUTInfo(1) == nullptr ||
        !logger.GetSUTInfo(1)->setupTable || !file.Initialize() || !file.OpenDataFile(path)) {
        return std::nullopt;
    }
    const CDataInfo& info = *file.GetDataInfo();
    const CFileHeader& header = *file.GetFileHeader();
    NewDataFile facts;
    facts.sameSetup = file.GetSetupTable()->IsLoggingCompatible(*logger.GetSUTInfo(1)->setupTable);
    facts.converted = info.GetIdText() == kConvertedMarker;
    facts.position = info.GetLoggerMemoryPosition();
    facts.timeMark = info.GetLastRecordTimeMark();
    facts.flags = header.GetFlags();
    facts.recordCount = file.GetRecordCount();
    facts.lastRecordStamp = header.GetLastRecordStamp();
    facts.lastRecordSeconds = header.GetLastRecordSeconds();
    file.CloseDataFile();
    return facts;
}

std::uint32_t ConvertedFileEnd(std::int64_t readPosition, std::int64_t memoryStart, bool wrapping,
                               int recordSize, long recordCount) {
    const std::int64_t fileBytes = wrapping ? 0 : std::int64_t{recordSize} * recordCount;
    const std::int64_t position = readPosition - fileBytes;
    return position >= memoryStart ? static_cast<std::uint32_t>(position) : 0;
}

bool FindConvertedFileEnd(CDataLogger& logger, NewDataFile& file) {
    if (!logger.SendReadRange(0, file.timeMark)) {
        return false;
    }
    file.position = ConvertedFileEnd(logger.GetReadPosition(), logger.GetMemoryStart(), logger.IsWrapping(),
                                     logger.GetSUTInfo(1)->setupTable->GetRecordSize(), file.recordCount);
    file.converted = false;
    return true;
}
