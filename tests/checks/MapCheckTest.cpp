// The checks of a map, rule by rule: each row builds one map that triggers the rule and one
// that only just does not.
#include "checks/MapCheck.h"
#include "model/ImageMap.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace kvx {
namespace {

struct TArea {
    TAreaKind Kind;
    std::vector<int> Coords; // as written in coords="..."
    std::string Href = "ziel.htm";
    std::string Alt = "Ziel";
};

// Adds the areas to map as the editor builds them.
void Fill(TImageMap& map, const std::vector<TArea>& areas) {
    std::string status;
    for (const TArea& a : areas) {
        const std::vector<int>& c = a.Coords;
        map.AddArea(a.Kind, c[0], c[1], status);
        if (a.Kind == akCircle) {
            map.ModifySelected(0, 0, c[0] + c[2], c[1] + c[2], mmDragNew, status);
        } else {
            for (std::size_t i = 2; i + 1 < c.size(); i += 2) {
                map.ModifySelected(0, 0, c[i], c[i + 1], mmDragNew, status);
                if (a.Kind == akPolygon) {
                    map.ModifySelected(0, 0, c[i], c[i + 1], mmAddPoint, status);
                }
            }
        }
        map.ModifySelected(0, 0, 0, 0, mmFinish, status);
        TLinkAreaProperties props;
        map.GetSelectedProperties(props);
        props.Href = a.Href;
        props.Alt = a.Alt;
        map.SetSelectedProperties(props);
        map.ClearSelection();
    }
}

const TArea Big{akRectangle, {10, 10, 60, 60}};

struct TRuleCase {
    const char* Rule;
    std::size_t Area; // 0: the whole map
    std::function<void(TImageMap&, TCheckImage&)> Triggers;
    std::function<void(TImageMap&, TCheckImage&)> JustNot;
};

using TMap = TImageMap;
using TImg = TCheckImage;

const std::vector<TRuleCase> RuleCases = {
    {"img-alt-missing", 0, [](TMap& m, TImg&) { m.AltText.clear(); }, [](TMap&, TImg&) {}},
    {"map-name-invalid", 0, [](TMap& m, TImg&) { m.Name = "zwei\tWorte"; },
     [](TMap& m, TImg&) { m.Name = "zwei-Worte"; }},
    {"map-name-invalid", 0, [](TMap& m, TImg&) { m.Name.clear(); }, [](TMap&, TImg&) {}},
    {"image-missing", 0, [](TMap&, TImg& i) { i.Size.reset(); }, [](TMap&, TImg&) {}},
    {"area-alt-missing", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "a.htm", ""}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "a.htm", " "}});
     }},
    {"area-degenerate", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 10}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 11}}});
     }},
    {"area-degenerate", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akCircle, {50, 50, 0}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akCircle, {50, 50, 1}}});
     }},
    {"area-degenerate", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akPolygon, {0, 0, 30, 30, 60, 60, 30, 30}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akPolygon, {0, 0, 30, 30, 60, 61}}});
     }},
    {"area-outside-image", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {200, 0, 260, 60}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {199, 0, 260, 60}}});
     }},
    // The circle's box reaches into the image, the circle itself does not.
    {"area-outside-image", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akCircle, {230, 130, 42}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akCircle, {230, 130, 43}}});
     }},
    {"area-partly-outside", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {150, 50, 200, 99}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {150, 50, 199, 99}}});
     }},
    {"area-hidden", 2,
     [](TMap& m, TImg&) {
         Fill(m, {Big, {akCircle, {35, 35, 25}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {Big, {akCircle, {35, 35, 26}}});
     }},
    // Covered by two earlier areas together, but not by either alone.
    {"area-hidden", 3,
     [](TMap& m, TImg&) {
         Fill(m, {Big, {akRectangle, {61, 10, 90, 60}}, {akRectangle, {40, 20, 80, 50}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {Big, {akRectangle, {62, 10, 90, 60}}, {akRectangle, {40, 20, 80, 50}}});
     }},
    {"target-too-small", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 33, 60}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 34, 34}}});
     }},
    // Only the part inside the image counts.
    {"target-too-small", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {180, 10, 260, 60}}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {176, 10, 260, 60}}});
     }},
    {"alt-equals-link", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "x/haus.htm?a#b", "haus.htm"}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "x/haus.htm", "Haus"}});
     }},
    {"alt-duplicate", 2,
     [](TMap& m, TImg&) {
         Fill(m, {Big, {akRectangle, {100, 10, 150, 60}, "b.htm", "Ziel"}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {Big, {akRectangle, {100, 10, 150, 60}, "ziel.htm", "Ziel"}});
     }},
    {"link-placeholder", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "#", "A"}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "#oben", "A"}});
     }},
    {"link-missing-file", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "Ziel.htm", "A"}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "unter%20ordner/ziel.htm#x", "A"}});
     }},
    {"link-missing-file", 1,
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "fehlt.htm?x=1", "A"}});
     },
     [](TMap& m, TImg&) {
         Fill(m, {{akRectangle, {10, 10, 60, 60}, "mailto:a@b.example", "A"}});
     }},
};

bool Finds(const std::vector<TCheckFinding>& findings, const std::string& rule, std::size_t area) {
    return std::any_of(findings.begin(), findings.end(), [&](const TCheckFinding& f) {
        return f.Rule == rule && f.AreaNumber == area;
    });
}

TEST(MapCheck, EachRuleFiresOnItsMapAndNotOnTheNearMiss) {
    QTemporaryDir site;
    ASSERT_TRUE(QDir(site.path()).mkpath("unter ordner"));
    for (const char* name : {"ziel.htm", "unter ordner/ziel.htm"}) {
        QFile file(site.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (const TRuleCase& c : RuleCases) {
        for (const bool triggered : {true, false}) {
            // Named, described, on a 200 x 100 image; the rows add the areas.
            TImageMap map;
            map.Name = "karte";
            map.AltText = "Bild";
            TCheckImage image{TImageSize{200, 100}, "bild.png", {}};
            (triggered ? c.Triggers : c.JustNot)(map, image);
            const std::vector<TCheckFinding> findings =
                CheckMap(map, image, site.path().toStdString());
            EXPECT_EQ(Finds(findings, c.Rule, c.Area), triggered)
                << c.Rule << (triggered ? " should fire" : " should not fire");
        }
    }
}

TEST(MapCheck, FindingsNameLevelAreaAndShapeInListOrder) {
    TImageMap map;
    map.Name = "karte";
    map.AltText = "Bild";
    Fill(map, {{akCircle, {50, 50, 30}, "", "Kreis"}, {akPolygon, {0, 0, 9, 0, 0, 9}}});
    const std::vector<TCheckFinding> findings =
        CheckMap(map, TCheckImage{TImageSize{200, 100}, "bild.png", {}}, "/");
    std::vector<std::string> seen;
    for (const TCheckFinding& f : findings) {
        seen.push_back(f.Rule + " " + LevelName(f.Level) + " " + std::to_string(f.AreaNumber) +
                       " " + ShapeName(f.Shape));
    }
    const std::vector<std::string> expected = {"link-placeholder warning 1 circle",
                                               "target-too-small warning 2 poly",
                                               "link-missing-file warning 2 poly"};
    EXPECT_EQ(seen, expected);
}

} // namespace
} // namespace kvx
