#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "shell/SourcesDonnees.h"

namespace {

// Two folders standing for the executable's and the installed data's.
class PageLicences : public ::testing::Test {
protected:
    void SetUp() override {
        racine_ = std::filesystem::temp_directory_path() /
                  ("page_licences_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(racine_ / "bin");
        std::filesystem::create_directories(racine_ / "share");
    }
    void TearDown() override { std::filesystem::remove_all(racine_); }
    std::string Dossier(const char* nom) const { return (racine_ / nom).string(); }
    void Poser(const char* nom) const { std::ofstream(racine_ / nom / NOM_PAGE_LICENCES) << "<html></html>"; }

    std::filesystem::path racine_;
};

TEST_F(PageLicences, ACoteDAbordPuisInstalleePuisACoteQuandMemeAucune) {
    const std::string aCote = Dossier("bin") + "/" + NOM_PAGE_LICENCES;
    const std::string installee = Dossier("share") + "/" + NOM_PAGE_LICENCES;
    EXPECT_EQ(CheminPageLicences(Dossier("bin"), Dossier("share")), aCote);  // neither
    EXPECT_EQ(CheminPageLicences(Dossier("bin"), ""), aCote);
    Poser("share");
    EXPECT_EQ(CheminPageLicences(Dossier("bin"), Dossier("share")), installee);
    Poser("bin");
    EXPECT_EQ(CheminPageLicences(Dossier("bin"), Dossier("share")), aCote);
}

}  // namespace
