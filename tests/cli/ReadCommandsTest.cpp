// kvxtool list, html, save and info: they read a file as the editor's Import or Open would
// and print or save what the editor would. Whole outputs are compared with hand-written files
// in tests/data/reader, where "@DIR@" stands for the folder of the test's files.
#include "KvxtoolRun.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using TReadRun = kvx::test::TKvxtoolRun;
using kvx::test::ReadBytes;
using kvx::test::WriteBytes;

class ReadCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        QImage image(100, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(PathOf("karte.png"), "PNG"));
        for (const QString name : {"grundriss.htm", "altbau.kvx"}) {
            WriteBytes(PathOf(name), ReadBytes(DataPath(name)));
        }
    }

    QString PathOf(const QString& name) const { return FDir.filePath(name); }
    static QString DataPath(const QString& name) { return KVX_TEST_DATA_DIR "/reader/" + name; }

    // A golden file with the placeholders for the test folder filled in.
    QByteArray Golden(const QString& name) const {
        QByteArray bytes = ReadBytes(DataPath(name));
        EXPECT_FALSE(bytes.isEmpty()) << name.toStdString();
        bytes.replace("@DIR@", FDir.path().toUtf8());
        return bytes;
    }

    // Runs kvxtool in the test folder, so that relative names resolve there.
    TReadRun Run(const QStringList& arguments) const {
        return kvx::test::RunKvxtool(arguments, FDir.path());
    }

    // The run failed with exit code 1 and stderr holding every one of texts.
    static void ExpectFailure(const TReadRun& run, const std::vector<QByteArray>& texts) {
        EXPECT_EQ(run.ExitCode, 1) << run.Errors.constData();
        EXPECT_TRUE(run.Output.isEmpty());
        for (const QByteArray& text : texts) {
            EXPECT_TRUE(run.Errors.contains(text)) << run.Errors.constData();
        }
    }

    QTemporaryDir FDir;
};

TEST_F(ReadCommandsTest, ListPrintsTheMapNamesInDocumentOrder) {
    const TReadRun run = Run({"list", "grundriss.htm"});
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.constData();
    EXPECT_EQ(run.Output, "Erdgeschoss\nDach & Giebel\n");
    EXPECT_TRUE(run.Errors.isEmpty());

    EXPECT_EQ(Run({"list", "altbau.kvx"}).Output, "Altbau\n");
    WriteBytes(PathOf("leer.htm"), "<p>nichts</p>");
    const TReadRun empty = Run({"list", "leer.htm"});
    EXPECT_EQ(empty.ExitCode, 0);
    EXPECT_TRUE(empty.Output.isEmpty());
}

TEST_F(ReadCommandsTest, HtmlWritesThePublishingVariantAsAProjectFileWouldHoldIt) {
    const TReadRun run = Run({"html", "--map", "Erdgeschoss", "grundriss.htm"});
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.constData();
    // UTF-8 like every output of the tool, CR LF as in a file: "Wohnküche" holds C3 BC.
    EXPECT_EQ(run.Output, Golden("grundriss.publish.htm"));
    EXPECT_EQ(Run({"html", "--variant=publish", "--map=Erdgeschoss", "grundriss.htm"}).Output,
              run.Output);
}

TEST_F(ReadCommandsTest, HtmlVariants) {
    const TReadRun project =
        Run({"html", "--variant", "project", "--map", "Erdgeschoss", PathOf("grundriss.htm")});
    EXPECT_EQ(project.ExitCode, 0);
    // The project variant is a saved file without its header line (the file holds it in
    // Windows-1252, standard output in UTF-8).
    EXPECT_EQ("\"kvx200\",\"\",\"\"\r\n" + project.Output,
              QString::fromLatin1(Golden("grundriss.saved.kvx")).toUtf8());

    const TReadRun preview =
        Run({"html", "--variant", "preview", "--map", "Dach & Giebel", "grundriss.htm"});
    EXPECT_EQ(preview.ExitCode, 0);
    EXPECT_TRUE(preview.Output.contains("<img src=\"kvx2temp.png\" width=\"100\" height=\"60\""));
    EXPECT_TRUE(preview.Output.contains("Eigenschaften der Verweisfl\xC3\xA4"
                                        "che: \\n href = dach.htm"));
}

TEST_F(ReadCommandsTest, SaveWritesWhatSaveAndSaveAsWould) {
    const TReadRun save = Run({"save", "--map", "Erdgeschoss", "grundriss.htm", "neu.kvx"});
    EXPECT_EQ(save.ExitCode, 0) << save.Errors.constData();
    EXPECT_TRUE(save.Output.isEmpty());
    const QByteArray saved = Golden("grundriss.saved.kvx");
    EXPECT_EQ(ReadBytes(PathOf("neu.kvx")), saved);

    const TReadRun saveAs =
        Run({"save", "--save-as", "--map", "Erdgeschoss", "grundriss.htm", "unter.kvx"});
    EXPECT_EQ(saveAs.ExitCode, 0) << saveAs.Errors.constData();
    QByteArray expected = saved;
    expected.insert(16, FDir.path().toUtf8() + "/karte.png\r\n");
    EXPECT_EQ(ReadBytes(PathOf("unter.kvx")), expected);

    // Reading the saved file and saving it again changes nothing.
    EXPECT_EQ(Run({"save", "neu.kvx", "wieder.kvx"}).ExitCode, 0);
    EXPECT_EQ(ReadBytes(PathOf("wieder.kvx")), saved);
}

