#pragma once
// A rich-edit control's text on printed or previewed pages, through the page renderer (the
// control cannot format a page range itself here): the control's RTF is streamed out, laid out
// for the paper and margins in twips, and any page drawn onto a printer or a preview DC.

#include "framework/core/geometry.h"
#include "framework/shell/rich_text_layout.h"

#include <windows.h>

#include <memory>
#include <string>

class CRichEditPages {
public:
    // Lays out the control's whole text; the reference DC only measures (the printer's DC,
    // or the screen's for a preview without a printer). Paper and margins are the RTF's where
    // it states them (see Layout()->PageSize()), otherwise the ones given.
    void Paginate(HWND control, CSize paperTwips, const CRect &marginsTwips, HDC referenceDC);
    // The same for RTF already streamed out of the control (see StreamOutRichEditRtf).
    void Paginate(const std::string &rtf, CSize paperTwips, const CRect &marginsTwips, HDC referenceDC);
    int PageCount() const { return m_layout ? m_layout->PageCount() : 0; }
    // Header above the top margin and footer below the bottom one, wrapped to the text width.
    void SetPageTexts(RichTextPageText header, RichTextPageText footer);
    // Draws page (1..PageCount()) with the whole sheet in sheet, in the DC's units.
    void DrawPage(HDC dc, int page, const RECT &sheet) const;
    const RichTextLayout *Layout() const { return m_layout.get(); }

private:
    std::unique_ptr<RichTextLayout> m_layout;
};

// The control writes a row's last cell edge and the first cell's text with nothing between when
// the text starts with a digit ("\\cellx9000" and "2" as "\\cellx90002"). An edge wider than the
// page is split back: the longest leading part within the page is the edge, the rest is text.
std::string SeparateCellEdgesFromText(const std::string &rtf, int pageWidthTwips);

// Wine's control writes a paragraph's indents swapped about: \li is the offset of the lines
// after the first and \fi where the first line starts. RTF that says it comes from Wine's
// control gets them back as a word processor reads them; other RTF is returned as it is.
std::string CorrectWineParagraphIndents(const std::string &rtf);

// Wine's control writes no \pard before a row's first cell when that cell's paragraph has the
// layout of the paragraph before it, so a word processor gives the cell the indents of the
// text before the table. RTF that says it comes from Wine's control gets a \pard\intbl
// there; other RTF is returned as it is.
std::string StartWineTableCellParagraphs(const std::string &rtf);

// The page set-up as a document's header states it: \paperw, \paperh, the four margins, and
// \landscape for paper wider than high.
std::string PageSetupWords(CSize paperTwips, const CRect &marginsTwips);

// The RTF with the document words put into its header, after the header's groups and before
// the text; RTF without a text is returned as it is.
std::string WithDocumentWords(const std::string &rtf, const std::string &words);

// The control's content as RTF on the given page: its page set-up stated, its cell edges
// separated from their text, its indents and table cells as written by a word processor.
std::string StreamOutRichEditRtf(HWND control, CSize paperTwips, const CRect &marginsTwips);

// The whole sheet of a printer DC in its device units: the printable area starts at the
// physical offset, so the sheet starts before it.
RECT PrinterSheet(HDC printerDC);
