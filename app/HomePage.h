#pragma once
// The maker's addresses and the Home page command, shared by the main menu, the info
// dialog and the internal-error message. How a web address is opened can be replaced, so
// tests record instead of browsing.

#include <QUrl>
#include <functional>

namespace kvx {

inline constexpr const char* HomePageAddress = "https://www.velmora.example/";
inline constexpr const char* SupportEmailAddress = "support@velmora.example";

// Asks the desktop to open the maker's web address in the default browser.
void OpenHomePage();

// Opens a web address; the default asks the desktop (QDesktopServices::openUrl).
using TUrlOpener = std::function<void(const QUrl&)>;
// Replaces the way addresses are opened (an empty one restores the desktop's); returns the
// previous one to put back.
TUrlOpener SetUrlOpener(TUrlOpener opener);

} // namespace kvx
