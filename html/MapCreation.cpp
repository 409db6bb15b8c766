#include "html/MapCreation.h"

#include "html/ImageLoading.h"
#include "html/MapReaderHost.h"
#include "model/ImageMap.h"

#include <memory>
#include <stdexcept>

namespace kvx {

TImageMap& CreateMapOnImage(TMapReaderHost& host, const std::string& name,
                            const std::string& imageFile, const std::string& projectFile) {
    TMapDocument& document = host.Document();
    document.CurrentMap = std::make_unique<TImageMap>();
    TImageMap& map = *document.CurrentMap;
    map.Name = name;
    map.ImageFile = imageFile;
    map.ProjectFile = projectFile;
    if (!LoadImage(map.ImageFile, document)) {
        throw std::runtime_error("image not loaded: " + map.ImageFile);
    }
    host.SetUpEditorForMap();
    return map;
}

} // namespace kvx
