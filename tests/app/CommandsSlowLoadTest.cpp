// Loads that take long: while a file is read or an image decodes on the worker thread, the
// window shows the wait cursor and the status bar's progress bar (a quick load neither),
// goes on painting, and holds a close request back until the load has ended.
#include "CommandsTestSupport.h"

#include "app/FileCommands.h"
#include "editor/LoadIndicator.h"
#include "formats/ReaderMessages.h"
#include "images/ImageLoading.h"

#include <QProgressBar>
#include <QTest>
#include <chrono>
#include <future>

namespace kvx::test {
namespace {

using namespace std::chrono_literals;
using TMessages = std::vector<QString>;

bool WaitCursorShown() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

class CommandsSlowLoad : public TCommandsTest {
protected:
    void SetUp() override {
        TCommandsTest::SetUp();
        Main().show();
        QApplication::processEvents();
    }

    QProgressBar& Bar() { return Main().Loading().Bar(); }

    // Every load step waits on the worker thread until during has run on the main thread.
    // A show delay of 0 marks a load as slow at once; an hour is never reached.
    void HoldLoads(std::chrono::milliseconds showDelay, std::function<void()> during) {
        TLoadIndicator& loading = Main().Loading();
        loading.SetShowDelay(showDelay);
        loading.WorkerHook = [&loading, during] {
            QMetaObject::invokeMethod(&loading, during, Qt::BlockingQueuedConnection);
        };
    }
};

TEST_F(CommandsSlowLoad, ASlowLoadShowsTheBarAndTheWaitCursorUntilItEndsAQuickOneNeither) {
    const QString good = WriteImage(QStringLiteral("gross.png"), QSize(90, 70));
    const QString damaged = WriteFile(QStringLiteral("kaputt.png"),
                                      QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, 'x'));
    const auto page = [&](const QString& image) {
        return "<map name=\"haus\"><area shape=\"rect\" coords=\"1,1,9,9\" href=\"a.htm\"></map>"
               "<img src=\"" +
               image.toUtf8() + "\" usemap=\"#haus\">\r\n";
    };
    using TScript = std::function<void(TScriptedDialogs&, const QString& image)>;
    const struct {
        const char* Name;
        TScript Script; // the answers up to the load
        std::function<void()> Trigger;
        const char* Failure; // the message of a damaged image
        int Loads;           // the file's text, then the image
    } commands[] = {
        {"New", [&](TScriptedDialogs& d, const QString& image) { AnswerMapProps(d, "neu", image); },
         [&] { Main().tbtNew->trigger(); }, UnknownImageFormatMessage, 1},
        {"Ctrl+O",
         [&](TScriptedDialogs& d, const QString& image) {
             d.AnswerOpenFile(WriteFile("haus.kvx", "\"kvx200\",\"\",\"\"\r\n" + page(image)));
         },
         [&] {
             // The shortcut needs the active window, which a dialog of an earlier row took.
             QApplication::setActiveWindow(&Main());
             QTest::keyClick(&Main(), Qt::Key_O, Qt::ControlModifier);
         },
         ReaderMessages::LoadError, 2},
        {"Import",
         [&](TScriptedDialogs& d, const QString& image) {
             d.AnswerOpenFile(WriteFile("seite.htm", page(image)));
         },
         [&] { Main().mniImport->trigger(); }, ReaderMessages::LoadError, 2},
        {"Map properties",
         [&](TScriptedDialogs& d, const QString& image) { AnswerMapProps(d, "karte", image); },
         [&] { Main().mniMapProperties->trigger(); }, ChangedImageNotLoaded, 1},
    };
    for (const auto& c : commands) {
        for (const bool fails : {false, true}) {
            for (const bool slow : {true, false}) {
                const std::string name = std::string(c.Name) + (fails ? ", damaged" : "") +
                                         (slow ? ", slow" : ", quick");
                Main().ResetEditor();
                Main().Loading().WorkerHook = nullptr;
                CreateMap(QSize(60, 40)); // the map whose image the last command changes
                int loads = 0;
                int marked = 0;
                HoldLoads(slow ? 0ms : 1h, [&] {
                    ++loads;
                    marked += Bar().isVisible() && WaitCursorShown() ? 1 : 0;
                });
                TScriptedDialogs dialogs;
                c.Script(dialogs, fails ? damaged : good);
                if (fails) {
                    dialogs.AnswerMessage(TMsgResult::Ok);
                }
                c.Trigger();

                EXPECT_EQ(loads, c.Loads) << name << ": the slow steps ran on the worker";
                EXPECT_EQ(marked, slow ? c.Loads : 0) << name;
                EXPECT_FALSE(Bar().isVisible()) << name << ": the bar goes with the load";
                EXPECT_EQ(QApplication::overrideCursor(), nullptr) << name;
                EXPECT_EQ(dialogs.MessageTexts(),
                          fails ? TMessages{QString::fromUtf8(c.Failure)} : TMessages())
                    << name;
                if (!fails) {
                    EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(90, 70)) << name;
                }
            }
        }
    }
}

