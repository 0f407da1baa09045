// Opening and saving logger-list files: the version rules, the conversion of older lists, the lock
// that another program may hold, and the messages on the way, asked through LoggerListMessageRequest
// so that a program without windows answers them by rule.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "shared/loggerlist/logger_list.h"

// One message of a list's open or save: `messageId` is a format string taking `path` (and `detail`, the
// file error's text, for IDS_LIST_FILE_ERROR). IDS_LIST_CONVERT_OLD is a Yes/No/Cancel question, answered
// IDYES to convert; the others are notices.
struct LoggerListMessageRequest {
    static constexpr std::string_view kName = "LoggerListMessage";
    unsigned messageId = 0;
    std::string path;  // Windows-1252, as the messages show it
    std::string detail;
};

struct LoggerListOpened {
    bool opened = false;
    bool readOnly = false;  // another holds the file: it is shown but not saved over
};

// Reads the list at `path` into `list`, which keeps its entries unless the open succeeds. `comPort` is
// what direct entries of a converted list (older than version 301) take.
LoggerListOpened OpenLoggerList(const std::filesystem::path& path, CLoggerList& list,
                                std::string_view comPort);

// Writes the list over `path` through a file beside it; refused with IDS_LIST_READ_ONLY while another
// holds the file. Clears the modified flag on success.
bool SaveLoggerList(const std::filesystem::path& path, CLoggerList& list);
