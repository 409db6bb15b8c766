#include "platform/FileError.h"
#include "publish/FrmHtmlFile.h"
#include "publish/PageTemplate.h"
#include "publish/PublishCommands.h"
#include "support/RecordingHelpSystem.h"
#include "support/ScriptedDialogService.h"

#include "PublishFixture.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

namespace kvx {
namespace {

const QString SaveQuestion =
    QStringLiteral("Die HTML-Datei wurde geändert! Sollen die Änderungen gespeichert werden?");

QString Lf(QString text) {
    return text.replace("\r\n", "\n");
}

// The text colour a character of the editor shows: the blue of a marked definition where the
// mark covers it, else the character's own.
QColor ColourAt(const QTextEdit& editor, int position) {
    for (const QTextEdit::ExtraSelection& mark : editor.extraSelections()) {
        if (mark.cursor.selectionStart() <= position && position < mark.cursor.selectionEnd() &&
            mark.format.hasProperty(QTextFormat::ForegroundBrush)) {
            return mark.format.foreground().color();
        }
    }
    QTextCursor cursor(editor.document());
    cursor.setPosition(position + 1); // the format of the character before the cursor
    return cursor.charFormat().foreground().color();
}

class HtmlFileWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Folder.isValid());
        ImagePath = Folder.filePath("Bilder/Haus.PNG");
        ASSERT_TRUE(QDir(Folder.path()).mkdir("Bilder"));
        test::WriteSampleImage(ImagePath);
        Map = test::MakeSampleMap(ImagePath.toStdString());
        Definition = test::PublishingText(*Map);
        PageDefinition = test::PublishingText(*Map, Folder.filePath("seite.htm"));
    }

    // Runs the new-file command with the template at templatePath; action runs while the
    // window is open.
    void NewFile(const QString& templatePath, const std::function<void()>& action = {}) {
        Dialogs.AnswerExec([&](QDialog&) {
            if (action) {
                action();
            }
            return int(QDialog::Rejected);
        });
        InsertIntoNewHtmlFile(*Map, test::SampleImageSize, Window, templatePath.toStdString());
    }

    // The window as the existing-file command leaves it for the file at path.
    void OpenExisting(const QString& path, const std::function<void()>& action = {}) {
        Dialogs.AnswerOpenFile(path);
        Dialogs.AnswerExec([&](QDialog&) {
            if (action) {
                action();
            }
            return int(QDialog::Rejected);
        });
        InsertIntoExistingHtmlFile(*Map, test::SampleImageSize, Window);
    }

    QString SelectedText() const { return Window.reditHtml->textCursor().selectedText(); }

    QTemporaryDir Folder;
    QString ImagePath;
    std::unique_ptr<TImageMap> Map;
    // For a new file and for a page beside the folder "Bilder".
    QString Definition;
    QString PageDefinition;
    TScriptedDialogs Dialogs;
    TRecordingHelp Help;
    TfrmHtmlFile Window;
};

TEST_F(HtmlFileWindowTest, NewFileFromTheBuiltInPageHasTheDefinitionSelectedAndBlue) {
    NewFile(Folder.filePath("keine-vorlage.htm"), [&] {
        EXPECT_TRUE(Window.isVisible());
        const QString expected = Lf(DefaultPageTemplateText().replace(
            QString::fromUtf8(MapMarker.data(), MapMarker.size()), Definition));
        EXPECT_EQ(Window.Text(), expected);
        // The marker's line break stays: an empty line before "</body>".
        EXPECT_TRUE(Window.Text().contains("usemap=\"#karte\" />\n\n</body>"));

        const QTextCursor selection = Window.reditHtml->textCursor();
        EXPECT_EQ(selection.selectionStart(), expected.indexOf("<map "));
        EXPECT_EQ(selection.selectionEnd() - selection.selectionStart(), Lf(Definition).size());
        EXPECT_EQ(SelectedText().replace(QChar::ParagraphSeparator, '\n'), Lf(Definition));
        EXPECT_EQ(ColourAt(*Window.reditHtml, selection.selectionStart()), QColor(0, 0, 255));
        EXPECT_EQ(ColourAt(*Window.reditHtml, selection.selectionEnd() - 2), QColor(0, 0, 255));
        EXPECT_NE(ColourAt(*Window.reditHtml, 0), QColor(0, 0, 255));
    });
    EXPECT_EQ(Window.FilePath, Folder.filePath("Bilder/"));
    EXPECT_EQ(Window.Definition, Definition);
    EXPECT_TRUE(Window.Changed);
    EXPECT_EQ(Window.windowTitle(), "Neue HTML-Datei");
    ASSERT_EQ(Dialogs.Questions().size(), 1u);
    EXPECT_EQ(Dialogs.Questions()[0].DialogClass, "kvx::TfrmHtmlFile");
}

