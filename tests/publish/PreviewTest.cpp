#include "platform/FileError.h"
#include "publish/FrmPreview.h"
#include "publish/PageTemplate.h"
#include "publish/PreviewCommand.h"
#include "publish/PublishCommands.h"
#include "support/RecordingHelpSystem.h"
#include "support/ScriptedDialogService.h"

#include "PublishFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace kvx {
namespace {

// What a preview left in its private folder while its window was open.
struct TSeenFiles {
    QString PageUrlPath;
    QStringList FolderEntries;
    QByteArray Page;
    QByteArray ImageCopy;
    bool BrowserVisible = false;
    QString SourceCode;
    bool WindowVisible = false;
};

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ImageFolder.isValid());
        ASSERT_TRUE(TemporaryFolder.isValid());
        ImagePath = ImageFolder.filePath("Haus.PNG");
        test::WriteSampleImage(ImagePath);
        Map = test::MakeSampleMap(ImagePath.toStdString());
        Environment.TemporaryFolder = TemporaryFolder.path();
    }

    // Runs the preview; while its window is open, records what it shows and what lies on disk.
    TSeenFiles RunAndLook() {
        TSeenFiles seen;
        Dialogs.AnswerExec([&](QDialog& dialog) {
            seen.WindowVisible = dialog.isVisible();
            seen.BrowserVisible = Window.IsBrowserVisible();
            seen.SourceCode = Window.SourceCode();
            const QStringList folders =
                QDir(TemporaryFolder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            if (folders.size() == 1) {
                const QDir privateFolder(QDir(TemporaryFolder.path()).filePath(folders[0]));
                seen.FolderEntries = privateFolder.entryList(QDir::Files, QDir::Name);
                if (privateFolder.exists("kvx2temp.htm")) {
                    seen.Page = test::ReadBytes(privateFolder.filePath("kvx2temp.htm"));
                }
                if (privateFolder.exists("kvx2temp.png")) {
                    seen.ImageCopy = test::ReadBytes(privateFolder.filePath("kvx2temp.png"));
                }
            }
            seen.PageUrlPath = Window.WebBrowser->page()->requestedUrl().toLocalFile();
            return int(QDialog::Accepted);
        });
        RunPreview(*Map, test::SampleImageSize, Window, Environment);
        return seen;
    }

    bool TemporaryFolderIsEmpty() const {
        return QDir(TemporaryFolder.path())
            .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    QTemporaryDir ImageFolder;
    QTemporaryDir TemporaryFolder;
    QString ImagePath;
    std::unique_ptr<TImageMap> Map;
    TPreviewEnvironment Environment;
    TScriptedDialogs Dialogs;
    TFrmPreview Window;
};

TEST_F(PreviewTest, WritesThePageAndTheImageCopyAndRemovesThemAfterwards) {
    const TSeenFiles seen = RunAndLook();

    EXPECT_TRUE(seen.WindowVisible);
    EXPECT_TRUE(seen.BrowserVisible);
    EXPECT_EQ(seen.FolderEntries, QStringList({"kvx2temp.htm", "kvx2temp.png"}));
    // The page: the built-in one with the preview definition in place of the marker, unchanged
    // text in UTF-8 behind a byte-order mark.
    std::string preview;
    Map->GetHtml(test::SampleImageSize.width(), test::SampleImageSize.height(), false, true,
                 preview);
    const QString expectedPage = DefaultPageTemplateText().replace(
        QString::fromUtf8(MapMarker.data(), MapMarker.size()), QString::fromStdString(preview));
    EXPECT_EQ(seen.Page, QByteArray("\xEF\xBB\xBF") + expectedPage.toUtf8());
    EXPECT_TRUE(expectedPage.contains("src=\"kvx2temp.png\""));
    EXPECT_EQ(seen.ImageCopy, test::ReadBytes(ImagePath));
    EXPECT_TRUE(seen.PageUrlPath.endsWith("/kvx2temp.htm")) << seen.PageUrlPath.toStdString();

    EXPECT_TRUE(TemporaryFolderIsEmpty());
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
}

TEST_F(PreviewTest, RemovesTheCopyOfAReadOnlyImage) {
    ASSERT_TRUE(QFile::setPermissions(ImagePath, QFile::ReadOwner | QFile::ReadUser));
    const TSeenFiles seen = RunAndLook();
    EXPECT_EQ(seen.FolderEntries, QStringList({"kvx2temp.htm", "kvx2temp.png"}));
    EXPECT_EQ(seen.ImageCopy, test::ReadBytes(ImagePath));
    EXPECT_TRUE(TemporaryFolderIsEmpty());
}

TEST_F(PreviewTest, ShowsTheSourceAloneWhenTheImageIsGone) {
    ASSERT_TRUE(QFile::remove(ImagePath));
    const TSeenFiles seen = RunAndLook();
    EXPECT_TRUE(seen.WindowVisible);
    EXPECT_FALSE(seen.BrowserVisible);
    EXPECT_EQ(seen.SourceCode, test::PublishingText(*Map).replace("\r\n", "\n"));
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    EXPECT_TRUE(TemporaryFolderIsEmpty());
}

TEST_F(PreviewTest, ShowsTheSourceAloneWithoutATemporaryFolder) {
    Environment.TemporaryFolder = TemporaryFolder.filePath("fehlt/auch");
    const TSeenFiles seen = RunAndLook();
    EXPECT_TRUE(seen.WindowVisible);
    EXPECT_FALSE(seen.BrowserVisible);
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
}

TEST_F(PreviewTest, FindsTheImageOfAPathInAnotherCase) {
    Map->ImageFile = ImageFolder.filePath("haus.png").toStdString();
    const TSeenFiles seen = RunAndLook();
    EXPECT_TRUE(seen.BrowserVisible);
    EXPECT_EQ(seen.ImageCopy, test::ReadBytes(ImagePath));
}

TEST_F(PreviewTest, ReportsAPageThatCannotBeWrittenAndDoesNotShowTheWindow) {
    Environment.WritePage = [](const std::string&, const QByteArray&) {
        throw TFileError("No space left on device", ENOSPC);
    };
    Dialogs.AnswerMessage(TMsgResult::Ok);
    RunPreview(*Map, test::SampleImageSize, Window, Environment);

    ASSERT_EQ(Dialogs.Questions().size(), 1u);
    const TRecordedQuestion& message = Dialogs.Questions()[0];
    EXPECT_EQ(message.Type, TQuestionType::Message);
    EXPECT_EQ(message.Kind, TMsgKind::Error);
    EXPECT_EQ(message.Buttons, TMsgButtons::Ok);
    EXPECT_EQ(message.Text, "Fehler beim Erstellen der temporären Datei! Die Vorschau im "
                            "Browser ist nicht möglich!");
    EXPECT_FALSE(Window.isVisible());
    EXPECT_TRUE(TemporaryFolderIsEmpty());
}

TEST_F(PreviewTest, SourceTabShowsExactlyWhatTheClipboardGets) {
    RunAndLook();
    CopyToClipboard(*Map, test::SampleImageSize);
    const QString clipboard = QApplication::clipboard()->text();
    EXPECT_EQ(clipboard, test::PublishingText(*Map));
    EXPECT_TRUE(clipboard.endsWith("usemap=\"#karte\" />\r\n"));
    // The text view holds lines; its line ends are the only difference.
    EXPECT_EQ(Window.SourceCode(), QString(clipboard).replace("\r\n", "\n"));
    EXPECT_TRUE(Window.SourceCode().contains("alt=\"Küche &amp; Herd\""));
}

TEST_F(PreviewTest, KeepsTheActiveTabBetweenPreviews) {
    EXPECT_EQ(Window.pclPreview->currentWidget(), Window.tbsSourceCode);
    EXPECT_EQ(Window.pclPreview->tabText(0), "&Quelltext");
    EXPECT_EQ(Window.pclPreview->tabText(1), "&Browser");
    RunAndLook();
    Window.pclPreview->setCurrentWidget(Window.tbsBrowser);
    RunAndLook();
    EXPECT_EQ(Window.pclPreview->currentWidget(), Window.tbsBrowser);
}

TEST(PreviewWindow, HasItsCaptionSizeButtonsAndHelp) {
    TRecordingHelp help;
    TFrmPreview window;
    EXPECT_EQ(window.windowTitle(), "Vorschau");
    EXPECT_EQ(window.size(), QSize(640, 400));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.rtfSourceCode->isReadOnly());
    EXPECT_EQ(window.tbtClose->text(), "Fenster s&chließen");
    EXPECT_EQ(window.tbtHelp->text(), "&Hilfe");

    window.tbtHelp->click();
    PressF1(window);
    EXPECT_EQ(help.Contexts(), (std::vector<int>{hcPreview, hcPreview}));

    window.show();
    window.tbtClose->click();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace kvx
