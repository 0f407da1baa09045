// Where the data-file code sends what it has to tell the user, so that it never shows a window itself.
#pragma once

#include <string>

class CPSTFileException;

class CMessageSink {
public:
    virtual ~CMessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;

    // The framework's standard report of a file exception: its own description.
    void ReportFileException(const CPSTFileException& error);
};

// The sink of the user-interface side: each message in the program-wide message box (OK button,
// exclamation icon).
CMessageSink& MessageBoxSink();