struct TTemplateCase {
    const char* Name;
    QByteArray Template;
    QString Expected;   // "D" stands for the definition
    int SelectionStart; // -1: nothing selected
};

TEST_F(HtmlFileWindowTest, PutsTheDefinitionAtTheFirstMarkerOfATemplateFile) {
    const TTemplateCase cases[] = {
        {"no marker", "<html>\r\n</html>", "", -1},
        {"marker at the very end", "<body>\r\n<!-- !!!Image-Map!!! -->", "<body>\nD", 7},
        {"two markers", "<p>\xC3\xBC</p>\r\n<!-- !!!Image-Map!!! -->\r\n<!-- !!!Image-Map!!! -->",
         "<p>ü</p>\nD\n<!-- !!!Image-Map!!! -->", 9},
        {"Windows-1252, LF", "<p>\xFC</p>\n<!-- !!!Image-Map!!! -->\n", "<p>ü</p>\nD\n", 9},
    };
    for (const TTemplateCase& c : cases) {
        const QString templatePath = Folder.filePath("vorlage.htm");
        test::WriteBytes(templatePath, c.Template);
        NewFile(templatePath, [&] {
            EXPECT_EQ(Window.Text(), QString(c.Expected).replace("D", Lf(Definition))) << c.Name;
            if (c.SelectionStart >= 0) {
                EXPECT_EQ(Window.reditHtml->textCursor().selectionStart(), c.SelectionStart)
                    << c.Name;
                EXPECT_EQ(SelectedText().replace(QChar::ParagraphSeparator, '\n'), Lf(Definition))
                    << c.Name;
            }
        });
        EXPECT_TRUE(Window.Changed) << c.Name;
    }
}

TEST_F(HtmlFileWindowTest, InsertingTwiceKeepsBothAndSelectsTheSecond) {
    const QString page = Folder.filePath("seite.htm");
    test::WriteBytes(page, "<body>\r\n\r\n</body>\r\n");
    OpenExisting(page, [&] {
        EXPECT_FALSE(Window.Changed);
        QTextCursor cursor = Window.reditHtml->textCursor();
        cursor.setPosition(7); // the empty line
        Window.reditHtml->setTextCursor(cursor);
        Window.tbtInsertDefinition->click();
        EXPECT_TRUE(Window.Changed);
        Window.tbtInsertDefinition->click();
        EXPECT_EQ(Window.Text(),
                  "<body>\n" + Lf(PageDefinition) + Lf(PageDefinition) + "\n</body>\n");
        const QTextCursor selection = Window.reditHtml->textCursor();
        EXPECT_EQ(selection.selectionStart(), 7 + Lf(PageDefinition).size());
        EXPECT_EQ(SelectedText().replace(QChar::ParagraphSeparator, '\n'), Lf(PageDefinition));
        EXPECT_EQ(ColourAt(*Window.reditHtml, selection.selectionStart()), QColor(0, 0, 255));
    });
}

TEST_F(HtmlFileWindowTest, BlueMarksOnlyTheDefinitionJustInserted) {
    const QString page = Folder.filePath("seite.htm");
    test::WriteBytes(page, "<body>\r\n\r\n</body>\r\n");
    const QColor blue(0, 0, 255);
    // After the built-in page with its marked definition the window is closed and opened on
    // an existing page: nothing of it is blue, until a definition is inserted there.
    NewFile(Folder.filePath("keine-vorlage.htm"));
    OpenExisting(page, [&] {
        for (int position = 0; position < Window.Text().size(); ++position) {
            ASSERT_NE(ColourAt(*Window.reditHtml, position), blue) << position;
        }
        QTextCursor cursor = Window.reditHtml->textCursor();
        cursor.setPosition(7);
        Window.reditHtml->setTextCursor(cursor);
        Window.tbtInsertDefinition->click();
        // The window selects what it inserted (the page names its image its own way).
        const int start = Window.reditHtml->textCursor().selectionStart();
        const int end = Window.reditHtml->textCursor().selectionEnd();
        ASSERT_EQ(start, 7);
        // Typed right behind and right before the definition: plain text.
        for (const int at : {end, start}) {
            cursor = Window.reditHtml->textCursor();
            cursor.setPosition(at);
            Window.reditHtml->setTextCursor(cursor);
            QTest::keyClicks(Window.reditHtml, "xy");
        }
        const QString text = Window.Text();
        EXPECT_EQ(text.mid(start, 2), "xy");
        EXPECT_EQ(text.mid(end + 2, 2), "xy");
        for (const int position : {start, start + 1, end + 2, end + 3}) {
            EXPECT_NE(ColourAt(*Window.reditHtml, position), blue) << position;
        }
        EXPECT_EQ(ColourAt(*Window.reditHtml, start + 2), blue);
        EXPECT_EQ(ColourAt(*Window.reditHtml, end + 1), blue);
        // A second insertion, at the end, takes the blue from the first.
        Window.reditHtml->moveCursor(QTextCursor::End);
        Window.tbtInsertDefinition->click();
        EXPECT_EQ(ColourAt(*Window.reditHtml, int(Window.Text().size()) - 2), blue);
        EXPECT_NE(ColourAt(*Window.reditHtml, start + 2), blue);
    });
}

