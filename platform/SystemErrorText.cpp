#include "platform/SystemErrorText.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace kvx {

namespace {

// The codes a user meets when opening and saving files, and a few more that reading from
// devices or other machines' file systems brings.
constexpr std::array<std::pair<int, const char*>, 34> GermanTexts{{
    {EPERM, "Vorgang nicht erlaubt"},
    {ENOENT, "Datei oder Verzeichnis nicht gefunden"},
    {EINTR, "Unterbrochener Systemaufruf"},
    {EIO, "Ein-/Ausgabefehler"},
    {ENXIO, "Gerät oder Adresse nicht gefunden"},
    {EBADF, "Ungültiger Dateideskriptor"},
    {EAGAIN, "Die Ressource ist zur Zeit nicht verfügbar"},
    {ENOMEM, "Nicht genügend Hauptspeicher verfügbar"},
    {EACCES, "Zugriff verweigert"},
    {EBUSY, "Gerät oder Ressource belegt"},
    {EEXIST, "Die Datei existiert bereits"},
    {EXDEV, "Ungültiger Link über Gerätegrenzen hinweg"},
    {ENODEV, "Gerät nicht gefunden"},
    {ENOTDIR, "Ist kein Verzeichnis"},
    {EISDIR, "Ist ein Verzeichnis"},
    {EINVAL, "Ungültiges Argument"},
    {ENFILE, "Zu viele offene Dateien im System"},
    {EMFILE, "Zu viele offene Dateien"},
    {ETXTBSY, "Das Programm wird gerade ausgeführt"},
    {EFBIG, "Die Datei ist zu groß"},
    {ENOSPC, "Auf dem Gerät ist kein Speicherplatz mehr verfügbar"},
    {ESPIPE, "Unzulässige Positionierung in der Datei"},
    {EROFS, "Das Dateisystem ist nur lesbar"},
    {EMLINK, "Zu viele Links"},
    {EPIPE, "Die Gegenseite der Pipe ist geschlossen"},
    {ENAMETOOLONG, "Der Dateiname ist zu lang"},
    {ENOTEMPTY, "Das Verzeichnis ist nicht leer"},
    {ELOOP, "Zu viele Ebenen aus symbolischen Links"},
    {EOPNOTSUPP, "Die Operation wird nicht unterstützt"},
    {ETIMEDOUT, "Die Wartezeit für die Verbindung ist abgelaufen"},
    {ESTALE, "Veraltete Dateizugriffsnummer (NFS)"},
    {EDQUOT, "Der Plattenplatz-Grenzwert (Quota) ist überschritten"},
    {ECANCELED, "Der Vorgang wurde abgebrochen"},
    {EOVERFLOW, "Der Wert ist zu groß für den Datentyp"},
}};

} // namespace

std::string SystemErrorText(int code) {
    for (const auto& [known, text] : GermanTexts) {
        if (known == code) {
            return text;
        }
    }
    // Rare codes keep the system's words rather than a vague German one.
    return std::strerror(code);
}

} // namespace kvx
