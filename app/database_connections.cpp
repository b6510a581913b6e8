// The two databases under <MainPath>\DB: the main one with the proceedings and their id
// counter, and the registers one. Each is opened once, while the main window is created.
#include "app/morvelank_app.h"

#include <exception>

#include "model/file_utils.h"
#include "framework/core/codepage.h"
#include "framework/core/exceptions.h"
#include "framework/db/com_error.h"
#include "framework/ui/msgbox.h"

const char CMorvelankApp::kMainDatabasePassword[] = "Qm7rWz2K";

namespace {

const char kErrorCaption[] = "Błąd";

// Opens the connection; false with the error's description (may be empty) when it fails.
bool OpenConnection(ConnectionPtr &connection, const CString &connectionString, CString &details)
{
    try {
        connection.CreateInstance();
        connection->Open(connectionString);
        return true;
    } catch (const ComError &error) {
        details = error.Description();
    } catch (CException *e) {
        char message[512] = "";
        e->GetErrorMessage(message, sizeof message);
        e->Delete();
        details = message;
    } catch (const std::exception &) {
    }
    return false;
}

void ShowOpenFailure(const CString &what, const CString &path, const CString &details)
{
    CString message = "Błąd otwarcia bazy danych" + what + ".\n";
    if (!FileExists(path))
        message += "Plik " + path + " nie istnieje lub nie można go odczytać.";
    else
        message += "Należy zainstalować uaktualnienie MDAC2.8 oraz Jet4.0.";
    if (!details.IsEmpty())
        message += "\nSzczegóły błędu: " + details;
    AfxShowMessageBox(nullptr, message, kErrorCaption, MB_ICONERROR);
}

// A read-only database file cannot take the program's writes: true after telling the user.
bool RefuseReadOnly(const CString &path)
{
    const DWORD attributes = GetFileAttributesW(Cp1250ToWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    CString message;
    message.Format("Błąd otwarcia bazy danych.\nPlik %s jest plikiem tylko do odczytu.", (LPCSTR)path);
    AfxShowMessageBox(nullptr, message, kErrorCaption, MB_ICONERROR);
    return true;
}

bool LastWriteTime(const CString &path, ULARGE_INTEGER &time)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Cp1250ToWide(path).c_str(), GetFileExInfoStandard, &data))
        return false;
    time.LowPart = data.ftLastWriteTime.dwLowDateTime;
    time.HighPart = data.ftLastWriteTime.dwHighDateTime;
    return true;
}

// Older installations kept the registers database in the program folder. It moves into the DB
// folder when that has none yet or holds an older one; a newer database there is never
// replaced by a stale copy, and the user is told that the old file was left.
void MoveOldRegistersDatabase()
{
    const CString programFolder = CMorvelankApp::GetProgramFolder();
    const CString oldPath = programFolder + "rejestry.mdb";
    const CString dbFolder = programFolder + "DB";
    const CString newPath = dbFolder + "\\rejestry.mdb";
    if (!FileExists(oldPath))
        return;

    const CString paths = "Plik źródłowy: " + oldPath + "\n" + "Plik docelowy: " + newPath + "\n\n";
    ULARGE_INTEGER oldTime, newTime;
    if (FileExists(newPath) && LastWriteTime(oldPath, oldTime) && LastWriteTime(newPath, newTime)
        && oldTime.QuadPart <= newTime.QuadPart) {
        AfxShowMessageBox(nullptr,
                          "W katalogu programu pozostał starszy plik bazy danych rejestrów:\n" + paths
                              + "Plik docelowy jest nowszy i nie został zastąpiony.",
                          "Ostrzeżenie", MB_ICONWARNING);
        return;
    }

    CreateDirectoryPath(dbFolder);
    if (!MoveFileExW(Cp1250ToWide(oldPath).c_str(), Cp1250ToWide(newPath).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        AfxShowMessageBox(nullptr,
                          "Wystąpił błąd przenoszenia pliku bazy danych:\n" + paths
                              + "Plik źródłowy powinien zostać przeniesiony do katalogu DB programu "
                                "przed rozpoczęciem pracy z aplikacją.",
                          "Ostrzeżenie", MB_ICONWARNING);
    }
}

} // namespace

int CMorvelankApp::OpenMainDB()
{
    if (MainConnection)
        return 0;
    CString path;
    path.Format("%s\\%s", (LPCSTR)MainPath, "DB\\morvelank.mdb");
    CString connectionString;
    connectionString.Format("Provider=Microsoft.Jet.OLEDB.4.0;Data Source = %s;Jet OLEDB:Database Password=%s;",
                            (LPCSTR)path, kMainDatabasePassword);
    CString details;
    if (!OpenConnection(MainConnection, connectionString, details)) {
        // A connection that never opened is not kept: nothing may mistake it for the database.
        MainConnection.Release();
        ShowOpenFailure("", path, details);
        return 0;
    }
    return RefuseReadOnly(path) ? 0 : 1;
}

int CMorvelankApp::OpenRejestryDB()
{
    MoveOldRegistersDatabase();
    if (RegistersConnection)
        return 0;
    CString path;
    path.Format("%s\\%s", (LPCSTR)MainPath, "DB\\rejestry.mdb");
    CString connectionString;
    connectionString.Format("Provider=Microsoft.Jet.OLEDB.4.0;Data Source = %s;", (LPCSTR)path);
    CString details;
    if (!OpenConnection(RegistersConnection, connectionString, details)) {
        ShowOpenFailure(" rejestrów", path, details);
        CloseRejestryDB();
        return 0;
    }
    return RefuseReadOnly(path) ? 0 : 1;
}

void CMorvelankApp::CloseMainDB()
{
    if (!MainConnection)
        return;
    try {
        MainConnection->Close();
    } catch (...) {
    }
    MainConnection.Release();
}

void CMorvelankApp::CloseRejestryDB()
{
    if (!RegistersConnection)
        return;
    try {
        RegistersConnection->Close();
    } catch (...) {
    }
    RegistersConnection.Release();
}
