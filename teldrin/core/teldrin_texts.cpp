// teldrin's French table, as the program has always written it, and an English table of ours.
#include "teldrin/core/teldrin_texts.h"

#include <algorithm>
#include <array>
#include <atomic>

#include "platform/base/windows1252.h"

namespace teldrin {
namespace {

struct TextRow {
    unsigned id;         // teldrin's own numbering
    const char* french;  // UTF-8 here, Windows-1252 once loaded
    const char* english;
};

// Sorted by id.
constexpr std::array<TextRow, 119> kTexts{{
    {1000, "Pas d'erreur sur dernier appel - %d Appel(s) en échec",
     "No error on the last call - %d call(s) failed"},
    {1002, "Erreur: Mémoire insuffisante pour continuer\n", "Error: not enough memory to continue\n"},
    {1003, "Erreur: Impossible d'ouvrir le fichier: %s\n", "Error: unable to open the file: %s\n"},
    {2004, "Erreur: Erreur apparue à la tentative d'appel du logger par modem%1",
     "Error: an error occurred while calling the logger by modem%1"},
    {2005, "Erreur: Erreur apparue à la tentative de connexion d'un appareil inconnu",
     "Error: an error occurred while connecting to an unknown device"},
    {2006, "Erreur: Erreur apparue à la tentative d'accès au fichier disque",
     "Error: an error occurred while accessing a disk file"},
    {2009, "Erreur: Erreur apparue à la lecture des données\n",
     "Error: an error occurred while reading the data\n"},
    {2010, "Erreur:Réglage Logger et Fichier Données %s ne correspondent pas",
     "Error: the logger's setup and data file %s do not match"},
    {2013, "Erreur: Erreur apparue à la tentative de lecture des réglages du logger",
     "Error: an error occurred while reading the logger's settings"},
    {2017, "Pas de donnée dans le Logger", "No data in the logger"},
    {2018, "Ligne utilisée par une autre application.", "The line is in use by another application."},
    {8193, "%s KB", "%s KB"},
    {8194, "%s KB", "%s KB"},
    {8195, "%s KB libre sur %s", "%s KB free on %s"},
    {8196, "Indispo", "Unavailable"},
    {8197, "Appel Logger %1", "Calling logger %1"},
    {8199, "Aucun appel programmé pour aujourd'hui", "No call planned for today"},
    {8200, "Appel(s) fait(s) ce jour-  %s Tentative(s) - %s Echec(s)\n",
     "Call(s) made today -  %s attempt(s) - %s failure(s)\n"},
    {8201, "Appel suivant: logger %s - prévue pour %s\n", "Next call: logger %s - due %s\n"},
    {8203, "Logger Non Trouvé", "Logger not found"},
    {8206, "%s", "%s"},
    {8207, "  - TARV Instruments  - \n", "  - TARV Instruments  - \n"},
    {8209, "Fichier de rapport erreur\n", "Error report file\n"},
    {8210, "Fichier événement Teldrin\n", "Teldrin event file\n"},
    {8212, "------------------------------------------------------------",
     "------------------------------------------------------------"},
    {8213, "Appels annulés", "Calls cancelled"},
    {8214, "Etat appel  -  %1\n", "Call state  -  %1\n"},
    {8215, "Connexion pour appel au logger %1 fait\n", "Call connection to logger %1 made\n"},
    {8216, "Connexion Modem pour appel logger %1\n", "Modem connection for the call to logger %1\n"},
    {8217, "Réglage heure%1\n", "Clock set%1\n"},
    {8265, "Connexion au logger %1\n", "Connecting to logger %1\n"},
    {8266, "Connexion Directe au logger %1 finie\n", "Direct connection to logger %1 done\n"},
    {8267, "Echec Connexion Directe. Logger %1\n", "Direct connection failed. Logger %1\n"},
    {8268, "Transfert des données du logger %1\n", "Transfer of the data of logger %1\n"},
    {8269, "Transfert de toutes données du logger %1\n", "Transfer of all data of logger %1\n"},
    {8270, "Problème No de série: Liste Appel= %s, Logger = %s\n",
     "Serial number problem: call list = %s, logger = %s\n"},
    {8273, "Fichier ASCII (.csv) Créé: %s", "Text file (.csv) created: %s"},
    {8276, "Transfert de nouvelles données %1\n", "Transferring new data %1\n"},
    {8277, "Transfert de toutes les données %1\n", "Transferring all data %1\n"},
    {8278, "Impossible de lire l'horloge du logger %s", "Unable to read the clock of logger %s"},
    {8279, "Echec Tache - Impossible de régler l'horloge du logger %s",
     "Task failed - unable to set the clock of logger %s"},
    {8301, "Connexion réseau au logger %1 fini\n", "Network connection to logger %1 done\n"},
    {8302, "Echec Connexion réseau. Logger %1\n", "Network connection failed. Logger %1\n"},
    {8400, "Tous les appels prévus pour %s annulés à %s", "All calls scheduled for %s cancelled at %s"},
    {8402, "Appel manqué pour %s à %s\n", "Missed call for %s at %s\n"},
    {8403, "Aucun", "None"},
    {8431, " on ", " on "},
    {8435, "Le Logger n'a pas de nouvelle donnée à ajouter", "The logger has no new data to add"},
    {8436, "Impossible de réveiller le logger", "Unable to wake the logger"},
    {8479, "Browse for Data Files Folder", "Browse for Data Files Folder"},
    {8480, "Invalid folder", "Invalid folder"},
    {8502, "Unavailable", "Unavailable"},
    {8506, "Echec", "Failed"},
    {8534, "TApi error", "Modem line error"},
    {8535, "Modem serial port error", "Modem serial port error"},
    {8536, "Modem connect initialization error", "Modem connect initialization error"},
    {8537, "Modem Serial port initialization error", "Modem serial port initialization error"},
    {8538, "Direct connect port open error", "Direct connect port open error"},
    {8539, "Direct connect serial-port error", "Direct connect serial-port error"},
    {8540, "Direct connect initialization error", "Direct connect initialization error"},
    {8541, "Direct serial port initialization error", "Direct serial port initialization error"},
    {8542, "Direct connect serial startup error", "Direct connect serial startup error"},
    {8543, "Modem baud does not match PC baud", "Modem baud does not match PC baud"},
    {8544, "No Answer", "No answer"},
    {8545, "Line Busy", "Line busy"},
    {8546, "Forwarded", "Forwarded"},
    {8547, "Local phone picked up", "Local phone picked up"},
    {8548, "Remote party rejected call", "Remote party rejected the call"},
    {8549, "Bad Address", "Bad address"},
    {8550, "Unreachable", "Unreachable"},
    {8551, "Congestion", "Congestion"},
    {8552, "Incompatible", "Incompatible"},
    {8553, "No dial tone", "No dial tone"},
    {8554, "Raison inconnu", "Unknown reason"},
    {8555, "Remote party disconnected", "Remote party disconnected"},
    {8556, "Network connect initialization error", "Network connect initialization error"},
    {8557, "Network socket connect error", "Network socket connect error"},
    {8558, "Network socket send error", "Network socket send error"},
    {8559, "Network socket receive error", "Network socket receive error"},
    {8560, "Could not complete tasks for logger", "Could not complete tasks for logger"},
    {8561, "Teldrin comm error %d", "Teldrin comm error %d"},
    {8564, "Error: Failed to create Modem session", "Error: Failed to create Modem session"},
    {8565, "New-data download failed for %s", "New-data download failed for %s"},
    {8566, "Error: No existing data for %s. Reading all data",
     "Error: No existing data for %s. Reading all data"},
    {8567, "Error: Unable to read the Logger's Setup Table",
     "Error: Unable to read the Logger's Setup Table"},
    {8568, "New-data download failed. Reading all data", "New-data download failed. Reading all data"},
    {8570, "Error: Unable to open the data file to retrieve Logger's Setup Table",
     "Error: Unable to open the data file to retrieve Logger's Setup Table"},
    {8571, "Error: Unable to read the partial read-start address from Logger",
     "Error: Unable to read the partial read-start address from Logger"},
    {8574, "Lire toute donnée", "Reading all data"},
    {8575, "Error: No partial-read start address. Reading all data",
     "Error: No partial-read start address. Reading all data"},
    {8576, "%s completed at %s. Appended to file %s", "%s completed at %s. Appended to file %s"},
    {8580, "Erreur Communication", "Communication error"},
    {8611, " at ", " at "},
    {8612, "from", "from"},
    {8613, "to", "to"},
    {8614, "for logger", "for logger"},
    {8615, "%s completed at %s. File %s created", "%s completed at %s. File %s created"},
    {8616, " A ", " at "},
    {8621, "for call", "for call"},
    {8622, "made On", "made On"},
    {8623, "Creation of ASCII (.csv) file failed (%s)", "Creation of the text (.csv) file failed (%s)"},
    {8625, "%d Calls Attempted  -  %d Calls Failed", "%d Calls Attempted  -  %d Calls Failed"},
    {8646, "Browse for Logger Files Folder", "Browse for Logger Files Folder"},
    {8647, "Teldrin Error", "Teldrin Error"},
    {8648, "Invalid Logger File Folder Specified", "Invalid Logger File Folder Specified"},
    {8649, "Connected to %s [%d baud]", "Connected to %s [%d baud]"},
    {8650, "Could not read the Logger's Setup Table RAM", "Could not read the Logger's Setup Table RAM"},
    {8651, "Could not read the Logger's Setup Table header",
     "Could not read the Logger's Setup Table header"},
    {8652, "Could not read the Logger's status", "Could not read the Logger's status"},
    {8653, "Invalid byte-transfer size", "Invalid byte-transfer size"},
    {8654, "Invalid data record size", "Invalid data record size"},
    {8655, "Could not create data file", "Could not create data file"},
    {8656, "Could not create temporary data file", "Could not create temporary data file"},
    {8657, "Read of Logger data failed", "Read of Logger data failed"},
    {8658, "Logger protocol control failed", "Logger protocol control failed"},
    {8659, "Conversion of logger data to data file failed", "Conversion of logger data to data file failed"},
    {8670, "Erreur: Aucune liste de loggers donnée, et pas d'écran pour en choisir une\n",
     "Error: no logger list given, and no screen to choose one on\n"},
    {21120, "Appels arrêtés - ouvrir une liste d'appel pour reprendre",
     "Calling stopped - open a call list to call again"},
    {21121, "Un appel est en cours. Le terminer et quitter Teldrin ?",
     "A call is in progress. End it and quit Teldrin?"},
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
