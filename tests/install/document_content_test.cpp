// What the exported text of the main documents of each kind of the newest law must say, and
// must not say, for the documents to hold up under the act: the signature the value band
// requires, the bidders named in the notice of selection, the repeat orders announced in the
// notice, the statements of the EU kinds, the order of wariant 3 (no price before final offers),
// konkurs in both bands, the subcontracting clauses of works contracts, the protocol per mode.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <set>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "app/morvelank_app.h"
#include "document/view/morvelank_view.h"
#include "document/files/new_proceeding_code.h"
#include "document/engine/rich_edit_text.h"
#include "installed_view_test.h"

namespace {

const int kWizardModes = 24;

const char kQualifiedOnly[] = "kwalifikowany podpis elektroniczny osoby uprawnionej";
const char kTrustedSignature[] = "podpis zaufany";
const char kBidderName[] = "Biuro-Tech Sp. z o.o.";
const char kBidderSeat[] = "60-101 Poznań";

// A document of a kind: its exported text holds every "must" and no "mustNot" ("" for none),
// with the option `chosen` (0: none) chosen in its group first.
struct ContentRule {
    int code;
    const char *document; // file name of the template, as the configuration file gives it
    const char *must[3];
    const char *mustNot;
    int chosen = 0;
};

const ContentRule kRules[] = {
    // Art. 63 ust. 1: at or above EU thresholds only the qualified electronic signature.
    {63, "formularz_oferty.rtf", {kQualifiedOnly}, kTrustedSignature},
    {67, "formularz_oferty.rtf", {kQualifiedOnly}, kTrustedSignature},
    {77, "formularz_oferty.rtf", {kQualifiedOnly}, kTrustedSignature},
    {79, "formularz_oferty.rtf", {kQualifiedOnly}, kTrustedSignature},
    {81, "formularz_oferty.rtf", {kQualifiedOnly}, kTrustedSignature},
    {87, "formularz_oferty.rtf", {kQualifiedOnly}, kTrustedSignature},
    {67, "wniosek.rtf", {kQualifiedOnly}, kTrustedSignature},
    {83,
     "wniosek.rtf",
     {"kwalifikowany podpis elektroniczny osoby uprawnionej do reprezentowania uczestnika"},
     kTrustedSignature},
    {67, "ogloszenie.rtf", {"opatrzone kwalifikowanym podpisem elektronicznym (art. 63 ust. 1"}, "podpisem zaufanym"},
    {63, "ogloszenie.rtf", {"opatrzone kwalifikowanym podpisem elektronicznym (art. 63 ust. 1"}, "podpisem zaufanym"},
    // Below them also the trusted or personal signature (art. 63 ust. 2).
    {64, "formularz_oferty.rtf", {"podpis zaufany lub podpis osobisty osoby uprawnionej"}, ""},
    {86, "formularz_oferty.rtf", {"podpis zaufany lub podpis osobisty osoby uprawnionej"}, ""},
    {64,
     "oswiadczenie_125.rtf",
     {"podpis zaufany lub podpis osobisty wykonawcy", "podstaw wykluczenia",
      "podstawy wykluczenia z postępowania określone w art. 7 ust. 1"},
     "przesłank"},
    {64, "ogloszenie.rtf", {"podpisem zaufanym lub podpisem osobistym (art. 63 ust. 2"}, ""},
    // EU kinds: JEDZ and the sanctions statements instead of the national form (art. 125 ust. 3).
    {63,
     "oswiadczenie_sankcje.rtf",
     {"JEDZ", "art. 5k ust. 1 rozporządzenia Rady (UE) nr 833/2014", "kwalifikowany podpis elektroniczny wykonawcy"},
     kTrustedSignature},
    {83, "oswiadczenie_sankcje.rtf", {"art. 7 ust. 1 ustawy z dnia 13 kwietnia 2022", "art. 5k ust. 1"}, ""},
    {63, "swz.rtf", {"JEDZ", "art. 5k ust. 1"}, ""},
    // Art. 253 ust. 1 pkt 1: every bidder with its seat, and the scores.
    {63, "wybor_oferty.rtf", {kBidderName, kBidderSeat, "łączna punktacja"}, ""},
    {64, "wybor_oferty.rtf", {kBidderName, kBidderSeat, "łączna punktacja"}, ""},
    {72, "wybor_oferty.rtf", {kBidderName, kBidderSeat}, ""},
    {79, "wybor_oferty.rtf", {kBidderName, kBidderSeat}, ""},
    // Art. 214 ust. 1 pkt 7: repeat orders stand in the notice; criteria with their weights.
    {64, "ogloszenie.rtf", {"art. 214 ust. 1 pkt 7", "Okres gwarancji", "Waga"}, "zgodnie z rozdziałem XVI"},
    {63, "ogloszenie.rtf", {"art. 214 ust. 1 pkt 7", "Cena"}, ""},
    // The notice states EU funding and lists the proofs.
    {64,
     "ogloszenie.rtf",
     {"Zamówienie nie jest finansowane ze środków Unii Europejskiej.",
      "Podmiotowe środki dowodowe:", "ostatnich 3 lat"},
     "Zamówienie jest finansowane"},
    {67,
     "ogloszenie.rtf",
     {"Zamówienie nie jest finansowane ze środków Unii Europejskiej."},
     "Zamówienie jest finansowane"},
    // Wariant 2: negotiation announced, the notice before negotiations, additional offers.
    {68,
     "swz.rtf",
     {"Zamawiający przewiduje możliwość prowadzenia negocjacji", "do składania ofert dodatkowych w terminie",
      "art. 296 ust. 2"},
     ""},
    {68, "ogloszenie.rtf", {"Zamawiający przewiduje możliwość prowadzenia negocjacji", "art. 275 pkt 2"}, ""},
    {68, "informacja_negocjacje.rtf", {"art. 287 ust. 3", "łączna punktacja"}, ""},
    {68, "zaproszenie_oferty_po_negocjacjach.rtf", {"ofert dodatkowych", "art. 296 ust. 1"}, "ofert ostatecznych"},
    {68, "zaproszenie_negocjacje.rtf", {"art. 289 ust. 1"}, ""},
    // Wariant 3: final offers, needs described first, prices only after final offers.
    {72, "swz.rtf", {"ofert ostatecznych", "art. 277 ust. 2"}, "ofert dodatkowych"},
    {72, "opis_potrzeb.rtf", {"OPIS POTRZEB I WYMAGAŃ", "ofert ostatecznych"}, ""},
    {72, "informacja_otwarcie_wstepne.rtf", {kBidderName, "art. 222 ust. 6"}, "176 418,90"},
    {72, "informacja_negocjacje.rtf", {"art. 287 ust. 4"}, ""},
    {72,
     "zaproszenie_oferty_po_negocjacjach.rtf",
     {"ofert ostatecznych", "art. 295 ust. 1", "art. 277 ust. 2"},
     "ofert dodatkowych"},
    // Cancellation grounds of every kind; wolna ręka has its own (art. 255 pkt 1, 2, 8).
    {67, "uniewaznienie.rtf", {"nie złożono żadnego wniosku o dopuszczenie do udziału w postępowaniu albo żadnej"}, ""},
    {70, "uniewaznienie.rtf", {"art. 255 pkt 8"}, "art. 255 pkt 1"},
    {71, "uniewaznienie.rtf", {"art. 255 pkt 8"}, ""},
    // Contract form (art. 432), art. 436 pkt 4, a place name that reads right whatever it is.
    {64,
     "umowa.rtf",
     {"w formie pisemnej albo w formie elektronicznej", "art. 436 pkt 4", "miejsce zawarcia umowy: "},
     "w postaci elektronicznej"},
    // Works contracts carry the subcontracting clauses of art. 437 ust. 1; others do not.
    {63, "umowa.rtf", {"art. 437 ust. 1", "nie może być dłuższy niż 30 dni", "art. 465"}, "", 158},
    {64, "umowa.rtf", {}, "podwykonawstwa robót budowlanych"},
    {63, "umowa.rtf", {"nieprzedłożenia do zaakceptowania projektu umowy o podwykonawstwo"}, "", 158},
    // Impartiality (art. 56 ust. 2 pkt 3), the SWZ's communication points, proofs with years.
    {64, "oswiadczenie_56.rtf", {"wynagrodzenia z innego tytułu", "art. 56 ust. 2 i 3"}, ""},
    {64, "swz.rtf", {"art. 65 ust. 1, art. 66 i art. 69", "maksymalny rozmiar", "ostatnich 3 lat"}, ""},
    {63, "swz.rtf", {"Krajowego Rejestru Karnego", "grupy kapitałowej"}, ""},
    // Without parts the wadium amount ends its own point; the next point starts a paragraph.
    {64, "swz.rtf", {"zł. 2.\tWadium może być wnoszone"}, "", 126},
    {64, "formularz_oferty.rtf", {"W kryteriach oceny ofert innych niż cena"}, ""},
    // The standard letters and the result notice, with the article of the value band.
    {64, "przedluzenie_zwiazania.rtf", {"art. 307 ust. 2", "nie dłuższy niż 30 dni"}, ""},
    {63, "przedluzenie_zwiazania.rtf", {"art. 220 ust. 3", "nie dłuższy niż 60 dni"}, ""},
    {64, "wezwanie_224.rtf", {"art. 224 ust. 6"}, ""},
    {64, "wezwanie_128.rtf", {"art. 128 ust. 1"}, ""},
    {64, "poprawienie_omylek.rtf", {"art. 223 ust. 2 pkt 3"}, ""},
    {70, "ogloszenie_wyniku.rtf", {"art. 309 ust. 1", "30 dni"}, ""},
    {63, "ogloszenie_wyniku.rtf", {"art. 265 ust. 1", "wykonawca, z którym zawarto umowę"}, ""},
    // Both forms of konkurs in both bands (art. 325 ff.), each with its band's notice and signature.
    {82, "wniosek.rtf", {"podpis zaufany lub podpis osobisty osoby uprawnionej do reprezentowania uczestnika"}, ""},
    {82, "ogloszenie.rtf", {"Biuletynie Zamówień Publicznych", "konkursu ograniczonego"}, "Dzienniku Urzędowym"},
    {85, "ogloszenie.rtf", {"Dzienniku Urzędowym Unii Europejskiej", "konkursu nieograniczonego"}, "Biuletynie"},
    // The protocol's minimum (art. 72 ust. 1 pkt 3-8, 10).
    {64, "protokol.rtf", {"art. 72 ust. 1 pkt 3", "art. 72 ust. 1 pkt 5", "art. 72 ust. 1 pkt 6"}, ""},
    {70, "protokol.rtf", {"art. 72 ust. 1 pkt 7", "art. 72 ust. 1 pkt 8", "art. 72 ust. 1 pkt 10"}, ""},
    // ... following the form of its mode (Dz.U. 2020 poz. 2434): the mode's own steps, and no notice
    // where the mode has none.
    {63,
     "protokol.rtf",
     {"wzoru protokołu postępowania w trybie przetargu nieograniczonego", "art. 139 ust. 1",
      "Ogłoszenie opublikowano w"},
     "nie publikował ogłoszenia"},
    {64, "protokol.rtf", {"wzoru protokołu postępowania w trybie podstawowym", "art. 275 pkt 1"}, ""},
    {67, "protokol.rtf", {"w trybie przetargu ograniczonego", "wykonawcy zaproszeni do składania ofert"}, ""},
    {70,
     "protokol.rtf",
     {"w trybie zamówienia z wolnej ręki", "Wykonawca, z którym prowadzono negocjacje",
      "Postępowanie wszczęto przekazaniem zaproszenia"},
     "Ogłoszenie opublikowano"},
    {77,
     "protokol.rtf",
     {"Wykonawcy zaproszeni do negocjacji", "nie publikował ogłoszenia o zamówieniu"},
     "Ogłoszenie opublikowano"},
    {79, "protokol.rtf", {"w trybie negocjacji z ogłoszeniem", "oferty ostateczne złożyli"}, ""},
    {72, "protokol.rtf", {"art. 275 pkt 3", "oferty ostateczne złożyli"}, ""},
    // Modes that need a ground: the protocol states it and its circumstances (art. 72 ust. 1
    // pkt 3), the notices of negocjacje z ogłoszeniem and dialog name it (art. 153, art. 170).
    {70, "protokol.rtf", {"Przesłanka zastosowania trybu: ", "uzasadniające zastosowanie trybu (art. 72 ust. 1 pkt 3"}, ""},
    {71, "protokol.rtf", {"Przesłanka zastosowania trybu: ", "uzasadniające zastosowanie trybu (art. 72 ust. 1 pkt 3"}, ""},
    {76, "protokol.rtf", {"Przesłanka zastosowania trybu: ", "uzasadniające zastosowanie trybu (art. 72 ust. 1 pkt 3"}, ""},
    {77, "protokol.rtf", {"Przesłanka zastosowania trybu: ", "uzasadniające zastosowanie trybu (art. 72 ust. 1 pkt 3"}, ""},
    {79, "protokol.rtf", {"Przesłanka zastosowania trybu: ", "uzasadniające zastosowanie trybu (art. 72 ust. 1 pkt 3"}, ""},
    {81, "protokol.rtf", {"Przesłanka zastosowania trybu: ", "uzasadniające zastosowanie trybu (art. 72 ust. 1 pkt 3"}, ""},
    {64, "protokol.rtf", {"zastosowanie trybu podstawowego nie wymaga wystąpienia szczególnych okoliczności"}, ""},
    {79, "ogloszenie.rtf", {"Podstawa zastosowania trybu: "}, ""},
    {81, "ogloszenie.rtf", {"Podstawa zastosowania trybu: "}, ""},
    // The opening of final offers says that it is one.
    {72, "informacja_otwarcie_ostateczne.rtf", {"INFORMACJA Z OTWARCIA OFERT OSTATECZNYCH", "oferty ostateczne złożone"}, ""},
    {79, "informacja_otwarcie_ostateczne.rtf", {"INFORMACJA Z OTWARCIA OFERT OSTATECZNYCH", "oferty ostateczne złożone"}, ""},
    {86, "informacja_otwarcie_ostateczne.rtf", {"INFORMACJA Z OTWARCIA OFERT OSTATECZNYCH", "oferty ostateczne złożone"}, ""},
    {87, "informacja_otwarcie_ostateczne.rtf", {"INFORMACJA Z OTWARCIA OFERT OSTATECZNYCH", "oferty ostateczne złożone"}, ""},
    // Sentences that read right with the default choices and with others: the art. 109 grounds
    // are sentences of their own, the repeat orders are said once, values end their sentences
    // with a stop, a value ends with its dotted place where it has one.
    {64, "swz.rtf", {"Zamawiający nie przewiduje udzielenia zamówień, o których mowa w art. 214"}, "zamówień podobnych"},
    {64, "swz.rtf", {"narodowego. 3.\tWykonawca może zostać wykluczony"}, "w przypadkach wskazanych poniżej"},
    {64, "swz.rtf", {"3.\tZamawiający wykluczy z postępowania wykonawcę na podstawie art. 109 ust. 1 pkt 5"}, "", 141},
    {64, "ogloszenie.rtf", {"art. 108 ust. 1 ustawy Pzp, art. 109 ust. 1 pkt 5 ustawy Pzp, art. 7 ust. 1"}, "", 141},
    {64, "ogloszenie.rtf", {"Podstawy wykluczenia: art. 108 ust. 1 ustawy Pzp, art. 7 ust. 1"}, ""},
    {64, "swz.rtf", {"w zakresie: ...................."}, "nie przewiduje udzielenia zamówień, o których mowa w art. 214", 130},
    {63, "swz.rtf", {"z zastrzeżeniem art. 223 ustawy Pzp.", "art. 264 ust. 2 ustawy Pzp."}, ""},
    {63, "protokol.rtf", {"(art. 139 ust. 1 ustawy Pzp): .................... (zastosowano", "NIP .................... (oferta nr 2)."}, ""},
    // One choice of the order's kind is every text that names it.
    {64, "swz.rtf", {"prowadzonym w trybie podstawowym na dostawy pn."}, "usługi pn."},
    {64, "swz.rtf", {"prowadzonym w trybie podstawowym na roboty budowlane pn."}, "dostawy pn.", 158},
    {64, "protokol.rtf", {"Rodzaj zamówienia: usługi; kod CPV"}, "Rodzaj zamówienia: dostawy", 165},
    {64, "karta.rtf", {"Rodzaj zamówienia: roboty budowlane"}, "Rodzaj zamówienia: dostawy", 158},
};

// Documents of wariant 3 that must come only after the negotiations, and the one that ends them.
const char *const kAfterNegotiation[] = {"swz.rtf", "informacja_kwota.rtf", "informacja_otwarcie_ostateczne.rtf",
                                         "zaproszenie_oferty_po_negocjacjach.rtf"};

class DocumentContent : public InstalledViewTest {
protected:
    void SetUp() override
    {
        InstalledViewTest::SetUp();
        if (HasFatalFailure())
            return;
        for (int mode = 0; mode < kWizardModes; ++mode)
            for (int variant = 0; variant < 2; ++variant) {
                const int code = NewProceedingCode(true, mode, variant);
                if (code >= 0 && !wizardChoice.count(code % 100))
                    wizardChoice[code % 100] = {mode, variant};
            }
    }

