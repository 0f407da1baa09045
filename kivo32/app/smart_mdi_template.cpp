// The document template of kivo32 with its working folder.
#include "kivo32/app/smart_mdi_template.h"

CSmartMDITemplate::CSmartMDITemplate(unsigned id, DocumentFactory makeDocument, FrameFactory makeFrame,
                                     ViewFactory makeView, const std::filesystem::path& initialFolder)
    : platform::DocTemplate(id, std::move(makeDocument), std::move(makeFrame), std::move(makeView)) {
    SetInitialFolder(initialFolder);
}
