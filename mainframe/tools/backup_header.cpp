#include "mainframe/tools/backup_header.h"

#include "framework/core/file.h"

IMPLEMENT_SERIAL(CBackupHeader, CObject, 1)

void CBackupHeader::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        m_time = CTime::GetCurrentTime();
        ar << static_cast<int>(kVersion) << m_time << m_description << static_cast<int>(m_extra);
        return;
    }
    int version = 0;
    ar >> version;
    if (version > kVersion)
        throw new CArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    if (version < 0)
        throw new CArchiveException(CArchiveException::genericException, ar.m_strFileName);
    CTime time;
    CString description;
    int extra = 0;
    ar >> time >> description >> extra;
    m_time = time;
    m_description = description;
    m_extra = extra;
}

namespace {

void Clear(CBackupHeader &header)
{
    header.m_time = CTime();
    header.m_description.Empty();
    header.m_extra = 0;
}

} // namespace

BackupHeaderStatus ReadBackupHeader(const CString &path, CBackupHeader &header)
{
    Clear(header);
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return BackupHeaderStatus::CannotOpen;
    CArchive ar(&file, CArchive::load, 4096);
    ar.m_strFileName = path;
    try {
        header.Serialize(ar);
        return BackupHeaderStatus::Read;
    } catch (CArchiveException *e) {
        const bool newer = e->m_cause == CArchiveException::badSchema;
        e->Delete();
        Clear(header);
        return newer ? BackupHeaderStatus::UnsupportedVersion : BackupHeaderStatus::Damaged;
    } catch (CException *e) {
        e->Delete();
        Clear(header);
        return BackupHeaderStatus::Damaged;
    }
}
