#include <gtest/gtest.h>

#include "model/project.h"
#include "document/files/document_sets.h"
#include "document/view/window_title.h"

namespace {

struct TitleCase {
    int kind;
    const char *folder;
    const char *fileName;
    const char *extension;
    const char *title;
};

TEST(WindowTitle, EachKindNamesWhatTheWindowHolds)
{
    const char *const contracts = "C:\\Morvelank\\umowy\\umowy.dat";
    // With the folder, a name of 15 characters makes a path of 60 without ".baz", one of 16 of 61.
    const char *const longFolder = "C:\\postepowania\\bardzo dlugi katalog roboczy";
    const TitleCase cases[] = {
        {kKindProceeding, "C:\\prace\\Przetarg", "Przetarg", "dat", "Postępowanie::C:\\prace\\Przetarg\\Przetarg"},
        {kKindProceeding, longFolder, "Przetarg1234567", "dat",
         "Postępowanie::C:\\postepowania\\bardzo dlugi katalog roboczy\\Przetarg1234567"},
        {kKindProceeding, longFolder, "Przetarg12345678", "dat",
         "Postępowanie::C:\\postepo[...]nia\\bardzo dlugi katalog roboczy\\Przetarg12345678"},
        {kKindProceeding, "C:\\v1.2", "", "dat", "Postępowanie::"},
        {kKindArchive, "C:\\archiwum\\x", "x", "dat", "Archiwum::Nazwa przetargu"},
        {kKindExample, "C:\\przyklady\\x", "x", "dat", "Przykład::Nazwa przetargu"},
        {kKindContracts, "C:\\prace", "umowy", "um", "Umowy::C:\\prace\\umowy.um"},
        {kKindContracts, "C:\\Morvelank\\umowy", "umowy", "dat", "Umowy::Biblioteka umów programu Morvelank"},
        {kKindRemedies, "", "", "dat", "Środki ochrony prawnej::(plik niezapisany)"},
        {kKindRemedies, "D:\\srodki", "odwolania", "opr", "Środki ochrony prawnej::D:\\srodki\\odwolania.opr"},
        {kKindContractorForms, "D:\\wzory", "wzory", "opw", "Wzory dokumentów dla wykonawców::D:\\wzory\\wzory.opw"},
    };
    for (const TitleCase &c : cases) {
        CProject project;
        project.m_strName = "Nazwa przetargu";
        project.SetFolder(c.folder);
        project.SetFileName(c.fileName, c.extension);
        SCOPED_TRACE(c.title);
        EXPECT_STREQ(FrameTitle(c.kind, project, contracts), c.title);
    }
}

TEST(WindowTitle, TextsOfSixtyCharactersStayWhole)
{
    const CString sixty('a', 60);
    const CString sixtyOne = sixty + "b";
    EXPECT_STREQ(ShortenTitleText(sixty), sixty);
    EXPECT_STREQ(ShortenTitleText(sixtyOne), CString('a', 10) + "[...]" + CString('a', 48) + "b");
}

TEST(WindowTitle, StatusPaneNamesTheProceedingOrTheSet)
{
    CProject project;
    project.m_strName = "Przetarg";
    EXPECT_STREQ(KindStatusText(kKindProceeding, project), "Przetarg");
    EXPECT_STREQ(KindStatusText(kKindArchive, project), "Przetarg");
    EXPECT_STREQ(KindStatusText(kKindContracts, project), "Umowy");
    EXPECT_STREQ(KindStatusText(kKindRemedies, project), "Środki ochrony prawnej");
    EXPECT_STREQ(KindStatusText(kKindContractorForms, project), "Wzory dokumentów dla wykonawców");
}

} // namespace
