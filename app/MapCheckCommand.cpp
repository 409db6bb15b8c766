#include "app/MapCheckCommand.h"

#include "app/FrmCheckResults.h"
#include "checks/MapCheck.h"
#include "editor/FrmMain.h"
#include "editor/MapEdits.h"
#include "editor/OverviewTree.h"
#include "model/PathParts.h"

namespace kvx {

TMapCheckCommand::TMapCheckCommand(TfrmMain& main, TfrmCheckResults& window)
    : QObject(&main), FMain(main), FWindow(window) {
    connect(&FWindow, &TfrmCheckResults::AreaChosen, this, &TMapCheckCommand::SelectArea);
    // Changes come in runs (every mouse move of a drag is one): the checks run once the run
    // has ended and the event loop is idle, never in the middle of a gesture.
    FPending.setSingleShot(true);
    FPending.setInterval(0);
    connect(&FPending, &QTimer::timeout, this, &TMapCheckCommand::Refresh);
    connect(&FMain.Edits(), &TMapEdits::Changed, this, [this](const TMapChange& change) {
        if (!change.Gesture && FWindow.isVisible()) {
            FPending.start();
        }
    });
}

void TMapCheckCommand::mniCheckMapClick() {
    FWindow.show();
    FWindow.raise();
    Refresh();
}

void TMapCheckCommand::Refresh() {
    if (!FWindow.isVisible()) {
        return;
    }
    if (!FMain.HasMap()) {
        FWindow.ShowNoMap();
        return;
    }
    const TMapDocument& document = FMain.Document();
    const TImageMap& map = *document.CurrentMap;
    TCheckImage image;
    image.StoredPath = map.ImageFile;
    if (document.HasImage()) {
        image.Size = TImageSize{document.SourceBitmap.width(), document.SourceBitmap.height()};
    }
    // Relative links are looked up beside the project file, else beside the image, where a
    // page using the map usually lies.
    const std::string base = FolderPart(map.ProjectFile.empty() ? map.ImageFile : map.ProjectFile);
    FWindow.ShowFindings(CheckMap(map, image, base));
}

void TMapCheckCommand::SelectArea(std::int32_t id) {
    if (!FMain.HasMap()) {
        return;
    }
    for (std::uint8_t kind : {akRectangle, akCircle, akPolygon}) {
        if (QTreeWidgetItem* node = FMain.trvOverview->FindAreaNode(kind, id)) {
            // The same way as a click on the node: the panel is stored first, then the area
            // is selected in the view, the tree and the panel.
            emit FMain.trvOverview->NodeChanging(node);
            FMain.trvOverview->Highlight(node);
            emit FMain.trvOverview->NodeChanged(node);
            return;
        }
    }
}

} // namespace kvx
