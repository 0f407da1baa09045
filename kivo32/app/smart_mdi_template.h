// CSmartMDITemplate: a document template of kivo32, whose file dialogs open in the working folder of its
// kind; the document manager moves that folder to where the user last chose a file of the kind.
#pragma once

#include <filesystem>

#include "platform/ui/doc_template.h"

// The setup-table template's id, which is also the text id of its document strings.
inline constexpr unsigned kSetupTableTemplateId = 15;
inline constexpr unsigned kLoggerListTemplateId = 14;

class CSmartMDITemplate : public platform::DocTemplate {
public:
    // `initialFolder`: the working folder of the kind from the settings (none for the graph).
    CSmartMDITemplate(unsigned id, DocumentFactory makeDocument, FrameFactory makeFrame, ViewFactory makeView,
                      const std::filesystem::path& initialFolder = {});
};
