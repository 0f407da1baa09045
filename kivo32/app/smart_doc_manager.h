// CSmartDocManager: kivo32's document manager: File New and File Open ask for the kind of document
// first, a new data file comes from a logger, and every file dialog remembers its kind's folder.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "platform/ui/doc_manager.h"

class CGraphObjectAttributes;
class CSmartMDITemplate;

class CSmartDocManager : public platform::DocManager {
public:
    // `isSetupRead` tells whether a setup table was just read from a logger (File New then makes a
    // setup table without asking); the graph range dialog that File New opens takes `graphAttributes`.
    CSmartDocManager(std::function<bool()> isSetupRead, CGraphObjectAttributes& graphAttributes);

    // The template of `id`, whatever its names read in the chosen language; nullptr when none.
    platform::DocTemplate* FindTemplate(unsigned id) const;

    // File New: the kind of document first. A data file is not made empty: the download command runs;
    // a graph starts from the graph range dialog on the active grid.
    void OnFileNew() override;
    // File Open: the kind first, then a file of that kind; a file named with another kind's extension
    // opens as that kind.
    void OnFileOpen() override;
    // A new setup table.
    void OnFileNewSetupTable();

    // The base's dialog; the chosen file's folder becomes the template's next start.
    std::optional<std::filesystem::path> DoPromptFileName(const std::filesystem::path& proposed,
                                                          unsigned titleId, unsigned flags, bool open,
                                                          platform::DocTemplate* docTemplate) override;

private:
    // The kind the user chose for File New (`newDocument`) or File Open; nullptr when none.
    platform::DocTemplate* ChooseTemplate(bool newDocument);
    void OpenGraphRangeDialog();

    std::function<bool()> is_setup_read_;
    CGraphObjectAttributes& graph_attributes_;
};
