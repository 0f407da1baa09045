// teldrin's French table, as the program has always written it, and an English table of ours.
#include "teldrin/core/teldrin_texts.h"

#include <algorithm>
#include <array>
#include <atomic>

#include "platform/base/windows1252.h"

namespace teldrin {
namespace {

struct TextRow {
    unsigned id;
    const char* french;  // UTF-8 here, Windows-1252 once loaded
    const char* english;
};

// Sorted by id.
constexpr std::array<TextRow, 13> kTexts{{
    {IDS_TELDRIN_NO_ERROR, "Pas d'erreur sur dernier appel - %d Appel(s) en échec",
     "No error on the last call - %d call(s) failed"},
    {IDS_TELDRIN_OUT_OF_MEMORY, "Erreur: Mémoire insuffisante pour continuer\n",
     "Error: not enough memory to continue\n"},
    {IDS_TELDRIN_DISK_ERROR, "Erreur: Erreur apparue à la tentative d'accès au fichier disque",
     "Error: an error occurred while accessing a disk file"},
    {IDS_TELDRIN_VERBATIM, "%s", "%s"},
    {IDS_TELDRIN_LOG_HEADER, "  - TARV Instruments  - \n", "  - TARV Instruments  - \n"},
    {IDS_TELDRIN_ERROR_LOG_TITLE, "Fichier de rapport erreur\n", "Error report file\n"},
    {IDS_TELDRIN_EVENT_LOG_TITLE, "Fichier événement Teldrin\n", "Teldrin event file\n"},
    {IDS_TELDRIN_SEPARATOR, "------------------------------------------------------------",
     "------------------------------------------------------------"},
    {IDS_TELDRIN_CALLS_CANCELLED, "Appels annulés", "Calls cancelled"},
    {IDS_TELDRIN_CALL_STATE, "Etat appel  -  %1\n", "Call state  -  %1\n"},
    {IDS_TELDRIN_CANCELLED_FOR, "Tous les appels prévus pour %s annulés à %s",
     "All calls scheduled for %s cancelled at %s"},
    {IDS_TELDRIN_MISSED_CALL, "Appel manqué pour %s à %s\n", "Missed call for %s at %s\n"},
    {IDS_TELDRIN_CALL_COUNTS, "%d Calls Attempted  -  %d Calls Failed",
     "%d Calls Attempted  -  %d Calls Failed"},
}};

std::atomic<TeldrinLanguage> currentLanguage{TeldrinLanguage::kFrench};

}  // namespace

void SetTeldrinLanguage(TeldrinLanguage language) {
    currentLanguage = language;
}

std::string TeldrinText(unsigned id) {
    const auto row = std::lower_bound(kTexts.begin(), kTexts.end(), id,
                                      [](const TextRow& text, unsigned wanted) { return text.id < wanted; });
    if (row == kTexts.end() || row->id != id) {
        return {};
    }
    return platform::Utf8ToWindows1252(currentLanguage == TeldrinLanguage::kFrench ? row->french
                                                                                   : row->english);
}

}  // namespace teldrin
