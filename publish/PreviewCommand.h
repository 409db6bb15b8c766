#pragma once
// The Preview command: the published definition in the source tab and the map shown by the
// embedded browser from a temporary page. The caller stores the area panel first; the map and
// its Modified flag are left as they are.

#include "publish/PreviewFiles.h"

#include <QSize>
#include <QString>

namespace kvx {

class TFrmPreview;
class TImageMap;

struct TPreviewEnvironment {
    // Where the private folder of the preview's files is made; empty: the system's one.
    QString TemporaryFolder;
    // Empty: the page is written safely (WriteFileSafely).
    TPreviewFiles::TPageWriter WritePage;
};

// imageSize is the loaded image's size in pixels. Shows the window modally; when the page
// cannot be written, reports that instead and does not show the window. The temporary files
// and their folder are gone when this returns.
void RunPreview(const TImageMap& map, QSize imageSize, TFrmPreview& window,
                const TPreviewEnvironment& environment = {});

} // namespace kvx
