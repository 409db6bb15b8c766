#pragma once
// The preview browser's page. Clicking an area of the preview shows its properties in a
// script alert; the alert goes through the dialog service like every other message.

#include <QWebEnginePage>

namespace kvx {

class TPreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit TPreviewPage(QObject* parent = nullptr);

protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& message) override;
};

} // namespace kvx
