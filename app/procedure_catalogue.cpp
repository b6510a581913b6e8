// Names of the procedure kinds and the subfolders of the order types.
#include "app/procedure_catalogue.h"

namespace ProcedureCatalogue {
namespace {

struct ProcedureKind {
    int code;
    const char *longName;
    const char *shortName;
};

// Proceedings made with law versions up to index 28.
const ProcedureKind kFirstCatalogue[] = {
    {0, "Nieograniczony poniżej 60 000 EURO", "Nieogr.pon. 60 000 EURO"},
    {1, "Nieograniczony powyżej 60 000 EURO", "Nieogr.pow. 60 000 EURO"},
    {2, "Ograniczony poniżej 60 000 EURO", "Ogran. pon. 60 000 EURO"},
    {3, "Ograniczony powyżej 60 000 EURO", "Ogran. pow. 60 000 EURO"},
    {4, "Negocjacje z ogłoszeniem poniżej 60 000 EURO", "Neg. z ogł. pon. 60 000 EURO"},
    {5, "Negocjacje z ogłoszeniem powyżej 60 000 EURO", "Neg. z ogł. pow. 60 000 EURO"},
    {6, "Negocjacje bez ogłoszenia poniżej 60 000 EURO", "Neg. bez ogł. pon. 60 000 EURO"},
    {7, "Negocjacje bez ogłoszenia powyżej 60 000 EURO", "Neg. bez ogł. pow. 60 000 EURO"},
    {8, "Zamówienie z wolnej ręki poniżej 60 000 EURO", "Zam. z w.ręki pon. 60 000 EURO"},
    {9, "Zamówienie z wolnej ręki powyżej 60 000 EURO", "Zam. z w.ręki pow. 60 000 EURO"},
    {10, "Zapytanie o cenę poniżej 60 000 EURO", "Zap. o cenę pon. 60 000 EURO"},
    {11, "Zapytanie o cenę powyżej 60 000 EURO", "Zap. o cenę pow. 60 000 EURO"},
    {12, "Dialog konkurencyjny poniżej 60 000 EURO", "Dlg. konk. pon. 60 000 EURO"},
    {13, "Dialog konkurencyjny powyżej 60 000 EURO", "Dlg. konk. pow. 60 000 EURO"},
    {14, "Poniżej 30 000 EURO", "Poniżej 30 000 EURO"},
    {15, "Nieograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Nieogr.powyżej progów unijnych ustalonych na podstawie art. 11 ust. 8"},
    {16, "Ograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Ogr.powyżej progów unijnych ustalonych na podstawie art. 11 ust. 8"},
    {17, "Negocjacje z ogłoszeniem powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg.z ogł.powyżej progów unijnych ustalonych na podstawie art. 11 ust. 8"},
    {18, "Negocjacje bez ogłoszenia powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg.bez ogł.powyżej progów unijnych ustalonych na podstawie art. 11 ust. 8"},
    {19, "Zamówienie z wolnej ręki powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zam. z w.ręki powyżej progów unijnych ustalonych na podstawie art. 11 ust. 8"},
    {20, "Dialog konkurencyjny powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Dlg. konk. powyżej progów unijnych ustalonych na podstawie art. 11 ust. 8"},
    {96, "Środki ochrony prawnej", "Środki ochrony prawnej"},
    {98, "Umowy", "Umowy"},
};

// Proceedings made with law version 29 and later. Texts with a trailing space carry it on purpose.
const ProcedureKind kSecondCatalogue[] = {
    {0, "Nieograniczony poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Nieogr.poniżej progów unijnych art. 11 ust. 8"},
    {1, "Nieograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Nieogr.powyżej progów unijnych art. 11 ust. 8"},
    {2, "Ograniczony poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Ogran. poniżej progów unijnych art. 11 ust. 8"},
    {3, "Ograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Ogran. powyżej progów unijnych art. 11 ust. 8"},
    {4, "Negocjacje z ogłoszeniem poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg. z ogł. poniżej progów unijnych art. 11 ust. 8"},
    {5, "Negocjacje z ogłoszeniem powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg. z ogł. powyżej progów unijnych art. 11 ust. 8"},
    {6, "Negocjacje bez ogłoszenia poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg. bez ogł. poniżej progów unijnych art. 11 ust. 8"},
    {7, "Negocjacje bez ogłoszenia powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg. bez ogł. powyżej progów unijnych art. 11 ust. 8"},
    {8, "Zamówienie z wolnej ręki poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zam. z w.ręki poniżej progów unijnych art. 11 ust. 8"},
    {9, "Zamówienie z wolnej ręki powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zam. z w.ręki powyżej progów unijnych art. 11 ust. 8"},
    {10, "Zapytanie o cenę poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zap. o cenę poniżej progów unijnych art. 11 ust. 8"},
    {11, "Zapytanie o cenę powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zap. o cenę powyżej progów unijnych art. 11 ust. 8"},
    {12, "Dialog konkurencyjny poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Dlg. konk. poniżej progów unijnych art. 11 ust. 8"},
    {13, "Dialog konkurencyjny powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Dlg. konk. powyżej progów unijnych art. 11 ust. 8"},
    {14, "Poniżej 30 000 EURO", "Poniżej 30 000 EURO"},
    {15, "Nieograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Nieogr.powyżej progów unijnych art. 11 ust. 8"},
    {16, "Ograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Ogr.powyżej progów unijnych art. 11 ust. 8"},
    {17, "Negocjacje z ogłoszeniem powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg.z ogł.powyżej progów unijnych art. 11 ust. 8"},
    {18, "Negocjacje bez ogłoszenia powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg.bez ogł.powyżej progów unijnych art. 11 ust. 8"},
    {19, "Zamówienie z wolnej ręki powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zam. z w.ręki powyżej progów unijnych art. 11 ust. 8"},
    {20, "Dialog konkurencyjny powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Dlg. konk. powyżej progów unijnych art. 11 ust. 8"},
    {21, "Konkurs poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Partnerstwo innowacyjne poniżej progów unijnych art. 11 ust. 8"},
    {22, "Konkurs powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Partnerstwo innowacyjne powyżej progów unijnych art. 11 ust. 8"},
    {23, "Licytacja elektroniczna", "Licytacja elektroniczna"},
    {40, "Nieograniczony poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Nieogr.poniżej progów unijnych art. 11 ust. 8"},
    {41, "Nieograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Nieogr.powyżej progów unijnych art. 11 ust. 8"},
    {42, "Zapytanie o cenę poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zap. o cenę poniżej progów unijnych art. 11 ust. 8"},
    {43, "Zapytanie o cenę powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zap. o cenę powyżej progów unijnych art. 11 ust. 8"},
    {44, "Poniżej 30 000 EURO ", "Poniżej 30 000 EURO "},
    {45, "Licytacja elektroniczna ", "Licytacja elektroniczna"},
    {46, "Ograniczony poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Ogr.poniżej progów unijnych art. 11 ust. 8"},
    {47, "Ograniczony powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Ogr.powyżej progów unijnych art. 11 ust. 8"},
    {48, "Zamówienie z wolnej ręki poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zam. z w.ręki poniżej progów unijnych art. 11 ust. 8"},
    {49, "Zamówienie z wolnej ręki powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Zam. z w.ręki powyżej progów unijnych art. 11 ust. 8"},
    {50, "Negocjacje z ogłoszeniem poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg. z ogł. poniżej progów unijnych art. 11 ust. 8"},
    {51, "Negocjacje z ogłoszeniem powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg. z ogł. powyżej progów unijnych art. 11 ust. 8"},
    {52, "Negocjacje bez ogłoszenia poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg. bez ogł. poniżej progów unijnych art. 11 ust. 8"},
    {53, "Negocjacje bez ogłoszenia powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Neg. bez ogł. powyżej progów unijnych art. 11 ust. 8"},
    {54, "Partnerstwo innowacyjne poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Partnerstwo innowacyjne poniżej progów unijnych art. 11 ust. 8"},
    {55, "Partnerstwo innowacyjne powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Partnerstwo innowacyjne powyżej progów unijnych art. 11 ust. 8"},
    {56, "Dialog konkurencyjny poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Dialog konk. poniżej progów unijnych art. 11 ust. 8"},
    {57, "Dialog konkurencyjny powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Dialog konk. powyżej progów unijnych art. 11 ust. 8"},
    {58, "Konkurs poniżej progów ustalonych na podstawie art. 11 ust. 8",
     "Konkurs poniżej progów unijnych art. 11 ust. 8"},
    {59, "Konkurs powyżej progów ustalonych na podstawie art. 11 ust. 8",
     "Konkurs powyżej progów unijnych art. 11 ust. 8"},
    {60, "Usługi społeczne poniżej progów 750.000", "Usługi społeczne poniżej progów 750.000"},
    {62, "Od roku 2021, Przetarg nieograniczony poniżej progów unijnych (art. 3 ustawy Pzp)",
     "Od 2021r.,Przetarg nieogr.poniżej progów unijnych"},
    {63, "Od roku 2021, Przetarg nieograniczony od progów unijnych (art. 3 ustawy Pzp)",
     "Od 2021r.,Przetarg nieogr.od progów unijnych"},
    {64, "Od roku 2021, Tryb podstawowy bez negocjacji poniżej progów unijnych (art. 275 pkt 1)",
     "Od 2021r.,Tryb podst.bez negocj.poniżej progów unijnych"},
    {65, "Od roku 2021, Tryb podstawowy bez negocjacji (tylko poniżej progów unijnych)",
     "Od 2021r.,Tryb podst.bez negocj.(tylko poniżej progów unijnych)"},
    {66, "Od roku 2021, Przetarg ograniczony poniżej progów unijnych (art. 3 ustawy Pzp)",
     "Od 2021r.,Przetarg ogr.poniżej progów unijnych"},
    {67, "Od roku 2021, Przetarg ograniczony od progów unijnych (art. 3 ustawy Pzp)",
     "Od 2021r.,Przetarg ogr.od progów unijnych"},
    {68, "Od 2021r.,Tryb podst.z negocj.pkt2.poniżej progów unijnych (art. 275 pkt 2)",
     "Od 2021r.,Tryb podst.z negocj.pkt2.poniżej progów unijnych"},
    {69, "Od 2021r.,Tryb podst.z negocj.pkt2.(tylko poniżej progów unijnych)",
     "Od 2021r.,Tryb podst.z negocj.pkt2.(tylko poniżej progów unijnych)"},
    {70, "Od 2021r.,Zam.z w.ręki poniżej progów unijnych (art. 305)", "Od 2021r.,Zam.z w.ręki poniżej progów unijnych"},
    {71, "Od 2021r.,Zam.z w.ręki od progów unijnych (art. 214 ust. 1)", "Od 2021r.,Zam.z w.ręki od progów unijnych"},
    {72, "Od 2021r.,Tryb podst.z negocj.pkt3.poniżej progów unijnych (art. 275 pkt 3)",
     "Od 2021r.,Tryb podst.z negocj.pkt3.poniżej progów unijnych"},
    {73, "Od 2021r.,Tryb podst.z negocj.pkt3.(tylko poniżej progów unijnych)",
     "Od 2021r.,Tryb podst.z negocj.pkt3.(tylko poniżej progów unijnych)"},
    {74, "Poniżej 130 000 zł (art. 2 ust. 1 pkt 1 ustawy Pzp)", "Poniżej 130 000 zł"},
    {75, "Poniżej 130 000 zł (art. 2 ust. 1 pkt 1 ustawy Pzp)", "Poniżej 130 000 zł"},
    {76, "Od 2021r.,Negocjacje bez ogłoszenia poniżej", "Od 2021r.,Negocjacje bez ogłoszenia poniżej"},
    {77, "Od 2021r.,Negocjacje bez ogłoszenia powyżej", "Od 2021r.,Negocjacje bez ogłoszenia powyżej"},
    {78, "Od 2021r.,Negocjacje z ogłoszeniem poniżej", "Od 2021r.,Negocjacje z ogłoszeniem poniżej"},
    {79, "Od 2021r.,Negocjacje z ogłoszeniem powyżej", "Od 2021r.,Negocjacje z ogłoszeniem powyżej"},
    {80, "Od 2021r.,Dialog konkurencyjny poniżej", "Od 2021r.,Dialog konkurencyjny poniżej"},
    {81, "Od 2021r.,Dialog konkurencyjny powyżej", "Od 2021r.,Dialog konkurencyjny powyżej"},
    {82, "Od 2021r.,Konkurs ograniczony poniżej", "Od 2021r.,Konkurs ograniczony poniżej"},
    {83, "Od 2021r.,Konkurs ograniczony powyżej", "Od 2021r.,Konkurs ograniczony powyżej"},
    {84, "Od 2021r.,Konkurs nieograniczony poniżej", "Od 2021r.,Konkurs nieograniczony poniżej"},
    {85, "Od 2021r.,Konkurs nieograniczony powyżej", "Od 2021r.,Konkurs nieograniczony powyżej"},
    {86, "Od 2021r.,Partnerstwo innowacyjne poniżej", "Od 2021r.,Partnerstwo innowacyjne poniżej"},
    {87, "Od 2021r.,Partnerstwo innowacyjne powyżej", "Od 2021r.,Partnerstwo innowacyjne powyżej"},
    {88, "Od 2021r.,Procedura powodziowa - bez stosowania ustawy",
     "Od 2021r.,Procedura powodziowa - bez stosowania ustawy"},
    {89, "Od 2021r.,Procedura powodziowa - bez stosowania ustawy",
     "Od 2021r.,Procedura powodziowa - bez stosowania ustawy"},
    {95, "Wzory dokumentów dla wykonawców", "Wzory dokumentów dla wykonawców"},
    {96, "Środki ochrony prawnej", "Środki ochrony prawnej"},
    {98, "Umowy,Regulaminy,Protokoły", "Umowy,Regulaminy,Protokoły"},
};

template <size_t N>
const ProcedureKind *FindKind(const ProcedureKind (&catalogue)[N], int procedureCode)
{
    const int remainder = procedureCode % 100; // a negative code stays negative and matches nothing
    for (const ProcedureKind &kind : catalogue)
        if (kind.code == remainder)
            return &kind;
    return nullptr;
}

const ProcedureKind *Lookup(int lawVersion, int procedureCode)
{
    if (lawVersion < kSecondCatalogueFrom)
        return FindKind(kFirstCatalogue, procedureCode);
    return FindKind(kSecondCatalogue, procedureCode);
}

} // namespace

CString GetProcedureName(int lawVersion, int procedureCode)
{
    const ProcedureKind *kind = Lookup(lawVersion, procedureCode);
    return kind ? CString(kind->longName) : CString();
}

CString GetProcedureShortName(int lawVersion, int procedureCode)
{
    const ProcedureKind *kind = Lookup(lawVersion, procedureCode);
    return kind ? CString(kind->shortName) : CString();
}

CString GetOrderTypeFolder(int procedureCode, int orderType)
{
    const int remainder = procedureCode % 100;
    if (remainder != 0 && remainder != 1 && remainder != 15)
        return CString();
    switch (orderType) {
    case 0:
        return CString("dostawy\\");
    case 1:
        return CString("uslugi\\");
    case 2:
        return CString("roboty\\");
    }
    return CString();
}

CString GetOrderTypeWord(int, int)
{
    return CString();
}

} // namespace ProcedureCatalogue
