// Map properties: the dialog filled from the map, the name and caption that follow it, and
// the image loaded again only when its path text changed.
#include "CommandsTestSupport.h"

#include "app/MapCommands.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace kvx::test {
namespace {

class CommandsMapProperties : public TCommandsTest {
protected:
    void SetUp() override {
        TCommandsTest::SetUp();
        CreateMap(QSize(60, 40));
        OriginalImage = QString::fromStdString(Map().ImageFile);
        Main().SetModified(false);
    }

    QSize ImageSize() { return Main().Document().SourceBitmap.size(); }

    QString OriginalImage;
};

TEST_F(CommandsMapProperties, TheDialogShowsTheMapAndOnlyTheNameChanges) {
    Map().AltText = "Beschreibung";
    Map().Border = "3";
    // The image on disk changes; since its path does not, it must not be loaded again.
    WriteImage(QStringLiteral("bild.png"), QSize(10, 10));
    TScriptedDialogs dialogs;
    dialogs.AnswerExec([&](QDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "Image Map Eigenschaften");
        const TMapPropsFields shownFields = MapProps->Fields();
        EXPECT_EQ(shownFields.name, "karte");
        EXPECT_EQ(shownFields.imageFile, OriginalImage);
        EXPECT_EQ(shownFields.altText, "Beschreibung");
        EXPECT_EQ(shownFields.border, "3");
        MapProps->inpName->setText(QStringLiteral("grundriss"));
        MapProps->btnOk->click();
        return shown.result();
    });
    Main().mniMapProperties->trigger();

    EXPECT_EQ(Map().Name, "grundriss");
    EXPECT_EQ(Map().AltText, "Beschreibung");
    EXPECT_EQ(Map().Border, "3");
    EXPECT_EQ(ShownCaption(Main()), "Korvane 2 [grundriss]*");
    EXPECT_EQ(MapNodeText(), "grundriss");
    EXPECT_TRUE(Main().Modified());
    EXPECT_EQ(ImageSize(), QSize(60, 40));
}

TEST_F(CommandsMapProperties, OkWithoutAChangeLeavesNoStepAndNoChange) {
    TScriptedDialogs dialogs;
    AnswerMapProps(dialogs, "karte", OriginalImage);
    Main().tbtMapProperties->trigger();
    EXPECT_FALSE(Main().Modified());
    EXPECT_FALSE(Main().mniUndo->isEnabled());
    EXPECT_EQ(Map().ImageFile, OriginalImage.toStdString());
}

TEST_F(CommandsMapProperties, UndoBringsTheEarlierImageBackOrKeepsTheImageThatIsThere) {
    const QString second = WriteImage(QStringLiteral("zweites.png"), QSize(30, 20));
    for (const bool earlierImageGone : {false, true}) {
        SetUp();
        TScriptedDialogs dialogs;
        AnswerMapProps(dialogs, "grundriss", second, "Haus", "2");
        Main().tbtMapProperties->trigger();
        ASSERT_EQ(ImageSize(), QSize(30, 20));
        if (earlierImageGone) {
            ASSERT_TRUE(QFile::remove(OriginalImage));
            dialogs.AnswerMessage(TMsgResult::Ok);
        }
        Main().tbtUndo->trigger();
        EXPECT_EQ(Map().Name, "karte") << earlierImageGone;
        EXPECT_EQ(Map().AltText, "");
        EXPECT_EQ(MapNodeText(), "karte");
        EXPECT_EQ(Map().ImageFile, (earlierImageGone ? second : OriginalImage).toStdString());
        EXPECT_EQ(ImageSize(), earlierImageGone ? QSize(30, 20) : QSize(60, 40));
        EXPECT_EQ(dialogs.MessageTexts(),
                  earlierImageGone ? std::vector<QString>{QString::fromUtf8(ChangedImageNotLoaded)}
                                   : std::vector<QString>{});
        Main().tbtRedo->trigger();
        EXPECT_EQ(Map().Name, "grundriss");
        EXPECT_EQ(Map().ImageFile, second.toStdString());
        EXPECT_EQ(ImageSize(), QSize(30, 20));
        TearDown();
    }
    SetUp();
}

TEST_F(CommandsMapProperties, CancelChangesNothing) {
    TScriptedDialogs dialogs;
    dialogs.AnswerExec([&](QDialog& shown) {
        MapProps->inpName->setText(QStringLiteral("verworfen"));
        MapProps->btnCancel->click();
        return shown.result();
    });
    Main().mniMapProperties->trigger();
    EXPECT_EQ(Map().Name, "karte");
    EXPECT_FALSE(Main().Modified());
    EXPECT_EQ(ShownCaption(Main()), "Korvane 2 [karte]");
}

TEST_F(CommandsMapProperties, AnotherImagePathLoadsTheImage) {
    const struct {
        QString FileName;
        QSize Size;
    } cases[] = {
        {"anders.png", QSize(30, 20)},
        // Only the letter case differs: on this file system another file, loaded again.
        {"BILD.png", QSize(20, 10)},
    };
    for (const auto& c : cases) {
        Main().ResetEditor();
        CreateMap(QSize(60, 40));
        const QString image = WriteImage(c.FileName, c.Size);
        TScriptedDialogs dialogs;
        AnswerMapProps(dialogs, "karte", image);
        Main().tbtMapProperties->trigger();
        EXPECT_EQ(Map().ImageFile, image.toStdString());
        EXPECT_EQ(ImageSize(), c.Size) << c.FileName.toStdString();
        EXPECT_TRUE(dialogs.MessageTexts().empty());
    }
}

TEST_F(CommandsMapProperties, AnImageThatCannotBeLoadedIsNotTaken) {
    const QString broken = WriteFile(QStringLiteral("kaputt.png"), QByteArray("kein Bild"));
    TScriptedDialogs dialogs;
    AnswerMapProps(dialogs, "neu", broken);
    dialogs.AnswerMessage(TMsgResult::Ok);
    Main().tbtMapProperties->trigger();

    ASSERT_EQ(dialogs.Questions().size(), 2u);
    EXPECT_EQ(dialogs.Questions()[1].Text, QString::fromUtf8(ChangedImageNotLoaded));
    EXPECT_EQ(dialogs.Questions()[1].Kind, TMsgKind::Error);
    EXPECT_EQ(Map().ImageFile, OriginalImage.toStdString());
    EXPECT_EQ(ImageSize(), QSize(60, 40));
    // The other fields were taken.
    EXPECT_EQ(Map().Name, "neu");
    EXPECT_TRUE(Main().Modified());
}

TEST_F(CommandsMapProperties, PendingPanelEditsAreStoredFirst) {
    AddRectangle(1, 1, 10, 10, "alt.htm");
    SelectArea(1);
    TypeLinkInPanel(QStringLiteral("neu.htm"));
    TScriptedDialogs dialogs;
    dialogs.AnswerExec([](QDialog&) { return int(QDialog::Rejected); });
    Main().mniMapProperties->trigger();
    EXPECT_EQ(PropertiesOf(1).Href, "neu.htm");
}

} // namespace
} // namespace kvx::test
