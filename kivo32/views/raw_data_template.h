// The data-grid document template: a data file opens as CRawDataDoc shown in CRawDataView.
#pragma once

#include <memory>

#include "platform/ui/doc_template.h"

// The template's id, which is also the text id of its document strings.
inline constexpr unsigned kRawDataTemplateId = 11;

// The template the application registers for data files (.kivo, .dat).
std::unique_ptr<platform::DocTemplate> MakeRawDataTemplate();
