// Choosing one of several maps of an HTML file.
#include "app/FrmMapChoice.h"
#include "support/QtPrinters.h"
#include "support/RecordingHelpSystem.h"
#include "support/ScriptedDialogService.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace kvx {
namespace {

QStringList ListedNames(const TfrmMapChoice& dialog) {
    QStringList names;
    for (int row = 0; row < dialog.lstMapChoice->count(); ++row) {
        names.append(dialog.lstMapChoice->item(row)->text());
    }
    return names;
}

TEST(MapChoiceDialog, ListsTheMapsWithTheFirstPreselected) {
    TfrmMapChoice dialog;
    TScriptedDialogs dialogs;
    QStringList listed;
    int preselected = -1;
    dialogs.AnswerExec([&](QDialog& shown) {
        listed = ListedNames(dialog);
        preselected = dialog.lstMapChoice->currentRow();
        dialog.btnOk->click();
        return shown.result();
    });
    EXPECT_EQ(dialog.Choose({"karte", "Übersicht", "karte"}), std::optional<std::size_t>(0));
    EXPECT_EQ(listed, (QStringList{"karte", "Übersicht", "karte"}));
    EXPECT_EQ(preselected, 0);
    EXPECT_EQ(dialogs.Questions().at(0).Text, "Image Map Auswahl");
}

TEST(MapChoiceDialog, OkChoosesTheSelectedMap) {
    TfrmMapChoice dialog;
    TScriptedDialogs dialogs;
    dialogs.AnswerExec([&](QDialog& shown) {
        dialog.lstMapChoice->setCurrentRow(2);
        dialog.btnOk->click();
        return shown.result();
    });
    EXPECT_EQ(dialog.Choose({"a", "b", "c"}), std::optional<std::size_t>(2));
}

TEST(MapChoiceDialog, CancelChoosesNothing) {
    TfrmMapChoice dialog;
    TScriptedDialogs dialogs;
    dialogs.AnswerExecByClicking(*dialog.btnCancel);
    EXPECT_EQ(dialog.Choose({"a", "b"}), std::nullopt);
}

TEST(MapChoiceDialog, OkIsOffWhileNoMapIsSelected) {
    TfrmMapChoice dialog;
    TScriptedDialogs dialogs;
    bool okWithoutSelection = true;
    dialogs.AnswerExec([&](QDialog& shown) {
        dialog.lstMapChoice->clearSelection();
        okWithoutSelection = dialog.btnOk->isEnabled();
        dialog.btnOk->click();
        dialog.lstMapChoice->setCurrentRow(1);
        dialog.btnOk->click();
        return shown.result();
    });
    EXPECT_EQ(dialog.Choose({"a", "b"}), std::optional<std::size_t>(1));
    EXPECT_FALSE(okWithoutSelection);
}

TEST(MapChoiceDialog, EveryRunStartsWithAFreshList) {
    TfrmMapChoice dialog;
    TScriptedDialogs dialogs;
    QStringList secondList;
    dialogs.AnswerExec([&](QDialog& shown) {
        dialog.lstMapChoice->setCurrentRow(1);
        dialog.btnOk->click();
        return shown.result();
    });
    dialogs.AnswerExec([&](QDialog& shown) {
        secondList = ListedNames(dialog);
        dialog.btnOk->click();
        return shown.result();
    });
    EXPECT_EQ(dialog.Choose({"a", "b"}), std::optional<std::size_t>(1));
    EXPECT_EQ(dialog.Choose({"x", "y", "z"}), std::optional<std::size_t>(0));
    EXPECT_EQ(secondList, (QStringList{"x", "y", "z"}));
}

TEST(MapChoiceDialog, NothingToChooseAsksNothing) {
    TfrmMapChoice dialog;
    TScriptedDialogs dialogs;
    EXPECT_EQ(dialog.Choose({}), std::nullopt);
    EXPECT_TRUE(dialogs.Questions().empty());
}

TEST(MapChoiceDialog, HelpButtonAndF1ShowTheLoadingHelp) {
    TRecordingHelp help;
    TfrmMapChoice dialog;
    dialog.show();
    dialog.btnHelp->click();
    PressF1(dialog);
    EXPECT_EQ(help.Contexts(), (std::vector<int>{135, 135}));
}

} // namespace
} // namespace kvx
