// Repeated blocks of a template: a per-part block ("<&" id ">" ... "<-" id ">") once for each
// part, a per-entry block ("<%" id ">" ... "<-" id ">") once for each entry the user added.
// Every "<!" tag of a repetition is pointed at a variable instance of its own, made in the
// dynamic-variable pool the first time and found again by every later generation.
#pragma once

#include "framework/core/cstring.h"

class RichEditText;
struct ViewTables;

struct BlockExpansion {
    int start = 0;        // the block in the plain text, from its opener
    int end = 0;          // to the end of its closer
    int bodyStart = 0;    // what it repeats, between its opener and its closer
    int bodyEnd = 0;
    CString text;         // its repetitions
    CString addEntryLink; // per-entry blocks: the link that follows the repetitions
};

enum class ExpandResult { Expanded, NoBlock, PoolExhausted };

// The first block of the kind (kPerPartBlock or kPerEntryBlock) in the plain text, expanded.
// NoBlock also when its closer is missing. New instances go into the pool; on PoolExhausted
// those made so far stay.
ExpandResult ExpandFirstBlock(const CString &plainText, int blockKind, bool perPartDocument, int part,
                              ViewTables &tables, BlockExpansion &expansion);

// The pool index of the first instance of the per-entry block's entry; -1 when the block has
// no such entry. Its flag in m_instanceFlags is the entry's: 0 when the entry is left out.
int FirstEntryInstance(const ViewTables &tables, int blockVariable, int entry);

// Every block of the control's text expanded, per-part blocks first; each add-entry link is
// given the add-entry style. False when the pool ran out (the control then holds the blocks
// expanded so far).
bool ExpandRepeatedBlocks(const RichEditText &control, ViewTables &tables, bool perPartDocument, int part);
