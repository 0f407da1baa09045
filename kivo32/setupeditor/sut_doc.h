// CSUTDoc: the setup-table document: a file header and a setup table, made new from a logger's setup or
// a chosen model, opened from and saved to a setup-table file, with the checks before a save.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/ui/document.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

class CSetupTableView;

class CSUTDoc : public platform::Document {
public:
    // The version of a new document that is not made from a logger's setup.
    static constexpr std::int16_t kNewDocumentVersion = 406;
    // The answer of the model chooser when the user cancelled it.
    static constexpr int kNoModelChosen = -1;

    CSUTDoc() = default;

    const CFileHeader& GetFileHeader() const { return header_; }
    const CSetupTable& GetSetupTable() const { return table_; }
    CSetupTable& GetSetupTable() { return table_; }

    // The setup table that the session just read from a logger, with that logger's firmware version:
    // the next new setup document takes it over. User-interface thread only.
    static void SetLoggerSetup(std::unique_ptr<CSetupTable> table, std::uint16_t firmwareVersion);
    static bool HasLoggerSetup();

    // A new document: kind 1; the logger's setup when one waits (format version 0 until saved), else the
    // defaults (version 406). The model is the connected logger's, or the one chosen in CGetSUTTypeDlg;
    // false when the user cancelled the choice. The new document is modified.
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::filesystem::path& path) override;
    bool OnSaveDocument(const std::filesystem::path& path) override;
    // Before the document closes: "save the changes?" (text 59841); Yes saves after the save check.
    bool SaveModified() override;
    // File Save (only a modified document) and File Save As, each after the save check.
    bool OnCommand(unsigned id) override;

    // Reads a setup-table file; the document keeps its table when that fails (the user has been told).
    bool ReadSetupFile(const std::filesystem::path& path);
    // Saves the document to a setup-table file; clears the modified flag on success.
    bool WriteSetupFile(const std::filesystem::path& path);
    // The setup view's check of the setup and its wiring (it takes the form's values into the table). On
    // failure the view's frame is sent command 32775. False also when the document has no setup view.
    bool CheckWiring(bool markModified);
    bool ValidateWiring(bool markModified);

private:
    // The wiring check, then, when no hardware channel is in use, question 12295.
    bool SaveCheck();
    CSetupTableView* FindSetupView() const;
    // A time field still being edited counts before the modified flag decides on saving.
    void CommitPendingEdits();
    // The name the save question gives the document.
    std::string PromptName() const;

    CFileHeader header_;
    CSetupTable table_;
};
