// The help: sections of the help file by context number, the help window that shows them,
// and the help file that comes with the program.
#include "platform/widgets/HelpDocument.h"
#include "platform/widgets/HelpWindow.h"
#include "platform/widgets/QtHelpSystem.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

namespace kvx {
namespace {

const QString SmallHelp = QStringLiteral(
    "<html><head><title>Hilfe</title><style>h1 { color: red; }</style></head>\n<body>\n"
    "<a name=\"100\"></a><h1>Inhalt</h1><p>Siehe <a href=\"#132\">Eigenschaften</a>.</p>\n"
    "<a name=\"132\"></a><h1>Eigenschaften</h1><p>Name und Bild.</p>\n"
    "<A NAME=135></A><h1>Laden</h1><p>Meldungen.</p>\n"
    "</body></html>\n");

QString WriteHelpFile(const QTemporaryDir& folder, const QString& text) {
    const QString path = folder.filePath("kvx2.hlp");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    return path;
}

TEST(HelpDocument, CutsOutTheSectionOfAContext) {
    const auto section = HelpSectionHtml(SmallHelp, 132);
    ASSERT_TRUE(section.has_value());
    EXPECT_TRUE(section->contains("Name und Bild."));
    EXPECT_FALSE(section->contains("Inhalt"));
    EXPECT_FALSE(section->contains("Meldungen."));
    EXPECT_TRUE(section->contains("h1 { color: red; }")) << "the styles of the head stay";
}

TEST(HelpDocument, TheLastSectionEndsWithTheBody) {
    const auto section = HelpSectionHtml(SmallHelp, 135);
    ASSERT_TRUE(section.has_value());
    EXPECT_TRUE(section->contains("Meldungen."));
    EXPECT_EQ(section->count("</body>"), 1);
}

TEST(HelpDocument, ListsItsContextsAndKnowsNoOthers) {
    EXPECT_EQ(HelpContexts(SmallHelp), (QList<int>{100, 132, 135}));
    EXPECT_EQ(HelpSectionHtml(SmallHelp, 131), std::nullopt);
    EXPECT_EQ(HelpSectionHtml("", 100), std::nullopt);
}

TEST(HelpWindow, ShowsTheSectionFollowsLinksAndGoesBack) {
    QTemporaryDir folder;
    const QString helpFile = WriteHelpFile(folder, SmallHelp);
    THelpWindow window;
    window.ShowContext(helpFile, 100);
    EXPECT_TRUE(window.ShownText().contains("Inhalt"));
    EXPECT_FALSE(window.btnBack->isEnabled());

    emit window.brsHelp->anchorClicked(QUrl("#132"));
    EXPECT_EQ(window.CurrentContext(), 132);
    EXPECT_TRUE(window.ShownText().contains("Name und Bild."));
    EXPECT_FALSE(window.ShownText().contains("Inhalt"));

    window.btnBack->click();
    EXPECT_EQ(window.CurrentContext(), 100);
    window.ShowContext(helpFile, 135);
    window.btnContents->click();
    EXPECT_EQ(window.CurrentContext(), 100);
}

TEST(HelpWindow, SaysSoWhenTheFileOrTheSectionIsMissing) {
    QTemporaryDir folder;
    THelpWindow window;
    window.ShowContext(folder.filePath("fehlt.hlp"), 100);
    EXPECT_TRUE(window.ShownText().contains("konnte nicht geöffnet werden"));
    window.ShowContext(WriteHelpFile(folder, SmallHelp), 134);
    EXPECT_TRUE(window.ShownText().contains("keinen Abschnitt"));
}

TEST(QtHelpSystem, OpensTheWindowOnAContextAndQuitClosesIt) {
    QTemporaryDir folder;
    TQtHelpSystem help;
    help.SetHelpFile(WriteHelpFile(folder, SmallHelp));
    EXPECT_EQ(help.Window(), nullptr);
    help.ShowContext(132);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_TRUE(help.Window()->isVisible());
    EXPECT_EQ(help.Window()->CurrentContext(), 132);
    help.ShowContext(135);
    EXPECT_EQ(help.Window()->CurrentContext(), 135) << "the one window shows the new context";
    help.Quit();
    EXPECT_TRUE(help.Window() == nullptr || !help.Window()->isVisible());
}

TEST(QtHelpSystem, LooksBesideTheProgramUntilTold) {
    TQtHelpSystem help;
    EXPECT_TRUE(help.HelpFile().endsWith("/kvx2.hlp"));
    help.SetHelpFile("/anders/hilfe.hlp");
    EXPECT_EQ(help.HelpFile(), "/anders/hilfe.hlp");
}

// The help file that comes with the program.
QString ShippedHelp() {
    QFile file(QStringLiteral(KVX_TEST_DATA_DIR "/../../data/kvx2.hlp"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QString::fromUtf8(file.readAll());
}

TEST(ShippedHelpFile, HasASectionForEveryWindow) {
    const QString help = ShippedHelp();
    EXPECT_EQ(HelpContexts(help), (QList<int>{100, 131, 132, 133, 134, 135}));
    for (const int context : HelpContexts(help)) {
        const auto section = HelpSectionHtml(help, context);
        ASSERT_TRUE(section.has_value());
        EXPECT_TRUE(section->contains("<h1>")) << context;
    }
}

TEST(ShippedHelpFile, LinksLeadToExistingSections) {
    const QString help = ShippedHelp();
    const QList<int> contexts = HelpContexts(help);
    auto links = QRegularExpression(R"re(href="#(\d+)")re").globalMatch(help);
    int count = 0;
    while (links.hasNext()) {
        const int target = links.next().captured(1).toInt();
        EXPECT_TRUE(contexts.contains(target)) << target;
        ++count;
    }
    EXPECT_GE(count, 5) << "the contents lead to every other section";
}

TEST(ShippedHelpFile, ExplainsEveryLoadingMessage) {
    const auto section = HelpSectionHtml(ShippedHelp(), 135);
    ASSERT_TRUE(section.has_value());
    QTextDocument page;
    page.setHtml(*section);
    const QString loading = page.toPlainText().simplified();
    for (const char* message : {
             "Keine Image Map Definition in der Datei gefunden! Laden der Datei abgebrochen!",
             "Laden der Datei abgebrochen!",
             "Es wurde kein Bild gefunden, dass die Image Map Definition benutzt!",
             "Die verwendete Bilddatei konnte nicht gefunden werden!",
             "Laden abgebrochen!",
             "Fehler beim Laden der Datei!",
             "Diese Datei ist keine gültige Korvane Datei!",
             "Die angegebene Korvane Datei ist nicht kompatibel mit Korvane 2!",
         }) {
        EXPECT_TRUE(loading.contains(QString::fromUtf8(message))) << message;
    }
}

} // namespace
} // namespace kvx
