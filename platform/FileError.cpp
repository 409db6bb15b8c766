#include "platform/FileError.h"

#include "platform/SystemErrorText.h"

namespace kvx {

TFileError TFileError::FromSystem(int code) {
    return TFileError(SystemErrorText(code), code);
}

void ThrowSystemError(int code) {
    throw TFileError::FromSystem(code);
}

} // namespace kvx
