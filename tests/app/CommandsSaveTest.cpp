// Save and Save As: the save dialog asked once for a new map, the file's first lines, the
// image path line of Save As, and a failed write that keeps the map's changes.
#include "CommandsTestSupport.h"

#include "formats/ProjectFile.h"

#include <QDir>
#include <QFileInfo>

namespace kvx::test {
namespace {

const QString SaveFilter = "Korvane 2 - Dateien (*.kvx)|*.kvx";
const QByteArray HeaderLine = QByteArray(ProjectFileHeader.data()) + "\r\n";

using CommandsSave = TCommandsTest;

TEST_F(CommandsSave, AsksForAPathOnceThenWritesWithoutAsking) {
    CreateMap();
    AddRectangle(2, 3, 20, 15, "erster.htm");
    TScriptedDialogs dialogs;
    // The user types "karte"; the dialog adds the default suffix.
    const QString path = PathOf(QStringLiteral("karte.kvx"));
    dialogs.AnswerSaveFile(path);
    Main().mniSave->trigger();

    ASSERT_EQ(dialogs.Questions().size(), 1u);
    const TFileDialogRequest& request = dialogs.Questions()[0].File;
    EXPECT_EQ(QDir(request.InitialFolder), QDir(Folder.path())) << "the image's folder";
    EXPECT_EQ(request.Filter, SaveFilter);
    EXPECT_EQ(request.DefaultSuffix, "kvx");
    EXPECT_TRUE(request.ConfirmOverwrite);
    EXPECT_EQ(Map().ProjectFile, path.toStdString());
    EXPECT_FALSE(Main().Modified());
    EXPECT_TRUE(ReadFile(path).startsWith(HeaderLine + "<map name=\"karte\""));

    // The second save, by the tool bar button, writes there without asking.
    AddRectangle(30, 3, 40, 15, "zweiter.htm");
    Main().SetModified(true);
    Main().tbtSave->trigger();
    EXPECT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_FALSE(Main().Modified());
    const QByteArray written = ReadFile(path);
    EXPECT_TRUE(written.contains("erster.htm"));
    EXPECT_TRUE(written.contains("zweiter.htm"));
    // The caption names the project file once there is one.
    EXPECT_EQ(ShownCaption(Main()), "Korvane 2 [karte] – karte.kvx");
}

TEST_F(CommandsSave, SaveAsWritesTheImagePathAndStartsInTheProjectsFolder) {
    CreateMap();
    AddRectangle(2, 3, 20, 15, "raum.htm");
    ASSERT_TRUE(QDir(Folder.path()).mkdir(QStringLiteral("projekte")));
    const QString first = PathOf(QStringLiteral("projekte/erste.kvx"));
    const QString second = PathOf(QStringLiteral("zweite.kvx"));
    TScriptedDialogs dialogs;
    dialogs.AnswerSaveFile(first).AnswerSaveFile(second);
    Main().mniSaveAs->trigger();
    Main().mniSaveAs->trigger();

    ASSERT_EQ(dialogs.Questions().size(), 2u);
    // Without a project file the dialog starts in the image's folder, then in the project's.
    EXPECT_EQ(QDir(dialogs.Questions()[0].File.InitialFolder), QDir(Folder.path()));
    EXPECT_EQ(QDir(dialogs.Questions()[1].File.InitialFolder), QDir(PathOf("projekte")));
    EXPECT_EQ(dialogs.Questions()[1].File.Filter, SaveFilter);
    EXPECT_EQ(Map().ProjectFile, second.toStdString());
    EXPECT_FALSE(Main().Modified());

    const QByteArray expectedStart = HeaderLine + Map().ImageFile.c_str() + "\r\n<map name=\"";
    for (const QString& path : {first, second}) {
        EXPECT_TRUE(ReadFile(path).startsWith(expectedStart)) << path.toStdString();
    }

    // The file opens again with its area.
    dialogs.AnswerOpenFile(second);
    Main().mniOpen->trigger();
    ASSERT_TRUE(HasMap());
    EXPECT_EQ(Map().Name, "karte");
    EXPECT_EQ(Map().ProjectFile, second.toStdString());
    ASSERT_EQ(Map().Entries().size(), 1u);
    EXPECT_EQ(PropertiesOf(1).Href, "raum.htm");
}

TEST_F(CommandsSave, AFailedWriteReportsItAndKeepsTheChanges) {
    CreateMap();
    DrawRectangle(5, 5, 20, 20);
    const QString unreachable = PathOf(QStringLiteral("fehlt/karte.kvx"));
    TScriptedDialogs dialogs;
    dialogs.AnswerSaveFile(unreachable).AnswerMessage(TMsgResult::Ok);
    Main().mniSave->trigger();

    ASSERT_EQ(dialogs.Questions().size(), 2u);
    const TRecordedQuestion& error = dialogs.Questions()[1];
    EXPECT_EQ(error.Kind, TMsgKind::Error);
    EXPECT_EQ(error.Buttons, TMsgButtons::Ok);
    EXPECT_EQ(error.HelpContext, 0);
    EXPECT_TRUE(error.Text.startsWith(QString::fromUtf8(SaveErrorStart)));
    EXPECT_TRUE(error.Text.endsWith(")")) << "the system's error code closes the text";
    EXPECT_TRUE(Main().Modified());
    EXPECT_FALSE(QFileInfo::exists(unreachable));
    // The chosen path stays: the next Save tries it again without asking.
    EXPECT_EQ(Map().ProjectFile, unreachable.toStdString());
    dialogs.AnswerMessage(TMsgResult::Ok);
    Main().mniSave->trigger();
    ASSERT_EQ(dialogs.Questions().size(), 3u);
    EXPECT_EQ(dialogs.Questions()[2].Type, TQuestionType::Message);

    // Save As to the same place fails the same way.
    dialogs.AnswerSaveFile(unreachable).AnswerMessage(TMsgResult::Ok);
    Main().mniSaveAs->trigger();
    EXPECT_TRUE(dialogs.Questions().back().Text.startsWith(QString::fromUtf8(SaveErrorStart)));
    EXPECT_TRUE(Main().Modified());
}

TEST_F(CommandsSave, AFailedSaveAsLeavesTheProjectsFileNameAsItWas) {
    const QString unreachable = PathOf(QStringLiteral("fehlt/karte.kvx"));
    const QString saved = PathOf(QStringLiteral("karte.kvx"));
    // A map without a file name keeps none; one with a name keeps it, and the next Save
    // (the close question's "Ja") writes there, not to the path that failed.
    for (const bool named : {false, true}) {
        CreateMap();
        DrawRectangle(5, 5, 20, 20);
        TScriptedDialogs dialogs;
        if (named) {
            dialogs.AnswerSaveFile(saved);
            Main().mniSave->trigger();
            Main().SetModified(true);
        }
        dialogs.AnswerSaveFile(unreachable).AnswerMessage(TMsgResult::Ok);
        Main().mniSaveAs->trigger();
        EXPECT_TRUE(dialogs.Questions().back().Text.startsWith(QString::fromUtf8(SaveErrorStart)));
        EXPECT_EQ(Map().ProjectFile, named ? saved.toStdString() : std::string()) << named;
        EXPECT_TRUE(Main().Modified());
        if (named) {
            const std::size_t asked = dialogs.Questions().size();
            Main().mniSave->trigger();
            EXPECT_EQ(dialogs.Questions().size(), asked);
            EXPECT_FALSE(Main().Modified());
        }
    }
}

TEST_F(CommandsSave, CancellingTheDialogWritesNothing) {
    CreateMap();
    DrawRectangle(5, 5, 20, 20);
    TScriptedDialogs dialogs;
    dialogs.AnswerSaveFile(std::nullopt).AnswerSaveFile(std::nullopt);
    Main().mniSave->trigger();
    Main().mniSaveAs->trigger();
    EXPECT_TRUE(Main().Modified());
    EXPECT_TRUE(Map().ProjectFile.empty());
    EXPECT_TRUE(QDir(Folder.path()).entryList({"*.kvx"}).isEmpty());
}

} // namespace
} // namespace kvx::test
