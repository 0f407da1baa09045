// CRawData: converting the raw records of a logger download into data records.
#include "shared/datafile/raw_data.h"

#include <algorithm>
#include <vector>

#include "platform/base/text_format.h"
#include "shared/datafile/conversion_context.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_record_decoder.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

namespace {

// A chunk of raw records and of the data records made of them fits in this many bytes.
constexpr long kChunkBytes = 65535;

}  // namespace

bool CRawData::ConvertRawDownload(platform::BinaryFile& raw, CConversionContext& context) {
    if (!temp_.IsActive()) {
        return false;
    }
    if (!CRawRecordDecoder::KnowsModel(context.modelCode)) {
        messages_->ShowMessage(
            platform::FormatLoadedText(IDS_UNKNOWN_LOGGER_MODEL, {std::to_string(context.modelCode)}));
        return false;
    }
    long remaining = static_cast<long>(info_->GetRecordCount());
    const int rawSize = setup_->GetRecordSize();
    const int dataSize = setup_->GetDataRecordSize();
    const int largest = std::max(rawSize, dataSize);
    const long chunk = std::min(largest > 0 ? kChunkBytes / largest : 0L, remaining);
    if (chunk <= 0 || rawSize <= 0 || !BuildFieldList()) {
        return false;
    }
    if (context.lastRecord != 0) {
        remaining = context.lastRecord - context.firstRecord + 1;
    }

    CRawRecordDecoder decoder(
        context, *setup_, fields_, *info_, *header_, [this](std::uint64_t position, std::uint8_t value) {
            try {
                const std::uint64_t end = file_.Position();
                file_.Seek(static_cast<std::int64_t>(position), platform::BinaryFile::Origin::Begin);
                file_.Write(&value, 1);
                file_.Seek(static_cast<std::int64_t>(end), platform::BinaryFile::Origin::Begin);
            } catch (const CPSTFileException& error) {
                FileFailed(error);
                return false;
            }
            return true;
        });
    std::vector<std::uint8_t> rawRecords;
    std::vector<std::uint8_t> output;
    long recordNumber = 0;
    while (remaining > 0) {
        const long count = std::min(remaining, chunk);
        remaining -= count;
        rawRecords.resize(static_cast<std::size_t>(count * rawSize));
        output.assign(static_cast<std::size_t>(count * dataSize), 0);
        std::uint64_t chunkPosition = 0;
        try {
            raw.ReadExact(rawRecords);
            chunkPosition = file_.Position();
        } catch (const CPSTFileException& error) {
            messages_->ReportFileException(error);
            return false;
        }
        decoder.StartChunk(output, chunkPosition);
        for (long i = 0; i < count; ++i) {
            const auto dataRecord = std::span<std::uint8_t>(output).subspan(
                static_cast<std::size_t>(i * dataSize), static_cast<std::size_t>(dataSize));
            const auto rawRecord =
                std::span<const std::uint8_t>(rawRecords)
                    .subspan(static_cast<std::size_t>(i * rawSize), static_cast<std::size_t>(rawSize));
            ++recordNumber;
            if (decoder.DecodeRawRecord(dataRecord, rawRecord) != CRawRecordDecoder::kDecoded) {
                messages_->ShowMessage(
                    platform::FormatLoadedText(IDS_BAD_RECORD_STAMP, {std::to_string(recordNumber)}));
                return false;
            }
        }
        if (!WriteRecords(output)) {
            return false;
        }
    }
    return true;
}
