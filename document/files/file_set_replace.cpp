#include "document/files/file_set_replace.h"

#include <windows.h>

#include "framework/core/codepage.h"
#include "framework/core/file_steps.h"
#include "framework/core/temp_file.h"

namespace {

const DWORD kReplace = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
const char kRecordSuffix[] = ".mvkzapis.tmp";
const char kRecordFirstLine[] = "MVKZAPIS 1";
const char kRecordLastLine[] = "KONIEC";
const DWORD kLargestRecord = 64 * 1024;

std::wstring Wide(const CString &path)
{
    return Cp1250ToWide(path);
}

bool Exists(const CString &path)
{
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

CString FolderOf(const CString &path)
{
    return path.Left(path.ReverseFind('\\') + 1);
}

CString NameOf(const CString &path)
{
    return path.Mid(path.ReverseFind('\\') + 1);
}

// A temporary file of target: "<target>.mvk<anything>.tmp".
bool IsTempNameOf(const CString &name, const CString &targetName)
{
    const CString prefix = targetName + ".mvk";
    return name.GetLength() > prefix.GetLength() + 4 && name.Left(prefix.GetLength()).CompareNoCase(prefix) == 0
           && name.Right(4).CompareNoCase(".tmp") == 0;
}

struct RecordEntry {
    CString temp;
    CString target;
    CString backup;
};

// The entries of a whole commit record; false when the record is cut short or not one.
bool ReadCommitRecord(const CString &recordPath, std::vector<RecordEntry> &entries)
{
    HANDLE file = CreateFileW(Wide(recordPath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    CString text;
    bool read = GetFileSizeEx(file, &size) && size.QuadPart <= kLargestRecord;
    if (read) {
        DWORD got = 0;
        char *buffer = text.GetBufferSetLength((int)size.QuadPart);
        read = ReadFile(file, buffer, (DWORD)size.QuadPart, &got, nullptr) && got == (DWORD)size.QuadPart;
        text.ReleaseBuffer(read ? (int)got : 0);
    }
    CloseHandle(file);
    if (!read)
        return false;

    std::vector<CString> lines;
    int start = 0;
    for (int end = text.Find("\r\n"); end >= 0; end = text.Find("\r\n", start)) {
        lines.push_back(text.Mid(start, end - start));
        start = end + 2;
    }
    if (start != text.GetLength() || lines.size() < 3 || lines.front() != kRecordFirstLine
        || lines.back() != kRecordLastLine)
        return false;
    for (size_t i = 1; i + 1 < lines.size(); ++i) {
        const CString &line = lines[i];
        const int firstTab = line.Find('\t');
        const int secondTab = firstTab < 0 ? -1 : line.Find('\t', firstTab + 1);
        if (secondTab < 0)
            return false;
        RecordEntry entry{line.Left(firstTab), line.Mid(firstTab + 1, secondTab - firstTab - 1),
                          line.Mid(secondTab + 1)};
        // Only files of this save beside the record: a damaged record moves nothing else.
        if (entry.target.IsEmpty() || entry.target.FindOneOf("\\/:\t") >= 0 || !IsTempNameOf(entry.temp, entry.target)
            || (!entry.backup.IsEmpty() && !IsTempNameOf(entry.backup, entry.target)))
            return false;
        entries.push_back(entry);
    }
    return true;
}

void RemoveLeftovers(const CString &target)
{
    const CString folder = FolderOf(target);
    const CString targetName = NameOf(target);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Wide(TempFilePatternOf(target)).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    std::vector<CString> names;
    do {
        const CString name = WideToCp1250(found.cFileName);
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTempNameOf(name, targetName))
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    for (const CString &name : names)
        DeleteFileW(Wide(folder + name).c_str());
}

// A second name for a file's content: a hard link where the volume has them, a copy elsewhere.
bool SecondName(const CString &path, const CString &secondName)
{
    const std::wstring second = Wide(secondName);
    const std::wstring existing = Wide(path);
    DeleteFileW(second.c_str());
    return CreateHardLinkW(second.c_str(), existing.c_str(), nullptr)
           || CopyFileW(existing.c_str(), second.c_str(), TRUE);
}

// A read-only target, or one another program holds open without letting it be replaced,
// stops the set before anything was written beside it.
bool IsReplaceable(const CString &target)
{
    const DWORD attributes = GetFileAttributesW(Wide(target).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    HANDLE file = CreateFileW(Wide(target).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

} // namespace

FileSetReplace::~FileSetReplace()
{
    if (m_stopped)
        return;
    for (const Entry &entry : m_entries) {
        if (!entry.placed && !entry.temp.IsEmpty())
            DeleteFileW(Wide(entry.temp).c_str());
        if (!entry.backup.IsEmpty())
            DeleteFileW(Wide(entry.backup).c_str());
    }
}

bool FileSetReplace::Step()
{
    if (!m_stopped && !PassFileStep())
        m_stopped = true;
    return !m_stopped;
}

CString FileSetReplace::AddTarget(const CString &target)
{
    Entry entry;
    entry.target = target;
    if (Step() && (m_entries.empty() || FolderOf(target).CompareNoCase(FolderOf(m_entries[0].target)) == 0))
        entry.temp = CreateTempFileBeside(target);
    m_entries.push_back(entry);
    return entry.temp;
}

bool FileSetReplace::Flush(const CString &path)
{
    if (!Step())
        return false;
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool flushed = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    return flushed;
}

bool FileSetReplace::WriteCommitRecord()
{
    CString text = CString(kRecordFirstLine) + "\r\n";
    for (const Entry &entry : m_entries)
        text += NameOf(entry.temp) + "\t" + NameOf(entry.target) + "\t" + NameOf(entry.backup) + "\r\n";
    text += CString(kRecordLastLine) + "\r\n";

    m_recordPath = m_entries[0].target + kRecordSuffix;
    if (!Step())
        return false;
    HANDLE file = CreateFileW(Wide(m_recordPath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        m_recordPath.Empty();
        return false;
    }
    DWORD written = 0;
    bool whole =
        WriteFile(file, (LPCSTR)text, (DWORD)text.GetLength(), &written, nullptr) && written == (DWORD)text.GetLength();
    whole = whole && Step() && FlushFileBuffers(file);
    CloseHandle(file);
    return whole;
}

// The target's old content under a name of its own, so that the target itself is only ever
// replaced, never moved away.
bool FileSetReplace::KeepOldContent(Entry &entry)
{
    if (!Step() || !IsReplaceable(entry.target))
        return false;
    entry.backup = CreateTempFileBeside(entry.target);
    return !entry.backup.IsEmpty() && SecondName(entry.target, entry.backup);
}

// Each replaced target gets its old content back. Its new content keeps its temporary name
// first: cut short here, the opening still finds every new file the record names.
void FileSetReplace::RollBack()
{
    for (Entry &entry : m_entries) {
        if (!entry.placed || !Step())
            continue;
        if (entry.backup.IsEmpty())
            MoveFileExW(Wide(entry.target).c_str(), Wide(entry.temp).c_str(), kReplace);
        else if (SecondName(entry.target, entry.temp) && Step())
            MoveFileExW(Wide(entry.backup).c_str(), Wide(entry.target).c_str(), kReplace);
        entry.placed = false;
    }
    // Without the record the next opening takes the files as they are.
    if (!m_recordPath.IsEmpty() && Step())
        DeleteFileW(Wide(m_recordPath).c_str());
}

bool FileSetReplace::Commit()
{
    if (m_entries.empty() || m_stopped)
        return false;
    for (const Entry &entry : m_entries)
        if (entry.temp.IsEmpty())
            return false;
    for (const Entry &entry : m_entries)
        if (!Flush(entry.temp))
            return false;
    for (Entry &entry : m_entries)
        if (Exists(entry.target) && !KeepOldContent(entry))
            return false;
    if (!WriteCommitRecord()) {
        RollBack();
        return false;
    }
    // Each move replaces a target in one step: a locked or read-only target stops the set, and
    // the targets replaced before it get their old content back.
    for (Entry &entry : m_entries) {
        if (!Step() || !MoveFileExW(Wide(entry.temp).c_str(), Wide(entry.target).c_str(), kReplace)) {
            RollBack();
            return false;
        }
        entry.placed = true;
    }
    if (!Step())
        return false;
    DeleteFileW(Wide(m_recordPath).c_str());
    return true;
}

bool FinishInterruptedSave(const std::vector<CString> &targets, CString &failure)
{
    if (targets.empty())
        return true;
    const CString folder = FolderOf(targets[0]);
    const CString recordPath = targets[0] + kRecordSuffix;
    std::vector<RecordEntry> entries;
    if (Exists(recordPath) && ReadCommitRecord(recordPath, entries)) {
        for (const RecordEntry &entry : entries) {
            const CString temp = folder + entry.temp;
            if (Exists(temp) && !MoveFileExW(Wide(temp).c_str(), Wide(folder + entry.target).c_str(), kReplace)) {
                failure = folder + entry.target;
                return false;
            }
        }
        if (!DeleteFileW(Wide(recordPath).c_str())) {
            failure = recordPath;
            return false;
        }
    }
    // No whole record: the targets were never touched, and what lies beside them is void.
    for (const CString &target : targets)
        RemoveLeftovers(target);
    return true;
}
