#include <gtest/gtest.h>

#include <set>

#include "unblock/Catalogue.h"

namespace brevolt {
namespace {

using namespace unblock;

TEST(Catalogue, HoldsThe38RowsInOrderWithTheirTexts) {
    ASSERT_EQ(Catalogue.size(), 38u);
    EXPECT_EQ(Catalogue.front().Extension, "ADE");
    EXPECT_EQ(Catalogue.front().Description, "Microsoft Access Projekt Erweiterung");
    EXPECT_EQ(Catalogue.back().Extension, "WSH");
    EXPECT_EQ(Catalogue.back().Number, 50);
    EXPECT_EQ(Catalogue[8].Description, "MS-DOS ausführbare Datei");
    EXPECT_EQ(Catalogue[21].Description, "Verknüpfung");
    EXPECT_EQ(Catalogue[32].Description,
              Catalogue[36].Description);  // "Windows Skript Datei"
    std::set<std::string> extensions;
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        const auto& row = Catalogue[i];
        EXPECT_TRUE(row.Remark.empty());
        EXPECT_FALSE(row.Description.empty()) << i;
        if (i > 0) {
            EXPECT_LT(Catalogue[i - 1].Extension, row.Extension);
            EXPECT_LT(Catalogue[i - 1].Number, row.Number);
        }
        extensions.insert(row.Extension);
    }
    EXPECT_EQ(extensions.count("EXE") + extensions.count("VBS"), 0u);
}

TEST(Catalogue, SevenRowsRateDangerous) {
    std::vector<std::string> dangerous;
    for (const auto& row : Catalogue) {
        const auto rating = RateExtension(row.Extension);
        if (rating.Colour == RatingColour::Red) {
            EXPECT_EQ(rating.Word, "Gefährlich");
            dangerous.push_back(row.Extension);
        } else {
            EXPECT_EQ(rating.Word, "Normal");
        }
    }
    EXPECT_EQ(dangerous,
              (std::vector<std::string>{"BAT", "CMD", "COM", "HTA", "PIF", "SCR", "WSH"}));
    EXPECT_EQ(DangerousExts, "BAT;CMD;COM;EXE;HTA;PIF;SCR;VBS;WSH");
    EXPECT_EQ(RateExtension("JS").Word, "Normal");
}

}  // namespace
}  // namespace brevolt
