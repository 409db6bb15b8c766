// The preview page in the embedded browser itself: the page must find its image copy, show its
// umlauts and turn a click on an area into an alert.
#include "publish/FrmPreview.h"
#include "publish/PreviewCommand.h"
#include "support/ScriptedDialogService.h"

#include "PublishFixture.h"

#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace kvx {
namespace {

constexpr int TimeoutMs = 60000;

// Runs the event loop until done() holds or the time is up.
bool WaitUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    poll.start(20);
    if (!done()) {
        loop.exec();
    }
    return done();
}

// The value of a script run in the page, or an invalid QVariant after the timeout.
QVariant Evaluate(QWebEnginePage& page, const QString& script) {
    QVariant result;
    bool finished = false;
    page.runJavaScript(script, [&](const QVariant& value) {
        result = value;
        finished = true;
    });
    WaitUntil([&] { return finished; });
    return result;
}

TEST(PreviewBrowser, ShowsTheMapWithItsImageAndAlertsInsteadOfFollowingLinks) {
    QTemporaryDir imageFolder;
    QTemporaryDir temporaryFolder;
    ASSERT_TRUE(imageFolder.isValid() && temporaryFolder.isValid());
    const QString imagePath = imageFolder.filePath("Haus.PNG");
    test::WriteSampleImage(imagePath);
    const std::unique_ptr<TImageMap> map = test::MakeSampleMap(imagePath.toStdString());

    TScriptedDialogs dialogs;
    TFrmPreview window;
    std::optional<bool> loaded;
    QObject::connect(window.WebBrowser, &QWebEngineView::loadFinished,
                     [&](bool ok) { loaded = ok; });
    QVariant areaCount;
    QVariant imageWidth;
    QVariant firstHref;
    QString alert;
    dialogs.AnswerExec([&](QDialog& dialog) {
        window.pclPreview->setCurrentWidget(window.tbsBrowser);
        if (!WaitUntil([&] { return loaded.has_value(); })) {
            ADD_FAILURE() << "the page did not load within " << TimeoutMs << " ms";
            return int(QDialog::Rejected);
        }
        EXPECT_TRUE(*loaded);
        QWebEnginePage& page = *window.WebBrowser->page();
        areaCount = Evaluate(page, "document.querySelectorAll('map[name=\"karte\"] area').length");
        // The image has loaded when its natural size is known; it is only found under the name
        // the page gives it.
        WaitUntil([&] { return Evaluate(page, "document.images[0].complete").toBool(); });
        imageWidth = Evaluate(page, "document.images[0].naturalWidth");
        firstHref = Evaluate(page, "document.querySelector('area').getAttribute('href')");

        dialogs.AnswerMessage(TMsgResult::Ok);
        Evaluate(page, "document.querySelector('area').click(); true");
        WaitUntil([&] { return !dialogs.MessageTexts().empty(); });
        if (!dialogs.MessageTexts().empty()) {
            alert = dialogs.MessageTexts().front();
        }
        dialog.accept();
        return dialog.result();
    });
    RunPreview(*map, test::SampleImageSize, window, {temporaryFolder.path(), {}});

    EXPECT_EQ(areaCount.toInt(), 2);
    EXPECT_EQ(imageWidth.toInt(), test::SampleImageSize.width());
    // Read as UTF-8 although the page declares no charset.
    EXPECT_TRUE(
        firstHref.toString().startsWith("javascript:alert('Eigenschaften der Verweisfläche"))
        << firstHref.toString().toStdString();
    EXPECT_TRUE(alert.startsWith("Eigenschaften der Verweisfläche")) << alert.toStdString();
    EXPECT_TRUE(alert.contains("href = wohnzimmer.htm")) << alert.toStdString();
    EXPECT_TRUE(QDir(temporaryFolder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

} // namespace
} // namespace kvx
