// CRawDataDoc: the data-file document: a data file open for its grid and graph views, its Save As, its
// range saves into temporary extracted-range documents, and the question when such a document closes.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "kivo32/analysis/parameters_for_view.h"
#include "kivo32/analysis/profile_column_cache.h"
#include "kivo32/views/record_time_check.h"
#include "platform/ui/document.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/record_range_save.h"

class CDataGridRows;

class CRawDataDoc : public platform::Document {
public:
    CRawDataDoc() = default;

    // Where the temporary files of extracted ranges are made (the system's temporary folder unless
    // set). User-interface thread only.
    static void SetWorkFolder(const std::filesystem::path& folder);
    static std::filesystem::path GetWorkFolder();

    CRawData& GetRawData() { return raw_data_; }
    // An extracted range not yet saved under a name of the user's, and whether it lives in a temporary
    // file; both are cleared by a save.
    bool IsExtractedData() const { return extracted_; }
    bool IsTemporaryFile() const { return temporary_; }
    // The name of the extracted data in the question when it closes.
    const std::string& GetExtractedName() const { return extracted_name_; }
    // Whether the check of the record times that began when the file opened has ended.
    bool RecordTimeCheckFinished() const { return !time_check_ || time_check_->Finished(); }
    // The user's file: the file opened, or for an extracted range the file it came from.
    const std::filesystem::path& GetOriginalPath() const { return original_path_; }

    // A data document is never made empty.
    bool OnNewDocument() override;
    // Opens the file for record access with fresh parts. A file that another data document has open is
    // refused (the program's own guard, as the files are not locked against writers).
    bool OnOpenDocument(const std::filesystem::path& path) override;
    // The framework's save of the document goes through SaveCopyAs.
    bool OnSaveDocument(const std::filesystem::path& path) override;
    // An extracted range asks whether to save it; "save" runs Save As and comes back to the question
    // when the user cancels it.
    bool SaveModified() override;
    // A temporary file is closed and deleted with its document.
    void OnCloseDocument() override;
    void DeleteContents() override;
    // File Save As, and File Save of an extracted range, run SaveAs.
    bool OnCommand(unsigned id) override;

    // Asks for a file name and saves a copy there (SaveCopyAs); false when cancelled or failed.
    bool SaveAs();
    // Copies the document's file to `path` and goes on with that file. Asks first when another data
    // document has it open (closing that one) or it exists. The old file at `path` is replaced only by a
    // complete copy; when the new file cannot be opened the document stays on its old one.
    bool SaveCopyAs(const std::filesystem::path& path);
    // Saves records `first` to `last` (from 1; -1 to the end), or with `fromGrid` those rows of the
    // document's grid with their missing intervals filled (empty cells 0.0 with `zeroForEmpty`), into a
    // temporary file that opens as a new extracted-range document. Null when nothing was saved (the user
    // has been told why).
    CRawDataDoc* SaveRecordRange(int first, int last, bool fromGrid, bool zeroForEmpty);

    // The settings of the load-profile window opened last on the document's grid.
    CParametersForView& LoadProfileParameters() { return load_profile_parameters_; }
    // The channel that the load-profile windows read last, shared with the worker that reads it.
    std::shared_ptr<const CProfileColumnCache> ProfileColumnCache() const { return profile_cache_; }
    void SetProfileColumnCache(std::shared_ptr<const CProfileColumnCache> cache) {
        profile_cache_ = std::move(cache);
    }

    // The last other data document of the template that has `path` open, or null.
    CRawDataDoc* FindDocumentByPath(const std::filesystem::path& path) const;

private:
    // Opens `path` in the model for record access; `quiet` keeps the model's messages back unless the
    // open fails (they were shown when the file was first opened). Unless quiet, the record times are
    // then checked on a worker.
    bool OpenModel(const std::filesystem::path& path, bool quiet = false);
    // The grid rows of the document's views, or null.
    const CDataGridRows* FindGridRows() const;
    // Before a gap of many records is filled from the grid.
    GapAnswer AskAboutGap(int row, long missing) const;

    CRawData raw_data_;
    std::filesystem::path original_path_;
    std::string extracted_name_;
    bool extracted_ = false;
    bool temporary_ = false;
    // The check of the open file's record times while it runs; closing the file stops it.
    std::unique_ptr<CRecordTimeCheck> time_check_;
    CParametersForView load_profile_parameters_;
    std::shared_ptr<const CProfileColumnCache> profile_cache_;
};
