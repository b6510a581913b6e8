#include "document/files/proceeding_open.h"

#include "model/archive_file.h"
#include "model/file_utils.h"
#include "model/law_versions.h"
#include "model/proceeding.h"
#include "model/project.h"
#include "model/config_file.h"
#include "document/files/document_files.h"
#include "document/files/file_set_replace.h"
#include "model/variable_type.h"
#include "model/view_tables.h"
#include "app/app_settings.h"

namespace {

const int kEmptyValueDots = 30;

// A proceeding made while the buyer's data were not entered may hold a field's own name as a
// value: it goes back to its dotted place and counts as never edited again, so that its editor
// offers the buyer's data entered since.
void ClearBuyerPlaceholders(ViewTables &tables)
{
    for (int row = 0; row < tables.m_nBuyerDataRows && row < kBuyerDataRows; ++row)
        for (int field = 0; field < kBuyerDataColumns; ++field) {
            const int number = tables.m_buyerDataMap[row][field];
            if (number <= 0 || number >= tables.GetVariableCount())
                continue;
            VariableSlot &slot = tables.m_variables[number];
            if (VariableTypeOf(slot.type) == VariableType::Text && IsBuyerDataPlaceholder(field, slot.value)) {
                slot.value = CString('.', kEmptyValueDots);
                slot.untouched = 1;
            }
        }
}

} // namespace

ProceedingOpen::ProceedingOpen(const CString &mainPath, const InstalledSets &installation)
    : m_mainPath(mainPath), m_installation(installation)
{
}

void ProceedingOpen::AddMessage(const CString &text, const char *caption, UINT icon)
{
    m_messages.push_back(DataFileMessage{text, caption, icon});
}

void ProceedingOpen::TakeMessages(const ProceedingDataFile &file)
{
    m_messages.insert(m_messages.end(), file.GetMessages().begin(), file.GetMessages().end());
}

bool ProceedingOpen::FinishSave(const std::vector<CString> &files)
{
    CString failure;
    if (FinishInterruptedSave(files, failure))
        return true;
    AddMessage("Nie udało się dokończyć przerwanego zapisu postępowania: " + failure, "Błąd", MB_ICONERROR);
    return false;
}

int ProceedingOpen::ReadRecord(CProject &project, const CString &folder, const CString &name)
{
    m_messages.clear();
    const CString recordPath = folder + "\\" + name + ".baz";
    project.SetFileName(name, "dat");
    project.SetFolder(folder);
    if (!FinishSave({project.GetDocumentPath(), recordPath, project.GetSpecPath()}))
        return 0;
    int read = ReadProjectFile(project, recordPath);
    if (!read && project.m_nLoadFailed == 1)
        read = ReadProjectFile(project, recordPath);
    // The record keeps the names it was opened by, whatever the file held.
    project.SetFileName(name, "dat");
    project.SetFolder(folder);
    if (!read) {
        CString text;
        text.Format("Błąd otwarcia pliku projektu: %s", (LPCSTR)recordPath);
        AddMessage(text, "Błąd", MB_ICONERROR);
        return 0;
    }
    return 1;
}

int ProceedingOpen::ReadPassword(const CString &dataPath, CString &storedPassword)
{
    m_messages.clear();
    ProceedingDataFile file;
    const int result = file.ReadHeader(dataPath, storedPassword);
    TakeMessages(file);
    return result;
}

int ProceedingOpen::Load(int mode, const CString &dataPath, CProject &project, const DefaultValues &defaults,
                         ViewTables &tables, DataFileHeader &header, CKomentarz2 *comments)
{
    m_messages.clear();
    for (int i = 0; i < tables.GetVariableCount(); ++i)
        tables.m_variables[i].untouched = mode;
    for (DocumentSlot &document : tables.m_documents)
        document = DocumentSlot();
    for (CString &name : tables.m_mdbList)
        name.Empty();

    if (mode == kLoadOwnFile && !dataPath.IsEmpty() && !FinishSave({dataPath}))
        return 0;
    if (dataPath.IsEmpty() || !FileExists(dataPath)) {
        AddMessage("Błąd otwarcia pliku danych(1): " + dataPath, "Błąd", MB_ICONEXCLAMATION);
        return 0;
    }
    ProceedingDataFile file;
    if (file.Read(dataPath, true, m_installation, tables, header, nullptr) != 0) {
        TakeMessages(file);
        return 0;
    }
    TakeMessages(file);
    project.m_nLawVersion = header.version;

    // Without its configuration the proceeding has no documents: opening it would show an
    // empty proceeding that the next save would write over the good one.
    const CString configPath = LawVersions::GetConfigFilePath(m_mainPath, header.version, project.m_nProcedureCode);
    if (configPath.IsEmpty() || !FileExists(configPath)) {
        AddMessage("Brak pliku konfiguracyjnego: " + configPath + "\nPostępowanie nie zostanie otwarte.", "Błąd",
                   MB_ICONERROR);
        return 0;
    }
    if (!ReadConfigFile(configPath, project.m_nOrderType, tables)) {
        AddMessage("Błąd odczytu pliku konfiguracyjnego: " + configPath, "Błąd", MB_ICONERROR);
        return 0;
    }
    // The set's office files become the proceeding's own: the user fills them in its folder.
    DocumentFileState files;
    files.m_strMainPath = m_mainPath;
    DocumentFiles(tables, project, files).CopyMissingOfficeFiles();
    tables.m_defaults = defaults;
    if (file.Read(dataPath, false, m_installation, tables, header, comments) != 0) {
        TakeMessages(file);
        return 0;
    }
    TakeMessages(file);
    if (mode == kLoadOwnFile)
        ClearBuyerPlaceholders(tables);
    project.m_strPassword = header.password;
    return 1;
}
