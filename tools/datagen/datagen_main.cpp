// Build-time generator of the installation's binary starting data and comment files:
//   morvelank_datagen <output folder> <source postepowanie<N>.txt>...
// writes "<output>\postepowanie<N>.wy" and "<output>\komentarz<N>.wy" for every source through
// the program's own writers. Every source is read before anything is written; the first fault
// ends the run with its file and line on the error output and exit code 1.
//   morvelank_datagen --przyklad <example folder> <source postepowanie<N>.txt> <example source>
// writes the example proceeding "<example folder>\<name>\<name>.baz" and "<name>.dat": the
// kind's starting data with the example's values, as a saved undivided proceeding.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/archive_file.h"
#include "model/comment_table.h"
#include "model/file_utils.h"
#include "model/project.h"
#include "model/data_file.h"
#include "model/variable_type.h"
#include "model/view_tables.h"
#include "tools/datagen/kind_source.h"

namespace {

// Messages are code page 1250 inside the program; the build's console reads UTF-8.
void PrintError(const CString &text)
{
    const std::wstring wide = [&] {
        const int length = MultiByteToWideChar(1250, 0, text, text.GetLength(), nullptr, 0);
        std::wstring result(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(1250, 0, text, text.GetLength(), &result[0], length);
        return result;
    }();
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], length, nullptr, nullptr);
    fprintf(stderr, "morvelank_datagen: %s\n", utf8.c_str());
}

struct Kind {
    CString sourcePath;
    CString title; // postepowanie<N>
    KindSource source;
};

// The variables into the tables, and the labels into the comment table when one is given.
void FillTables(const KindSource &source, ViewTables &tables, CKomentarz2 *comments)
{
    tables.m_nLoadedVersion = source.version;
    tables.m_nNextDynamicVariable = tables.GetFirstVariableIndex();
    tables.m_nParts = -1;
    for (const auto &entry : source.variables) {
        const SourceVariable &variable = entry.second;
        VariableSlot &slot = tables.m_variables[entry.first];
        slot.type = static_cast<int16_t>(variable.type);
        slot.value = variable.value;
        slot.groupNumber = static_cast<int16_t>(variable.group);
        slot.selected = variable.selected;
        // Options and check boxes take part in the exported text; without it a chosen option
        // (the ground of a cancellation, say) vanished from every export and print.
        if (IsOptionType(VariableTypeOf(variable.type)))
            slot.extra = 1;
        if (comments && !variable.label.IsEmpty()) {
            KomentarzEntry &comment = comments->m_entries[comments->m_nCount++];
            comment.text = variable.label;
            comment.id = entry.first;
        }
    }
}

bool WriteKind(const Kind &kind, const CString &outputFolder)
{
    auto tables = std::make_unique<ViewTables>();
    auto comments = std::make_unique<CKomentarz2>();
    FillTables(kind.source, *tables, comments.get());

    DataFileHeader header;
    header.version = kind.source.version;
    header.procedureCode = kind.source.procedureCode;
    const int number = kind.source.procedureCode + 1;
    CString dataPath, commentPath;
    dataPath.Format("%s\\postepowanie%d.wy", outputFolder, number);
    commentPath.Format("%s\\komentarz%d.wy", outputFolder, number);
    ProceedingDataFile file;
    if (!file.Write(dataPath, kind.title, *tables, header)) {
        for (const DataFileMessage &message : file.GetMessages())
            PrintError(message.text);
        return false;
    }
    if (!WriteCommentFile(*comments, commentPath)) {
        PrintError("nie można zapisać pliku " + commentPath);
        return false;
    }
    return true;
}

// The example as the program saves a proceeding: the data file first, then the record that
// names it.
int WriteExample(const CString &exampleFolder, const CString &kindPath, const CString &examplePath)
{
    KindSource source;
    CString name, error;
    if (!ReadKindSource(kindPath, source, error) || !ReadExampleSource(examplePath, source, name, error)) {
        PrintError(error);
        return 1;
    }
    auto tables = std::make_unique<ViewTables>();
    FillTables(source, *tables, nullptr);
    // The example's own values are what its user entered; the kind's defaults stay defaults.
    for (const auto &entry : source.variables)
        if (entry.second.valueWhere.Left(examplePath.GetLength() + 1) == examplePath + ":")
            tables->m_variables[entry.first].untouched = 0;

    CProject project;
    project.m_strName = name;
    project.SetFileName(name, "dat");
    project.SetFolder(exampleFolder + "\\" + name);
    project.m_nProcedureCode = source.procedureCode;
    project.m_nLawVersion = source.version;
    project.m_nOrderType = 0;
    project.m_nAttachedCount = 0;
    project.ResetCriteria();
    if (!DirectoryExists(project.GetFolder()) && !CreateDirectoryPath(project.GetFolder())) {
        PrintError("nie można utworzyć folderu " + project.GetFolder());
        return 1;
    }

    DataFileHeader header;
    header.version = source.version;
    header.procedureCode = source.procedureCode;
    ProceedingDataFile file;
    if (!file.Write(project.GetDocumentPath(), name, *tables, header)) {
        for (const DataFileMessage &message : file.GetMessages())
            PrintError(message.text);
        return 1;
    }
    if (!WriteProjectFile(project, project.GetProjectFilePath())) {
        PrintError("nie można zapisać pliku " + project.GetProjectFilePath());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && CString(argv[1]) == "--przyklad") {
        if (argc != 5) {
            PrintError(
                "użycie: morvelank_datagen --przyklad <folder przykładu> <postepowanie<N>.txt> <źródło przykładu>");
            return 2;
        }
        return WriteExample(argv[2], argv[3], argv[4]);
    }
    if (argc < 3) {
        PrintError("użycie: morvelank_datagen <folder wyjściowy> <postepowanie<N>.txt>...");
        return 2;
    }
    const CString outputFolder(argv[1]);
    std::vector<Kind> kinds;
    for (int i = 2; i < argc; ++i) {
        Kind kind;
        kind.sourcePath = argv[i];
        kind.title = GetFileTitleNoExt(kind.sourcePath);
        CString error;
        if (!ReadKindSource(kind.sourcePath, kind.source, error)) {
            PrintError(error);
            return 1;
        }
        CString expected;
        expected.Format("postepowanie%d", kind.source.procedureCode + 1);
        if (kind.title != expected) {
            PrintError(kind.sourcePath + ": kod " + CString(std::to_string(kind.source.procedureCode).c_str())
                       + " należy do pliku " + expected + ".txt");
            return 1;
        }
        kinds.push_back(kind);
    }
    if (!DirectoryExists(outputFolder) && !CreateDirectoryPath(outputFolder)) {
        PrintError("nie można utworzyć folderu " + outputFolder);
        return 1;
    }
    for (const Kind &kind : kinds)
        if (!WriteKind(kind, outputFolder))
            return 1;
    return 0;
}
