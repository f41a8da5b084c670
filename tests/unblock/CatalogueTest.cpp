#include <gtest/gtest.h>

#include <set>

#include "unblock/Catalogue.h"

namespace brevolt {
namespace {

using namespace unblock;

TEST(Catalogue, HoldsThe38RowsInOrderWithTheirTexts) {
    ASSERT_EQ(Catalogue.size(), 38u);
    EXPECT_EQ(Catalogue.front().extension, "ADE");
    EXPECT_EQ(Catalogue.front().description, "Microsoft Access Projekt Erweiterung");
    EXPECT_EQ(Catalogue.back().extension, "WSH");
    EXPECT_EQ(Catalogue.back().number, 50);
    EXPECT_EQ(Catalogue[8].description, "MS-DOS ausführbare Datei");
    EXPECT_EQ(Catalogue[21].description, "Verknüpfung");
    EXPECT_EQ(Catalogue[32].description,
              Catalogue[36].description);  // "Windows Skript Datei"
    std::set<std::string> extensions;
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        const auto& row = Catalogue[i];
        EXPECT_TRUE(row.remark.empty());
        EXPECT_FALSE(row.description.empty()) << i;
        if (i > 0) {
            EXPECT_LT(Catalogue[i - 1].extension, row.extension);
            EXPECT_LT(Catalogue[i - 1].number, row.number);
        }
        extensions.insert(row.extension);
    }
    EXPECT_EQ(extensions.count("EXE") + extensions.count("VBS"), 0u);
}

TEST(Catalogue, SevenRowsRateDangerous) {
    std::vector<std::string> dangerous;
    for (const auto& row : Catalogue) {
        const auto rating = RateExtension(row.extension);
        if (rating.colour == RatingColour::Red) {
            EXPECT_EQ(rating.word, "Gefährlich");
            dangerous.push_back(row.extension);
        } else {
            EXPECT_EQ(rating.word, "Normal");
        }
    }
    EXPECT_EQ(dangerous,
              (std::vector<std::string>{"BAT", "CMD", "COM", "HTA", "PIF", "SCR", "WSH"}));
    EXPECT_EQ(DangerousExts, "BAT;CMD;COM;EXE;HTA;PIF;SCR;VBS;WSH");
    EXPECT_EQ(RateExtension("JS").word, "Normal");
}

}  // namespace
}  // namespace brevolt
