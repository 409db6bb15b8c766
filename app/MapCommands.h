#pragma once
// The shell's commands on the map as a whole: New, Map properties, closing the main window
// and Exit, and the Help menu (Help, Home page, Info).

#include "editor/MapEdits.h" // ChangedImageNotLoaded

namespace kvx {

class TFileCommands;
class TfrmInfo;
class TfrmMain;
class TfrmMapProps;

class TMapCommands {
public:
    TMapCommands(TfrmMain& main, TFileCommands& files, TfrmMapProps& mapProps, TfrmInfo& info);

    // Asks for the new map's properties and loads its image; the new map replaces the open
    // one only when its image has loaded.
    void mniNewClick();
    // Changes name, image, description and border of the open map.
    void mniMapPropertiesClick();
    // The main window is about to close: the unsaved-changes question, then the map and the
    // bitmaps are released and the help window closes. False keeps the window open.
    bool FormClose();
    void mniExitClick();
    void mniHelpClick();
    void mniHomePageClick();
    void mniInfoClick();

private:
    TfrmMain& FMain;
    TFileCommands& FFiles;
    TfrmMapProps& FMapProps;
    TfrmInfo& FInfo;
};

} // namespace kvx