TEST_F(CommandsSlowLoad, AFileThatCannotBeReadEndsItsLoadWithTheOpenError) {
    for (QAction* command : {Main().mniOpen, Main().mniImport}) {
        HoldLoads(0ms, [] {});
        TScriptedDialogs dialogs;
        dialogs.AnswerOpenFile(PathOf(QStringLiteral("weg.kvx"))).AnswerMessage(TMsgResult::Ok);
        command->trigger();
        ASSERT_EQ(dialogs.MessageTexts().size(), 1u);
        EXPECT_TRUE(dialogs.MessageTexts()[0].startsWith(QString::fromUtf8(OpenErrorStart)));
        EXPECT_FALSE(Bar().isVisible());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// Tells the promise about the first paint of the watched widget.
class TPaintWatch : public QObject {
public:
    std::promise<void> Painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            Painted.set_value();
        }
        return false;
    }

private:
    bool FSeen = false;
};

TEST_F(CommandsSlowLoad, TheWindowPaintsWhileTheImageDecodes) {
    const QString image = WriteImage(QStringLiteral("bild.png"), QSize(90, 70));
    TPaintWatch watch;
    std::atomic<bool> paintedDuringLoad = false;
    Main().Loading().WorkerHook = [&] {
        QMetaObject::invokeMethod(
            &Main(),
            [&] {
                Main().installEventFilter(&watch);
                Main().update();
            },
            Qt::BlockingQueuedConnection);
        // The bound only ends a broken run; a working one paints at once.
        paintedDuringLoad = watch.Painted.get_future().wait_for(60s) == std::future_status::ready;
    };
    TScriptedDialogs dialogs;
    AnswerMapProps(dialogs, "karte", image);
    Main().tbtNew->trigger();

    EXPECT_TRUE(paintedDuringLoad);
    EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(90, 70));
}

TEST_F(CommandsSlowLoad, AWindowClosedDuringALoadClosesAfterIt) {
    CreateMap(QSize(60, 40));
    const QString image = WriteImage(QStringLiteral("neu.png"), QSize(90, 70));
    bool closedDuringLoad = true;
    HoldLoads(0ms, [&] { closedDuringLoad = Main().close(); });
    TScriptedDialogs dialogs;
    AnswerMapProps(dialogs, "karte", image);
    dialogs.AnswerMessage(TMsgResult::No); // the close's question about the changed image
    Main().mniMapProperties->trigger();

    EXPECT_FALSE(closedDuringLoad);
    ASSERT_TRUE(HasMap()) << "the load wrote into the open map";
    EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(90, 70));
    EXPECT_TRUE(Main().isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(Main().isVisible()) << "the close request is carried out after the load";
    EXPECT_FALSE(HasMap());
    EXPECT_EQ(dialogs.MessageTexts(), TMessages{QString::fromUtf8(UnsavedChangesQuestion)});
}

} // namespace
} // namespace kvx::test
