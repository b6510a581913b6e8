#include "document/files/attached_files.h"

#include "model/project.h"

namespace {

// A count read from a damaged record may lie outside the table.
int UsedEntries(const CProject &project)
{
    const int count = project.m_nAttachedCount;
    return count < 0 ? 0 : count > CProject::kMaxAttachedFiles ? CProject::kMaxAttachedFiles : count;
}

} // namespace

int FindAttachedFile(const CProject &project, const CString &name)
{
    const int used = UsedEntries(project);
    for (int i = 0; i < used; ++i)
        if (project.m_strAttachedFiles[i] == name)
            return i;
    return -1;
}

int AttachedFileSlot(const CProject &project, const CString &name)
{
    const int found = FindAttachedFile(project, name);
    if (found >= 0)
        return found;
    const int used = UsedEntries(project);
    return used < CProject::kMaxAttachedFiles ? used : -1;
}

bool ListAttachedFile(CProject &project, const CString &name)
{
    const int slot = AttachedFileSlot(project, name);
    if (slot < 0)
        return false;
    project.m_strAttachedFiles[slot] = name;
    if (slot >= UsedEntries(project))
        project.m_nAttachedCount = slot + 1;
    return true;
}
