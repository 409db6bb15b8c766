// The Qt dialog service as a user meets it: German buttons, help that keeps a box open, and
// file filters that list files whatever the case of their extension.
#include "platform/widgets/DialogService.h"
#include "platform/widgets/QtDialogService.h"
#include "support/QtPrinters.h"
#include "support/RecordingHelpSystem.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace kvx {
namespace {

void PressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

// Runs inspect on the modal window as soon as it is shown (the call that shows it blocks);
// with a class name, on the first modal window of that class.
void WhenModalShown(std::function<void(QWidget&)> inspect, const char* className = nullptr) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect, className] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && (!className || modal->inherits(className))) {
            timer->stop();
            timer->deleteLater();
            inspect(*modal);
        }
    });
    timer->start();
}

QStringList ButtonTexts(const QMessageBox& box) {
    QStringList texts;
    for (const QAbstractButton* button : box.buttons()) {
        texts.append(button->text());
    }
    texts.sort();
    return texts;
}

QAbstractButton* ButtonWithText(QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

TEST(ToQtFilter, TurnsProgramFiltersIntoCaseInsensitiveQtFilters) {
    const struct {
        QString program;
        QString qt;
    } cases[] = {
        {"HTML-Dateien (*.htm)|*.HTM", "HTML-Dateien (*.htm) (*.htm *.HTM *.[hH][tT][mM])"},
        {"Bilddateien (*.gif;*.jpg)|*.GIF;*.JPG|GIF-Dateien (*.gif)|*.GIF",
         "Bilddateien (*.gif;*.jpg) (*.gif *.GIF *.[gG][iI][fF] *.jpg *.JPG *.[jJ][pP][gG]);;"
         "GIF-Dateien (*.gif) (*.gif *.GIF *.[gG][iI][fF])"},
        {"Korvane Datei|*.kvx", "Korvane Datei (*.kvx *.KVX *.[kK][vV][xX])"},
        {"Ziffern|*.7z", "Ziffern (*.7z *.7Z *.7[zZ])"},
        // "*.*" lists every file, also those without an extension.
        {"Alle Dateien (*.*)|*.*", "Alle Dateien (*.*) (*)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToQtFilter(c.program), c.qt) << c.program.toStdString();
    }
}

TEST(ToQtFilter, PatternsListFilesOfEitherCase) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"bild.gif", "FOTO.JPG", "Karte.Gif", "text.txt", "ohne"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString qtFilter =
        ToQtFilter("Bilddateien (*.gif;*.jpg)|*.GIF;*.JPG|Alle Dateien (*.*)|*.*");
    const QStringList filters = qtFilter.split(";;");
    ASSERT_EQ(filters.size(), 2);
    const auto patternsOf = [](const QString& filter) {
        const auto match = QRegularExpression(R"(\(([^()]*)\)$)").match(filter);
        return match.captured(1).split(' ');
    };
    const QDir::Filters caseSensitive = QDir::Files | QDir::CaseSensitive;
    EXPECT_EQ(QDir(folder.path()).entryList(patternsOf(filters[0]), caseSensitive, QDir::Name),
              (QStringList{"FOTO.JPG", "Karte.Gif", "bild.gif"}));
    EXPECT_EQ(QDir(folder.path()).entryList(patternsOf(filters[1]), caseSensitive).size(), 5);
}

TEST(QtDialogService, OpenDialogListsImagesWhateverTheCaseOfTheirExtension) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"bild.gif", "KARTE.GIF", "Plan.Gif", "notiz.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QStringList listed;
    WhenModalShown([&](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        auto* view = dialog->findChild<QAbstractItemView*>("listView");
        ASSERT_NE(view, nullptr);
        auto* model = qobject_cast<QFileSystemModel*>(view->model());
        ASSERT_NE(model, nullptr);
        const QModelIndex root = model->index(folder.path());
        // The model reads the folder in the background; wait until it is there.
        WaitFor([&] { return model->rowCount(root) >= 3; });
        WaitFor([] { return false; }, 100);
        for (int row = 0; row < model->rowCount(root); ++row) {
            const QModelIndex index = model->index(row, 0, root);
            if (model->flags(index) & Qt::ItemIsEnabled) {
                listed.append(model->fileName(index));
            }
        }
        dialog->reject();
    });
    TQtDialogService service;
    TFileDialogRequest request;
    request.InitialFolder = folder.path();
    request.Filter = "Bilddateien (*.gif)|*.GIF";
    request.MustExist = true;
    EXPECT_EQ(service.OpenFile(nullptr, request), std::nullopt);
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"KARTE.GIF", "Plan.Gif", "bild.gif"}));
}

TEST(QtDialogService, SaveDialogRefusesAMissingFolderAndAddsTheDefaultSuffix) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString refusal;
    bool stayedOpen = false;
    WhenModalShown([&](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        WhenModalShown(
            [&](QWidget& box) {
                refusal = static_cast<QMessageBox&>(box).text();
                static_cast<QMessageBox&>(box).accept();
            },
            "QMessageBox");
        dialog->selectFile(folder.filePath("fehlt/karte.kvx"));
        static_cast<QDialog*>(dialog)->accept();
        stayedOpen = dialog->isVisible();
        dialog->selectFile(folder.filePath("karte"));
        static_cast<QDialog*>(dialog)->accept();
    });
    TQtDialogService service;
    TFileDialogRequest request;
    request.InitialFolder = folder.path();
    request.Filter = "Korvane 2 - Dateien (*.kvx)|*.kvx";
    request.DefaultSuffix = "kvx";
    request.ConfirmOverwrite = true;
    EXPECT_EQ(service.SaveFile(nullptr, request), folder.filePath("karte.kvx"));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(refusal.contains("existiert nicht")) << refusal.toStdString();
}

