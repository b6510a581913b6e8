#include "model/file_utils.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include <windows.h>

#include "model/little_endian_reader.h"
#include "model/string_utils.h"
#include "framework/core/temp_file_save.h"
#include "framework/core/codepage.h"

namespace {

FILE *OpenFile(const CString &path, const wchar_t *mode)
{
    return _wfopen(Cp1250ToWide(path).c_str(), mode);
}

// Bytes between the file's position and its end; 0 when that cannot be told.
long RemainingBytes(FILE *file)
{
    const long position = ftell(file);
    if (position < 0 || fseek(file, 0, SEEK_END) != 0)
        return 0;
    const long end = ftell(file);
    fseek(file, position, SEEK_SET);
    return end > position ? end - position : 0;
}

bool WriteAll(FILE *file, const char *bytes, size_t count)
{
    return count == 0 || fwrite(bytes, 1, count, file) == count;
}

// The text bytes up to the first zero byte, which is where a CString's text ends for a file.
size_t TextBytes(const CString &text)
{
    return strlen(static_cast<const char *>(text));
}

bool IsDotEntry(const wchar_t *name)
{
    return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0;
}

// The first match of the pattern, or false when there is none.
bool FindFirstMatch(const CString &pattern, WIN32_FIND_DATAW &found)
{
    HANDLE search = FindFirstFileW(Cp1250ToWide(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

} // namespace

int GetFileSize(const CString &path)
{
    FILE *file = OpenFile(path, L"rb");
    if (!file)
        return -1;
    long size = -1;
    if (fseek(file, 0, SEEK_END) == 0)
        size = ftell(file);
    fclose(file);
    return static_cast<int>(size);
}

CString ReadFileContents(const CString &path, int &failed)
{
    failed = 1;
    if (path.IsEmpty())
        return CString();
    const int size = GetFileSize(path);
    FILE *file = size >= 0 ? OpenFile(path, L"rb") : nullptr;
    if (!file)
        return CString();
    CString text;
    try {
        std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
        fread(buffer.data(), 1, static_cast<size_t>(size), file);
        if (!ferror(file)) {
            text = buffer.data();
            failed = 0;
        }
    } catch (const std::bad_alloc &) {
    }
    fclose(file);
    return text;
}

CString ReadFileToString(const CString &path)
{
    int failed = 0;
    return ReadFileContents(path, failed);
}

bool WriteTextFile(const CString &path, const CString &text)
{
    TempFileSave save(path);
    if (!save.IsReady())
        return false;
    FILE *file = OpenFile(save.GetTempPath(), L"wb");
    if (!file)
        return false;
    bool written = WriteAll(file, text, TextBytes(text));
    written = fclose(file) == 0 && written;
    return written && save.Commit();
}

bool AppendTextFile(const CString &path, const CString &text)
{
    FILE *file = OpenFile(path, L"ab");
    if (!file)
        return false;
    bool written = WriteAll(file, text, TextBytes(text));
    written = fclose(file) == 0 && written;
    return written;
}

bool WriteStringToFile(FILE *file, const CString &text)
{
    if (!file)
        return false;
    const uint32_t length = static_cast<uint32_t>(text.GetLength());
    const unsigned char prefix[4] = {static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
                                     static_cast<unsigned char>(length >> 16),
                                     static_cast<unsigned char>(length >> 24)};
    return WriteAll(file, reinterpret_cast<const char *>(prefix), 4) && WriteAll(file, text, length);
}

CString ReadStringFromFile(FILE *file)
{
    if (!file)
        return CString();
    unsigned char prefix[4];
    if (fread(prefix, 1, 4, file) != 4)
        return CString();
    int32_t length = 0;
    LittleEndianReader(prefix, sizeof prefix).ReadInt32(length);
    if (length <= 0)
        return CString();
    // A length that lies about the file reads what remains of it, and no more is allocated.
    const long remaining = RemainingBytes(file);
    const size_t wanted = static_cast<size_t>(length < remaining ? length : remaining);
    std::vector<char> buffer(wanted + 1, '\0');
    fread(buffer.data(), 1, wanted, file);
    return CString(buffer.data());
}

bool FileExists(const CString &path)
{
    WIN32_FIND_DATAW found;
    if (path.IsEmpty() || !FindFirstMatch(path, found))
        return false;
    return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsDotEntry(found.cFileName);
}

bool DirectoryExists(const CString &path)
{
    const CString folder = TrimChars(path, "\\");
    WIN32_FIND_DATAW found;
    if (path.IsEmpty() || folder.IsEmpty() || !FindFirstMatch(folder, found))
        return false;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateDirectoryPath(const CString &path)
{
    int count = 0;
    CString *elements = SplitString(path, "\\", count);
    bool created = true;
    CString prefix;
    for (int i = 0; i < count && created; ++i) {
        prefix += elements[i] + "\\";
        if (i > 0 && !DirectoryExists(prefix))
            created = CreateDirectoryW(Cp1250ToWide(prefix).c_str(), nullptr) != 0;
    }
    delete[] elements;
    return created;
}

CString GetParentFolder(const CString &path)
{
    int count = 0;
    CString *elements = SplitString(path, "\\", count);
    CString parent;
    for (int i = 0; i + 1 < count; ++i)
        parent += elements[i] + "\\";
    delete[] elements;
    return TrimChars(parent, "\\");
}

CString GetFileTitleNoExt(const CString &path)
{
    int count = 0;
    CString *elements = SplitString(path, "\\", count);
    CString name = count > 0 ? elements[count - 1] : path;
    delete[] elements;
    const int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CString GetFileExtension(const CString &path)
{
    const int dot = path.ReverseFind('.');
    return dot > 0 ? path.Mid(dot + 1) : CString();
}
