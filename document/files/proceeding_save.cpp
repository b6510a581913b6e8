#include "document/files/proceeding_save.h"

#include "model/file_utils.h"
#include "model/project.h"
#include "document/files/document_sets.h"
#include "document/files/file_set_replace.h"
#include "framework/core/archive.h"
#include "framework/core/file.h"
#include "framework/ui/msgbox.h"

namespace {

const int kArchiveBuffer = 4096;

// The record through an archive onto the temporary file; recordPath is the file it replaces,
// whose creation time an old record keeps.
bool WriteRecord(CProject &project, const CString &tempPath, const CString &recordPath)
{
    CFile file;
    if (!file.Open(tempPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        return false;
    CArchive ar(&file, CArchive::store, kArchiveBuffer);
    try {
        const bool stored = project.Serialize(ar, recordPath) == 1;
        ar.Close();
        file.Close();
        return stored;
    } catch (CException *e) {
        e->Delete();
        ar.Abort();
        file.Abort();
        return false;
    }
}

} // namespace

ProceedingSave::ProceedingSave(ViewTables &tables, CProject &project, DatabaseRecorder recordInDatabase)
    : m_tables(tables), m_project(project), m_recordInDatabase(std::move(recordInDatabase))
{
}

void ProceedingSave::AddMessage(const CString &text)
{
    m_messages.push_back(DataFileMessage{text, "Błąd", MB_ICONERROR});
}

int ProceedingSave::Save(const ProceedingSaveRequest &request)
{
    m_messages.clear();
    if (request.kind == kKindExample)
        return 0;
    if (!request.loaded) {
        AddMessage("Postępowanie nie zostało wczytane w całości, więc nie zostanie zapisane.");
        return 0;
    }
    const CString dataPath = m_project.GetDocumentPath();
    if (dataPath.IsEmpty()) {
        AddMessage("Błąd otwarcia pliku: " + dataPath);
        return 0;
    }
    const bool isSet = FindDocumentSet(request.kind) != nullptr;

    FileSetReplace files;
    const CString dataTemp = files.AddTarget(dataPath);
    if (dataTemp.IsEmpty()) {
        AddMessage("Błąd otwarcia pliku: " + dataPath);
        return 0;
    }
    DataFileHeader header = request.header;
    header.procedureCode = m_project.m_nProcedureCode;
    header.password = m_project.m_strPassword;
    ProceedingDataFile dataFile;
    if (!dataFile.Write(dataTemp, m_project.m_strName, m_tables, header)) {
        for (DataFileMessage message : dataFile.GetMessages()) {
            message.text.Replace(dataTemp, dataPath);
            m_messages.push_back(message);
        }
        return 0;
    }

    if (!isSet) {
        const CString recordPath = m_project.GetProjectFilePath();
        const CString recordTemp = files.AddTarget(recordPath);
        if (recordTemp.IsEmpty() || !WriteRecord(m_project, recordTemp, recordPath)) {
            AddMessage("Błąd otwarcia pliku: " + recordPath);
            return 0;
        }
        if (request.editableRtf) {
            const CString specPath = m_project.GetSpecPath();
            const CString specTemp = files.AddTarget(specPath);
            if (specTemp.IsEmpty() || !WriteTextFile(specTemp, *request.editableRtf)) {
                AddMessage("Błąd zapisu pliku: " + specPath);
                return 0;
            }
        }
    }

    if (!files.Commit()) {
        AddMessage("Błąd zapisu pliku: " + dataPath
                   + "\nPostępowanie nie zostało zapisane; pliki poprzedniego zapisu pozostały bez zmian.");
        return 0;
    }
    m_project.m_strPassword = header.password;
    if (!isSet && m_recordInDatabase)
        m_recordInDatabase(m_project);
    return 1;
}

bool ConfirmClosing(int kind, bool modified, const CString &name, const std::function<int()> &save, bool &closing)
{
    if (kind == kKindArchive || kind == kKindExample)
        return true;
    if (!modified) {
        closing = true;
        return true;
    }
    const int answer = AfxShowMessageBox(
        nullptr,
        "Zachować zmiany w '" + name + "'?\nJeśli nie zapiszesz w tej chwili zmian, zostaną one bezpowrotnie utracone.",
        "Pytanie", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    // "Tak" closes only what was saved: a cancelled name or a failed write keeps the window.
    if (answer == IDYES && save() != 1)
        return false;
    closing = true;
    return true;
}
