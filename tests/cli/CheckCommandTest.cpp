// kvxtool check: exit codes over one or several files, the human lines and the JSON shape.
#include "KvxtoolRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using kvx::test::RunKvxtool;

class CheckCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        QImage image(100, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(FDir.filePath("bild.png")));
        Put("ziel.htm", "");
        Put("gut.htm", Page("Plan", "<area shape=\"rect\" coords=\"0,0,50,50\" href=\"ziel.htm\" "
                                    "alt=\"Ziel\">"));
        // Only warnings: a placeholder link.
        Put("warnung.htm",
            Page("Plan", "<area shape=\"rect\" coords=\"0,0,50,50\" href=\"#\" alt=\"Oben\">"));
        // An error: the area has no description.
        Put("fehler.htm",
            Page("Plan", "<area shape=\"rect\" coords=\"0,0,50,50\" href=\"ziel.htm\">"));
        Put("ohne.htm", "<p>keine Karte</p>");
    }

    static QByteArray Page(const char* alt, const char* areas) {
        return QByteArray("<map name=\"plan\">") + areas +
               "</map><img src=\"bild.png\" usemap=\"#plan\" alt=\"" + alt + "\">";
    }

    void Put(const QString& name, const QByteArray& bytes) {
        QFile file(FDir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir FDir;
};

TEST_F(CheckCommandTest, ExitStatusFollowsTheWorstFile) {
    struct TCase {
        QStringList Arguments;
        int ExitCode;
    };
    const std::vector<TCase> cases = {
        {{"check", "gut.htm"}, 0},
        {{"check", "warnung.htm"}, 0},
        {{"check", "--strict", "warnung.htm"}, 1},
        {{"check", "fehler.htm"}, 1},
        {{"check", "gut.htm", "fehler.htm"}, 1},
        {{"check", "ohne.htm", "fehler.htm"}, 2},
        {{"check", "fehlt.htm"}, 2},
        {{"check", "--map", "anders", "gut.htm"}, 2},
        {{"check"}, 2},
        {{"check", "--tief", "gut.htm"}, 2},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(RunKvxtool(c.Arguments, FDir.path()).ExitCode, c.ExitCode)
            << c.Arguments.join(' ').toStdString();
    }
}

TEST_F(CheckCommandTest, PrintsOneLinePerFindingAndASummary) {
    const kvx::test::TKvxtoolRun run =
        RunKvxtool({"check", "fehler.htm", "warnung.htm"}, FDir.path());
    EXPECT_EQ(run.Output, "fehler.htm: Karte plan, Fl\xC3\xA4"
                          "che 1 (Rechteck): Die "
                          "Verweisfl\xC3\xA4"
                          "che hat keine Beschreibung (alt). [area-alt-missing]\n"
                          "warnung.htm: Karte plan, Fl\xC3\xA4"
                          "che 1 (Rechteck): Die "
                          "Verweisfl\xC3\xA4"
                          "che verweist nirgendwohin (leerer Verweis oder "
                          "\"#\"). [link-placeholder]\n"
                          "1 Fehler, 1 Warnung in 2 Dateien.\n");
}

TEST_F(CheckCommandTest, JsonListsEveryFindingWithItsFields) {
    Put("karte.htm", Page("", "<area shape=\"circle\" coords=\"10,10,5\" href=\"ziel.htm\" "
                              "alt=\"Kreis\">"));
    const kvx::test::TKvxtoolRun run = RunKvxtool({"check", "--json", "karte.htm"}, FDir.path());
    EXPECT_EQ(run.ExitCode, 1);
    const QJsonArray findings = QJsonDocument::fromJson(run.Output).array();
    ASSERT_EQ(findings.size(), 2) << run.Output.constData();
    const QJsonObject map = findings[0].toObject();
    EXPECT_EQ(map["rule"].toString(), "img-alt-missing");
    EXPECT_EQ(map["level"].toString(), "error");
    EXPECT_TRUE(map["area"].isNull());
    EXPECT_TRUE(map["shape"].isNull());
    const QJsonObject area = findings[1].toObject();
    EXPECT_EQ(area["rule"].toString(), "target-too-small");
    EXPECT_EQ(area["level"].toString(), "warning");
    EXPECT_EQ(area["area"].toInt(), 1);
    EXPECT_EQ(area["shape"].toString(), "circle");
    EXPECT_EQ(area["file"].toString(), "karte.htm");
    EXPECT_EQ(area["map"].toString(), "plan");
    EXPECT_FALSE(area["message"].toString().isEmpty());
}

} // namespace
