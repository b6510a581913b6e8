// The configuration file of a template set: its document lines and the four small tables
// ([DANE ZAMAWIAJACEGO], [DATA DEFAULT], [MDB], [DOMYSLNE]) read into the view's tables.
#pragma once

#include "framework/core/cstring.h"

struct ViewTables;

// Fills the document slots from 0, m_nDocumentCount, the buyer-data map, the date-default
// rows, m_mdbList and m_defaultTexts. The buyer-data map, the date defaults and the default
// texts are cleared first, even when the file then cannot be read; false when it cannot, with
// the document slots, their count and m_mdbList as they were. orderType (0 supplies,
// 1 services, 2 works, anything else: no filter) selects the lines marked for an order type.
bool ReadConfigFile(const CString &path, int orderType, ViewTables &tables);

// Index 0..13 of a [DOMYSLNE] key (exact, case-sensitive), -1 for any other key.
int LoadDefaultKey(const CString &key);

// The first default-text index whose list holds ";" number ";" (the list read with a ";"
// in front), -1 when none.
int FindInSemicolonList(const ViewTables &tables, int number);
int FindInSemicolonList(const ViewTables &tables, const CString &text);

// The extension, lower-cased, is doc, dot, xls, xlt or pdf.
bool IsAttachmentFile(const CString &fileName);
