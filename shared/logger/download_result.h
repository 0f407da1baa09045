// The results of a logger download (ReadData) and of the recovery question after a broken one.
#pragma once

inline constexpr int kReadDataDone = 0;
// The user chose Cancel in the recovery question.
inline constexpr int kReadDataRecoveryCancelled = 2;
// Cancelled by the user, no setup summary, or no reply mode.
inline constexpr int kReadDataCancelled = -1;
// Nothing new to read, or no channels for the model.
inline constexpr int kReadDataNothingToRead = -2;
inline constexpr int kReadDataSetupBlocksFailed = -5;
inline constexpr int kReadDataSetupHeaderFailed = -6;
inline constexpr int kReadDataStatusFailed = -7;
// The full size is unknown (no setup summary).
inline constexpr int kReadDataSizeUnknown = -8;
inline constexpr int kReadDataNoRecordSize = -9;
inline constexpr int kReadDataRawFileFailed = -10;
inline constexpr int kReadDataRawFileSetupFailed = -11;
// No byte received (memory engine); no stored position, cancelled or no record number (record engine).
inline constexpr int kReadDataNothingReceived = -12;
// The records received before a failure were kept (or keeping them failed).
inline constexpr int kReadDataKept = -13;
// The records received were kept and the user wants the rest: a download of new data follows.
inline constexpr int kReadDataTryAgain = -14;
// The data file could not be built.
inline constexpr int kReadDataAssemblyFailed = -15;
