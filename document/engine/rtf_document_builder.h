// A document generated as RTF text from its template, without a control: the template's plain
// text is edited (blocks resolved and expanded), then tags are replaced by styled values, and
// the finished RTF is written once. Every inserted text goes where the first character it
// replaces stood, so it starts from that character's format as the control's own replacement
// does, and the RTF that changed formats inside a replaced range is kept for what follows.
#pragma once

#include <memory>
#include <vector>

#include "document/engine/rtf_plain_model.h"
#include "document/engine/text_styles.h"
#include "framework/core/cstring.h"

struct FormatRange {
    int position;
    int length;
    CHARFORMAT2W format;
};

class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(const CString &templateRtf);

    // The text as it stands after the edits made so far (paragraph ends "\r"); replacements
    // do not change it.
    const CString &PlainText() const { return m_plain; }

    // The range replaced by plain text that keeps the format of the range's first character;
    // the length the text takes in the document.
    int ReplaceText(int start, int end, const CString &text);
    // The same for text made of repetitions of the range's part from bodyStart to bodyEnd: the
    // paragraphs the text ends are laid out in turn as those the body ends.
    int ReplaceByRepetitions(int start, int end, int bodyStart, int bodyEnd, const CString &text);
    // Text inserted at the position in the style, on top of the format of what precedes it.
    void InsertText(int at, const CString &text, TextStyle style);

    // Ranges of PlainText(), in increasing order and never overlapping, to be replaced by text
    // or by an RTF document, in the style; the number that identifies the replacement.
    int AddReplacement(int start, int end, const CString &text, TextStyle style);
    int AddRtfReplacement(int start, int end, const CString &rtf, TextStyle style);

    // The finished document.
    CString Build();
    // Where a replacement stands in the plain text of the finished document.
    void ReplacementRange(int replacement, const RtfPlainModel &finished, int &position, int &length) const;
    // The format a replacement is given: the fields its styles set, the last one winning.
    CHARFORMAT2W ReplacementFormat(int replacement) const;
    // Formats the control is given after the stream-in, where RTF cannot carry them: the
    // imprint of add-entry links, and the style of an inserted table, which the control does
    // not give the marks of the table's rows.
    std::vector<FormatRange> FormatsAfterStreamIn(const RtfPlainModel &finished) const;

    // The page-break marker as RTF to insert into the finished document.
    CString PageBreakMarkerGroup() const;

private:
    struct Origin {
        int original;       // the template's character, -1 for inserted text
        int anchor;         // where inserted text goes in the template's RTF
        int chain;          // the styles the inserted text was given, outermost first
        int repeats = -1;   // inserted text repeating the template: the character it repeats,
                            // whose format (and, for a paragraph end, layout) it takes
    };
    struct Replacement {
        int start;
        int end;
        int anchor;
        CString content;
        bool isRtf;
        int chain;
        int repeats; // as Origin::repeats, for the replaced range's first character
        int outputStart = 0;
        int outputEnd = 0;
    };

    int ChainWith(int chain, TextStyle style);
    // Where text inserted at the position goes, and the styles it starts from.
    Origin InsertionOrigin(int at) const;
    void SetUpHeader();
    CString StyleWords(int chain) const;
    CString EscapedText(const CString &text) const;
    // Inserted text from the plain text as RTF in the chain's styles, each character that
    // repeats one of the template's in that character's format, on which the styles stand, and
    // each paragraph end that repeats one of the template's with that paragraph's layout.
    CString InsertedRtf(int from, int to, int chain) const;
    // The template's character that the character of the plain text is or repeats; -1 when
    // none is known.
    int SourceCharacter(int at) const;
    // The words of the format of the template's character, "" for none.
    CString CharacterWords(int source) const;
    // An RTF document's body, its colours and fonts made the document's own; words the style
    // sets are left out so that the style wins as it does when given after an insertion.
    CString EmbeddedBody(const CString &rtf, const CHARFORMAT2W *style) const;
    int ColorIndex(COLORREF colour) const;
    int FontIndex(const wchar_t *face) const;
    bool HasImprint(int chain) const;

    // Writing: the template's RTF up to offset, leaving out what made deleted characters.
    void CopyTo(int offset);
    void CopyRaw(int from, int to);
    // The body (RTF) in a group of the template's character format words and then the chain's
    // styles; an embedded document's gets their format after the stream-in too.
    int WriteGroup(int anchor, const CString &characterWords, int chain, const CString &body, bool embedded,
                   int &outputEnd);

    CString m_source;
    std::unique_ptr<RtfPlainModel> m_model;
    CString m_plain;
    std::vector<Origin> m_origins;
    std::vector<std::vector<TextStyle>> m_chains;
    std::vector<Replacement> m_replacements;
    std::vector<FormatRange> m_outputFormats; // positions are offsets in the finished RTF

    std::vector<COLORREF> m_colors;
    int m_firstColor = 1;
    int m_arialFont = 0;
    int m_courierFont = 0;
    std::vector<std::pair<int, CString>> m_headerInsertions;

    // Writing state.
    std::string m_output;
    std::vector<bool> m_dropped; // per template token
    int m_cursor = 0;
    size_t m_nextToken = 0;
    size_t m_nextHeaderInsertion = 0;
};
