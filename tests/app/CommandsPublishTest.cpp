// The publishing commands as the main window runs them: edits still held by the property
// panel reach what is published, and each command gets the map and its image size.
#include "CommandsTestSupport.h"

#include "platform/FileError.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <functional>

namespace kvx::test {
namespace {

class CommandsPublish : public TCommandsTest {
protected:
    void SetUp() override {
        TCommandsTest::SetUp();
        CreateMap(QSize(64, 48));
        AddRectangle(2, 2, 20, 20, "alt.htm");
        SelectArea(1);
        TypeLinkInPanel(QStringLiteral("neu.htm"));
    }
};

TEST_F(CommandsPublish, ClipboardGetsTheEditStillInThePanel) {
    for (QAction* command : {Main().mniCopyToClipboard, Main().tbtCopyToClipboard}) {
        QApplication::clipboard()->clear();
        command->trigger();
        const QString text = QApplication::clipboard()->text();
        EXPECT_TRUE(text.contains("href=\"neu.htm\"")) << text.toStdString();
        EXPECT_FALSE(text.contains("alt.htm")) << text.toStdString();
        EXPECT_TRUE(text.contains("width=\"64\" height=\"48\"")) << text.toStdString();
        EXPECT_FALSE(text.contains("kvxcolor")) << "the publishing variant";
        EXPECT_EQ(PropertiesOf(1).Href, "neu.htm");
        TypeLinkInPanel(QStringLiteral("neu.htm"));
    }
}

TEST_F(CommandsPublish, WindowsShowTheEditStillInThePanel) {
    const QString existing = WriteFile(QStringLiteral("seite.htm"), "<html></html>\n");
    const struct {
        const char* Name;
        QAction* Command;
        bool AsksForFile;
        std::function<QString()> Shown;
    } cases[] = {
        {"preview", Main().mniPreview, false, [&] { return Preview->SourceCode(); }},
        {"preview button", Main().tbtPreview, false, [&] { return Preview->SourceCode(); }},
        {"new file", Main().mniInsertNew, false, [&] { return HtmlFile->Text(); }},
        {"new file button", Main().tbtInsertNew, false, [&] { return HtmlFile->Definition; }},
        {"existing file", Main().mniInsertExisting, true, [&] { return HtmlFile->Definition; }},
        {"existing file button", Main().tbtInsertExisting, true,
         [&] { return HtmlFile->Definition; }},
    };
    for (const auto& c : cases) {
        TypeLinkInPanel(QStringLiteral("%1.htm").arg(QString::fromLatin1(c.Name)));
        TScriptedDialogs dialogs;
        if (c.AsksForFile) {
            dialogs.AnswerOpenFile(existing);
        }
        QString shown;
        dialogs.AnswerExec([&](QDialog&) {
            shown = c.Shown();
            return int(QDialog::Rejected);
        });
        c.Command->trigger();
        EXPECT_TRUE(shown.contains(QStringLiteral("href=\"%1.htm\"").arg(c.Name))) << c.Name;
        if (c.AsksForFile) {
            EXPECT_EQ(QDir(dialogs.Questions()[0].File.InitialFolder), QDir(Folder.path()));
        }
    }
}

TEST_F(CommandsPublish, AnExistingFileThatCannotBeReadIsNotCaught) {
    TScriptedDialogs dialogs;
    dialogs.AnswerOpenFile(PathOf(QStringLiteral("verschwunden.htm")));
    EXPECT_THROW(Commands().Publishing().mniInsertExistingClick(), TFileError);
    EXPECT_EQ(dialogs.Questions().size(), 1u) << "the window is not shown";
    EXPECT_TRUE(HasMap());
}

} // namespace
} // namespace kvx::test
