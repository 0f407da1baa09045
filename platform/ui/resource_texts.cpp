// The resource libraries: the English texts compiled in, or the French ones chosen at start-up.
#include "platform/ui/resource_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "platform/base/diagnostic_trace.h"
#include "platform/base/program_texts.h"
#include "platform/ui/english_texts.h"
#include "platform/ui/qt_text.h"

namespace platform {
namespace {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    return in.bad() ? std::nullopt : std::optional<std::string>(content.str());
}

// Qt's own words (the standard buttons, file and print dialogs) in the language of the program's texts.
void UseQtWordsOf(bool french) {
    static QTranslator* installed = nullptr;
    if (installed != nullptr) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (!french || QCoreApplication::instance() == nullptr) {
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QLocale(QLocale::French), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        installed = translator.release();
    }
}

}  // namespace

bool LoadResourceLibrary(std::string_view library) {
    std::optional<TextTable> table;
    if (library == kFrenchResources) {
        if (const auto folder = FindTextFolder("fr")) {
            table = LoadTextFolder(*folder);
        }
    }
    if (table) {
        for (const unsigned id : table->FallBackWherePlaceholdersDiffer(EnglishTexts())) {
            WriteDiagnosticTrace("Text " + std::to_string(id) + " of " + std::string(library) +
                                 " has other placeholders than the English text, which serves instead");
        }
    }
    const bool loaded = table.has_value() || library != kFrenchResources;
    UseQtWordsOf(table.has_value());
    SetProgramTexts(table ? std::move(*table) : EnglishTexts());
    return loaded;
}

TextTable EnglishTexts() {
    std::string error;
    auto table = TextTable::Parse(EnglishTextFiles(), &error);
    // The build compiles in only files that the text tests load; a bad line is a build fault.
    return table ? std::move(*table) : TextTable();
}

std::optional<TextTable> LoadTextFolder(const std::filesystem::path& folder, std::string* error) {
    std::error_code failure;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, failure)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path());
        }
    }
    if (failure || files.empty()) {
        if (error != nullptr) {
            *error = folder.string() + ": no text files";
        }
        return std::nullopt;
    }
    std::sort(files.begin(), files.end());
    TextTable all;
    for (const auto& file : files) {
        const auto content = ReadWholeFile(file);
        std::string reason = "cannot be read";
        const auto table = content ? TextTable::Parse(*content, &reason) : std::nullopt;
        if (!table) {
            if (error != nullptr) {
                *error = file.string() + ": " + reason;
            }
            return std::nullopt;
        }
        all.Merge(*table);
    }
    return all;
}

std::optional<std::filesystem::path> FindTextFolder(std::string_view language) {
    std::vector<std::filesystem::path> candidates;
    if (QCoreApplication::instance() != nullptr) {
        const auto programFolder = PathFromQString(QCoreApplication::applicationDirPath());
        candidates.push_back(programFolder / "texts" / language);
        candidates.push_back(programFolder / ".." / "share" / "kivo" / "texts" / language);
    }
    for (const auto& folder : candidates) {
        std::error_code failure;
        if (std::filesystem::is_directory(folder, failure)) {
            return folder;
        }
    }
    return std::nullopt;
}

}  // namespace platform
