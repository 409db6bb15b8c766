// Korvane 2: the editor's program.
#include "app/KorvaneApplication.h"
#include "app/StartUp.h"
#include "platform/InstanceLock.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before any window or lock exists, so they work without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("Korvane 2 %s\n", KVX_VERSION);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::printf("Aufruf: korvane2 [DATEI]\n\n"
                    "Startet den Image-Map-Editor Korvane 2. Eine Projektdatei (.kvx) wird\n"
                    "geöffnet, jede andere Datei als HTML-Seite importiert.\n\n"
                    "  --version  zeigt die Version\n  --help     zeigt diesen Text\n");
        return 0;
    }
    // The instance marker, held until the process ends.
    const kvx::TInstanceLock instanceLock(QStringLiteral("KorvaneInstanceMutex"));
    kvx::PrepareProcess();
    kvx::TKorvaneApplication application(argc, argv);
    return kvx::RunKorvane(application);
}
