#include <gtest/gtest.h>

#include "app/procedure_catalogue.h"

using namespace ProcedureCatalogue;

namespace {

struct NameCase {
    int lawVersion;
    int code;
    const char *longName;
    const char *shortName;
};

const NameCase kNameCases[] = {
    // Remainders modulo 100: codes of the document sets and of codes above 100.
    {28, 115, "Nieograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Nieogr.powyżej progów unijnych ustalonych na podstawie art. 11 ust. 8"},
    {28, 196, "Środki ochrony prawnej", "Środki ochrony prawnej"},
    {28, 198, "Umowy", "Umowy"},
    {29, 198, "Umowy,Regulaminy,Protokoły", "Umowy,Regulaminy,Protokoły"},
    // The index chooses the catalogue: 28 and negative ones the first, 29 the second.
    {28, 0, "Nieograniczony poniżej 60 000 EURO", "Nieogr.pon. 60 000 EURO"},
    {-1, 0, "Nieograniczony poniżej 60 000 EURO", "Nieogr.pon. 60 000 EURO"},
    {29, 0, "Nieograniczony poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Nieogr.poniżej progów unijnych art. 11 ust. 8"},
    {114, 95, "Wzory dokumentów dla wykonawców", "Wzory dokumentów dla wykonawców"},
    // Negative codes and codes without a row are nameless.
    {29, -1, "", ""},
    {28, -15, "", ""},
    {28, 21, "", ""},
    {28, 45, "", ""},
    {28, 95, "", ""},
    {29, 24, "", ""},
    {29, 39, "", ""},
    {29, 61, "", ""},
    {29, 90, "", ""},
    {29, 97, "", ""},
    {29, 99, "", ""},
    // Long and short names that part ways.
    {29, 21, "Konkurs poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Partnerstwo innowacyjne poniżej progów unijnych art. 11 ust. 8"},
    {29, 22, "Konkurs powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Partnerstwo innowacyjne powyżej progów unijnych art. 11 ust. 8"},
    {29, 45, "Licytacja elektroniczna ", "Licytacja elektroniczna"},
    {29, 23, "Licytacja elektroniczna", "Licytacja elektroniczna"},
    {29, 44, "Poniżej 30 000 EURO ", "Poniżej 30 000 EURO "},
    {29, 74, "Poniżej 130 000 zł (art. 2 ust. 1 pkt 1 ustawy Pzp)", "Poniżej 130 000 zł"},
    {29, 75, "Poniżej 130 000 zł (art. 2 ust. 1 pkt 1 ustawy Pzp)", "Poniżej 130 000 zł"},
    {29, 88, "Od 2021r.,Procedura powodziowa - bez stosowania ustawy",
     "Od 2021r.,Procedura powodziowa - bez stosowania ustawy"},
    {29, 89, "Od 2021r.,Procedura powodziowa - bez stosowania ustawy",
     "Od 2021r.,Procedura powodziowa - bez stosowania ustawy"},
    // The current act names its own thresholds and articles, never art. 11 ust. 8 of the former.
    {114, 65, "Od roku 2021, Tryb podstawowy bez negocjacji (tylko poniżej progów unijnych)",
     "Od 2021r.,Tryb podst.bez negocj.(tylko poniżej progów unijnych)"},
    {29, 71, "Od 2021r.,Zam.z w.ręki od progów unijnych (art. 214 ust. 1)",
     "Od 2021r.,Zam.z w.ręki od progów unijnych"},
    {114, 60, "Usługi społeczne poniżej progów 750.000", "Usługi społeczne poniżej progów 750.000"},
};

} // namespace

TEST(ProcedureCatalogue, NamesByLawVersionAndCode)
{
    for (const NameCase &c : kNameCases) {
        SCOPED_TRACE(testing::Message() << "version " << c.lawVersion << ", code " << c.code);
        EXPECT_STREQ(c.longName, GetProcedureName(c.lawVersion, c.code));
        EXPECT_STREQ(c.shortName, GetProcedureShortName(c.lawVersion, c.code));
    }
}

TEST(ProcedureCatalogue, OrderTypeFoldersOnlyForTheirKinds)
{
    const struct {
        int code, orderType;
        const char *folder;
    } cases[] = {
        {0, 0, "dostawy\\"}, {1, 1, "uslugi\\"}, {15, 2, "roboty\\"}, {100, 1, "uslugi\\"}, {115, 0, "dostawy\\"},
        {0, 3, ""},          {1, -1, ""},        {2, 0, ""},          {16, 1, ""},          {-100, 0, "dostawy\\"},
        {-101, 0, ""},       {-1, 1, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << ", order type " << c.orderType);
        EXPECT_STREQ(c.folder, GetOrderTypeFolder(c.code, c.orderType));
        EXPECT_STREQ("", GetOrderTypeWord(c.code, c.orderType));
    }
}
