// New: the map properties dialog prepared for a new map, the name rule's warning, the image
// that cannot be loaded, and the map a successful New leaves in the window.
#include "CommandsTestSupport.h"

#include "app/MapCommands.h"
#include "images/ImageLoading.h"

#include <QPushButton>

namespace kvx::test {
namespace {

const QString NameWarning =
    "Laut HTML-Konvention darf der Name nur aus den Zeichen A-Z a-z 0-9 .:_- bestehen, wobei "
    "das erste Zeichen ein Buchstabe sein muss! Dies kann in einigen Browsern zu "
    "Anzeigeproblemen führen! Trotzdem fortfahren?";

using CommandsNew = TCommandsTest;

TEST_F(CommandsNew, MakesTheMapFromTheDialogsFields) {
    const QString image = WriteImage(QStringLiteral("haus.png"), QSize(80, 50));
    // What an earlier use left in the dialog must not reach the new map.
    MapProps->SetFields({"alt", "/alt/bild.gif", "Alter Text", "7"});
    TScriptedDialogs dialogs;
    dialogs.AnswerExec([&](QDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "Neue Image Map");
        const TMapPropsFields prepared = MapProps->Fields();
        EXPECT_EQ(prepared.name, "");
        EXPECT_EQ(prepared.imageFile, "");
        EXPECT_EQ(prepared.altText, "");
        EXPECT_EQ(prepared.border, "0");
        MapProps->SetFields({"karte", image, "Unser Haus", "2"});
        MapProps->btnOk->click();
        return shown.result();
    });
    Main().tbtNew->trigger();

    ASSERT_TRUE(HasMap());
    EXPECT_EQ(Map().Name, "karte");
    EXPECT_EQ(Map().ImageFile, image.toStdString());
    EXPECT_EQ(Map().AltText, "Unser Haus");
    EXPECT_EQ(Map().Border, "2");
    EXPECT_TRUE(Map().ProjectFile.empty());
    EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(80, 50));
    EXPECT_FALSE(Main().Modified()) << "a new map starts with an empty, clean history";
    EXPECT_EQ(ShownCaption(Main()), "Korvane 2 [karte]");
    EXPECT_EQ(MapNodeText(), "karte");
    EXPECT_TRUE(Main().mniSave->isEnabled());
    EXPECT_TRUE(Main().tbtMapProperties->isEnabled());
}

TEST_F(CommandsNew, NamesOutsideTheHtmlRuleAskFirst) {
    const QString image = WriteImage(QStringLiteral("bild.png"), QSize(20, 20));
    const struct {
        QString Name;
        bool Warned;
        TMsgResult Answer;
        bool Created;
    } cases[] = {
        {"map:1.a_b-c", false, TMsgResult::Ok, true},
        {"Karte 1", true, TMsgResult::Yes, true},
        {"1map", true, TMsgResult::No, false},
        {"kärte", true, TMsgResult::Yes, true},
    };
    for (const auto& c : cases) {
        Main().ResetEditor();
        TScriptedDialogs dialogs;
        dialogs.AnswerExec([&](QDialog& shown) {
            MapProps->SetFields({c.Name, image, "", "0"});
            MapProps->btnOk->click();
            // After No the dialog is still open; the user gives up with Cancel.
            if (shown.isVisible()) {
                MapProps->btnCancel->click();
            }
            return shown.result();
        });
        if (c.Warned) {
            dialogs.AnswerMessage(c.Answer);
        }
        Main().mniNew->trigger();

        const std::vector<QString> expectedMessages =
            c.Warned ? std::vector<QString>{NameWarning} : std::vector<QString>{};
        EXPECT_EQ(dialogs.MessageTexts(), expectedMessages) << c.Name.toStdString();
        if (c.Warned) {
            EXPECT_EQ(dialogs.Questions().back().Buttons, TMsgButtons::YesNo);
            EXPECT_EQ(dialogs.Questions().back().Kind, TMsgKind::Warning);
        }
        ASSERT_EQ(HasMap(), c.Created) << c.Name.toStdString();
        if (c.Created) {
            EXPECT_EQ(Map().Name, c.Name.toStdString()) << "the name stays as typed";
        }
    }
}

TEST_F(CommandsNew, AnImageThatCannotBeLoadedKeepsTheOpenMap) {
    const QString cases[] = {
        WriteFile(QStringLiteral("kaputt.png"), QByteArray("no picture at all")),
        WriteFile(QStringLiteral("bild.bmp"), QByteArray("BM")),
        PathOf(QStringLiteral("fehlt.gif")),
    };
    for (const bool withMap : {false, true}) {
        for (const QString& image : cases) {
            SCOPED_TRACE(image.toStdString() + (withMap ? " over a map" : " without a map"));
            Main().ResetEditor();
            if (withMap) {
                CreateMap(QSize(30, 20), QStringLiteral("alt"));
                Main().SetModified(false);
            }
            TScriptedDialogs dialogs;
            AnswerMapProps(dialogs, QStringLiteral("karte"), image);
            dialogs.AnswerMessage(TMsgResult::Ok);
            Main().mniNew->trigger();

            ASSERT_EQ(dialogs.Questions().size(), 2u);
            const TRecordedQuestion& error = dialogs.Questions()[1];
            EXPECT_EQ(error.Text, QString::fromUtf8(UnknownImageFormatMessage));
            EXPECT_EQ(error.Kind, TMsgKind::Error);
            EXPECT_EQ(error.Buttons, TMsgButtons::Ok);
            EXPECT_EQ(HasMap(), withMap);
            EXPECT_EQ(Main().Document().HasImage(), withMap);
            EXPECT_EQ(Main().mniSave->isEnabled(), withMap);
            EXPECT_EQ(ShownCaption(Main()), withMap ? "Korvane 2 [alt]" : "Korvane 2");
            if (withMap) {
                EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(30, 20));
            }
        }
    }
}

} // namespace
} // namespace kvx::test
