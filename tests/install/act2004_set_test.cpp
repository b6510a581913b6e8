// The template set of the act of 2004 as the wizard reaches it: every choice of mode and band
// under that act has its set; every kind saves and reopens from its own files in the set's law
// version; and the main documents say what that act requires of them.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "model/view_tables.h"
#include "app/morvelank_app.h"
#include "document/view/morvelank_view.h"
#include "document/files/new_proceeding_code.h"
#include "document/engine/rich_edit_text.h"
#include "installed_view_test.h"
#include "model/file_utils.h"
#include "model/law_versions.h"

namespace {

const int kModes2004 = 12;
// Modes whose value band the wizard keeps below the thresholds: zapytanie o cenę, licytacja
// elektroniczna, below 30 000 euro, usługi społeczne.
const int kBelowOnlyModes[] = {5, 6, 7, 11};
const int kLaw2004 = 92;

bool IsBelowOnly(int mode)
{
    for (int below : kBelowOnlyModes)
        if (mode == below)
            return true;
    return false;
}

// A document of a kind: its exported text holds every "must" and not "mustNot" ("" none), with
// the option `chosen` (0: none) chosen in its group first.
struct ContentRule {
    int mode, variant;
    const char *document;
    const char *must[3];
    const char *mustNot;
    int chosen = 0;
};

const char kAct[] = "ustawy z dnia 29 stycznia 2004 r. – Prawo zamówień publicznych";

const ContentRule kRules[] = {
    // Every document names the act and the proceedings it serves.
    {0, 0, "siwz.rtf", {kAct, "przed dniem 1 stycznia 2021 r.", "art. 86 ust. 3"}, "11 września 2019"},
    {0, 0, "umowa.rtf", {"art. 144 ust. 1", "art. 145 ust. 1", "art. 142 ust. 5"}, "art. 143d"},
    // Works contracts carry the subcontracting clauses of art. 143b-143d.
    {0, 1, "umowa.rtf", {"art. 143d ust. 1 pkt 7", "art. 143c", "art. 143a ust. 1"}, "", 158},
    // The statements of art. 25a below the thresholds, the JEDZ above them.
    {0, 0, "siwz.rtf", {"art. 25a ust. 1", "art. 26 ust. 2"}, "JEDZ"},
    {0, 1, "siwz.rtf", {"jednolitego europejskiego dokumentu zamówienia (JEDZ)", "art. 26 ust. 1", "60 dni"}, ""},
    {0, 1, "jedz.rtf", {"rozporządzeniu wykonawczym Komisji (UE) 2016/7", "art. 25a ust. 3"}, ""},
    {0, 0, "oswiadczenie_25a.rtf", {"art. 24 ust. 1 pkt 12–23", "art. 22a"}, ""},
    // The requests, the opening, the choice, the cancellation with its grounds.
    {0, 0, "wezwanie_26_1.rtf", {"art. 26 ust. 2", "5 dni"}, ""},
    {0, 1, "wezwanie_26_1.rtf", {"art. 26 ust. 1", "10 dni"}, ""},
    {0, 0, "wezwanie_26_3.rtf", {"art. 26 ust. 3"}, ""},
    {0, 0, "wezwanie_26_4.rtf", {"art. 26 ust. 4"}, ""},
    {0, 0, "wezwanie_90.rtf", {"art. 90 ust. 1", "art. 90 ust. 3"}, ""},
    {0, 0, "informacja_otwarcie.rtf", {"art. 86 ust. 5", "art. 24 ust. 11"}, ""},
    {0, 0, "wybor_oferty.rtf", {"art. 92 ust. 1", "art. 182 ust. 1 pkt 2", "art. 94 ust. 1 pkt 2"}, ""},
    {0, 1, "wybor_oferty.rtf", {"art. 182 ust. 1 pkt 1", "art. 94 ust. 1 pkt 1"}, ""},
    {0, 0, "uniewaznienie.rtf", {"art. 93 ust. 3", "art. 93 ust. 1 pkt 1"}, "art. 93 ust. 1 pkt 4 "},
    {0, 0, "protokol.rtf", {"art. 96 ust. 1", "Dz. U. z 2016 r. poz. 1128"}, ""},
    // Modes of their own: the grounds of a mode without a notice, the two-stage invitation, the
    // auction, the contest, the orders outside the act.
    {4, 1, "uzasadnienie.rtf", {"art. 67 ust. 1 pkt 1", "art. 10 ust. 2"}, ""},
    {1, 1, "zaproszenie.rtf", {"składania ofert", "art. 51"}, ""},
    {2, 0, "zaproszenie.rtf", {"składania ofert wstępnych"}, ""},
    {6, 0, "zaproszenie.rtf", {"art. 78 ustawy Pzp", "minimalną wysokość postąpienia"}, ""},
    {10, 0, "regulamin.rtf", {"art. 116", "anonimowość"}, ""},
    {7, 0, "zapytanie.rtf", {"art. 4 pkt 8"}, ""},
    {11, 0, "ogloszenie.rtf", {"art. 138o ust. 2"}, ""},
};

using Act2004Set = InstalledViewTest;

TEST_F(Act2004Set, EveryChoiceOfTheWizardHasItsSetInTheLastVersionOfTheAct)
{
    for (int mode = 0; mode < kModes2004; ++mode)
        for (int variant = 0; variant < (IsBelowOnly(mode) ? 1 : 2); ++variant) {
            const int code = NewProceedingCode(false, mode, variant);
            SCOPED_TRACE(code);
            ASSERT_GE(code, 0);
            EXPECT_TRUE(FileExists(LawVersions::GetDataFilePath(app.MainPath, code)));
            EXPECT_TRUE(FileExists(LawVersions::GetConfigFilePath(app.MainPath, kLaw2004, code)));
        }
    EXPECT_TRUE(DirectoryExists(LawVersions::GetTemplateFolder(app.MainPath, "", kLaw2004)));
}

TEST_F(Act2004Set, EveryKindSavesAndReopensFromItsOwnFiles)
{
    std::string failures;
    for (int mode = 0; mode < kModes2004; ++mode)
        for (int variant = 0; variant < (IsBelowOnly(mode) ? 1 : 2); ++variant) {
            const int code = NewProceedingCode(false, mode, variant);
            CString name;
            name.Format("Rodzaj %d", code);
            messages.Empty();
            CMorvelankView *created = MakeView();
            const std::string where = std::to_string(code) + ":";
            if (!created->CreateProceeding(0, name, -1, mode, variant, DefaultValues())) {
                failures += where + " not created: " + (LPCSTR)messages + "\n";
                created->DestroyWindow();
                continue;
            }
            created->m_proceeding.m_tables->m_variables[21].value = "Dostawa papieru";
            created->m_proceeding.m_bModified = 1;
            created->SaveProceeding(SaveOptions());
            const int documents = created->m_proceeding.m_tables->m_nDocumentCount;
            created->DestroyWindow();

            CMorvelankView *opened = MakeView();
            if (!opened->OpenProceeding(0, 0, name, name + ".baz")) {
                failures += where + " not reopened: " + (LPCSTR)messages + "\n";
            } else {
                if (opened->m_proceeding.m_project.m_nLawVersion != kLaw2004)
                    failures +=
                        where + " law version " + std::to_string(opened->m_proceeding.m_project.m_nLawVersion) + "\n";
                if (opened->m_proceeding.m_tables->m_nDocumentCount != documents)
                    failures += where + " documents differ\n";
                if (opened->m_proceeding.m_tables->m_variables[21].value != "Dostawa papieru")
                    failures += where + " value lost\n";
                if (!messages.IsEmpty())
                    failures += where + " messages: " + (LPCSTR)messages + "\n";
            }
            opened->DestroyWindow();
        }
    EXPECT_EQ("", failures);
}

TEST_F(Act2004Set, MainDocumentsSayWhatTheActOf2004Requires)
{
    std::string failures;
    std::map<int, CMorvelankView *> views;
    for (const ContentRule &rule : kRules) {
        const int code = NewProceedingCode(false, rule.mode, rule.variant);
        const std::string where = std::to_string(code) + " " + rule.document + ":";
        CMorvelankView *&view = views[code];
        if (!view) {
            view = MakeView();
            CString name;
            name.Format("Treść %d", code);
            if (!view->CreateProceeding(0, name, -1, rule.mode, rule.variant, DefaultValues())) {
                failures += where + " kind not created\n";
                continue;
            }
        }
        const int document = FindDocument(*view, rule.document);
        if (document < 0) {
            failures += where + " not in the set\n";
            continue;
        }
        ViewTables &tables = *view->m_proceeding.m_tables;
        if (rule.chosen)
            for (int i = 0; i < tables.GetVariableCount(); ++i)
                if (tables.m_variables[i].groupNumber == tables.m_variables[rule.chosen].groupNumber)
                    tables.m_variables[i].selected = i == rule.chosen ? 1 : 0;
        view->ShowDocument(document, -1);
        view->PrepareExportText();
        CString text = RichEditText(view->GetSafeHwnd()).GetPlainText();
        view->RegenerateAfterOutput();
        text.Replace("\r", " ");
        text.Replace("\n", " ");
        for (const char *must : rule.must)
            if (must && text.Find(must) < 0)
                failures += where + " lacks \"" + must + "\"\n";
        if (*rule.mustNot && text.Find(rule.mustNot) >= 0)
            failures += where + " says \"" + rule.mustNot + "\"\n";
    }
    for (auto &entry : views)
        if (entry.second)
            entry.second->DestroyWindow();
    EXPECT_EQ("", failures);
}

} // namespace
