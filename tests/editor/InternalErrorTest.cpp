// The internal-error handler: errors that escape an event handler are reported and the
// program runs on with its map.
#include "EditorTestSupport.h"

#include "app/KorvaneApplication.h"
#include "support/ScriptedDialogService.h"

#include <QApplication>
#include <QEvent>
#include <stdexcept>

namespace kvx {
namespace {

const QEvent::Type FailingEvent = static_cast<QEvent::Type>(QEvent::User + 17);

// A control whose handler fails on one kind of event, as a command with a fault would.
class TFailingWidget : public QWidget {
public:
    using QWidget::QWidget;

protected:
    bool event(QEvent* event) override {
        if (event->type() == FailingEvent) {
            throw std::runtime_error("Zugriffsverletzung bei Adresse 0");
        }
        return QWidget::event(event);
    }
};

// What TKorvaneApplication::notify does with every event.
bool DeliverAsTheApplication(QObject* receiver, QEvent* event) {
    return DeliverReportingErrors([&] { return qApp->QApplication::notify(receiver, event); });
}

TEST(InternalError, MessageNamesTheSupportAddressAndTheErrorAfterLineFeedCarriageReturn) {
    EXPECT_EQ(InternalErrorMessage("kaputt"),
              QStringLiteral("Interner Programmfehler! Bitte versuchen Sie die aktuelle Datei zu "
                             "speichern und starten Sie das Programm anschließend neu! Bitte "
                             "schreiben sie eine eMail mit der Fehlermeldung an "
                             "support@velmora.example\n\rGenauer Fehler: kaputt"));
}

TEST_F(TEditorTest, ErrorEscapingAnEventHandlerIsReportedAndTheMapStays) {
    OpenMap(100, 100);
    AddRectangle(10, 10, 20, 20);
    Main().SetModified(true);
    auto* failing = new TFailingWidget(&Main());
    TScriptedDialogs dialogs;
    dialogs.AnswerMessage(TMsgResult::Ok);

    QEvent event(FailingEvent);
    EXPECT_FALSE(DeliverAsTheApplication(failing, &event));

    ASSERT_EQ(dialogs.Questions().size(), 1u);
    const TRecordedQuestion& question = dialogs.Questions().front();
    EXPECT_EQ(question.Kind, TMsgKind::Error);
    EXPECT_EQ(question.Buttons, TMsgButtons::Ok);
    EXPECT_EQ(question.Text, InternalErrorMessage("Zugriffsverletzung bei Adresse 0"));
    EXPECT_TRUE(Main().HasMap());
    EXPECT_EQ(Map().Entries().size(), 1u);
    EXPECT_TRUE(Main().Modified());

    // The program runs on: the next event reaches its handler normally.
    QEvent ordinary(QEvent::User);
    EXPECT_NO_THROW(DeliverAsTheApplication(failing, &ordinary));
    EXPECT_EQ(dialogs.Questions().size(), 1u);
}

} // namespace
} // namespace kvx
