#include "publish/PageTemplate.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(DefaultPageTemplate, HasFourteenCrLfLinesDeclaringUtf8WithTheMarkerInLineTwelve) {
    const QString page = DefaultPageTemplateText();
    EXPECT_FALSE(page.endsWith(QLatin1String("\n")));
    EXPECT_EQ(page.count(QLatin1String("\r\n")), page.count(QLatin1Char('\n')));
    const QStringList lines = page.split(QLatin1String("\r\n"));
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[0], "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
    EXPECT_EQ(lines[3], "<head>");
    EXPECT_EQ(lines[4], " <meta charset=\"utf-8\">");
    EXPECT_EQ(lines[5],
              " <meta name=\"generator\" content=\"Korvane 2 (https://www.velmora.example/)\">");
    EXPECT_EQ(lines[11], QString::fromUtf8(MapMarker.data(), qsizetype(MapMarker.size())));
    EXPECT_EQ(lines[13], "</html>");
    for (const int empty : {1, 8, 10}) {
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

} // namespace
} // namespace kvx
