// The map properties dialog: what OK lets through and in which order it complains, the
// border rule, the image chooser and the help it offers.
#include "app/BorderSpinBox.h"
#include "app/FrmMapProps.h"
#include "support/QtPrinters.h"
#include "support/RecordingHelpSystem.h"
#include "support/ScriptedDialogService.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace kvx {
namespace {

const QString MissingFields = "Es muss ein Name und eine Bilddatei einegegeben werden!";
const QString UnconventionalName =
    "Laut HTML-Konvention darf der Name nur aus den Zeichen A-Z a-z 0-9 .:_- bestehen, wobei "
    "das erste Zeichen ein Buchstabe sein muss! Dies kann in einigen Browsern zu "
    "Anzeigeproblemen führen! Trotzdem fortfahren?";
const QString ImageFilter =
    "Bilddateien (*.gif;*.jpg;*.jpeg;*.png)|*.GIF;*.JPG;*.JPEG;*.PNG|GIF-Dateien (*.gif)|*.GIF|"
    "JPEG-Dateien (*.jpg;*.jpeg)|*.JPG;*.JPEG|PNG-Dateien (*.png)|*.PNG";

// Runs the dialog as the commands do, pressing OK once; true when it ended with OK.
bool RunAndPressOk(TfrmMapProps& dialog) {
    TScriptedDialogs run;
    run.AnswerExecByClicking(*dialog.btnOk);
    return Dialogs().Exec(dialog) == QDialog::Accepted;
}

void LeaveField(QWidget* field) {
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &focusOut);
}

TEST(MapPropsDialog, OkComplainsAboutAMissingNameOrImageFirst) {
    const TMapPropsFields cases[] = {
        {"", "", "", "0"},
        {"karte", "", "", "0"},
        {"", "/bilder/karte.gif", "", "0"},
        // The missing image is reported before the name rule is looked at.
        {"1 Karte", "", "", "0"},
    };
    for (const TMapPropsFields& fields : cases) {
        TfrmMapProps dialog;
        dialog.SetFields(fields);
        TScriptedDialogs dialogs;
        dialogs.AnswerExec([&](QDialog& shown) {
            dialog.btnOk->click();
            EXPECT_TRUE(shown.isVisible()) << "the dialog stays open";
            return shown.result();
        });
        dialogs.AnswerMessage(TMsgResult::Ok);
        EXPECT_EQ(Dialogs().Exec(dialog), QDialog::Rejected);
        ASSERT_EQ(dialogs.Questions().size(), 2u);
        const TRecordedQuestion& message = dialogs.Questions()[1];
        EXPECT_EQ(message.Text, MissingFields);
        EXPECT_EQ(message.Kind, TMsgKind::Information);
        EXPECT_EQ(message.Buttons, TMsgButtons::Ok);
    }
}

TEST(MapPropsDialog, NamesOutsideTheHtmlRuleNeedConfirmation) {
    const struct {
        QString name;
        bool conventional;
    } cases[] = {
        {"karte", true},    {"map:1.a_b-c", true}, {"K", true},       {"Karte 1", false},
        {"1map", false},    {"_karte", false},     {"kärte", false},  {"Übersicht", false},
        {"karte/1", false}, {"karte#", false},     {"-karte", false}, {"z9", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TfrmMapProps::IsConventionalName(c.name), c.conventional) << c.name.toStdString();

        TfrmMapProps dialog;
        dialog.SetFields({c.name, "/bilder/karte.gif", "", "0"});
        TScriptedDialogs dialogs;
        dialogs.AnswerExecByClicking(*dialog.btnOk);
        if (!c.conventional) {
            dialogs.AnswerMessage(TMsgResult::No);
        }
        // Answering No leaves the dialog open; a conventional name passes at once.
        EXPECT_EQ(Dialogs().Exec(dialog) == QDialog::Accepted, c.conventional)
            << c.name.toStdString();
        if (!c.conventional) {
            const TRecordedQuestion& warning = dialogs.Questions().at(1);
            EXPECT_EQ(warning.Text, UnconventionalName);
            EXPECT_EQ(warning.Kind, TMsgKind::Warning);
            EXPECT_EQ(warning.Buttons, TMsgButtons::YesNo);
        }
    }
}

TEST(MapPropsDialog, YesKeepsAnUnconventionalNameAsTyped) {
    TfrmMapProps dialog;
    dialog.SetFields({"Karte 1", "/bilder/karte.gif", "Beschreibung", "2"});
    TScriptedDialogs dialogs;
    dialogs.AnswerExecByClicking(*dialog.btnOk).AnswerMessage(TMsgResult::Yes);
    ASSERT_EQ(Dialogs().Exec(dialog), QDialog::Accepted);
    const TMapPropsFields fields = dialog.Fields();
    EXPECT_EQ(fields.name, "Karte 1");
    EXPECT_EQ(fields.imageFile, "/bilder/karte.gif");
    EXPECT_EQ(fields.altText, "Beschreibung");
    EXPECT_EQ(fields.border, "2");
}

