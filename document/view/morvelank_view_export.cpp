// Export of the shown document: RTF written directly, DOC and HTML through the converter with
// the document's text tables in a side file. The text is cleaned for output first and the
// document generated again afterwards, so the proceeding's data never change.

#include "document/view/morvelank_view.h"
#include "model/view_tables.h"

#include "model/variable_type.h"
#include "model/file_utils.h"
#include "app/app_settings.h"
#include "app/program_trace.h"
#include "document/output/export_tables.h"
#include "document/output/export_text.h"
#include "document/output/output_paragraphs.h"
#include "document/engine/paragraph_layouts.h"
#include "document/engine/text_styles.h"
#include "framework/ui/commondlg.h"

#include <algorithm>
#include <vector>

namespace {

const char kWriteFailed[] = "Wystąpił błąd podczas zapisu pliku eksportu.\nProszę sprawdzić prawo do zapisu ";
const char kUnusedName[] = "TUTAJ NOWA ZMIENNA";
const char kPlainTextName[] = "to jest zwykly tekst";
const char kWorkRtf[] = "\\$zeksp_v20.rtf";
const char kTableFile[] = "\\$table.dat";

CString ExportFolder()
{
    const AppSettings *settings = GetProgramSettings();
    return settings ? settings->ExportPath : CString();
}

// A save-as dialog without owner; "" when the user did not confirm.
CString AskTarget(const char *extension, const char *fileName, const char *filter)
{
    CFileDialog dialog(FALSE, extension, fileName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, nullptr);
    return dialog.DoModal() == IDOK ? dialog.GetPathName() : CString();
}

// " [o] " or " [x] " before the option's text.
CString WithoutOptionMark(const CString &shown)
{
    const CString mark = shown.Left(5);
    return mark == " [o] " || mark == " [x] " ? shown.Mid(5) : shown;
}

// The text tables and record lists leave in the fixed-pitch face they are shown in: their
// columns stand only so.
bool IsExportedAsTable(VariableType type)
{
    return IsTextTableType(type) || IsGridTableType(type);
}

// The selected table in a height at which its widest line fits beside its paragraph's indent.
void FitTableToWidth(const RichEditText &control, int textWidthTwips)
{
    const PARAFORMAT2 paragraph = control.GetSelectionParagraphFormat();
    // The first line starts at dxStartIndent, the following lines dxOffset further.
    const int indent = std::max(paragraph.dxStartIndent, paragraph.dxStartIndent + paragraph.dxOffset);
    const CHARFORMAT2W shown = control.GetSelectionFormat();
    const int height = FittingTableHeight(control.GetSelectedText(), textWidthTwips - indent, shown.yHeight);
    if (height == shown.yHeight)
        return;
    CHARFORMAT2W size = {};
    size.cbSize = sizeof size;
    size.dwMask = CFM_SIZE;
    size.yHeight = height;
    control.SetSelectionFormat(size);
}

// Slots the last generation filled; the rest keep the reset state.
bool IsRecorded(const VariableOccurrence &occurrence)
{
    return occurrence.enabled != -1 || occurrence.length > 0;
}

} // namespace

void CMorvelankView::PrepareExportText()
{
    RichEditText control(m_hWnd);
    // An editable document's text is the user's own: kept, so that generating the document
    // again after the output does not take the cleaned text for it.
    m_strTextBeforeOutput = GetDocumentState(-1) == kStateEditable ? control.StreamOutRtf() : CString();
    m_bOutputInProgress = true;
    ShowWindow(SW_HIDE);
    control.SelectAll();
    control.SetSelectionFormat(MakeTextStyle(TextStyle::ExportText));

    const OccurrenceBlock *block = m_proceeding.m_tables->m_occurrences.Block(GetCurrentDocument());
    const int variableCount = GetVariableCount();
    const int textWidth = GetPaperSize().cx - GetMargins().left - GetMargins().right;
    std::vector<OutputRange> ranges;
    int shift = 0;
    for (int slot = 0; block != nullptr && slot < kVariableOccurrences; ++slot) {
        const VariableOccurrence &occurrence = *block->Variable(slot);
        if (!IsRecorded(occurrence) || occurrence.variable < 0 || occurrence.variable >= variableCount)
            continue;
        const VariableSlot &variable = m_proceeding.m_tables->m_variables[occurrence.variable];
        const int start = occurrence.position - shift;
        control.SetSel(start, start + occurrence.length);
        const int lengthBefore = control.GetTextLength();
        const VariableType type = VariableTypeOf(variable.type);
        const bool option = IsOptionType(type);
        OutputRangeKind kind = IsAmountType(type) ? OutputRangeKind::Amount : OutputRangeKind::Value;
        if (occurrence.enabled == 0 || (option && variable.selected != 1) || occurrence.name == kUnusedName) {
            control.ReplaceSel(RemovalMarker);
            kind = OutputRangeKind::Removed;
        } else if (option) {
            // The chosen option reads as the sentence it is, without its mark.
            control.ReplaceSel(WithoutOptionMark(control.GetSelectedText()));
            const int added = control.GetTextLength() - lengthBefore + occurrence.length;
            control.SetSel(start, start + added);
            control.SetSelectionFormat(
                MakeTextStyle(occurrence.name == kPlainTextName ? TextStyle::ExportPlain : TextStyle::ExportText));
        } else if (IsExportedAsTable(type)) {
            control.SetSelectionFormat(MakeTextStyle(TextStyle::ExportTable));
            FitTableToWidth(control, textWidth);
        }
        const int end = start + occurrence.length + control.GetTextLength() - lengthBefore;
        ranges.push_back(OutputRange{start, end, kind});
        // Later stored positions move by what this replacement took away or added.
        shift += lengthBefore - control.GetTextLength();
        control.SetSel(start, start);
    }
    CleanOutputParagraphs(control, ranges);
    CleanExportText(control);
}

