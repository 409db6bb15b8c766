// Loads that take long: while an image decodes on its worker thread the window shows the
// wait cursor and the status bar's progress bar (a quick load shows neither), goes on
// painting, and holds a close request back until the load has ended.
#include "CommandsTestSupport.h"

#include "app/FileCommands.h"
#include "editor/LoadIndicator.h"
#include "formats/ReaderMessages.h"
#include "images/ImageLoading.h"

#include <QProgressBar>
#include <QTest>
#include <atomic>
#include <chrono>
#include <future>

namespace kvx::test {
namespace {

using namespace std::chrono_literals;

// The show delays the tests give: a slow load is marked at once, a quick one ends long before.
constexpr std::chrono::milliseconds Slow = 0ms;
constexpr std::chrono::milliseconds Quick = 1h;

bool WaitCursorShown() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

// Counts the events of one type that reach an object, and calls OnEvent for each.
class TEventCounter : public QObject {
public:
    TEventCounter(QObject& watched, QEvent::Type type) : FType(type) {
        watched.installEventFilter(this);
    }
    int Count = 0;
    std::function<void()> OnEvent;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == FType) {
            ++Count;
            if (OnEvent) {
                OnEvent();
            }
        }
        return false;
    }

private:
    QEvent::Type FType;
};

enum class TCommand { New, Open, Import, ChangeImage };

class CommandsSlowLoad : public TCommandsTest {
protected:
    void SetUp() override {
        TCommandsTest::SetUp();
        Main().show();
        QApplication::setActiveWindow(&Main());
        QApplication::processEvents();
    }

    QProgressBar& Bar() { return Main().Loading().Bar(); }

    // Every load of the window waits on its worker thread until during has run on the main
    // thread, within the load.
    void HoldLoads(std::chrono::milliseconds showDelay, std::function<void()> during) {
        TLoadIndicator& loading = Main().Loading();
        loading.SetShowDelay(showDelay);
        loading.WorkerHook = [&loading, during] {
            QMetaObject::invokeMethod(&loading, during, Qt::BlockingQueuedConnection);
        };
    }

    // Runs the command so that it loads image, answering its questions (an error box when
    // the image fails); returns the texts of its message boxes.
    std::vector<QString> RunCommand(TCommand command, const QString& image, bool fails) {
        TScriptedDialogs dialogs;
        const QByteArray html = "<map name=\"haus\"><area shape=\"rect\" coords=\"1,1,9,9\" "
                                "href=\"a.htm\"></map><img src=\"" +
                                image.toUtf8() + "\" usemap=\"#haus\">\r\n";
        switch (command) {
        case TCommand::New:
            AnswerMapProps(dialogs, "neu", image);
            break;
        case TCommand::Open:
            dialogs.AnswerOpenFile(WriteFile("haus.kvx", "\"kvx200\",\"\",\"\"\r\n" + html));
            break;
        case TCommand::Import:
            dialogs.AnswerOpenFile(WriteFile("seite.htm", "<html><body>" + html));
            break;
        case TCommand::ChangeImage:
            AnswerMapProps(dialogs, "karte", image);
            break;
        }
        if (fails) {
            dialogs.AnswerMessage(TMsgResult::Ok);
        }
        switch (command) {
        case TCommand::New:
            Main().tbtNew->trigger();
            break;
        case TCommand::Open:
            // The shortcut needs the active window, which a dialog of an earlier row took.
            QApplication::setActiveWindow(&Main());
            QTest::keyClick(&Main(), Qt::Key_O, Qt::ControlModifier);
            break;
        case TCommand::Import:
            Main().mniImport->trigger();
            break;
        case TCommand::ChangeImage:
            Main().mniMapProperties->trigger();
            break;
        }
        return dialogs.MessageTexts();
    }
};