TEST(MapPropsDialog, CancelEndsWithoutOk) {
    TfrmMapProps dialog;
    dialog.SetFields({"karte", "/bilder/karte.gif", "", "0"});
    TScriptedDialogs dialogs;
    dialogs.AnswerExecByClicking(*dialog.btnCancel);
    EXPECT_EQ(Dialogs().Exec(dialog), QDialog::Rejected);
}

TEST(BorderRule, CleansTheBorderText) {
    const std::pair<QString, QString> cases[] = {
        {"-3", "3"},
        {"", "0"},
        {"abc", "0"},
        {"12", "12"},
        {"0", "0"},
        {"-0", "0"},
        {" 7 ", "7"},
        {"3.5", "0"},
        {"99999999999", "0"},
        {"2147483647", "2147483647"},
        {"-2147483647", "2147483647"},
        // Its absolute value is beyond the largest integer: the largest is the nearest.
        {"-2147483648", "2147483647"},
    };
    for (const auto& [typed, cleaned] : cases) {
        EXPECT_EQ(TBorderSpinBox::BorderRule(typed), cleaned) << typed.toStdString();
    }
}

TEST(MapPropsDialog, LeavingTheBorderFieldAppliesTheRule) {
    const std::pair<QString, QString> cases[] = {{"-3", "3"}, {"", "0"}, {"xy", "0"}, {"5", "5"}};
    TfrmMapProps dialog;
    dialog.show();
    for (const auto& [typed, cleaned] : cases) {
        dialog.inpBorder->SetBorderText(typed);
        EXPECT_EQ(dialog.Fields().border, typed) << "the rule waits until the field is left";
        LeaveField(dialog.inpBorder);
        EXPECT_EQ(dialog.Fields().border, cleaned) << typed.toStdString();
    }
}

TEST(MapPropsDialog, OkWithoutLeavingTheBorderFieldStillStoresACleanBorder) {
    TfrmMapProps dialog;
    dialog.SetFields({"karte", "/bilder/karte.gif", "", "0"});
    dialog.inpBorder->SetBorderText("-3");
    ASSERT_TRUE(RunAndPressOk(dialog));
    EXPECT_EQ(dialog.Fields().border, "3");
}

TEST(MapPropsDialog, BorderStepsThroughTheWholeIntegerRangeWithoutOverflow) {
    TfrmMapProps dialog;
    dialog.show();
    dialog.SetFields({"karte", "/b.gif", "", "2147483647"});
    dialog.inpBorder->stepBy(1);
    EXPECT_EQ(dialog.Fields().border, "2147483647");
    dialog.SetFields({"karte", "/b.gif", "", "-2"});
    dialog.inpBorder->stepBy(1);
    EXPECT_EQ(dialog.Fields().border, "-1") << "stepping counts from the typed value";
}

TEST(MapPropsDialog, ImageChooserFillsTheImageField) {
    TfrmMapProps dialog;
    dialog.SetFields({"karte", "/alt/bilder/karte.gif", "", "0"});
    TScriptedDialogs dialogs;
    dialogs.AnswerOpenFile("/neu/bilder/plan.PNG").AnswerOpenFile(std::nullopt);

    dialog.btnOpenImageDialog->click();
    EXPECT_EQ(dialog.Fields().imageFile, "/neu/bilder/plan.PNG");
    const TFileDialogRequest& request = dialogs.Questions().at(0).File;
    EXPECT_EQ(request.InitialFolder, "/alt/bilder/karte.gif");
    EXPECT_EQ(request.Filter, ImageFilter);
    EXPECT_TRUE(request.MustExist);

    // Cancelling the chooser leaves the field as it was.
    dialog.btnOpenImageDialog->click();
    EXPECT_EQ(dialog.Fields().imageFile, "/neu/bilder/plan.PNG");
    EXPECT_EQ(dialogs.Questions().at(1).File.InitialFolder, "/neu/bilder/plan.PNG");
}

TEST(MapPropsDialog, HelpButtonAndF1ShowTheDialogsHelp) {
    TRecordingHelp help;
    TfrmMapProps dialog;
    dialog.show();
    dialog.btnHelp->click();
    PressF1(dialog);
    EXPECT_EQ(help.Contexts(), (std::vector<int>{132, 132}));
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace
} // namespace kvx