TEST(QtDialogService, MessageBoxesHaveGermanButtonsAndTheProgramCaption) {
    const struct {
        TMsgButtons buttons;
        int helpContext;
        QStringList texts; // sorted
        QString press;
        TMsgResult result;
    } cases[] = {
        {TMsgButtons::Ok, 0, {"OK"}, "OK", TMsgResult::Ok},
        {TMsgButtons::OkCancel, 0, {"Abbrechen", "OK"}, "Abbrechen", TMsgResult::Cancel},
        {TMsgButtons::YesNo, 0, {"&Ja", "&Nein"}, "&Ja", TMsgResult::Yes},
        {TMsgButtons::YesNoCancel, 0, {"&Ja", "&Nein", "Abbrechen"}, "&Nein", TMsgResult::No},
        {TMsgButtons::Ok, 135, {"&Hilfe", "OK"}, "OK", TMsgResult::Ok},
    };
    TQtDialogService service;
    for (const auto& c : cases) {
        QStringList texts;
        QString caption;
        WhenModalShown([&](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            texts = ButtonTexts(box);
            caption = box.windowTitle();
            ButtonWithText(box, c.press)->click();
        });
        EXPECT_EQ(service.Message(nullptr, TMsgKind::Warning, "Text", c.buttons, c.helpContext),
                  c.result);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(caption, "Korvane 2");
    }
}

TEST(QtDialogService, MessageKindsShowTheirIcons) {
    const std::pair<TMsgKind, QMessageBox::Icon> cases[] = {
        {TMsgKind::Warning, QMessageBox::Warning},
        {TMsgKind::Error, QMessageBox::Critical},
        {TMsgKind::Information, QMessageBox::Information},
        {TMsgKind::Confirmation, QMessageBox::Question},
    };
    TQtDialogService service;
    for (const auto& [kind, icon] : cases) {
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        WhenModalShown([&](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            shown = box.icon();
            box.buttons().first()->click();
        });
        service.Message(nullptr, kind, "Text", TMsgButtons::Ok);
        EXPECT_EQ(shown, icon);
    }
}

TEST(QtDialogService, ClosingABoxCountsAsCancelOrAsTheOnlyOtherAnswer) {
    const std::pair<TMsgButtons, TMsgResult> cases[] = {
        {TMsgButtons::Ok, TMsgResult::Ok},
        {TMsgButtons::OkCancel, TMsgResult::Cancel},
        {TMsgButtons::YesNo, TMsgResult::No},
        {TMsgButtons::YesNoCancel, TMsgResult::Cancel},
    };
    TQtDialogService service;
    for (const auto& [buttons, result] : cases) {
        WhenModalShown([](QWidget& modal) { PressKey(&modal, Qt::Key_Escape); });
        EXPECT_EQ(service.Message(nullptr, TMsgKind::Confirmation, "Text", buttons), result);
        WhenModalShown([](QWidget& modal) { modal.close(); });
        EXPECT_EQ(service.Message(nullptr, TMsgKind::Confirmation, "Text", buttons), result);
    }
}

TEST(QtDialogService, HelpButtonAndF1OpenTheContextAndKeepTheBoxOpen) {
    TRecordingHelp help;
    TQtDialogService service;
    bool stillOpen = false;
    WhenModalShown([&](QWidget& modal) {
        auto& box = static_cast<QMessageBox&>(modal);
        ButtonWithText(box, "&Hilfe")->click();
        PressKey(&box, Qt::Key_F1);
        QApplication::processEvents();
        stillOpen = box.isVisible();
        ButtonWithText(box, "&Nein")->click();
    });
    EXPECT_EQ(service.Message(nullptr, TMsgKind::Warning, "Text", TMsgButtons::YesNo, 135),
              TMsgResult::No);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(help.Contexts(), (std::vector<int>{135, 135}));
}

TEST(QtDialogService, BoxWithoutHelpContextIgnoresF1) {
    TRecordingHelp help;
    TQtDialogService service;
    WhenModalShown([](QWidget& modal) {
        PressKey(&modal, Qt::Key_F1);
        static_cast<QMessageBox&>(modal).buttons().first()->click();
    });
    service.Message(nullptr, TMsgKind::Information, "Text", TMsgButtons::Ok);
    EXPECT_TRUE(help.Contexts().empty());
}

TEST(QtDialogService, ClosingAfterHelpStillCountsAsClosing) {
    TRecordingHelp help;
    TQtDialogService service;
    WhenModalShown([](QWidget& modal) {
        ButtonWithText(static_cast<QMessageBox&>(modal), "&Hilfe")->click();
        modal.close();
    });
    EXPECT_EQ(
        service.Message(nullptr, TMsgKind::Confirmation, "Text", TMsgButtons::YesNoCancel, 131),
        TMsgResult::Cancel);
}

TEST(DialogRegistry, InstallReturnsThePreviousServiceToPutBack) {
    TDialogService& original = Dialogs();
    auto mine = std::make_unique<TQtDialogService>();
    TDialogService* minePtr = mine.get();
    auto previous = InstallDialogService(std::move(mine));
    EXPECT_EQ(&Dialogs(), minePtr);
    auto removed = InstallDialogService(std::move(previous));
    EXPECT_EQ(removed.get(), minePtr);
    EXPECT_EQ(&Dialogs(), &original);
}

} // namespace
} // namespace kvx
