// The procedure kinds of proceedings (ProcedureCode, only the value modulo 100 counts) and the
// order types (0 supplies, 1 services, 2 works), named as the user sees them.
#pragma once

#include "framework/core/cstring.h"

namespace ProcedureCatalogue {

// Law versions from this index on name their procedure kinds from the second catalogue.
const int kSecondCatalogueFrom = 29;

CString GetProcedureName(int lawVersion, int procedureCode);
CString GetProcedureShortName(int lawVersion, int procedureCode);

// "dostawy\", "uslugi\" or "roboty\" for the kinds whose linked files are kept per order type.
CString GetOrderTypeFolder(int procedureCode, int orderType);

// No order type is named anywhere: always empty.
CString GetOrderTypeWord(int procedureCode, int orderType);

} // namespace ProcedureCatalogue
