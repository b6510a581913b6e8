// The comment table of a procedure kind: explanatory texts paired with numeric ids, read from
// the comment file "<MainPath>\data\komentarz<N>.wy" (the count, then each text and id).
#pragma once

#include <cstdint>

#include "framework/core/archive.h"
#include "framework/core/cstring.h"
#include "framework/core/object.h"

struct KomentarzEntry {
    CString text;
    int32_t id = -1; // -1: not in use
};

class CKomentarz2 : public CObject {
    DECLARE_SERIAL(CKomentarz2)
public:
    static constexpr int32_t kMaxEntries = 100000;

    CKomentarz2();
    ~CKomentarz2() override;

    // Stores or loads the count and the entries in use. A stored count outside 0..99999 reads
    // no entry; a file that ends early throws, and the table then holds no entry in use.
    void Serialize(CArchive &ar) override;

    int32_t m_nCount; // entries 0 to m_nCount-1 are in use
    KomentarzEntry m_entries[kMaxEntries];
};