TEST_F(HtmlFileWindowTest, InsertingReplacesTheSelection) {
    const QString page = Folder.filePath("seite.htm");
    test::WriteBytes(page, "<p>ALT</p>");
    OpenExisting(page, [&] {
        QTextCursor cursor = Window.reditHtml->textCursor();
        cursor.setPosition(3);
        cursor.setPosition(6, QTextCursor::KeepAnchor);
        Window.reditHtml->setTextCursor(cursor);
        Window.tbtInsertDefinition->click();
        EXPECT_EQ(Window.Text(), "<p>" + Lf(PageDefinition) + "</p>");
    });
}

TEST_F(HtmlFileWindowTest, ExistingFileOpensAsItIsWithTheDialogInTheImagesFolder) {
    const QString page = Folder.filePath("Web/Seite.HTM");
    ASSERT_TRUE(QDir(Folder.path()).mkdir("Web"));
    test::WriteBytes(page, "<html>\r\n<p>Gr\xFC\xDF"
                           "e</p>\r\n</html>\r\n");
    OpenExisting(page, [&] {
        EXPECT_EQ(Window.Text(), "<html>\n<p>Grüße</p>\n</html>\n");
        EXPECT_FALSE(Window.reditHtml->textCursor().hasSelection());
        EXPECT_EQ(Window.lblFileFormat->text(),
                  "Kodierung: windows-1252 (angenommen) – Zeilenende: CR LF");
    });
    const TFileDialogRequest& request = Dialogs.Questions().at(0).File;
    EXPECT_EQ(request.InitialFolder, Folder.filePath("Bilder/"));
    EXPECT_EQ(request.Filter, "HTML-Dateien (*.htm;*.html)|*.HTM;*.HTML|HTML-Dateien (*.htm)|"
                              "*.HTM|HTML-Dateien (*.html)|*.HTML|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(Window.FilePath, page);
    EXPECT_EQ(Window.windowTitle(), page);
    // The page names the image from its own folder.
    EXPECT_EQ(Window.Definition, test::PublishingText(*Map, page));
    EXPECT_TRUE(Window.Definition.contains("src=\"../Bilder/Haus.PNG\""));
    EXPECT_FALSE(Window.Changed);
}

TEST_F(HtmlFileWindowTest, CancelledOpenDialogOrUnreadableFileShowsNoWindow) {
    Dialogs.AnswerOpenFile(std::nullopt);
    InsertIntoExistingHtmlFile(*Map, test::SampleImageSize, Window);
    Dialogs.AnswerOpenFile(Folder.filePath("fehlt.htm"));
    EXPECT_THROW(InsertIntoExistingHtmlFile(*Map, test::SampleImageSize, Window), TFileError);
    for (const TRecordedQuestion& question : Dialogs.Questions()) {
        EXPECT_NE(question.Type, TQuestionType::Exec);
    }
}

TEST_F(HtmlFileWindowTest, SaveOfANewFileAsksForTheNameAndWritesTheTemplatesUtf8) {
    const QString chosen = Folder.filePath("Bilder/Neue Seite.HTM");
    NewFile(Folder.filePath("keine-vorlage.htm"), [&] {
        EXPECT_EQ(Window.lblFileFormat->text(),
                  "Kodierung: UTF-8 (in der Datei angegeben) – Zeilenende: CR LF");
        Dialogs.AnswerSaveFile(chosen);
        Window.tbtSave->click();
        EXPECT_FALSE(Window.Changed);
        EXPECT_EQ(Window.FilePath, chosen);
        EXPECT_EQ(Window.windowTitle(), chosen);
    });
    const TFileDialogRequest& request = Dialogs.Questions().at(1).File;
    EXPECT_EQ(request.InitialFolder, Folder.filePath("Bilder/"));
    EXPECT_EQ(request.Filter, "HTML-Dateien (*.htm;*.html)|*.htm;*.html");
    EXPECT_EQ(request.DefaultSuffix, "htm");
    EXPECT_TRUE(request.ConfirmOverwrite);
    const QString expected = DefaultPageTemplateText().replace(
        QString::fromUtf8(MapMarker.data(), MapMarker.size()), Definition);
    EXPECT_EQ(test::ReadBytes(chosen), expected.toUtf8());
}

TEST_F(HtmlFileWindowTest, ANewFileSavedElsewhereNamesTheImageFromThere) {
    ASSERT_TRUE(QDir(Folder.path()).mkdir("Web"));
    const QString chosen = Folder.filePath("Web/neu.htm");
    NewFile(Folder.filePath("keine-vorlage.htm"), [&] {
        Dialogs.AnswerSaveFile(chosen);
        Window.tbtSave->click();
        EXPECT_EQ(Window.Definition, test::PublishingText(*Map, chosen));
    });
    const QByteArray written = test::ReadBytes(chosen);
    EXPECT_TRUE(written.contains("<img src=\"../Bilder/Haus.PNG\""));
    EXPECT_FALSE(written.contains("<img src=\"Haus.PNG\""));
}

TEST_F(HtmlFileWindowTest, SaveWritesAnExistingFileBackWithOnlyTheInsertionAdded) {
    const QString page = Folder.filePath("seite.htm");
    // Line ends of three kinds, a line separator in a script, a control character.
    const QByteArray before =
        "\xEF\xBB\xBF<body>\r\r\n<script>s='a\xE2\x80\xA8\x62\x01';</script>\r";
    const QByteArray after = "\xC3\xA4\n\r</body>\r\n";
    test::WriteBytes(page, before + after);
    OpenExisting(page, [&] {
        QTextCursor cursor = Window.reditHtml->textCursor();
        cursor.setPosition(int(Window.Text().indexOf(QStringLiteral("ä"))));
        Window.reditHtml->setTextCursor(cursor);
        Window.tbtInsertDefinition->click();
        Window.tbtSave->click();
        EXPECT_FALSE(Window.Changed);
        // A second save writes the same again.
        Window.tbtSave->click();
    });
    // No save dialog: the file has a name. The definition takes the page's most common line
    // end; every other byte stays.
    EXPECT_EQ(Dialogs.Questions().size(), 2u);
    QString inserted = Lf(PageDefinition);
    EXPECT_EQ(test::ReadBytes(page), before + inserted.replace("\n", "\r").toUtf8() + after);
}

TEST_F(HtmlFileWindowTest, SaveAsStartsInTheFilesFolderAndShowsThePathAsItIs) {
    const QString page = Folder.filePath("seite.htm");
    test::WriteBytes(page, "<p>x</p>\r\n");
    ASSERT_TRUE(QDir(Folder.path()).mkdir("Web"));
    const QString chosen = Folder.filePath("Web/Seite.HTM");
    OpenExisting(page, [&] {
        Dialogs.AnswerSaveFile(chosen);
        Window.tbtSaveAs->click();
        EXPECT_EQ(Window.windowTitle(), chosen);
        // The dialog cancelled: nothing changes.
        Dialogs.AnswerSaveFile(std::nullopt);
        Window.tbtSaveAs->click();
        EXPECT_EQ(Window.FilePath, chosen);
    });
    EXPECT_EQ(Dialogs.Questions().at(2).File.InitialFolder, Folder.path() + "/");
    EXPECT_EQ(test::ReadBytes(chosen), "<p>x</p>\r\n");
}

TEST_F(HtmlFileWindowTest, FailedSaveReportsTheSystemsErrorAndKeepsTheChange) {
    const QString chosen = Folder.filePath("fehlt/seite.htm");
    NewFile(Folder.filePath("keine-vorlage.htm"), [&] {
        Dialogs.AnswerSaveFile(chosen).AnswerMessage(TMsgResult::Ok);
        Window.tbtSave->click();
        EXPECT_TRUE(Window.Changed);
        EXPECT_EQ(Window.windowTitle(), "Neue HTML-Datei");
        EXPECT_EQ(Window.FilePath, chosen);
    });
    const TRecordedQuestion& message = Dialogs.Questions().at(2);
    EXPECT_EQ(message.Kind, TMsgKind::Error);
    EXPECT_EQ(message.Buttons, TMsgButtons::Ok);
    EXPECT_EQ(message.Text,
              "Fehler beim Speichern der Datei! Bitte drücken Sie F1 für weitere "
              "Informationen!\r\nGenauer Fehler: Datei oder Verzeichnis nicht gefunden (2)");
    EXPECT_FALSE(QFile::exists(chosen));
}

// How the window closes: the answers given, whether it stays open and whether the file is there.
struct TCloseCase {
    const char* Name;
    bool Edit;
    std::optional<TMsgResult> Question;
    std::optional<std::optional<QString>> SaveDialog;
    bool SaveFails;
    bool StaysOpen;
    bool Saved;
};

TEST_F(HtmlFileWindowTest, ClosingAsksAboutChangesAndKeepsTheWindowUnlessSaved) {
    const QString target = Folder.filePath("neu.htm");
    const QString missingFolder = Folder.filePath("fehlt/neu.htm");
    const TCloseCase cases[] = {
        {"unchanged", false, {}, {}, false, false, false},
        {"Cancel", true, TMsgResult::Cancel, {}, false, true, false},
        {"No", true, TMsgResult::No, {}, false, false, false},
        {"Yes, saved", true, TMsgResult::Yes, target, false, false, true},
        {"Yes, dialog cancelled", true, TMsgResult::Yes, std::optional<QString>(), false, true,
         false},
        {"Yes, save failed", true, TMsgResult::Yes, missingFolder, true, true, false},
    };
    const QString page = Folder.filePath("seite.htm");
    for (const TCloseCase& c : cases) {
        QFile::remove(target);
        test::WriteBytes(page, "<p></p>");
        OpenExisting(page, [&] {
            if (c.Edit) {
                Window.tbtInsertDefinition->click();
                Window.FilePath = Folder.path() + "/"; // as a new file, to get the dialog
            }
            if (c.Question) {
                Dialogs.AnswerMessage(*c.Question);
            }
            if (c.SaveDialog) {
                Dialogs.AnswerSaveFile(*c.SaveDialog);
            }
            if (c.SaveFails) {
                Dialogs.AnswerMessage(TMsgResult::Ok);
            }
            const std::size_t asked = Dialogs.Questions().size();
            Window.tbtClose->click();
            EXPECT_EQ(Window.isVisible(), c.StaysOpen) << c.Name;
            if (c.Question) {
                EXPECT_EQ(Dialogs.Questions().at(asked).Text, SaveQuestion) << c.Name;
                EXPECT_EQ(Dialogs.Questions().at(asked).Buttons, TMsgButtons::YesNoCancel);
            } else {
                EXPECT_EQ(Dialogs.Questions().size(), asked) << c.Name;
            }
            EXPECT_EQ(QFile::exists(target), c.Saved) << c.Name;
            Window.hide();
        });
        EXPECT_EQ(Dialogs.PendingAnswers(), 0u) << c.Name;
    }
}

TEST_F(HtmlFileWindowTest, EscapeAndTheWindowManagerGoThroughTheClosingCheck) {
    NewFile(Folder.filePath("keine-vorlage.htm"), [&] {
        Dialogs.AnswerMessage(TMsgResult::Cancel);
        Window.reject();
        EXPECT_TRUE(Window.isVisible());
        EXPECT_EQ(Dialogs.MessageTexts().back(), SaveQuestion);
        // The window manager's close button or Alt+F4.
        Dialogs.AnswerMessage(TMsgResult::Cancel);
        Window.close();
        EXPECT_TRUE(Window.isVisible());
        Dialogs.AnswerMessage(TMsgResult::No);
        Window.reject();
        EXPECT_FALSE(Window.isVisible());
        EXPECT_EQ(Dialogs.MessageTexts().size(), 3u);
    });
}

TEST_F(HtmlFileWindowTest, HasItsCaptionsToolBarAndHelp) {
    EXPECT_EQ(Window.size(), QSize(640, 400));
    EXPECT_FALSE(Window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(Window.reditHtml->tabChangesFocus());
    EXPECT_EQ(Window.reditHtml->lineWrapMode(), QTextEdit::NoWrap);
    const QPalette palette = Window.reditHtml->palette();
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
              palette.color(QPalette::Active, QPalette::Highlight));
    QStringList captions;
    for (QToolButton* button : {Window.tbtInsertDefinition, Window.tbtSave, Window.tbtSaveAs,
                                Window.tbtClose, Window.tbtHelp}) {
        captions << button->text();
    }
    EXPECT_EQ(captions, QStringList({"Defintion &einfügen", "&Speichern", "Speichern &unter...",
                                     "Fenster s&chließen", "&Hilfe"}));
    Window.tbtHelp->click();
    PressF1(Window);
    EXPECT_EQ(Help.Contexts(), (std::vector<int>{hcHtmlFile, hcHtmlFile}));
}

} // namespace
} // namespace kvx
