#include "formats/ImageQuestion.h"

#include "formats/MapDefinitionReader.h"
#include "formats/MapReaderHost.h"
#include "formats/ReaderMessages.h"
#include "platform/FilePaths.h"

namespace kvx {

std::optional<std::string> ChooseImageFile(const std::vector<std::string>& found,
                                           const std::string& fileName, const std::string& folder,
                                           TMapReaderHost& host, int helpContext) {
    if (found.size() == 1) {
        return found.front();
    }
    if (found.empty()) {
        host.ShowMessage(TMessageKind::Warning, ReaderMessages::ImageNotFound, helpContext);
        return host.ChooseImageFile(fileName, folder, ImageFileFilter);
    }
    // Taking any one of them silently could open the map on another picture than it was
    // made on.
    host.ShowMessage(TMessageKind::Warning, ReaderMessages::AmbiguousImageFile(found), helpContext);
    return host.ChooseImageFile(FileNamePart(found.front()), FolderPart(found.front()),
                                ImageFileFilter);
}

} // namespace kvx
