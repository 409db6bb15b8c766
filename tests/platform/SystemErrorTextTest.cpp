// System errors reach the user inside German messages: their texts must be German too.
#include "platform/SystemErrorText.h"
#include "platform/FileError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace kvx {
namespace {

TEST(SystemErrorText, CommonFileErrorsInGermanWithTheirNumber) {
    const std::vector<std::pair<int, const char*>> cases{
        {ENOENT, "Datei oder Verzeichnis nicht gefunden (2)"},
        {EACCES, "Zugriff verweigert (13)"},
        {EPERM, "Vorgang nicht erlaubt (1)"},
        {ENOSPC, "Auf dem Gerät ist kein Speicherplatz mehr verfügbar (28)"},
        {EDQUOT, "Der Plattenplatz-Grenzwert (Quota) ist überschritten (122)"},
        {EROFS, "Das Dateisystem ist nur lesbar (30)"},
        {EISDIR, "Ist ein Verzeichnis (21)"},
        {ENOTDIR, "Ist kein Verzeichnis (20)"},
        {ENAMETOOLONG, "Der Dateiname ist zu lang (36)"},
        {ELOOP, "Zu viele Ebenen aus symbolischen Links (40)"},
        {EIO, "Ein-/Ausgabefehler (5)"},
        {EEXIST, "Die Datei existiert bereits (17)"},
        {EBUSY, "Gerät oder Ressource belegt (16)"},
        {ETXTBSY, "Das Programm wird gerade ausgeführt (26)"},
        {EPIPE, "Die Gegenseite der Pipe ist geschlossen (32)"},
    };
    for (const auto& [code, detail] : cases) {
        EXPECT_EQ(TFileError::FromSystem(code).Detail(), detail) << code;
    }
    // A rare code keeps the system's own words rather than none.
    EXPECT_EQ(SystemErrorText(EHOSTDOWN), std::strerror(EHOSTDOWN));
    // The program's own refusals carry no number.
    EXPECT_EQ(TFileError::Refusal("Keine gewöhnliche Datei").Detail(), "Keine gewöhnliche Datei");
}

} // namespace
} // namespace kvx
