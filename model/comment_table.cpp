#include "model/comment_table.h"

IMPLEMENT_SERIAL(CKomentarz2, CObject, 1)

CKomentarz2::CKomentarz2() : m_nCount(0) {}

CKomentarz2::~CKomentarz2() = default;

void CKomentarz2::Serialize(CArchive &ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        const int32_t count = m_nCount < 0 ? 0 : m_nCount >= kMaxEntries ? kMaxEntries - 1 : m_nCount;
        ar << count;
        for (int i = 0; i < count; ++i)
            ar << m_entries[i].text << m_entries[i].id;
        return;
    }
    int32_t count = 0;
    ar >> count;
    m_nCount = 0;
    if (count < 0 || count >= kMaxEntries)
        return;
    for (int i = 0; i < count; ++i)
        ar >> m_entries[i].text >> m_entries[i].id;
    m_nCount = count;
}
