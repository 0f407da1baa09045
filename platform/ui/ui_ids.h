// Ids of the window framework and its helpers: commands, texts, file-dialog flags; fixed numbers: never
// renumber.
#pragma once

// Commands of the File menu and the application.
inline constexpr unsigned ID_FILE_NEW = 0xE100;
inline constexpr unsigned ID_FILE_OPEN = 0xE101;
inline constexpr unsigned ID_FILE_CLOSE = 0xE102;
inline constexpr unsigned ID_FILE_SAVE = 0xE103;
inline constexpr unsigned ID_FILE_SAVE_AS = 0xE104;
inline constexpr unsigned ID_FILE_PRINT = 0xE107;
inline constexpr unsigned ID_FILE_PRINT_SETUP = 0xE106;
inline constexpr unsigned ID_FILE_PAGE_SETUP = 0xE105;
// The recent-file list, first entry on top.
inline constexpr unsigned ID_FILE_MRU_FILE1 = 0xE110;
inline constexpr unsigned ID_FILE_MRU_FILE4 = 0xE113;
inline constexpr unsigned ID_APP_EXIT = 0xE141;
inline constexpr unsigned ID_WINDOW_CASCADE = 0xE132;
inline constexpr unsigned ID_WINDOW_TILE_HORZ = 0xE133;

// System command that closes a window through its frame.
inline constexpr unsigned SC_CLOSE = 0xF060;

// Texts of the framework.
inline constexpr unsigned AFX_IDS_OPENFILE = 0xF001;   // title of the open dialog
inline constexpr unsigned AFX_IDS_ALLFILTER = 0xF002;  // name of the "all files" filter
inline constexpr unsigned AFX_IDS_UNTITLED = 0xF003;   // name of a document without title
inline constexpr unsigned AFX_IDS_SAVEFILE = 0xF004;   // title of the save dialog
// Prompts of the framework; "%1" is the file or the value.
inline constexpr unsigned AFX_IDP_FAILED_TO_OPEN_DOC = 0xF101;
inline constexpr unsigned AFX_IDP_FAILED_TO_SAVE_DOC = 0xF102;
inline constexpr unsigned AFX_IDP_ASK_TO_SAVE = 0xF103;
inline constexpr unsigned AFX_IDP_FAILED_TO_CREATE_DOC = 0xF104;
inline constexpr unsigned AFX_IDP_FAILED_TO_START_PRINT = 0xF106;
// Prompts of dialog data exchange; "%1" and "%2" are the limits.
inline constexpr unsigned AFX_IDP_PARSE_INT = 0xF110;
inline constexpr unsigned AFX_IDP_PARSE_REAL = 0xF111;
inline constexpr unsigned AFX_IDP_PARSE_INT_RANGE = 0xF112;
inline constexpr unsigned AFX_IDP_PARSE_REAL_RANGE = 0xF113;
inline constexpr unsigned AFX_IDP_PARSE_STRING_SIZE = 0xF114;

// Flags of the file dialogs.
inline constexpr unsigned OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr unsigned OFN_HIDEREADONLY = 0x00000004;
inline constexpr unsigned OFN_NOCHANGEDIR = 0x00000008;
inline constexpr unsigned OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr unsigned OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr unsigned OFN_EXPLORER = 0x00080000;
inline constexpr unsigned OFN_ENABLESIZING = 0x00800000;

// Texts of the window-showing helpers.
inline constexpr unsigned IDS_PDF_OPEN_FAILED = 59738;     // "%s:\n\n    %s.\n\n" names it with the path
inline constexpr unsigned IDS_PDF_OPEN_CAPTION = 59739;    // caption of that message
inline constexpr unsigned IDS_PDF_READER_MISSING = 59745;  // no program opens PDF files
inline constexpr unsigned IDS_PDF_FILE_NOT_FOUND = 59740;  // the last line when the file is missing
// Ours: a window whose image could not be taken.
inline constexpr unsigned IDS_WINDOW_IMAGE_FAILED = 21951;
