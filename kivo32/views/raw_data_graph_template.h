// The data-graph document template: the graph of a data file's grid selection, a CRawDataGraphView on the
// same CRawDataDoc as the grid.
#pragma once

#include <memory>

#include "platform/ui/doc_template.h"

class CGraphObjectAttributes;

// The template's id, which is also the text id of its document strings.
inline constexpr unsigned kRawDataGraphTemplateId = 12;

// The template the application registers for data graphs; its views take their look from `attributes`,
// which must outlive the template.
std::unique_ptr<platform::DocTemplate> MakeRawDataGraphTemplate(CGraphObjectAttributes& attributes);
