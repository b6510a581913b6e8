// The entries the user added to a per-entry block, as the instance pool keeps them. An entry is
// the set of per-entry instances that share the block variable and a repetition: the block
// variable is the instance's source variable, the repetition its entry number, the label its
// name, and its flag in m_instanceFlags whether the entry is shown. Entries are numbered from 0
// without a gap: an entry the user leaves out keeps its number and its values, and generation
// passes over it until the user takes it in again.
#pragma once

#include <vector>

#include "document/view/proceeding_prompts.h"

struct ViewTables;

// The names of the block's entries in entry order, each with its flag (1 shown, 0 left out).
PartLayout CollectRepeatEntries(const ViewTables &tables, int blockVariable);

enum class EntriesResult { Changed, PoolFull };

// The entries as the user left them: the first len(collected) rows are the existing entries,
// renamed and shown or left out by their flag (the first is always shown); the rows after them
// are new entries, each made from the instances of entry 0 with the row's name and flag.
// PoolFull changes nothing: the new entries need more numbers than the pool has.
EntriesResult ApplyRepeatEntries(ViewTables &tables, int blockVariable, const PartLayout &edited);
