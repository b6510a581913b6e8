// Paragraphs of a document cleaned for output. A paragraph whose own text went with the
// variables taken out of it (a disabled block: what is left is a list number, punctuation or
// an amount) goes whole, with the deeper-indented paragraphs that belong to it; the numbered
// lists it leaves gaps in are numbered again.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

class RichEditText;

// What the output left of one occurrence of a variable, in control positions.
enum class OutputRangeKind {
    Removed, // a removal marker stands for it
    Amount,  // an amount: no text of its own, it only means something with its sentence
    Value,   // any other shown value
};

struct OutputRange {
    int start = 0;
    int end = 0;
    OutputRangeKind kind = OutputRangeKind::Value;
};

struct OutputParagraph {
    int start = 0;  // control position of its first character
    CString text;   // without the paragraph end
    int indent = 0; // left indent of the paragraph's text, twips
};

struct OutputEdit {
    bool drop = false;
    int numberStart = -1; // offset in the paragraph of its list number to be written anew
    int numberLength = 0;
    CString number;
};

// One edit per paragraph; ranges in control positions, in any order.
std::vector<OutputEdit> PlanOutputParagraphs(const std::vector<OutputParagraph> &paragraphs,
                                             const std::vector<OutputRange> &ranges);

// A span of a paragraph's text, as offsets in it.
struct TextSpan {
    int start = 0;
    int end = 0;
};

// What to delete of a kept paragraph for the removal markers in it (spans of its text, in any
// order), last first. Adjacent markers go as one run; a blank beside the run goes with it only
// where two blanks would meet or a blank would stand at the paragraph's ends or before a
// punctuation mark, so the words around it never run together.
std::vector<TextSpan> MarkerDeletions(const CString &text, std::vector<TextSpan> markers);

// Applies the plan to the control: drops paragraphs, writes new list numbers and takes the
// removal markers of the kept paragraphs out with a blank beside them.
void CleanOutputParagraphs(const RichEditText &control, const std::vector<OutputRange> &ranges);
