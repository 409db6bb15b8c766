#include "publish/PreviewPage.h"

#include "platform/widgets/DialogService.h"

#include <QWebEngineView>

namespace kvx {

TPreviewPage::TPreviewPage(QObject* parent) : QWebEnginePage(parent) {}

void TPreviewPage::javaScriptAlert(const QUrl& /*securityOrigin*/, const QString& message) {
    Dialogs().Message(QWebEngineView::forPage(this), TMsgKind::Information, message,
                      TMsgButtons::Ok);
}

} // namespace kvx
