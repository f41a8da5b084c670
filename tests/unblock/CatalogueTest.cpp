#include <gtest/gtest.h>

#include <set>

#include "unblock/uExtentions.h"

namespace brevolt {
namespace {

using namespace uExtentions;

TEST(Catalogue, HoldsThe38RowsInOrderWithTheirTexts) {
    ASSERT_EQ(ExtCatalogue.size(), 38u);
    EXPECT_EQ(ExtCatalogue.front().Extension, "ADE");
    EXPECT_EQ(ExtCatalogue.front().Description, "Microsoft Access Projekt Erweiterung");
    EXPECT_EQ(ExtCatalogue.back().Extension, "WSH");
    EXPECT_EQ(ExtCatalogue.back().Number, 50);
    EXPECT_EQ(ExtCatalogue[8].Description, "MS-DOS ausführbare Datei");
    EXPECT_EQ(ExtCatalogue[21].Description, "Verknüpfung");
    EXPECT_EQ(ExtCatalogue[32].Description,
              ExtCatalogue[36].Description);  // "Windows Skript Datei"
    std::set<std::string> extensions;
    for (std::size_t i = 0; i < ExtCatalogue.size(); ++i) {
        const auto& row = ExtCatalogue[i];
        EXPECT_TRUE(row.Remark.empty());
        EXPECT_FALSE(row.Description.empty()) << i;
        if (i > 0) {
            EXPECT_LT(ExtCatalogue[i - 1].Extension, row.Extension);
            EXPECT_LT(ExtCatalogue[i - 1].Number, row.Number);
        }
        extensions.insert(row.Extension);
    }
    EXPECT_EQ(extensions.count("EXE") + extensions.count("VBS"), 0u);
}

TEST(Catalogue, SevenRowsRateDangerous) {
    std::vector<std::string> dangerous;
    for (const auto& row : ExtCatalogue) {
        const auto rating = RateExtension(row.Extension);
        if (rating.Colour == TRatingColour::clRed) {
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
