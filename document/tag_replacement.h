// The last step of generation: the headings and variable tags of the control's text replaced
// by the headings' text and the variables' rendered values, each recorded in the document's
// occurrence block.
#pragma once

class GenerationHost;
class OccurrenceBlock;
class RichEditText;
struct ViewTables;

void ReplaceTags(const RichEditText &control, ViewTables &tables, OccurrenceBlock &block, GenerationHost &host);