void CMorvelankView::EndOutput()
{
    if (!m_strTextBeforeOutput.IsEmpty()) {
        StreamInRtfWithLayouts(RichEditText(m_hWnd), m_strTextBeforeOutput);
        m_strTextBeforeOutput.Empty();
    }
    m_bOutputInProgress = false;
}

void CMorvelankView::RegenerateAfterOutput()
{
    EndOutput();
    ShowDocument(GetCurrentDocument(), GetCurrentPart());
    ShowWindow(SW_SHOW);
}

int CMorvelankView::ExportRtf()
{
    const CString target = AskTarget("rtf", "*.rtf", "Tekst sformatowany (*.rtf)|*.rtf||");
    if (target.IsEmpty() || !ExportToFile(target))
        return 0;
    MessageBox("Eksport zakończył sie poprawnie.", "Informacja", MB_OK | MB_ICONINFORMATION);
    return 1;
}

std::string CMorvelankView::OutputRtf() const
{
    RichEditText(m_hWnd).SetSel(0, 0);
    return StreamOutOutputRtf(m_hWnd, GetPaperSize(), GetMargins());
}

int CMorvelankView::ExportToFile(const CString &path)
{
    PrepareExportText();
    const bool written = WriteTextFile(path, OutputRtf().c_str());
    RegenerateAfterOutput();
    if (!written) {
        MessageBox(CString(kWriteFailed) + "pliku: " + path, "Błąd", MB_OK | MB_ICONERROR);
        return 0;
    }
    return 1;
}

void CMorvelankView::Eksportuj()
{
    const CString target = AskTarget("doc", "*.doc", "Word - dokument (*.doc)|*.doc||");
    if (target.IsEmpty())
        return;
    TraceStep("Eksportuj");
    EksportujDocHtml(0, target);
    TraceStep("Eksportuj - ok");
}

void CMorvelankView::EksportujHTML()
{
    const CString target = AskTarget("html", "*.html", "Strona sieci Web (*.html)|*.html||");
    if (target.IsEmpty())
        return;
    TraceStep("EksportujHTML");
    EksportujDocHtml(1, target);
    TraceStep("EksportujHTML ok");
}

void CMorvelankView::EksportujDocHtml(int format, const CString &path)
{
    TraceStep("EksportujDocHtml 1:" + path);
    const CString exportPath = ExportFolder();
    const CString commandLine = ConverterCommandLine(m_proceeding.m_files.m_strMainPath, format, exportPath, path);
    TraceStep("EksportujDocHtml 2:" + commandLine);

    PrepareExportText();
    RichEditText control(m_hWnd);
    // A table file that cannot be made leaves the tables in the text; the export goes on.
    WriteTextWithTables(control, exportPath + kTableFile);
    const bool written = WriteTextFile(exportPath + kWorkRtf, OutputRtf().c_str());
    RegenerateAfterOutput();
    if (!written) {
        MessageBox(CString(kWriteFailed) + "w katalogu " + exportPath, "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    if (WinExec(commandLine, SW_SHOWNORMAL) < 32)
        MessageBox("Eksport nie zakończył sie poprawnie.", "Błąd", MB_OK | MB_ICONEXCLAMATION);
}
