#include "model/archive_file.h"

#include <exception>

#include "model/comment_table.h"
#include "model/project.h"
#include "framework/core/temp_file_save.h"
#include "framework/core/file.h"

namespace {

const int kArchiveBuffer = 4096;

// Runs store on a storing archive over a temporary file and puts that file in place of path
// when store succeeded and everything reached the disk.
template <typename Store>
bool SaveThroughArchive(const CString &path, Store store)
{
    TempFileSave save(path);
    if (!save.IsReady())
        return false;
    CFile file;
    if (!file.Open(save.GetTempPath(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        return false;
    bool stored = false;
    {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        try {
            stored = store(ar);
            ar.Close();
            file.Close();
        } catch (CException *e) {
            e->Delete();
            stored = false;
            ar.Abort();
            file.Abort();
        }
    }
    return stored && save.Commit();
}

// Runs load on a loading archive over the file; false when the file cannot be opened.
template <typename Load>
bool LoadThroughArchive(const CString &path, Load load)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    CArchive ar(&file, CArchive::load, kArchiveBuffer);
    return load(ar);
}

} // namespace

int ReadProjectFile(CProject &project, const CString &path)
{
    return LoadThroughArchive(path, [&](CArchive &ar) { return project.Serialize(ar, path) == 1; }) ? 1 : 0;
}

int WriteProjectFile(CProject &project, const CString &path)
{
    return SaveThroughArchive(path, [&](CArchive &ar) { return project.Serialize(ar, path) == 1; }) ? 1 : 0;
}

bool ReadCommentFile(CKomentarz2 &comments, const CString &path)
{
    const bool read = LoadThroughArchive(path, [&](CArchive &ar) {
        try {
            comments.Serialize(ar);
            return true;
        } catch (CException *e) {
            e->Delete();
        } catch (const std::exception &) {
        }
        return false;
    });
    // No text of an earlier file, nor of this one read part way, stays behind a refusal.
    if (!read) {
        comments.m_nCount = 0;
        for (KomentarzEntry &entry : comments.m_entries)
            entry = KomentarzEntry();
    }
    return read;
}

bool WriteCommentFile(CKomentarz2 &comments, const CString &path)
{
    return SaveThroughArchive(path, [&](CArchive &ar) {
        comments.Serialize(ar);
        return true;
    });
}