TEST_F(CommandsSlowLoad, ASlowLoadShowsTheBarAndTheWaitCursorUntilItEndsAQuickOneNeither) {
    const QString good = WriteImage(QStringLiteral("gross.png"), QSize(90, 70));
    const QString damaged = WriteFile(QStringLiteral("kaputt.png"),
                                      QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, 'x'));
    const struct {
        const char* Name;
        TCommand Command;
        const char* Failure; // the message of a damaged image
        int Loads;           // the file's text, then the image
    } commands[] = {
        {"New", TCommand::New, UnknownImageFormatMessage, 1},
        {"Ctrl+O", TCommand::Open, ReaderMessages::LoadError, 2},
        {"Import", TCommand::Import, ReaderMessages::LoadError, 2},
        {"Map properties", TCommand::ChangeImage, ChangedImageNotLoaded, 1},
    };
    for (const auto& c : commands) {
        for (const bool fails : {false, true}) {
            for (const std::chrono::milliseconds delay : {Slow, Quick}) {
                const std::string name = std::string(c.Name) + (fails ? ", damaged" : "") +
                                         (delay == Slow ? ", slow" : ", quick");
                Main().ResetEditor();
                if (c.Command == TCommand::ChangeImage) {
                    CreateMap(QSize(60, 40));
                }
                int loads = 0;
                bool barDuring = false;
                bool cursorDuring = false;
                HoldLoads(delay, [&] {
                    ++loads;
                    barDuring = Bar().isVisible();
                    cursorDuring = WaitCursorShown();
                });
                const TEventCounter barShows(Bar(), QEvent::Show);

                const std::vector<QString> messages =
                    RunCommand(c.Command, fails ? damaged : good, fails);

                EXPECT_EQ(loads, c.Loads) << name << ": the slow steps ran on the worker";
                EXPECT_EQ(barDuring, delay == Slow) << name;
                EXPECT_EQ(cursorDuring, delay == Slow) << name;
                EXPECT_EQ(barShows.Count, delay == Slow ? c.Loads : 0) << name;
                EXPECT_FALSE(Bar().isVisible()) << name << ": the bar goes with the load";
                EXPECT_EQ(QApplication::overrideCursor(), nullptr) << name;
                EXPECT_EQ(messages, fails ? std::vector<QString>{QString::fromUtf8(c.Failure)}
                                          : std::vector<QString>())
                    << name;
                ASSERT_EQ(HasMap(), !fails || c.Command == TCommand::ChangeImage) << name;
                if (HasMap()) {
                    EXPECT_EQ(Main().Document().SourceBitmap.size(),
                              fails ? QSize(60, 40) : QSize(90, 70))
                        << name;
                }
            }
        }
    }
}

TEST_F(CommandsSlowLoad, AFileThatCannotBeReadEndsItsLoadWithTheOpenError) {
    for (QAction* command : {Main().mniOpen, Main().mniImport}) {
        int loads = 0;
        HoldLoads(Slow, [&] { ++loads; });
        TScriptedDialogs dialogs;
        dialogs.AnswerOpenFile(PathOf(QStringLiteral("verschwunden.kvx")))
            .AnswerMessage(TMsgResult::Ok);
        command->trigger();
        EXPECT_EQ(loads, 1);
        ASSERT_EQ(dialogs.MessageTexts().size(), 1u);
        EXPECT_TRUE(dialogs.MessageTexts()[0].startsWith(QString::fromUtf8(OpenErrorStart)));
        EXPECT_FALSE(Bar().isVisible());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(CommandsSlowLoad, TheWindowPaintsWhileTheImageDecodes) {
    const QString image = WriteImage(QStringLiteral("bild.png"), QSize(90, 70));
    TEventCounter paints(Main(), QEvent::Paint);
    std::promise<void> painted;
    std::atomic<bool> paintedDuringLoad = false;
    Main().Loading().SetShowDelay(Slow);
    Main().Loading().WorkerHook = [&] {
        QMetaObject::invokeMethod(
            &Main(),
            [&] {
                paints.OnEvent = [&] {
                    paints.OnEvent = nullptr;
                    painted.set_value();
                };
                Main().update();
            },
            Qt::BlockingQueuedConnection);
        // The bound only ends a broken run; a working one paints at once.
        paintedDuringLoad = painted.get_future().wait_for(60s) == std::future_status::ready;
    };
    TScriptedDialogs dialogs;
    AnswerMapProps(dialogs, "karte", image);
    Main().tbtNew->trigger();

    EXPECT_TRUE(paintedDuringLoad);
    ASSERT_TRUE(HasMap());
    EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(90, 70));
}

TEST_F(CommandsSlowLoad, AWindowClosedDuringALoadClosesAfterIt) {
    CreateMap(QSize(60, 40));
    const QString image = WriteImage(QStringLiteral("neu.png"), QSize(90, 70));
    bool closedDuringLoad = true;
    HoldLoads(Slow, [&] { closedDuringLoad = Main().close(); });
    TScriptedDialogs dialogs;
    AnswerMapProps(dialogs, "karte", image);
    dialogs.AnswerMessage(TMsgResult::No); // the close's question about the changed image
    Main().mniMapProperties->trigger();

    EXPECT_FALSE(closedDuringLoad);
    ASSERT_TRUE(HasMap()) << "the load wrote into the open map";
    EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(90, 70));
    EXPECT_EQ(Map().ImageFile, image.toStdString());
    EXPECT_TRUE(Main().isVisible());

    QApplication::processEvents();
    EXPECT_FALSE(Main().isVisible()) << "the close request is carried out after the load";
    EXPECT_FALSE(HasMap());
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<QString>{QString::fromUtf8(UnsavedChangesQuestion)});
}

} // namespace
} // namespace kvx::test
