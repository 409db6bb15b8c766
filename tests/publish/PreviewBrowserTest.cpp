// The preview page in the embedded browser itself: the page must find its image copy, show its
// umlauts and turn a click on an area into an alert.
#include "model/AreaFromCoordinates.h"
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
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

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

// The alert an area's click should show: its texts exactly, one per line. The browser shows
// a CR LF line break of a text as one line feed.
QString ExpectedAlert(const TLinkArea& area) {
    const auto text = [](const std::string& value) {
        return QString::fromStdString(value).replace("\r\n", "\n");
    };
    return QStringLiteral("Eigenschaften der Verweisfläche: \n href = ") + text(area.Href) +
           " \n target = " + text(area.Target) + " \n onClick = " + text(area.OnClick) +
           " \n onMouseover = " + text(area.OnMouseOver) +
           " \n onMouseout = " + text(area.OnMouseOut) + " \n alt = " + text(area.Alt);
}

TEST(PreviewBrowser, ShowsTheMapWithItsImageAndAlertsInsteadOfFollowingLinks) {
    QTemporaryDir imageFolder;
    QTemporaryDir temporaryFolder;
    ASSERT_TRUE(imageFolder.isValid() && temporaryFolder.isValid());
    const QString imagePath = imageFolder.filePath("Haus.PNG");
    test::WriteSampleImage(imagePath);
    const std::unique_ptr<TImageMap> map = test::MakeSampleMap(imagePath.toStdString());
    // Texts that end, bend or percent-decode a script string in a link unless escaped.
    const std::vector<std::array<std::string, 3>> trickyTexts = {
        {"O'Neil.htm", "_top", "Sag \"Hallo\""},
        {"C:\\Bilder\\neu.htm", "100% %41", "<b>&amp;</b>"},
        {"zeile1\nzeile2", "a\r\nb",
         "x\xE2\x80\xA8"
         "y\xE2\x80\xA9"
         "z"},
    };
    for (const auto& [href, target, alt] : trickyTexts) {
        AddAreaFromCoordinates(*map, akRectangle, {1, 1, 5, 5});
        TLinkAreaProperties props;
        map->GetSelectedProperties(props);
        props.Href = href;
        props.Target = target;
        props.Alt = alt;
        props.OnClick = alt;
        map->SetSelectedProperties(props);
    }
    map->ClearSelection();

    TScriptedDialogs dialogs;
    TFrmPreview window;
    std::optional<bool> loaded;
    QObject::connect(window.WebBrowser, &QWebEngineView::loadFinished,
                     [&](bool ok) { loaded = ok; });
    QVariant areaCount;
    QVariant imageWidth;
    QVariant firstHref;
    std::vector<QString> alerts;
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

        for (std::size_t i = 0; i < map->Entries().size(); ++i) {
            dialogs.AnswerMessage(TMsgResult::Ok);
            Evaluate(page,
                     QStringLiteral("document.querySelectorAll('area')[%1].click(); true").arg(i));
            if (!WaitUntil([&] { return dialogs.MessageTexts().size() > i; })) {
                ADD_FAILURE() << "no alert for area " << i;
                break;
            }
        }
        alerts = dialogs.MessageTexts();
        dialog.accept();
        return dialog.result();
    });
    RunPreview(*map, test::SampleImageSize, window, {temporaryFolder.path(), {}});

    EXPECT_EQ(areaCount.toInt(), 2 + int(trickyTexts.size()));
    EXPECT_EQ(imageWidth.toInt(), test::SampleImageSize.width());
    // Read as UTF-8 although the page declares no charset.
    EXPECT_TRUE(
        firstHref.toString().startsWith("javascript:alert('Eigenschaften der Verweisfläche"))
        << firstHref.toString().toStdString();
    ASSERT_EQ(alerts.size(), map->Entries().size());
    for (std::size_t i = 0; i < alerts.size(); ++i) {
        EXPECT_EQ(alerts[i], ExpectedAlert(*map->Entries()[i].Area)) << "area " << i;
    }
    EXPECT_TRUE(QDir(temporaryFolder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

} // namespace
} // namespace kvx