TEST_F(ReadCommandsTest, InfoDescribesTheMapAsJson) {
    const TReadRun run = Run({"info", "--map", "Dach & Giebel", "grundriss.htm"});
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.constData();
    EXPECT_EQ(run.Output, Golden("grundriss.dach.json"));

    const TReadRun old = Run({"info", "altbau.kvx"});
    EXPECT_EQ(old.ExitCode, 0) << old.Errors.constData();
    EXPECT_EQ(old.Output, Golden("altbau.json"));
}

TEST_F(ReadCommandsTest, InfoEscapesJsonStrings) {
    WriteBytes(PathOf("zeichen.htm"),
               "<map name=\"a&quot;b\\c\"><area shape=\"rect\" coords=\"1,2,3,4\" "
               "alt=\"Tab\there\" href=\"\xC3\xA4\xE2\x82\xAC\"></map>"
               "<img src=\"karte.png\" usemap=\"#a&quot;b\\c\">");
    const TReadRun run = Run({"info", "zeichen.htm"});
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.constData();
    EXPECT_TRUE(run.Output.contains("\"name\": \"a\\\"b\\\\c\",\n")) << run.Output.constData();
    EXPECT_TRUE(run.Output.contains("\"alt\": \"Tab\\there\",\n"));
    EXPECT_TRUE(run.Output.contains("\"href\": \"\xC3\xA4\xE2\x82\xAC\",\n"));
}

TEST_F(ReadCommandsTest, SeveralMapsNeedAMapName) {
    ExpectFailure(Run({"info", "grundriss.htm"}), {"  Erdgeschoss\n  Dach & Giebel\n", "--map NAME",
                                                   "Laden der Datei abgebrochen!"});
    ExpectFailure(Run({"info", "--map", "Keller", "grundriss.htm"}),
                  {"\"Keller\"", "  Erdgeschoss\n  Dach & Giebel\n"});
    // The name is the unescaped one and its case counts.
    ExpectFailure(Run({"info", "--map", "Dach &amp; Giebel", "grundriss.htm"}), {"  Erdgeschoss"});
    ExpectFailure(Run({"info", "--map", "erdgeschoss", "grundriss.htm"}), {"  Erdgeschoss"});
    // A single map is taken without asking, but a name that is not its own is still wrong.
    ExpectFailure(Run({"info", "--map", "Neubau", "altbau.kvx"}), {"\"Neubau\"", "  Altbau"});
}

TEST_F(ReadCommandsTest, MissingImageNeedsTheImageOption) {
    WriteBytes(PathOf("fehlt.htm"),
               "<map name=\"k\"></map><img src=\"weg/bild.gif\" usemap=\"#k\">");
    ExpectFailure(Run({"info", "fehlt.htm"}),
                  {"Die verwendete Bilddatei konnte nicht gefunden werden! Bitte w\xC3\xA4hlen Sie "
                   "die Bilddatei manuell aus!",
                   "\"bild.gif\"", "--image"});
    const TReadRun run = Run({"info", "--image", "karte.png", "fehlt.htm"});
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.constData();
    EXPECT_TRUE(run.Output.contains("\"imageFile\": \"" + PathOf("karte.png").toUtf8() + "\""));
    EXPECT_TRUE(run.Errors.isEmpty());
}

TEST_F(ReadCommandsTest, ReadErrorsPrintTheEditorsMessages) {
    ExpectFailure(Run({"html", "gibtsnicht.htm"}),
                  {"Fehler beim \xC3\x96"
                   "ffnen der Datei! Dr\xC3\xBC"
                   "cken Sie F1 f\xC3\xBCr weitere Informationen!\nGenauer Fehler: "});
    ExpectFailure(Run({"list", "gibtsnicht.kvx"}), {"Genauer Fehler: "});
    ExpectFailure(Run({"info", ""}), {"Genauer Fehler: "});

    WriteBytes(PathOf("fremd.KVX"), "<html><map name=\"k\"></map></html>");
    ExpectFailure(Run({"info", "fremd.KVX"}),
                  {"Diese Datei ist keine g\xC3\xBCltige Korvane Datei!"});
    ExpectFailure(Run({"list", "fremd.KVX"}),
                  {"Diese Datei ist keine g\xC3\xBCltige Korvane Datei!"});
    WriteBytes(PathOf("neuer.kvx"), "\"kvx300\",\"\",\"\"\r\n");
    ExpectFailure(Run({"html", "neuer.kvx"}),
                  {"Die angegebene Korvane Datei ist nicht kompatibel mit Korvane 2!"});

    WriteBytes(PathOf("farbe.htm"),
               "<map name=\"k\"><area shape=\"rect\" coords=\"1,2,3,4\" "
               "kvxcolor=\"#FF0000\"></map><img src=\"karte.png\" usemap=\"#k\">");
    ExpectFailure(Run({"info", "farbe.htm"}), {"Fehler beim Laden der Datei! Bitte dr\xC3\xBC"
                                               "cken Sie F1 f\xC3\xBCr weitere Informationen!"});
    WriteBytes(PathOf("ohne.htm"), "<p>keine Karte</p>");
    ExpectFailure(Run({"info", "ohne.htm"}),
                  {"Keine Image Map Definition in der Datei gefunden! Laden der Datei "
                   "abgebrochen!"});
}

