// The application's side of the data grid: what the program's commands call on the active grid view
// (extraction by date, by record or of the selection, reopen, Save As, the reports).
#pragma once

class CRawDataDoc;
class CRawDataView;

// Records first..last of the view's document as a new extracted-range document; data that is itself
// an extract is refused (the user is told). Null when nothing was made.
CRawDataDoc* ExtractDataRange(CRawDataView& view, long first, long last);
// The date dialog seeded with the first and last record times; on OK the records in the chosen span
// (a span that holds none is refused, the user told).
CRawDataDoc* ExtractDataByDate(CRawDataView& view);
// The record dialog over the grid's rows; on OK those records.
CRawDataDoc* ExtractDataByRecord(CRawDataView& view);
// Closes the view's document and opens its file again in a new grid.
CRawDataDoc* ReopenActiveDataDocument(CRawDataView& view);
// Save As of the view's document: a copy under the new name that the document goes on with; the
// user's file stays where it was.
bool SaveActiveDataDocumentAs(CRawDataView& view);
