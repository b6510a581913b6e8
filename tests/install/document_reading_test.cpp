// Every document of every kind of the newest law reads right as it leaves the program, with the
// kind's default choices and with each option and check box of the document flipped once: no
// paragraph ends with a colon that introduces nothing, no chosen option's label repeats a
// sentence printed beside it, no value is its own label, and every body paragraph ends with a
// punctuation mark. The proceedings are made with the buyer's data as the wizard hands them over
// before the user has entered any: each field holding its own name.
#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "document/files/document_files.h"
#include "document/engine/rich_edit_text.h"
#include "document/view/view_services.h"
#include "model/variable_type.h"
#include "earlier_kinds.h"
#include "installed_view_test.h"
#include "installed_kinds.h"

namespace {

// What the buyer-data fields hold until the user enters them, as the wizard copies them into
// the defaults of a new proceeding (texts 2 to 9 and 11).
const char *const kBuyerPlaceholders[9] = {"Nazwa zamawiającego", "Ulica",      "Kod",
                                           "Miejscowość",         "Telefon",    "E-mail",
                                           "Strona WWW",          "Godziny urzędowania", "Fax"};
const char kPlainTextName[] = "to jest zwykly tekst";
const char kAddEntryName[] = "TUTAJ NOWA ZMIENNA";
const int kRepeatedWords = 5;
// A block this far from the left margin is an address or a signature, no running text.
const int kAddressIndent = 4000;

// A paragraph as output leaves it; its format is read only for the paragraphs a check asks
// about, since reading it costs a round of messages to the control.
struct PrintedParagraph {
    CString text;
    int start = 0; // control position
};

// What a paragraph's format says.
struct ParagraphLook {
    int indent = 0;          // twips of the text's left edge
    bool aligned = false;    // centred or right-aligned: a title, a date line, a signature
    bool table = false;      // a row of a table or a text table
    bool bold = false;
};

CString Lower(CString text)
{
    text.MakeLower();
    return text;
}

// The words of a text, lower-cased and without the punctuation around them.
std::vector<CString> Words(const CString &text)
{
    std::vector<CString> words;
    CString word;
    for (int i = 0; i <= text.GetLength(); ++i) {
        const char ch = i < text.GetLength() ? text[i] : ' ';
        if (ch == ' ' || ch == '\t') {
            word.Trim(",.;:()„”\"");
            if (!word.IsEmpty())
                words.push_back(Lower(word));
            word.Empty();
        } else {
            word += ch;
        }
    }
    return words;
}

bool StartsWithWords(const std::vector<CString> &words, const std::vector<CString> &start)
{
    if (words.size() < start.size())
        return false;
    for (size_t i = 0; i < start.size(); ++i)
        if (words[i] != start[i])
            return false;
    return true;
}

// The length of the list number a paragraph starts with ("3.", "b)", "-" before a tab); 0 none.
int ListLabelLength(const CString &text)
{
    const int tab = text.Find('\t');
    return tab > 0 && tab <= 4 ? tab + 1 : 0;
}

CString WithoutListLabel(const CString &text)
{
    return text.Mid(ListLabelLength(text));
}

// A line that names a field and gives its value ("Kod CPV: 30200000-1"), no sentence.
bool IsLabelLine(const CString &text)
{
    const int colon = text.Find(": ");
    return colon > 0 && colon <= 60 && text.Left(colon).FindOneOf(".;") < 0;
}

bool EndsWithPunctuation(CString text)
{
    text.TrimRight(" ");
    text.TrimRight("”\")");
    return !text.IsEmpty() && strchr(".:;!?", text[text.GetLength() - 1]) != nullptr;
}

// Running text that must end as a sentence does: words beyond a line's label, and no item of a
// list value ("-      ...", "  1. ...", "f)      ...").
bool IsRunningText(const CString &text)
{
    const CString body = WithoutListLabel(text);
    if (body.IsEmpty() || body[0] == '-' || body[0] == ' ' || body.Find(")      ") == 1 || IsLabelLine(body))
        return false;
    // A caption under a dotted line: "(pełna nazwa albo imię i nazwisko, adres)".
    if (body[0] == '(' && body.Right(1) == ")")
        return false;
    return Words(body).size() >= 6;
}

CString Shorten(const CString &text)
{
    return text.GetLength() > 90 ? text.Left(90) + "…" : text;
}

// The sentences of a text: its start and every start after ". ".
std::vector<CString> Sentences(const CString &text)
{
    std::vector<CString> sentences;
    int start = 0;
    for (int stop; (stop = text.Find(". ", start)) >= 0; start = stop + 2)
        sentences.push_back(text.Mid(start, stop - start));
    sentences.push_back(text.Mid(start));
    return sentences;
}

class DocumentReading : public InstalledViewTest {
protected:
    void SetUp() override
    {
        InstalledViewTest::SetUp();
        if (HasFatalFailure())
            return;
        for (int field = 0; field < 9; ++field)
            wizardDefaults.texts[field < 8 ? 2 + field : 11] = kBuyerPlaceholders[field];
    }

