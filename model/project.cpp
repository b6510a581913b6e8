#include "model/project.h"

#include <exception>

#include "model/file_utils.h"
#include "model/string_utils.h"
#include "framework/core/file.h"

IMPLEMENT_SERIAL(CProject, CObject, VERSIONABLE_SCHEMA | 2)

CProject::IdCounter CProject::s_idCounter = nullptr;

namespace {

// A version number above this is no version: the file is read as version 0 from its fifth byte.
const int32_t kHighestVersionNumber = 1000;

int32_t ClampedAttachedCount(int32_t count)
{
    return count < 0 ? 0 : count > CProject::kMaxAttachedFiles ? CProject::kMaxAttachedFiles : count;
}

} // namespace

void CProject::SetIdCounter(IdCounter counter)
{
    s_idCounter = counter;
}

CProject::CProject()
    : m_strExtension("dat"), m_pCriteria(new CCriteriaData), m_nProcedureCode(0), m_nAttachedCount(0), m_nOrderType(0),
      m_nPageNumbering(0), m_timeCreated(CTime::GetCurrentTime()), m_timeModified(0), m_nLawVersion(0), m_nReserved(0),
      m_nDatabaseId(0), m_nLoadFailed(0)
{
}

CProject::~CProject()
{
    delete m_pCriteria;
}

CTime CProject::PlaceholderTime()
{
    return CTime(1980, 1, 1, 1, 1, 1);
}

int CProject::Serialize(CArchive &ar, const CString &path)
{
    try {
        if (ar.IsStoring())
            Store(ar, path);
        else
            Load(ar);
        return 1;
    } catch (CException *e) {
        e->Delete();
    } catch (const std::exception &) {
    }
    if (ar.IsLoading()) {
        m_strName.Empty();
        m_strSpare.Empty();
        m_nProcedureCode = 0;
        m_nOrderType = 0;
        m_nAttachedCount = 0;
        ResetCriteria(); // never leave a half-read evaluation record in use
        m_nLoadFailed = 1;
    }
    return 0;
}

void CProject::Store(CArchive &ar, const CString &path)
{
    if (m_timeCreated == PlaceholderTime() && !path.IsEmpty() && FileExists(path)) {
        CFileStatus status;
        if (CFile::GetStatus(path, status))
            m_timeCreated = status.m_ctime;
    }
    m_timeModified = CTime::GetCurrentTime();

    const int32_t attachedCount = ClampedAttachedCount(m_nAttachedCount);
    ar.SetObjectSchema(kRecordVersion);
    ar << kRecordVersion;
    ar << m_strName << m_nProcedureCode << m_nOrderType << m_strSpare;
    ar << attachedCount;
    for (int i = 0; i < attachedCount; ++i)
        ar << m_strAttachedFiles[i];
    m_pCriteria->Serialize(ar);
    ar << m_nDatabaseId;
    ar.WriteTime32(m_timeCreated);
    ar.WriteTime32(m_timeModified);
    ar << m_strHeader << m_strFooter << m_nPageNumbering << m_nLawVersion << m_nReserved;
}

void CProject::Load(CArchive &ar)
{
    m_timeCreated = m_timeModified = PlaceholderTime();

    // Callers read the record file without an object header, so no schema precedes it.
    int32_t version = -1;
    if (m_nLoadFailed == 0) {
        try {
            ar >> version;
        } catch (CException *e) {
            e->Delete();
        }
        if (version > kHighestVersionNumber)
            version = 0;
    }

    m_nLawVersion = kLawVersionBeforeRecorded;
    ar >> m_strName >> m_nProcedureCode;
    if (version >= 3)
        ar >> m_nOrderType;
    ar >> m_strSpare;

    int32_t attachedCount = 0;
    ar >> attachedCount;
    if (attachedCount > kMaxAttachedFiles)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    for (int i = 0; i < attachedCount; ++i)
        ar >> m_strAttachedFiles[i];
    m_nAttachedCount = ClampedAttachedCount(attachedCount);
    // The oldest layout has no version to tell it apart: only a file it fills exactly is one,
    // never the start of a newer record cut short.
    BYTE beyond = 0;
    if (version < 0 && ar.Read(&beyond, 1) != 0)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);

    if (version >= 4)
        m_pCriteria->Read(ar);
    if (version >= 5)
        ar >> m_nDatabaseId;
    else
        NextId();
    if (version >= 6) {
        m_timeCreated = ar.ReadTime32();
        m_timeModified = ar.ReadTime32();
    }
    if (version >= 7)
        ar >> m_strHeader >> m_strFooter >> m_nPageNumbering;
    if (version >= 8)
        ar >> m_nLawVersion;
    if (version >= 9)
        ar >> m_nReserved;
}

void CProject::SetFolder(const CString &path)
{
    m_strFolder = TrimChars(path, " \\");
}

CString CProject::GetFolder() const
{
    return m_strFolder;
}

CString CProject::GetProjectFilePath() const
{
    if (m_strFolder.IsEmpty() || m_strFileName.IsEmpty())
        return CString();
    return m_strFolder + "\\" + m_strFileName + ".baz";
}

CString CProject::GetDocumentPath() const
{
    if (m_strFolder.IsEmpty() || m_strFileName.IsEmpty())
        return CString();
    return m_strFolder + "\\" + m_strFileName + "." + m_strExtension;
}

CString CProject::GetSpecPath() const
{
    if (m_strFolder.IsEmpty())
        return CString();
    return m_strFolder + "\\spec.dat";
}

void CProject::ResetCriteria()
{
    delete m_pCriteria;
    m_pCriteria = new CCriteriaData;
}

void CProject::NextId()
{
    int32_t id = 0;
    if (s_idCounter && s_idCounter(id))
        m_nDatabaseId = id;
}

bool CProject::HasFileName() const
{
    return !m_strFileName.IsEmpty();
}

void CProject::SetFileName(const CString &fileName, const CString &extension)
{
    m_strFileName = fileName;
    m_strExtension = extension;
}

CString CProject::GetFileName() const
{
    return m_strFileName;
}
