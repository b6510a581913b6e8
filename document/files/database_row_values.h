// The values a saved proceeding gives its row of the main database: the columns named by the
// configuration's database list and the case number, read from the view's tables.
#pragma once

#include "app/proceeding_variables.h"

struct ViewTables;

class DatabaseRowValues : public ProceedingVariables {
public:
    // shownDocument: the document on screen, searched first for a named tag; -1 none.
    DatabaseRowValues(ViewTables &tables, int shownDocument) : m_tables(tables), m_shownDocument(shownDocument) {}

    CString GetDatabaseFieldName(int index) const override;
    // A number names its variable. A tag text names the variable of its first occurrence in
    // the shown document, else in the other documents in their order, so that the row does
    // not depend on which document happens to be shown when the proceeding is saved.
    CString LookUpVariableValue(const CString &name) override;

private:
    CString ValueOfOccurrence(int document, const CString &name, bool &found) const;

    ViewTables &m_tables;
    int m_shownDocument;
};
