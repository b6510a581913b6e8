#include "document/view/view_services.h"

#include "model/comment_table.h"

CString GetCommentText(const CKomentarz2 *comments, int id)
{
    if (!comments)
        return CString();
    const int count = comments->m_nCount < CKomentarz2::kMaxEntries ? comments->m_nCount : CKomentarz2::kMaxEntries;
    for (int i = 0; i < count; ++i)
        if (comments->m_entries[i].id == id)
            return comments->m_entries[i].text;
    return CString();
}

bool IsMultipartLayoutEnabled(int procedureCode, int parts)
{
    const int kind = procedureCode % 100; // a negative code stays negative
    const bool dividable = (kind >= 0 && kind <= 3) || (kind >= 7 && kind <= 9);
    return dividable && parts >= 0;
}
