#include "document/files/proceeding_archive.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "model/archive_file.h"
#include "model/file_utils.h"
#include "app/program_trace.h"
#include "model/project.h"
#include "model/view_tables.h"
#include "framework/core/codepage.h"
#include "framework/core/filefind.h"

namespace {

const char kNotMovedText[] = "Postępowanie nie zostało przeniesione do archiwum; pozostało bez zmian w katalogu "
                             "bieżących postępowań.";
const char kSpecFileName[] = "spec.dat";

// Office and PDF files are never generated, so they have nothing to secure.
bool NeedsNoSecuring(const CString &extension)
{
    return extension == "doc" || extension == "dot" || extension == "pdf" || extension == "xls" || extension == "xlt";
}

// A name that stays inside the folder it is joined to.
bool IsPlainFileName(const CString &name)
{
    return !name.IsEmpty() && name != "." && name != ".." && name.FindOneOf("\\/:") < 0;
}

HANDLE OpenForReading(const CString &path)
{
    return ::CreateFileW(Cp1250ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

// True when both files hold the same bytes.
bool SameContents(const CString &first, const CString &second)
{
    HANDLE a = OpenForReading(first);
    HANDLE b = OpenForReading(second);
    bool same = a != INVALID_HANDLE_VALUE && b != INVALID_HANDLE_VALUE;
    static char bufferA[65536], bufferB[65536];
    while (same) {
        DWORD readA = 0, readB = 0;
        if (!::ReadFile(a, bufferA, sizeof bufferA, &readA, nullptr)
            || !::ReadFile(b, bufferB, sizeof bufferB, &readB, nullptr) || readA != readB
            || memcmp(bufferA, bufferB, readA) != 0) {
            same = false;
            break;
        }
        if (readA == 0)
            break;
    }
    if (a != INVALID_HANDLE_VALUE)
        ::CloseHandle(a);
    if (b != INVALID_HANDLE_VALUE)
        ::CloseHandle(b);
    return same;
}

bool DeleteFilePath(const CString &path)
{
    return ::DeleteFileW(Cp1250ToWide(path).c_str()) != 0;
}

CString WithoutTrailingBackslash(CString path)
{
    path.Trim();
    path.TrimRight('\\');
    return path;
}

} // namespace

CString ArchiveExtension(int procedureCode)
{
    const int n = procedureCode % 100;
    CString extension;
    if (n >= 0 && n < 10)
        extension.Format(".ar%d", n);
    else if (n == 10)
        extension = ".ara";
    else if (n == 11)
        extension = ".arb";
    return extension;
}

int ArchivedProcedureCode(int procedureCode)
{
    return procedureCode % 100 + 200;
}

bool AreDocumentsSecured(const ViewTables &tables)
{
    const int count = std::min(tables.m_nDocumentCount, kDocumentSlots);
    for (int i = 0; i < count; ++i) {
        const DocumentSlot &slot = tables.m_documents[i];
        if (slot.state == kStateGenerated && !slot.secured && !NeedsNoSecuring(GetFileExtension(slot.fileName)))
            return false;
    }
    return true;
}

ProceedingArchive::ProceedingArchive(ViewTables &tables, CProject &project) : m_tables(tables), m_project(project) {}

void ProceedingArchive::AddMessage(const CString &text, const CString &caption, UINT icon)
{
    m_messages.push_back(DataFileMessage{text, caption, icon});
}

int ProceedingArchive::CreateArchiveFolder(const CString &archivePath, const CString &signature)
{
    if (signature.IsEmpty()) {
        AddMessage("Błąd tworzenia katalogu (-23)", "Informacja", MB_ICONINFORMATION);
        return -1;
    }
    const CString path = archivePath + "\\" + signature;
    // Without an archive folder the path would name a folder at the root of the drive.
    const bool nameable = !archivePath.IsEmpty() && IsPlainFileName(signature);
    if (nameable && (FileExists(path) || DirectoryExists(path))) {
        AddMessage("Katalog o nazwie: " + signature + " już istnieje. Proszę wybrać inną nazwę postępowania.",
                   "Informacja", MB_ICONINFORMATION);
        return -1;
    }
    if (!nameable || !::CreateDirectoryW(Cp1250ToWide(path).c_str(), nullptr)) {
        AddMessage("Błąd utworzenia katalogu: " + path + ".", "Błąd", MB_ICONEXCLAMATION);
        return -1;
    }
    return 0;
}

bool ProceedingArchive::IsOwnFolder(const CString &folder, const CString &workingPath) const
{
    // A proceeding made by the program has a folder of its own named as its files. Records
    // of older proceedings may share a folder, whose other files are not theirs.
    const CString normal = WithoutTrailingBackslash(folder);
    if (normal.IsEmpty() || normal.CompareNoCase(WithoutTrailingBackslash(workingPath)) == 0)
        return false;
    if (normal.Mid(normal.ReverseFind('\\') + 1).CompareNoCase(m_project.m_strFileName) != 0)
        return false;
    CFileFind finder;
    BOOL more = finder.FindFile(normal + "\\*.baz");
    while (more) {
        more = finder.FindNextFile();
        if (!finder.IsDirectory() && finder.GetFileName().CompareNoCase(m_project.m_strFileName + ".baz") != 0)
            return false;
    }
    return true;
}

std::vector<CString> ProceedingArchive::FilesToCopy(const CString &folder) const
{
    std::vector<CString> files;
    auto add = [&files](const CString &name) {
        if (!IsPlainFileName(name))
            return;
        for (const CString &file : files)
            if (file.CompareNoCase(name) == 0)
                return;
        files.push_back(name);
    };
    const CString record = m_project.m_strFileName + ".baz";
    const CString data = m_project.m_strFileName + "." + m_project.m_strExtension;
    if (m_ownFolder) {
        CFileFind finder;
        BOOL more = finder.FindFile(folder + "\\*");
        while (more) {
            more = finder.FindNextFile();
            const CString name = finder.GetFileName();
            if (!finder.IsDirectory() && name.CompareNoCase(record) != 0 && name.CompareNoCase(data) != 0)
                add(name);
        }
        return files;
    }
    const int attached = std::min<int>(m_project.m_nAttachedCount, CProject::kMaxAttachedFiles);
    for (int i = 0; i < std::max(attached, 0); ++i)
        add(m_project.m_strAttachedFiles[i]);
    add(kSpecFileName);
    return files;
}

int ProceedingArchive::Move(const ArchiveMoveRequest &request)
{
    m_messages.clear();
    const CString source = m_project.GetFolder();
    const CString fileName = m_project.m_strFileName;
    if (fileName.IsEmpty() || m_project.m_strExtension.IsEmpty()) {
        AddMessage("Postępowanie nie zostało jeszcze zapisane, więc nie można go przenieść do archiwum.", "Błąd",
                   MB_ICONERROR);
        return 0;
    }
    if (CreateArchiveFolder(request.archivePath, request.signature) != 0)
        return 0;
    const CString target = request.archivePath + "\\" + request.signature;
    m_ownFolder = IsOwnFolder(source, request.workingPath);

    const CString oldName = m_project.m_strName;
    const CString oldFolder = m_project.m_strFolder;
    const int32_t oldCode = m_project.m_nProcedureCode;
    std::vector<CString> written; // in the archive; taken away again when the record cannot be stored
    auto giveUp = [&]() {
        for (auto file = written.rbegin(); file != written.rend(); ++file)
            DeleteFilePath(*file);
        ::RemoveDirectoryW(Cp1250ToWide(target).c_str());
        m_project.m_strName = oldName;
        m_project.m_strFolder = oldFolder;
        m_project.m_nProcedureCode = oldCode;
        AddMessage(kNotMovedText, "Informacja", MB_ICONINFORMATION);
        return 0;
    };

    for (const CString &name : FilesToCopy(source)) {
        const CString from = source + "\\" + name;
        const CString to = target + "\\" + name;
        if (!FileExists(from))
            continue;
        const bool copied = ::CopyFileW(Cp1250ToWide(from).c_str(), Cp1250ToWide(to).c_str(), TRUE) != 0;
        if (copied && SameContents(from, to)) {
            written.push_back(to);
            continue;
        }
        // The original stays in the folder of current proceedings; a damaged copy is not kept.
        if (copied)
            DeleteFilePath(to);
        AddMessage("Błąd kopiowania pliku:\n" + from + "\ndo:\n" + to + ".", "Informacja", MB_ICONINFORMATION);
    }

    // The record keeps the name it had; the window shows the signature from now on.
    m_project.m_nProcedureCode = ArchivedProcedureCode(oldCode);
    const CString recordPath = target + "\\" + fileName + ".baz";
    const bool recordWritten = WriteProjectFile(m_project, recordPath) == 1;
    if (FileExists(recordPath))
        written.push_back(recordPath);
    CProject readBack;
    if (!recordWritten || !ReadProjectFile(readBack, recordPath)) {
        TraceStep("Blad otwarcia pliku(6): " + recordPath);
        AddMessage("Błąd otwarcia pliku: " + recordPath, "Błąd", MB_ICONERROR);
        return giveUp();
    }

    m_project.m_strName = request.signature;
    m_project.SetFolder(target);
    const CString dataPath = m_project.GetDocumentPath();
    DataFileHeader header = request.header;
    header.procedureCode = m_project.m_nProcedureCode;
    header.password = m_project.m_strPassword;
    ProceedingDataFile dataFile;
    const bool dataWritten = dataFile.Write(dataPath, request.description, m_tables, header) == 1;
    if (FileExists(dataPath))
        written.push_back(dataPath);
    CString storedPassword;
    if (!dataWritten || ProceedingDataFile().ReadHeader(dataPath, storedPassword) != 1) {
        m_messages.insert(m_messages.end(), dataFile.GetMessages().begin(), dataFile.GetMessages().end());
        if (dataFile.GetMessages().empty())
            AddMessage("Błąd zapisu pliku: " + dataPath, "Błąd", MB_ICONERROR);
        return giveUp();
    }
    if (request.editableRtf) {
        const CString specPath = m_project.GetSpecPath();
        const bool specWritten = WriteTextFile(specPath, *request.editableRtf);
        if (FileExists(specPath))
            written.push_back(specPath);
        if (!specWritten) {
            AddMessage("Błąd zapisu pliku: " + specPath, "Błąd", MB_ICONERROR);
            return giveUp();
        }
    }

    return 1;
}
