// The plain text a rich-edit control shows for an RTF document once the document is streamed
// in, computed without the control, with every character traced to the RTF that made it.
// It counts as Wine's control counts: a paragraph end (\par, \page, \sect) is one character
// and the document's last one is dropped; a table row starts and ends with two characters and
// a cell ends with one, while \cell and \row outside a table paragraph count nothing; hidden
// text counts; \u characters count one each (a character outside the basic plane is two);
// fields, pictures and the header's tables show nothing.
//
// It also keeps what the control loses of the layout when it reads RTF: each paragraph's
// alignment (\qj is read as left), its tab stops' alignment (\tqr, \tqc, \tqdec are not read),
// keep-together and keep-with-next (carried on past \pard), and the page set-up. Each
// character's format (bold, italic, underline, size, font) is kept so that text repeating it
// can be written with it.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "framework/core/cstring.h"
#include "framework/shell/rich_text_document.h"

// RTF that makes characters: a literal, \'xx, \u with its fallback, \tab, a paragraph end, a
// table mark. start == end for the two characters that start a table row.
struct RtfTextToken {
    int start = 0; // byte offsets in the RTF
    int end = 0;
    int firstChar = 0;
    int charCount = 0;
};

// A paragraph's layout in the control's terms: a PFA_ alignment, PFE_KEEP and PFE_KEEPNEXT, and
// the tab stops as rgxTabs holds them (position in twips, alignment in bits 24-27).
struct RtfParagraphLayout {
    WORD alignment = PFA_LEFT;
    WORD effects = 0;
    std::vector<LONG> tabs;

    bool operator==(const RtfParagraphLayout &other) const
    {
        return alignment == other.alignment && effects == other.effects && tabs == other.tabs;
    }
    bool operator!=(const RtfParagraphLayout &other) const { return !(*this == other); }
};

// The character format RTF gives a character; font -1 when the document names none.
struct RtfCharacterFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int size = 24; // half points
    int font = -1;

    bool operator==(const RtfCharacterFormat &other) const
    {
        return bold == other.bold && italic == other.italic && underline == other.underline && size == other.size
            && font == other.font;
    }
    bool operator!=(const RtfCharacterFormat &other) const { return !(*this == other); }
    // The words that set every field, so that nothing is inherited from where they are written.
    std::string Words() const;
};

// A paragraph outside tables: its first character and its end (the paragraph end, or for the
// last paragraph the text's end) as control positions, its layout, and the RTF words that
// give it its layout after a \pard (alignment, indents, spacing, tab stops, keeping).
struct RtfParagraph {
    int start = 0;
    int end = 0;
    RtfParagraphLayout layout;
    std::string words;
};

class RtfPlainModel {
public:
    explicit RtfPlainModel(const CString &rtf);

    const std::wstring &Text() const { return m_text; }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    // The text in code page 1250, one byte per character ('?' for what the code page lacks),
    // so that positions in it are control positions.
    CString PlainText() const;

    const std::vector<RtfTextToken> &Tokens() const { return m_tokens; }
    const RtfTextToken &TokenOf(int character) const { return m_tokens[m_charTokens[character]]; }
    const RtfCharacterFormat &CharacterFormatOf(int character) const { return m_charFormats[character]; }
    // The number of characters made by RTF before the byte offset.
    int CharactersBefore(int offset) const;

    // Where the header's tables end (the offset of their closing brace), -1 when missing; the
    // offset just after "{\rtf1"; the number of colour-table entries and the highest font.
    int FontTableEnd() const { return m_fontTableEnd; }
    int ColorTableEnd() const { return m_colorTableEnd; }
    int HeaderStart() const { return m_headerStart; }
    int ColorCount() const { return m_colorCount; }
    int HighestFont() const { return m_highestFont; }
    // The offset of the paragraph end that the control drops at the end, -1 when none.
    int DroppedEnd() const { return m_droppedEnd; }

    // The paragraphs outside tables, in order, with the layout RTF gives them.
    const std::vector<RtfParagraph> &Paragraphs() const { return m_paragraphs; }
    // The paper, margins and orientation the document states (\paperw ... \landscape).
    const RichTextPageSetup &PageSetup() const { return m_pageSetup; }

private:
    std::wstring m_text;
    std::vector<RtfTextToken> m_tokens;
    std::vector<int> m_charTokens;
    std::vector<RtfCharacterFormat> m_charFormats;
    int m_fontTableEnd = -1;
    int m_colorTableEnd = -1;
    int m_headerStart = -1;
    int m_colorCount = 0;
    int m_highestFont = -1;
    int m_droppedEnd = -1;
    std::vector<RtfParagraph> m_paragraphs;
    RichTextPageSetup m_pageSetup;

    friend class RtfPlainParser;
};
