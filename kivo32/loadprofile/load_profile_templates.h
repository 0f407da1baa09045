// The load-profile templates: the table and the graph of a data grid's selection, each a
// CLoadProfileChildFrame on the grid's CRawDataDoc.
#pragma once

// The templates' ids, which are also the text ids of their document strings.
inline constexpr unsigned kLoadProfileTemplateId = 94;
inline constexpr unsigned kLoadProfileGraphTemplateId = 96;
