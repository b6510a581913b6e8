// What the technical-specification wizard reads and inserts: the headings of the specification
// ("cnf\202509\specyfikacja_techniczna.cnf", one per line) and the definitions of each heading
// ("specyfikacja\<n>.txt", items separated by "|": a first item, then name and text pairs).
// No window here: the wizard shows them.
#pragma once

#include <vector>

#include "framework/core/cstring.h"
#include "proceeding/editors/definition_list.h"

// Where the wizard puts its text, as the view counts it.
enum SpecificationPosition {
    kAtDocumentStart = -1,
    kAtCaret = 0,
    kAtDocumentEnd = 1,
};

// The character format the view gives inserted text.
enum SpecificationFormat {
    kSpecificationText = 0,
    kSpecificationName = 1, // headings and definition names
};

struct SpecificationInsertion {
    int position;
    CString text;
    int format;
};

// The headings file under the program folder and the definitions file of heading n (1-based).
CString SpecificationHeadingsPath(const CString &mainPath);
CString SpecificationDefinitionsPath(const CString &mainPath, int heading);

// Non-empty lines, without line ends and without blanks and commas at either end.
std::vector<CString> ParseSpecificationHeadings(const CString &fileText);
// The name and text pairs after the first item, at most kMaxSpecificationDefinitions; a name
// with no text after it is left out.
const int kMaxSpecificationDefinitions = 100;
std::vector<DefinitionEntry> ParseSpecificationDefinitions(const CString &fileText);

// The heading as it goes into the document: without its leading number and ". ", then a line end.
SpecificationInsertion HeadingInsertion(int position, const CString &heading);
// Each definition's name followed by " - ", its text and an empty line, in the order given.
// Each insertion at the start or the caret goes before the one made just before it, so those
// come last to first.
std::vector<SpecificationInsertion> DefinitionInsertions(int position, const std::vector<DefinitionEntry> &chosen);
