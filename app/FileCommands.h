#pragma once
// The project-file commands of the main window (Open, Save, Save As, Import) and the question
// about unsaved changes that guards every command replacing the map.

#include "app/RecentFiles.h"

#include <QString>
#include <string>

namespace kvx {

class TImageSource;
class TLoadWaiter;
class TMapReaderHost;
struct TMapReadResult;
class TfrmMain;

inline constexpr const char* UnsavedChangesQuestion =
    "Die Image Map wurde geändert! Sollen die Änderungen gespeichert werden?";

class TFileCommands {
public:
    explicit TFileCommands(TfrmMain& main);

    // Stores pending panel edits, then asks about unsaved changes. True when the command may
    // go on: nothing to save, "No", or "Yes" and the map was saved. A Yes whose save did not
    // happen (dialog cancelled, write failed) stops the command, so no changes are lost.
    // Every command that replaces the map asks this first; the open map stays until its
    // successor has been read or made.
    bool QuerySaveChanges();

    void mniOpenClick();
    // Both return true when the file was written.
    bool mniSaveClick();
    bool mniSaveAsClick();
    void mniImportClick();

    // Open and Import of a known file, without their file dialogs (the command line): the
    // question, then the read with its error box.
    void OpenProjectFileCommand(const QString& path);
    void ImportHtmlFileCommand(const QString& path);

    // Lists the recent files in "Datei → Zuletzt geöffnet" (disabled while there are none).
    void UpdateRecentMenu();
    // Opens or imports the entry; a file that is gone gets the open error and leaves the list.
    void OpenRecentFile(const TRecentFile& file);

private:
    // OpenProjectFile or ImportHtmlFile.
    using TFileReader = TMapReadResult (*)(const std::string& path, TMapReaderHost& host,
                                           const TImageSource& images, TLoadWaiter& waiter);

    // The question, then the open dialog with filter and the read.
    void ChooseAndReadFile(const char* filter, TFileReader read);
    // Reads the file and puts the map into the editor in place of the open one. A reader
    // that stops (cancelled choice, error; a file error gets the error box) keeps it.
    void ReadFile(const QString& path, TFileReader read);
    // Writes the map to its ProjectFile; the error box and false on failure.
    bool WriteProjectFile(bool saveAs);
    // The save dialog starting in initialFolder; empty when cancelled.
    QString AskForProjectPath(const QString& initialFolder);

    TfrmMain& FMain;
};

} // namespace kvx
