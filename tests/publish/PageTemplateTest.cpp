#include "publish/PageTemplate.h"

#include "PublishFixture.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(DefaultPageTemplate, HasThirteenCrLfLinesWithTheMarkerInLineEleven) {
    const QString page = DefaultPageTemplateText();
    EXPECT_FALSE(page.endsWith(QLatin1String("\n")));
    EXPECT_EQ(page.count(QLatin1String("\r\n")), page.count(QLatin1Char('\n')));
    const QStringList lines = page.split(QLatin1String("\r\n"));
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
    EXPECT_EQ(lines[4],
              " <meta name=\"generator\" content=\"Korvane 2 (https://www.velmora.example/)\">");
    EXPECT_EQ(lines[10], QString::fromUtf8(MapMarker.data(), qsizetype(MapMarker.size())));
    EXPECT_EQ(lines[12], "</html>");
    for (const int empty : {1, 7, 9}) {
        EXPECT_TRUE(lines[empty].isEmpty()) << empty;
    }
    EXPECT_EQ(MapMarker.size(), 24u);
}

struct TReplaceCase {
    const char* Name;
    QString Page;
    QString Expected;
    qsizetype Position;
};

TEST(ReplaceMapMarker, ReplacesTheFirstMarkerOnlyAndReportsWhereInQStringPositions) {
    const QString marker = QStringLiteral("<!-- !!!Image-Map!!! -->");
    const QString definition = QStringLiteral("<map>Küche</map>\r\n");
    const TReplaceCase cases[] = {
        {"no marker", QStringLiteral("<p>nichts</p>"), QStringLiteral("<p>nichts</p>"), -1},
        {"marker alone", marker, definition, 0},
        {"marker at the very end", QStringLiteral("<body>\r\n") + marker,
         QStringLiteral("<body>\r\n") + definition, 8},
        {"two markers", QStringLiteral("a") + marker + QStringLiteral("b") + marker,
         QStringLiteral("a") + definition + QStringLiteral("b") + marker, 1},
        // Umlauts and a character outside the BMP count as QString units, not UTF-8 bytes.
        {"after non-ASCII", QStringLiteral("Ä\U0001F600") + marker + QStringLiteral("ü"),
         QStringLiteral("Ä\U0001F600") + definition + QStringLiteral("ü"), 3},
        {"broken marker", QStringLiteral("<!-- !!!Image-Map!! -->"),
         QStringLiteral("<!-- !!!Image-Map!! -->"), -1},
    };
    for (const TReplaceCase& c : cases) {
        const TMarkerReplacement result = ReplaceMapMarker(c.Page, definition);
        EXPECT_EQ(result.Text, c.Expected) << c.Name;
        EXPECT_EQ(result.Position, c.Position) << c.Name;
        EXPECT_EQ(result.Found(), c.Position >= 0) << c.Name;
        if (result.Found()) {
            EXPECT_EQ(result.Text.mid(result.Position, result.Length), definition) << c.Name;
        }
    }
}

TEST(LoadPageTemplate, ReadsAnExistingFileWholeAndFallsBackToTheBuiltInPage) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(LoadPageTemplate(folder.filePath("vorlage.htm").toStdString()),
              DefaultPageTemplateText());

    // A Windows-1252 template with umlauts and no line break at its end.
    const QString path = folder.filePath("vorlage.htm");
    test::WriteBytes(path, QByteArray("<h1>Gr\xFC\xDF"
                                      "e</h1>\r\n<!-- !!!Image-Map!!! -->"));
    EXPECT_EQ(LoadPageTemplate(path.toStdString()),
              QStringLiteral("<h1>Grüße</h1>\r\n<!-- !!!Image-Map!!! -->"));
}

} // namespace
} // namespace kvx
