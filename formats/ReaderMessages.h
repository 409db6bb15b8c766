#pragma once
// The texts of the message boxes the map reader and the project loaders show. The windows
// and kvxtool compare against these, so they live in one place.

#include <string>
#include <vector>

namespace kvx::ReaderMessages {

inline constexpr const char* NoMapFound =
    "Keine Image Map Definition in der Datei gefunden! Laden der Datei abgebrochen!";
inline constexpr const char* MapChoiceCancelled = "Laden der Datei abgebrochen!";
inline constexpr const char* NoImageUsesMap =
    "Es wurde kein Bild gefunden, dass die Image Map Definition benutzt! Laden abgebrochen!";
inline constexpr const char* ImageNotFound = "Die verwendete Bilddatei konnte nicht gefunden "
                                             "werden! Bitte wählen Sie die Bilddatei manuell aus!";
inline constexpr const char* ImageChoiceCancelled = "Laden abgebrochen!";

// Several files match the stored image path only without regard to letter case.
inline std::string AmbiguousImageFile(const std::vector<std::string>& files) {
    std::string text = "Die verwendete Bilddatei gibt es in mehreren Schreibweisen:";
    for (const std::string& file : files) {
        text += "\r\n" + file;
    }
    return text + "\r\nBitte wählen Sie die Bilddatei manuell aus!";
}
inline constexpr const char* LoadError =
    "Fehler beim Laden der Datei! Bitte drücken Sie F1 für weitere Informationen!";
inline constexpr const char* IncompatibleVersion =
    "Die angegebene Korvane Datei ist nicht kompatibel mit Korvane 2!";
inline constexpr const char* NotAProjectFile = "Diese Datei ist keine gültige Korvane Datei!";

// Help context of the reader's boxes that carry one.
inline constexpr int ReaderHelpContext = 135;

} // namespace kvx::ReaderMessages