    // A new proceeding of the kind (undivided, or in that many parts), with one bidder's offer
    // opened; null when the wizard cannot create the kind.
    CMorvelankView *CreateKind(int code, int parts = -1)
    {
        const auto choice = wizardChoice.find(code);
        if (choice == wizardChoice.end())
            return nullptr;
        CMorvelankView *view = MakeView();
        CString name;
        name.Format("Rodzaj %d", code);
        if (!view->CreateProceeding(1, name, parts, choice->second.first, choice->second.second, DefaultValues())) {
            view->DestroyWindow();
            return nullptr;
        }
        const CString offer = CString("1|") + kBidderName + "|ul. Przemysłowa 12, " + kBidderSeat + "|176 418,90|\n";
        for (int list : {259, 265})
            view->m_proceeding.m_tables->m_variables[list].value = offer;
        return view;
    }

    // As a click on the option does: the others of its group are no longer chosen.
    static void ChooseOption(CMorvelankView &view, int option)
    {
        ViewTables &tables = *view.m_proceeding.m_tables;
        for (int i = 0; i < tables.GetVariableCount(); ++i)
            if (tables.m_variables[i].groupNumber == tables.m_variables[option].groupNumber)
                tables.m_variables[i].selected = i == option ? 1 : 0;
    }

    static std::vector<int> SelectedFlags(CMorvelankView &view)
    {
        const ViewTables &tables = *view.m_proceeding.m_tables;
        std::vector<int> flags;
        for (int i = 0; i < tables.GetVariableCount(); ++i)
            flags.push_back(tables.m_variables[i].selected);
        return flags;
    }

