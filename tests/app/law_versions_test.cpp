#include <gtest/gtest.h>

#include <windows.h>

#include "model/law_versions.h"
#include "framework/core/codepage.h"
#include "tests/support/test_folder.h"

using namespace LawVersions;

TEST(LawVersions, ConfigurationFilePaths)
{
    const struct {
        int lawVersion, code;
        const char *path;
    } cases[] = {
        {29, 0, "D:\\P\\cnf\\200706\\postepowanie1.cnf"},
        {28, 115, "D:\\P\\cnf\\postepowanie16.cnf"},
        {16, 23, "D:\\P\\cnf\\postepowanie24.cnf"},
        {-1, 198, "D:\\P\\cnf\\202509\\postepowanie99.cnf"},
        {109, 98, "D:\\P\\cnf\\202408\\spis_umow.cnf"},
        {110, 98, "D:\\P\\cnf\\202410\\postepowanie99.cnf"},
        {28, 98, "D:\\P\\cnf\\spis_umow.cnf"},
        {50, 99, "D:\\P\\cnf\\201202\\spis_aktow.cnf"},
        {50, 30, "D:\\P\\cnf\\201202"},
        {114, 61, "D:\\P\\cnf\\202509"},
        {114, -5, "D:\\P\\cnf\\202509"},
        {78, 60, "D:\\P\\cnf\\201802\\postepowanie61.cnf"},
        {79, 96, "D:\\P\\cnf\\201803\\postepowanie97.cnf"},
        {115, 0, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.lawVersion << ", code " << c.code);
        EXPECT_STREQ(c.path, GetConfigFilePath("D:\\P", c.lawVersion, c.code));
    }
}

TEST(LawVersions, DataFilePaths)
{
    const struct {
        int code;
        const char *path;
    } cases[] = {
        {0, "D:\\P\\data\\postepowanie1.wy"},
        {60, "D:\\P\\data\\postepowanie61.wy"},
        {196, "D:\\P\\data\\postepowanie97.wy"},
        {95, "D:\\P\\data\\postepowanie96.wy"},
        {61, ""},
        {99, ""},
        {24, ""},
        {-1, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code);
        EXPECT_STREQ(c.path, GetDataFilePath("D:\\P", c.code));
    }
}

TEST(LawVersions, TemplateFolders)
{
    const struct {
        int lawVersion;
        const char *folder;
    } cases[] = {
        {16, "D:\\P\\szablony"},        {24, "D:\\P\\szablony"},         {25, "D:\\P\\szablony_200607"},
        {28, "D:\\P\\szablony_200702"}, {31, "D:\\P\\szablony_200711"},  {32, "D:\\P\\szablony_200711"},
        {-5, "D:\\P\\szablony_202509"}, {114, "D:\\P\\szablony_202509"}, {115, "D:\\P\\szablony_moje"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.lawVersion);
        EXPECT_STREQ(c.folder, GetTemplateFolder("D:\\P", "D:\\P\\szablony_moje", c.lawVersion));
    }
}

// The user's edited templates mirror the newest set in the user-templates folder itself; an
// older set's go to a subfolder of their own, so that no edit reaches another set.
TEST(LawVersions, UserTemplateFolders)
{
    const struct {
        int lawVersion;
        const char *folder;
    } cases[] = {
        {114, "D:\\P\\szablony_moje"},
        {-1, "D:\\P\\szablony_moje"},
        {115, "D:\\P\\szablony_moje"},
        {25, "D:\\P\\szablony_moje\\szablony_200607"},
        {16, "D:\\P\\szablony_moje\\szablony"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.lawVersion);
        const CString set = GetTemplateFolder("D:\\P", "D:\\P\\szablony_moje", c.lawVersion);
        EXPECT_STREQ(c.folder, GetUserTemplateFolder("D:\\P\\szablony_moje", set));
    }
    EXPECT_STREQ("", GetUserTemplateFolder("", "D:\\P\\szablony_202509"));
}

TEST(LawVersions, SpacesEndingTheMainPathAreTrimmedOnlyFromTemplateFolders)
{
    EXPECT_STREQ("D:\\P \\szablony_202509", GetTemplateFolder("D:\\P ", "", 114));
    EXPECT_STREQ("D:\\P", GetTemplateFolder("", "  D:\\P  ", 200));
    EXPECT_STREQ("D:\\P \\cnf\\202509\\postepowanie1.cnf", GetConfigFilePath("D:\\P ", 114, 0));
    EXPECT_STREQ("D:\\P \\data\\postepowanie1.wy", GetDataFilePath("D:\\P ", 0));
}

TEST(LawVersions, Names)
{
    const struct {
        int lawVersion;
        const char *name;
    } cases[] = {
        {15, "wersja sprzed kwietnia 2004"},
        {-3, "wersja sprzed kwietnia 2004"},
        {16, "kwiecień 2004"},
        {23, "kwiecien 2006"},
        {24, "kwiecien 2006"},
        {31, "listopad 2007"},
        {32, "listopad 2007"},
        {78, "luty 2018"},
        {79, "luty 2018"},
        {96, "paźdzernik 2021"},
        {114, "wrzesień 2025"},
        {115, "(Nieznana wersja pliku)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.lawVersion);
        EXPECT_STREQ(c.name, GetVersionName(c.lawVersion));
    }
}

TEST(LawVersions, InstalledTemplatesAndConfiguration)
{
    TestFolder main;
    const CString own = main / "szablony_moje";
    CreateDirectoryW(Cp1250ToWide(main / "szablony_202509").c_str(), nullptr);
    CreateDirectoryW(Cp1250ToWide(main / "cnf").c_str(), nullptr);
    CreateDirectoryW(Cp1250ToWide(main / "cnf\\202509").c_str(), nullptr);
    TestFolder::WriteBytes(main / "cnf\\202509\\postepowanie1.cnf", "x");

    EXPECT_TRUE(HasTemplatesForVersion(main.Path(), own, 114));
    EXPECT_TRUE(HasTemplatesForVersion(main.Path(), own, -1));
    EXPECT_FALSE(HasTemplatesForVersion(main.Path(), own, 113));
    EXPECT_FALSE(HasTemplatesForVersion(main.Path(), own, 115));
    CreateDirectoryW(Cp1250ToWide(own).c_str(), nullptr);
    EXPECT_TRUE(HasTemplatesForVersion(main.Path(), own, 115));

    EXPECT_TRUE(HasConfigForVersion(main.Path(), 114, 100));
    EXPECT_FALSE(HasConfigForVersion(main.Path(), 114, 1));  // no such file
    EXPECT_FALSE(HasConfigForVersion(main.Path(), 114, 30)); // the path is the folder itself
    EXPECT_FALSE(HasConfigForVersion(main.Path(), 115, 0));  // unknown version: no path
}
