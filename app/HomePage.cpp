#include "app/HomePage.h"

#include <QDesktopServices>
#include <utility>

namespace kvx {

namespace {

void OpenWithDesktop(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

TUrlOpener& CurrentOpener() {
    static TUrlOpener opener = OpenWithDesktop;
    return opener;
}

} // namespace

void OpenHomePage() {
    CurrentOpener()(QUrl(QString::fromLatin1(HomePageAddress)));
}

TUrlOpener SetUrlOpener(TUrlOpener opener) {
    if (!opener) {
        opener = OpenWithDesktop;
    }
    return std::exchange(CurrentOpener(), std::move(opener));
}

} // namespace kvx