    static void RestoreSelectedFlags(CMorvelankView &view, const std::vector<int> &flags)
    {
        for (size_t i = 0; i < flags.size(); ++i)
            view.m_proceeding.m_tables->m_variables[i].selected = flags[i];
    }

    // The document's text as export leaves it: options not chosen and unused values removed.
    static CString ExportedText(CMorvelankView &view, int document)
    {
        view.ShowDocument(document, -1);
        view.PrepareExportText();
        const CString text = RichEditText(view.GetSafeHwnd()).GetPlainText();
        view.RegenerateAfterOutput();
        return text;
    }

    std::map<int, std::pair<int, int>> wizardChoice; // code % 100 -> wizard mode and variant
};

// The rules of one kind, a test a kind so that the suite's shares spread them.
class KindContent : public DocumentContent, public ::testing::WithParamInterface<int> {};

TEST_P(KindContent, MainDocumentsSayWhatTheActRequires)
{
    const int code = GetParam();
    CMorvelankView *view = CreateKind(code);
    ASSERT_NE(nullptr, view) << "kind " << code << " not created";
    std::string failures;
    for (const ContentRule &rule : kRules) {
        if (rule.code != code)
            continue;
        const std::string where = std::string(rule.document) + ":";
        const int document = FindDocument(*view, rule.document);
        if (document < 0) {
            failures += where + " not in the set\n";
            continue;
        }
        const std::vector<int> choices = SelectedFlags(*view);
        if (rule.chosen)
            ChooseOption(*view, rule.chosen);
        CString text = ExportedText(*view, document);
        RestoreSelectedFlags(*view, choices);
        text.Replace("\r", " ");
        text.Replace("\n", " ");
        for (const char *must : rule.must)
            if (must && text.Find(must) < 0)
                failures += where + " lacks \"" + must + "\"\n";
        if (*rule.mustNot && text.Find(rule.mustNot) >= 0)
            failures += where + " says \"" + rule.mustNot + "\"\n";
    }
    view->DestroyWindow();
    EXPECT_EQ("", failures);
}

std::vector<int> RuleCodes()
{
    std::set<int> codes;
    for (const ContentRule &rule : kRules)
        codes.insert(rule.code);
    return std::vector<int>(codes.begin(), codes.end());
}

INSTANTIATE_TEST_SUITE_P(Act2019, KindContent, ::testing::ValuesIn(RuleCodes()),
                         [](const ::testing::TestParamInfo<int> &info) { return "kind" + std::to_string(info.param); });

// A divided proceeding's SWZ lists the wadium of each part under the wadium point when the
// wadium is required. When it is not (a new proceeding's choice) the part lines are struck out
// on screen like the point they belong to, and print and every export leave them out with it,
// no lone amount or "część" left behind.
TEST_F(DocumentContent, TwoPartSwzListsEachPartsWadiumOnlyWhenTheWadiumIsRequired)
{
    CMorvelankView *view = CreateKind(64, 2);
    ASSERT_NE(nullptr, view);
    const int swz = FindDocument(*view, "swz.rtf");
    ASSERT_GE(swz, 0);
    const CString dots = "..............................";
    const CString partLines =
        "odrębnie dla każdej części:\rczęść 1: " + dots + " zł\rczęść 2: " + dots + " zł\r2.\tWadium";
    // The shown document, generated again after the output: is the first part line struck out?
    const auto partLineStruckOut = [&] {
        RichEditText control(view->GetSafeHwnd());
        const int at = control.GetPlainText().Find("część 1: ");
        EXPECT_GE(at, 0);
        control.SetSel(at, at + 9);
        return (control.GetSelectionFormat().dwEffects & CFE_STRIKEOUT) != 0;
    };

    const std::vector<int> choices = SelectedFlags(*view);
    ChooseOption(*view, 126);
    const CString required = ExportedText(*view, swz);
    EXPECT_GE(required.Find(partLines), 0) << (LPCSTR)required.Mid(required.Find("XVII. Wadium"), 600);
    EXPECT_FALSE(partLineStruckOut());
    RestoreSelectedFlags(*view, choices);

    const CString notRequired = ExportedText(*view, swz);
    const CString wadium = notRequired.Mid(notRequired.Find("XVII. Wadium"), 200);
    EXPECT_EQ(0, wadium.Find("XVII. Wadium\rZamawiający nie wymaga wniesienia wadium.\rXVIII.")) << (LPCSTR)wadium;
    EXPECT_LT(notRequired.Find("część 1: "), 0);
    EXPECT_TRUE(partLineStruckOut());
    view->DestroyWindow();
}

TEST_F(DocumentContent, WariantThreeDisclosesNoPriceAndSetsNoSpecificationBeforeNegotiating)
{
    CMorvelankView *view = CreateKind(72);
    ASSERT_NE(nullptr, view);
    const int negotiation = FindDocument(*view, "protokol_negocjacji.rtf");
    ASSERT_GE(negotiation, 0);
    EXPECT_LT(FindDocument(*view, "opis_potrzeb.rtf"), negotiation);
    for (const char *later : kAfterNegotiation)
        EXPECT_GT(FindDocument(*view, later), negotiation) << later;
    view->DestroyWindow();
}

} // namespace
