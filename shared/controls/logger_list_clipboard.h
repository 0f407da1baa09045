// Logger-list entries on the desktop's clipboard: the entry's clipboard block under a MIME type of ours.
#pragma once

class CLogger;

inline constexpr const char* kLoggerEntryMimeType = "application/x-kivo-logger-entry";

// False when the clipboard did not take it.
bool CopyToClipboard(const CLogger& entry);
// Whether the clipboard holds an entry that PasteFromClipboard takes.
bool ClipboardHoldsEntry();
// Replaces the entry's record with the clipboard's; false, with the entry unchanged, when there is none.
bool PasteFromClipboard(CLogger& entry);
