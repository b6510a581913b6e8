#pragma once
// A rich-text document read from RTF, as the page renderer needs it: fonts, character runs,
// paragraphs with their layout properties, and simple table rows. Only what our templates and
// the rich-edit control write is read; anything else is skipped, never guessed at.
//
// All lengths are in twips (1/1440 inch), as in RTF.

#include <windows.h>

#include <string>
#include <vector>

enum class RichTextAlignment { Left, Center, Right, Justify };

// Where the text after a tab stands: after the stop, centred on it, ending at it, or with its
// decimal separator at it.
enum class RichTextTabAlignment { Left, Center, Right, Decimal };

struct RichTextCharFormat {
    int font = -1;       // index into RichTextDocument::fonts; -1: no font table, a default face
    int halfPoints = 24; // font size in half points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    COLORREF color = RGB(0, 0, 0);

    bool operator==(const RichTextCharFormat &other) const
    {
        return font == other.font && halfPoints == other.halfPoints && bold == other.bold && italic == other.italic
               && underline == other.underline && strikeOut == other.strikeOut && color == other.color;
    }
    bool operator!=(const RichTextCharFormat &other) const { return !(*this == other); }
};

// Text of one format. L'\t' is a tab, L'\n' a line break inside the paragraph. A picture is a
// run of its own whose text is L"\uFFFC".
struct RichTextRun {
    std::wstring text;
    RichTextCharFormat format;
    int picture = -1; // index into RichTextDocument::pictures; -1: text
};

// A picture as the RTF holds it: its data undecoded, and the size it asks for.
struct RichTextPicture {
    enum class Kind { Png, Jpeg, Dib, Ddb, Wmf, Emf, Unknown };
    Kind kind = Kind::Unknown;
    std::vector<unsigned char> data;
    int width = 0;  // \picw: pixels, or hundredths of a millimetre for a metafile
    int height = 0; // \pich
    int goalWidth = 0; // \picwgoal, \pichgoal in twips; 0: not stated
    int goalHeight = 0;
    int scaleX = 100; // \picscalex, \picscaley in per cent
    int scaleY = 100;
    int metafileMapping = 8;  // \wmetafileN: the mapping mode
    int ddbBitsPerPixel = 1;  // \wbmbitspixel, \wbmplanes, \wbmwidthbytes of a device bitmap
    int ddbPlanes = 1;
    int ddbWidthBytes = 0;
};

// The paper and margins the RTF states; what it does not state stays 0 (paper) or -1 (margins).
struct RichTextPageSetup {
    int paperWidth = 0;
    int paperHeight = 0;
    int marginLeft = -1;
    int marginTop = -1;
    int marginRight = -1;
    int marginBottom = -1;
    bool landscape = false;
};

// A page set-up word of a document (\paperw, \paperh, \margl, \margr, \margt, \margb,
// \landscape, and the section forms' names without "sxn": \pgw, \pgh, \lndscp) given to the
// set-up, its length held between 0 and sixty inches; false for any other word.
bool ApplyPageSetupWord(RichTextPageSetup &setup, const std::string &word, int parameter);

struct RichTextParagraph {
    std::vector<RichTextRun> runs;
    RichTextCharFormat markFormat; // the paragraph mark's format: sizes an empty paragraph
    RichTextAlignment alignment = RichTextAlignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0; // relative to leftIndent
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: 0 single; above 0 at least, below 0 exactly that much; see below
    bool lineSpacingMultiple = false; // \slmult1: lineSpacing in 240ths of a single line
    std::vector<int> tabStops;                       // from the left edge of the text area, ascending
    std::vector<RichTextTabAlignment> tabAlignments; // by tab stop; a missing one is Left
    bool keepWithNext = false;                       // on the same page as the paragraph that follows
    bool keepTogether = false;                       // all its lines on one page
};

// Border sides of a table cell.
enum : unsigned {
    kRichTextBorderLeft = 1,
    kRichTextBorderTop = 2,
    kRichTextBorderRight = 4,
    kRichTextBorderBottom = 8
};

struct RichTextCell {
    int right = 0; // right edge, from the left edge of the text area
    unsigned borders = 0;
    int borderWidth = 15;
    std::vector<RichTextParagraph> paragraphs;
};

struct RichTextRow {
    int left = 0; // left edge of the first cell
    int gap = 0;  // space between a cell's edge and its text, on both sides
    std::vector<RichTextCell> cells;
};

// A paragraph or a table row.
struct RichTextBlock {
    bool isRow = false;
    bool pageBreakBefore = false;
    RichTextParagraph paragraph;
    RichTextRow row;
};

class RichTextDocument {
public:
    // Never fails: damaged input gives whatever text could be read from it.
    static RichTextDocument FromRtf(const char *rtf, size_t length);
    static RichTextDocument FromRtf(const std::string &rtf) { return FromRtf(rtf.data(), rtf.size()); }

    // The visible text: paragraphs end with L'\n', table cells with L'\t'.
    std::wstring PlainText() const;

    std::vector<std::wstring> fonts; // face names
    int defaultFont = -1;            // index into fonts; -1 when there are none
    std::vector<RichTextBlock> blocks;
    std::vector<RichTextPicture> pictures;
    int defaultTabWidth = 720;
    RichTextPageSetup pageSetup;
};
