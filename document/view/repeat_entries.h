// The entries the user added to a per-entry block, as the instance pool keeps them. An entry is
// the set of live per-entry instances (in-use flag set) that share the block variable and a
// repetition: the block variable is the instance's source variable, the repetition its entry
// number, the label its name. Generation repeats the block for entry numbers 0, 1, 2, ... up to
// the first one missing, so the entries of a block are always numbered without a gap: an entry
// the user leaves out is taken off the block (its instances keep their pool numbers, which are
// never given again, but belong to no entry) and the entries after it move up.
#pragma once

#include <vector>

#include "document/view/proceeding_prompts.h"

struct ViewTables;

// The entry number of instances that were taken off their block.
const int kDetachedEntry = -1;

// The names of the block's entries in entry order, each with its flag 1 (included).
PartLayout CollectRepeatEntries(const ViewTables &tables, int blockVariable);

enum class EntriesResult { Changed, PoolFull };

// The entries as the user left them: the first len(collected) rows are the existing entries
// (renamed, or left out when their flag is 0; the first is never left out), the rows after
// them new entries, each made from the instances of entry 0 (a new row whose flag is 0 is
// dropped). PoolFull changes nothing: the new entries need more numbers than the pool has.
EntriesResult ApplyRepeatEntries(ViewTables &tables, int blockVariable, const PartLayout &edited);
