// System errors reach the user inside German messages: their texts must be German too.
#include "platform/SystemErrorText.h"
#include "platform/FileError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <locale.h>

namespace kvx {
namespace {

TEST(SystemErrorText, CommonFileErrorsInGermanWithTheirNumber) {
    const locale_t english = ::newlocale(LC_ALL_MASK, "C", nullptr);
    for (const int code : {ENOENT, EACCES, EPERM, ENOSPC, EDQUOT, EROFS, EISDIR, ENOTDIR,
                           ENAMETOOLONG, ELOOP, EIO, EEXIST, EBUSY, ETXTBSY, EFBIG, EPIPE}) {
        const TFileError error = TFileError::FromSystem(code);
        EXPECT_NE(error.SystemMessage, ::strerror_l(code, english)) << code;
        EXPECT_TRUE(error.Detail().ends_with(" (" + std::to_string(code) + ")")) << code;
    }
    EXPECT_EQ(TFileError::FromSystem(EACCES).Detail(), "Zugriff verweigert (13)");
    // A rare code keeps the system's own words rather than none; a refusal has no number.
    EXPECT_EQ(SystemErrorText(EHOSTDOWN), std::strerror(EHOSTDOWN));
    EXPECT_EQ(TFileError::Refusal("Keine gewöhnliche Datei").Detail(), "Keine gewöhnliche Datei");
    ::freelocale(english);
}

} // namespace
} // namespace kvx
