// CAppIniInfo: the settings of kivo32 kept in "KIVOAppInfo.ini" in the user data folder: last phone
// number and network address, recent addresses, the known serial ports, the line frequency of new setup
// tables, the real-time graph's axes, the graph export choices and the dialogs not to show again.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class CAppIniInfo {
public:
    static constexpr const char* kFileName = "KIVOAppInfo.ini";
    // Entries of the recent-address list and of the known-port list that the file keeps.
    static constexpr std::size_t kListLength = 10;
    // Hidden dialog flag: the question before the logger's clock is set is not asked.
    static constexpr std::uint32_t kHideClockQuestion = 0x0001;

    CAppIniInfo();
    virtual ~CAppIniInfo();

    // The defaults and the file path, then the file when it exists. The "COMPortItem" lines become the
    // known-port list of the application context. False after the user was told that the file could not
    // be read (every value keeps its default) or that some of its lines could not (those values keep
    // their defaults, the others are loaded).
    bool LoadAppIniInfo();
    // Writes the whole file anew, the known ports from the application context; the old file is replaced
    // only by a complete new one. False after the user was told why it could not be written.
    bool SaveAppIniInfo() const;
    // The file's text, each line ended by "\n".
    std::string FileText() const;

    // "<address>:<port>" at the head of the recent addresses, without a second equal entry, at most
    // kListLength of them.
    void AddRecentNetAddress(std::string_view address, std::string_view port);

    const std::filesystem::path& FilePath() const { return m_strAppIniFileName; }

    // Texts are Windows-1252.
    std::uint32_t hiddenDialogFlags = 0;
    std::string manualDialPhoneNumber;
    bool createAsciiFileOnDownload = false;
    std::string networkConnectAddress;
    std::string networkPortNumber;
    std::string previousLoggerListName;
    std::string defaultSUTLineFreq;
    int autoRangeEnabled = 0;
    double minimumRTGraphYAxisVal = 0;
    double maximumRTGraphYAxisVal = 0;
    double minimumRTGraphXAxisVal = 0;
    double maximumRTGraphXAxisVal = 0;
    std::string peGraphicsExportType;
    std::string peGraphicsExportSize;
    std::string peGraphicsExportDest;
    std::string peGraphicsExportWidth;
    std::string peGraphicsExportHeight;
    int showLegacyFeatures = 0;
    // "<address>:<port>", the most recent first; an entry the file skipped is empty.
    std::vector<std::string> recentNetAddresses;

private:
    void SetDefaults();
    // One line of the file; false when it names a value it does not give in a readable form.
    bool ReadLine(std::string_view line, std::vector<std::string>& comPortItems);

    std::filesystem::path m_strAppIniFileName;
};
