#include "formats/ImageReference.h"

#include "model/PathParts.h"

#include <filesystem>
#include <system_error>

namespace kvx {

std::string ImageReferenceForPage(const std::string& imageFile, const std::string& pagePath) {
    namespace fs = std::filesystem;
    const fs::path image(imageFile);
    if (pagePath.empty() || !image.is_absolute()) {
        return FileNamePart(imageFile);
    }
    std::error_code error;
    const fs::path page = fs::absolute(fs::path(pagePath), error).lexically_normal();
    if (error) {
        return FileNamePart(imageFile);
    }
    const fs::path relative = image.lexically_normal().lexically_relative(page.parent_path());
    if (relative.empty()) {
        return FileNamePart(imageFile);
    }
    return relative.generic_string();
}

} // namespace kvx
