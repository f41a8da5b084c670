#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "unblock/BlockedTypes.h"
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

TEST(Catalogue, SevenRowsRateDangerousByWholeEntries) {
    std::vector<std::string> dangerous;
    for (const auto& row : Catalogue) {
        if (RateExtension(row.extension) == Rating::Dangerous) {
            dangerous.push_back(row.extension);
        }
    }
    EXPECT_EQ(dangerous,
              (std::vector<std::string>{"BAT", "CMD", "COM", "HTA", "PIF", "SCR", "WSH"}));
    EXPECT_EQ(DangerousExts, "BAT;CMD;COM;EXE;HTA;PIF;SCR;VBS;WSH");
    for (const char* part : {"JS", "MD", "AT", "BAT;CMD", ""}) {
        EXPECT_EQ(RateExtension(part), Rating::Normal) << part;
    }
}

TEST(BlockedTypes, EachVersionHasItsOwnCatalogue) {
    using versions::BlockedTypes;
    const auto& classic = BlockedTypesOf(BlockedTypes::Outlook2000To2003);
    const auto& older = BlockedTypesOf(BlockedTypes::Outlook2007To2013);
    const auto& current = BlockedTypesOf(BlockedTypes::Outlook2016On);
    ASSERT_EQ(classic.size(), 38u);
    for (std::size_t i = 0; i < classic.size(); ++i) {
        EXPECT_EQ(classic[i].extension, Catalogue[i].extension);
        EXPECT_EQ(classic[i].description, Catalogue[i].description);
        EXPECT_EQ(classic[i].rating, RateExtension(Catalogue[i].extension));
    }
    EXPECT_EQ(older.size(), 89u);
    EXPECT_EQ(current.size(), 120u);
    std::set<std::string> currentTypes;
    std::set<std::string> descriptions;
    for (const auto* rows : {&older, &current}) {
        for (std::size_t i = 0; i < rows->size(); ++i) {
            const auto& row = (*rows)[i];
            EXPECT_FALSE(row.description.empty()) << row.extension;
            EXPECT_NE(row.rating, Rating::Unknown) << row.extension;
            if (i > 0) {
                EXPECT_LT((*rows)[i - 1].extension, row.extension) << "alphabetical, no repeats";
            }
            if (rows == &current) {
                currentTypes.insert(row.extension);
                descriptions.insert(row.description);
            } else {
                EXPECT_EQ(currentTypes.count(row.extension), 0u);
            }
        }
    }
    EXPECT_EQ(descriptions.size(), current.size()) << "each description tells its type apart";
    for (const auto& row : older) {
        EXPECT_EQ(currentTypes.count(row.extension), 1u) << row.extension << " is still blocked";
    }
    for (const char* newer : {"PY", "JAR", "APPREF-MS", "VHD", "ISO"}) {
        EXPECT_EQ(currentTypes.count(newer), 1u) << newer;
        EXPECT_TRUE(std::none_of(older.begin(), older.end(), [&](const auto& row) {
            return row.extension == newer;
        })) << newer;
    }
}

TEST(Rating, TheTableRatesWholeTypes) {
    struct Case {
        const char* extension;
        Rating rating;
    };
    for (const auto& c : std::initializer_list<Case>{{"PS1", Rating::Dangerous},
                                                     {"EXE", Rating::Dangerous},
                                                     {"JS", Rating::Dangerous},
                                                     {"APPREF-MS", Rating::Dangerous},
                                                     {"REG", Rating::Dangerous},
                                                     {"SETTINGCONTENT-MS", Rating::Dangerous},
                                                     {"PS1XML", Rating::Normal},
                                                     {"ISO", Rating::Normal},
                                                     {"MDB", Rating::Normal},
                                                     {"UDL", Rating::Normal},
                                                     {"MD", Rating::Unknown},
                                                     {"QQZ", Rating::Unknown},
                                                     {"BAT;CMD", Rating::Unknown},
                                                     {"ps1", Rating::Unknown},
                                                     {"", Rating::Unknown}}) {
        EXPECT_EQ(RateFileType(c.extension), c.rating) << c.extension;
    }
    EXPECT_EQ(RatingWord(Rating::Dangerous), "Gefährlich");
    EXPECT_EQ(RatingWord(Rating::Normal), "Normal");
    EXPECT_EQ(RatingWord(Rating::Unknown), "Unbekannt");
}

}  // namespace
}  // namespace brevolt