TEST_F(ReadCommandsTest, FailedSaveKeepsTheOldFile) {
    ExpectFailure(Run({"save", "--map", "Erdgeschoss", "grundriss.htm", "fehlt/neu.kvx"}),
                  {"Fehler beim \xC3\x96"
                   "ffnen der Datei! Bitte dr\xC3\xBC"
                   "cken Sie F1 f\xC3\xBCr weitere Informationen!\nGenauer Fehler: "});
    ASSERT_TRUE(QDir(FDir.path()).mkdir("ordner.kvx"));
    ExpectFailure(Run({"save", "--map", "Erdgeschoss", "grundriss.htm", "ordner.kvx"}),
                  {"Genauer Fehler: "});
    EXPECT_TRUE(QFileInfo(PathOf("ordner.kvx")).isDir());
}

// Pipes and devices end at once with exit 1 and a German message, and stay what they are.
TEST_F(ReadCommandsTest, InputsAndOutputsThatAreNoFilesAreRefused) {
    for (const char* name : {"pipe.htm", "pipe.kvx", "aus.kvx"}) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(PathOf(name)).constData(), 0600), 0);
    }
    ASSERT_TRUE(QFile::link("/dev/zero", PathOf("null.htm")));
    const QByteArray pipe =
        "Genauer Fehler: Keine gew\xC3\xB6hnliche Datei, sondern eine Pipe (FIFO)";
    const QByteArray device =
        "Genauer Fehler: Keine gew\xC3\xB6hnliche Datei, sondern ein Ger\xC3\xA4t";
    const std::vector<std::pair<QStringList, QByteArray>> cases{
        {{"list", "pipe.htm"}, pipe},
        {{"info", "pipe.kvx"}, pipe},
        {{"html", "null.htm"}, device},
        {{"list", "null.htm"}, device},
        {{"save", "--map", "Erdgeschoss", "grundriss.htm", "aus.kvx"},
         "Genauer Fehler: Keine gew\xC3\xB6hnliche Datei; sie wird nicht ersetzt"},
    };
    for (const auto& [arguments, message] : cases) {
        ExpectFailure(Run(arguments), {message});
    }
    EXPECT_EQ(QFileInfo(PathOf("aus.kvx")).isFile(), false);
    EXPECT_TRUE(QFileInfo(PathOf("aus.kvx")).exists());
}

// Only case variants of the image: the user must say which one is meant.
TEST_F(ReadCommandsTest, SeveralCaseVariantsOfTheImageAreNamed) {
    for (const QString folder : {"Bilder", "bilder"}) {
        ASSERT_TRUE(QDir(FDir.path()).mkdir(folder));
        ASSERT_TRUE(QFile::copy(PathOf("karte.png"), PathOf(folder + "/Karte.png")));
    }
    WriteBytes(PathOf("varianten.htm"),
               "<map name=\"k\"></map><img src=\"BILDER/KARTE.PNG\" usemap=\"#k\">");
    ExpectFailure(Run({"info", "varianten.htm"}),
                  {"Die verwendete Bilddatei gibt es in mehreren Schreibweisen:\n" +
                       PathOf("Bilder/Karte.png").toUtf8() + "\n" +
                       PathOf("bilder/Karte.png").toUtf8(),
                   "--image"});
}

TEST_F(ReadCommandsTest, WrongCommandLinesPrintTheUsage) {
    const std::vector<QStringList> wrong = {
        {"list"},
        {"list", "a.htm", "b.htm"},
        {"list", "--map", "k", "grundriss.htm"},
        {"html", "--variant", "bunt", "grundriss.htm"},
        {"html", "grundriss.htm", "--map"},
        {"html", "--save-as", "grundriss.htm"},
        {"save", "grundriss.htm"},
        {"save", "--save-as=ja", "grundriss.htm", "x.kvx"},
        {"info", "--verbose", "grundriss.htm"},
    };
    for (const QStringList& arguments : wrong) {
        const TReadRun run = Run(arguments);
        EXPECT_EQ(run.ExitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Errors.startsWith("Aufruf: kvxtool " + arguments[0].toUtf8() + " "))
            << run.Errors.constData();
        EXPECT_TRUE(run.Output.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(PathOf("x.kvx")));
}

} // namespace