    static std::vector<PrintedParagraph> PrintedParagraphs(const CString &text)
    {
        std::vector<PrintedParagraph> paragraphs;
        for (int start = 0; start <= text.GetLength();) {
            int end = text.Find('\r', start);
            if (end < 0)
                end = text.GetLength();
            paragraphs.push_back(PrintedParagraph{text.Mid(start, end - start), start});
            start = end + 1;
        }
        return paragraphs;
    }

    static ParagraphLook LookOf(const RichEditText &control, const PrintedParagraph &paragraph)
    {
        control.SetSel(paragraph.start, paragraph.start);
        PARAFORMAT2 format = {};
        format.cbSize = sizeof format;
        SendMessageW(control.GetHwnd(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
        const CHARFORMAT2W character = control.GetSelectionFormat();
        ParagraphLook look;
        look.indent = format.dxStartIndent + format.dxOffset;
        look.aligned = format.wAlignment == PFA_CENTER || format.wAlignment == PFA_RIGHT;
        look.table = (format.wEffects & PFE_TABLE) != 0 || wcscmp(character.szFaceName, L"Courier New") == 0;
        look.bold = (character.dwMask & CFM_BOLD) && (character.dwEffects & CFE_BOLD);
        return look;
    }

    // The texts of the chosen options and check boxes of the shown document, as printed.
    static std::vector<CString> ChosenOptionTexts(CMorvelankView &view, int document)
    {
        const ViewTables &tables = *view.m_proceeding.m_tables;
        const OccurrenceBlock *block = tables.m_occurrences.Block(document);
        std::vector<CString> texts;
        for (int slot = 0; block && slot < kVariableOccurrences; ++slot) {
            const VariableOccurrence &occurrence = *block->Variable(slot);
            if (occurrence.length <= 0 || occurrence.variable < 0 || occurrence.variable >= tables.GetVariableCount())
                continue;
            const VariableSlot &variable = tables.m_variables[occurrence.variable];
            if (IsOptionType(VariableTypeOf(variable.type)) && variable.selected == 1 && occurrence.enabled != 0)
                texts.push_back(variable.value);
        }
        return texts;
    }

    // Text values of the shown document that are their own label or the start of it.
    static std::string ValueFaults(CMorvelankView &view, int document)
    {
        const ViewTables &tables = *view.m_proceeding.m_tables;
        const OccurrenceBlock *block = tables.m_occurrences.Block(document);
        std::string faults;
        for (int slot = 0; block && slot < kVariableOccurrences; ++slot) {
            const VariableOccurrence &occurrence = *block->Variable(slot);
            if (occurrence.length <= 0 || occurrence.enabled == 0 || occurrence.variable < 0
                || occurrence.variable >= tables.GetVariableCount() || occurrence.name == kPlainTextName
                || occurrence.name == kAddEntryName)
                continue;
            const VariableSlot &variable = tables.m_variables[occurrence.variable];
            if (VariableTypeOf(variable.type) != VariableType::Text)
                continue;
            CString value = Lower(variable.value);
            value.Trim();
            const CString label = GetCommentText(view.m_proceeding.m_pComments.get(), occurrence.variable);
            for (CString name : {occurrence.name, label}) {
                name = Lower(name);
                name.Trim();
                if (!value.IsEmpty() && (name == value || name.Left(value.GetLength() + 1) == value + " ")) {
                    faults += " value is its label: \"" + std::string(variable.value) + "\";";
                    break;
                }
            }
        }
        return faults;
    }

    // What is wrong with the shown document as output leaves it; "" when nothing is.
    std::string ReadingFaults(CMorvelankView &view, int document)
    {
        std::string faults = ValueFaults(view, document);
        const std::vector<CString> options = ChosenOptionTexts(view, document);
        view.PrepareExportText();
        const RichEditText control(view.GetSafeHwnd());
        const std::vector<PrintedParagraph> paragraphs = PrintedParagraphs(control.GetPlainText());
        for (size_t i = 0; i < paragraphs.size(); ++i) {
            CString text = paragraphs[i].text;
            text.TrimRight(" ");
            if (text.IsEmpty())
                continue;
            if (text.Right(1) == ":") {
                size_t next = i + 1;
                while (next < paragraphs.size() && CString(paragraphs[next].text).Trim().IsEmpty())
                    ++next;
                // What follows a colon is its item unless it is the next point of the list the
                // colon's own point belongs to.
                bool nothing = next == paragraphs.size();
                if (!nothing && ListLabelLength(text) > 0 && ListLabelLength(paragraphs[next].text) > 0) {
                    const ParagraphLook after = LookOf(control, paragraphs[next]);
                    nothing = after.indent <= LookOf(control, paragraphs[i]).indent && !after.table;
                }
                if (nothing)
                    faults += " colon introduces nothing: \"" + std::string(Shorten(text)) + "\";";
            } else if (!EndsWithPunctuation(text) && IsRunningText(text)) {
                const ParagraphLook look = LookOf(control, paragraphs[i]);
                if (!look.aligned && !look.table && !look.bold && look.indent < kAddressIndent)
                    faults += " no punctuation at the end: \"" + std::string(Shorten(text)) + "\";";
            }
        }
        view.EndOutput();

        // A chosen option's text that begins as another sentence of its paragraph or of one
        // next to it says the same thing twice.
        for (const CString &option : options) {
            std::vector<CString> start = Words(option);
            if (start.size() < kRepeatedWords)
                continue;
            start.resize(kRepeatedWords);
            const CString head = option.Left(30);
            for (size_t i = 0; i < paragraphs.size(); ++i) {
                const int at = paragraphs[i].text.Find(head);
                if (at < 0)
                    continue;
                for (size_t j = i == 0 ? 0 : i - 1; j <= i + 1 && j < paragraphs.size(); ++j) {
                    CString other = WithoutListLabel(paragraphs[j].text);
                    if (j == i)
                        other.Replace(option, "");
                    for (const CString &sentence : Sentences(other))
                        if (StartsWithWords(Words(sentence), start))
                            faults += " option repeats a sentence: \"" + std::string(Shorten(option)) + "\";";
                }
                break;
            }
        }
        return faults;
    }

    // The options and check boxes that the shown document prints or that decide its text; with
    // linksOnly, only those the kind's data links to the document's values.
    static std::set<int> Choices(const CMorvelankView &view, int document, bool linksOnly)
    {
        const ViewTables &tables = *view.m_proceeding.m_tables;
        const OccurrenceBlock *block = tables.m_occurrences.Block(document);
        std::set<int> choices;
        for (int slot = 0; block && slot < kVariableOccurrences; ++slot) {
            const VariableOccurrence &occurrence = *block->Variable(slot);
            if (occurrence.length <= 0)
                continue;
            for (int number : {linksOnly ? -1 : static_cast<int>(occurrence.variable), occurrence.link})
                if (number >= 0 && number < tables.GetVariableCount()
                    && IsOptionType(VariableTypeOf(tables.m_variables[number].type)))
                    choices.insert(number);
        }
        return choices;
    }

    // As a click does: an option is chosen and its group's others not; a check box turns over.
    // False for an option already chosen.
    static bool Flip(ViewTables &tables, int number)
    {
        VariableSlot &flipped = tables.m_variables[number];
        if (VariableTypeOf(flipped.type) == VariableType::CheckBox) {
            flipped.selected = flipped.selected == 1 ? 0 : 1;
            return true;
        }
        if (flipped.selected == 1)
            return false;
        for (int i = 0; i < tables.GetVariableCount(); ++i)
            if (VariableTypeOf(tables.m_variables[i].type) == VariableType::Option
                && tables.m_variables[i].groupNumber == flipped.groupNumber)
                tables.m_variables[i].selected = i == number ? 1 : 0;
        return true;
    }

    DefaultValues wizardDefaults;
};

// A template's choices are flipped in the first kind whose set lists it, as the others share its
// text; every kind reads its own documents with the defaults and flips the choices its own data
// links to them.
class KindReading : public DocumentReading, public ::testing::WithParamInterface<KindParam> {};

TEST_P(KindReading, EveryDocumentReadsRightWithAnyOneChoice)
{
    const auto started = std::chrono::steady_clock::now();
    const InstalledLaw &law = kInstalledLaws[GetParam().law];
    const CString configFile = ConfigFolder(app.MainPath, law) + "\\" + GetParam().title.c_str() + ".cnf";
    Kind kind;
    ASSERT_TRUE(FindKind(app.MainPath, law, configFile, kind)) << "no wizard choice or set leads to " << GetParam().title;
    CMorvelankView *view = MakeView();
    ASSERT_TRUE(CreateKind(*view, kind, -1, app, wizardDefaults, messages)) << (LPCSTR)messages;
    ViewTables &tables = *view->m_proceeding.m_tables;
    const std::set<std::string> earlier =
        EarlierDocumentFiles(KindConfigFiles(app.MainPath, law), configFile, view->m_proceeding.m_project.m_nOrderType);
    std::string failures;
    int documents = 0, readings = 0;
    for (int document = 0; document < tables.m_nDocumentCount; ++document) {
        const DocumentFiles files(tables, view->m_proceeding.m_project, view->m_proceeding.m_files);
        if (!files.IsTemplateDocument(document))
            continue;
        const std::string fileName(tables.m_documents[document].fileName);
        const std::string where = GetParam().title + " " + fileName;
        ++documents;
        view->ShowDocument(document, -1);
        ++readings;
        std::string faults = ReadingFaults(*view, document);
        if (!faults.empty())
            failures += where + ":" + faults + "\n";
        // Links come from the kind's own data, so another kind's flips do not cover them.
        for (int choice : Choices(*view, document, earlier.count(fileName) > 0)) {
            std::vector<int> selected;
            for (int i = 0; i < tables.GetVariableCount(); ++i)
                selected.push_back(tables.m_variables[i].selected);
            if (Flip(tables, choice)) {
                view->ShowDocument(document, -1);
                ++readings;
                faults = ReadingFaults(*view, document);
                if (!faults.empty())
                    failures += where + " with " + std::to_string(choice) + " flipped:" + faults + "\n";
            }
            for (int i = 0; i < tables.GetVariableCount(); ++i)
                tables.m_variables[i].selected = selected[static_cast<size_t>(i)];
        }
    }
    view->DestroyWindow();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    printf("%d documents read %d times in %.1f s\n", documents, readings, seconds);
    EXPECT_EQ("", failures);
}

INSTANTIATE_TEST_SUITE_P(Act2019, KindReading, ::testing::ValuesIn(KindTitles(0)), KindTestName);

} // namespace
