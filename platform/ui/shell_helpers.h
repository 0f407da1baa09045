// The program-wide helpers that show a window: folder browsing, a window's image on the clipboard,
// the program's PDF help, a written file in its viewer, folder copies with a report.
#pragma once

#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

// Lets the user choose a folder, starting at `startFolder` (an empty one becomes the home folder, in the
// caller's path as well). TRUE, with the folder in `chosen`, when one was chosen.
bool BrowseForFolder(std::filesystem::path& startFolder, std::filesystem::path& chosen,
                     const std::string& title = {});

// Puts the window's image on the clipboard. 1 on success; a negative code, after telling the user, when
// the image cannot be taken.
int CopyWindowToClipboard(QWidget* window);

// Opens `fileName` of the program's folder with the desktop's PDF reader; tells the user, in the
// program's language, when the file is missing or nothing opens PDF files.
void OpenProgramPdf(const std::filesystem::path& programFolder, const std::string& fileName);

// Opens `path`, a file the program has just written, with the desktop's viewer. When nothing opens it,
// tells the user that the file is there and where: message `writtenToId` with "%s" its full path.
void OpenWrittenFile(const std::filesystem::path& path, unsigned writtenToId);

// Copies each of `sources` (files or whole folders) into the folder `target`, replacing what is there,
// or with `keepExisting` copying only the files that `target` lacks. TRUE on success; otherwise tells
// the user the error and the sources, and gives FALSE.
bool CopyFolderWithReport(const std::vector<std::filesystem::path>& sources,
                          const std::filesystem::path& target, bool keepExisting = false);
