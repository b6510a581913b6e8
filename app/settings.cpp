// The program's settings: text values under HKEY_CURRENT_USER "Software\Dravo\Morvelank4",
// loaded once at start-up with their defaults and saved when the settings dialog confirms.
#include "app/morvelank_app.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/file_utils.h"
#include "app/system_utils.h"
#include "framework/core/codepage.h"

namespace {

// The current directory is read through a buffer of this many characters.
const int kCurrentDirectoryBuffer = 1000;
const int kDefaultEuroRate = 43100; // 4,31 zł, the average rate for 2026-2027
const int kDefaultAutoSaveMinutes = 60;
const int kNewestOfficeVersion = 20;

const char *const kBuyerDataLabels[9] = {
    "Nazwa zamawiającego", "Ulica", "Kod", "Miejscowość", "Telefon", "E-mail", "Strona WWW",
    "Godziny urzędowania", "Fax",
};

} // namespace

bool IsBuyerDataPlaceholder(int field, const CString &text)
{
    return field >= 0 && field < 9 && text == kBuyerDataLabels[field];
}

namespace {

CString CurrentDirectory()
{
    wchar_t folder[kCurrentDirectoryBuffer] = L"";
    GetCurrentDirectoryW(kCurrentDirectoryBuffer, folder);
    return WideToCp1250(folder);
}

CString TrimTrailingBlanks(CString text)
{
    text.TrimRight(' ');
    return text;
}

// A folder of the installation named by a setting for the first time: made now, so the first
// visit to the settings finds it there and asks nothing.
CString DefaultFolder(const CString &mainPath, const char *name)
{
    const CString folder = mainPath + "\\" + name;
    if (!DirectoryExists(folder))
        CreateDirectoryPath(folder);
    return folder;
}

CString DefaultExportPath(const CString &mainPath)
{
    try {
        wchar_t temp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, temp);
        CString folder;
        folder.Format("%sMorvelankExport", (LPCSTR)WideToCp1250(temp));
        if (DirectoryExists(folder) || CreateDirectoryPath(folder))
            return folder;
    } catch (...) {
    }
    return mainPath + "\\temp";
}

// The sibling program Quv: under the Program Files folder, else on drive C: or D:, else
// beside the program, where the installation folder carries it.
CString FindQuv(const CString &mainPath)
{
    CString candidates[4];
    char programFiles[128] = "";
    const DWORD length = GetEnvironmentVariableA("PROGRAMFILES", programFiles, sizeof programFiles);
    if (length > 0 && length < sizeof programFiles)
        candidates[0] = CString(programFiles) + "\\DRAVO\\Quv\\Quv.exe";
    candidates[1] = "c:\\Program Files\\DRAVO\\Quv\\Quv.exe";
    candidates[2] = "d:\\Program Files\\DRAVO\\Quv\\Quv.exe";
    candidates[3] = mainPath + "\\Quv.exe";
    for (const CString &candidate : candidates)
        if (!candidate.IsEmpty() && FileExists(candidate))
            return candidate;
    return CString();
}

// The word processor of the newest Office version installed.
CString FindWordPath()
{
    for (int version = kNewestOfficeVersion; version >= 1; --version) {
        CString key;
        key.Format("Software\\Microsoft\\Office\\%d.0\\Word\\InstallRoot", version);
        CString path = CMorvelankApp::ReadRegString(key, "Path", HKEY_LOCAL_MACHINE);
        if (!path.IsEmpty()) {
            path.Remove('"');
            return path;
        }
    }
    return CString();
}

} // namespace

void CMorvelankApp::WczytajUstawieniaProgramu()
{
    auto read = [](const char *valueName) { return ReadRegString(kSettingsKey, valueName, HKEY_CURRENT_USER); };
    auto write = [](const char *valueName, const CString &text) {
        WriteRegString(valueName, text, HKEY_CURRENT_USER, kSettingsKey);
    };

    const CString euro = read("EURO");
    EuroRate = euro.IsEmpty() ? kDefaultEuroRate : atoi(euro);

    MainPath = CurrentDirectory();
    MainPath.TrimRight('\\');
    write("MainPath", MainPath);

    SchedulePath = read("SchedulePath");
    WorkingPath = read("WorkingPath");

    ArchivePath = read("ArchivePath");
    if (ArchivePath.IsEmpty()) {
        ArchivePath = DefaultFolder(MainPath, "archiwum");
        write("ArchivePath", ArchivePath);
    }

    ExportPath = ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey, "ExportPath");
    if (ExportPath.IsEmpty()) {
        ExportPath = DefaultExportPath(MainPath);
        write("ExportPath", ExportPath);
    }

    BackupPath = read("BackupPath");
    if (BackupPath.IsEmpty()) {
        BackupPath = DefaultFolder(MainPath, "backup");
        write("BackupPath", BackupPath);
    }

    ExamplePath = MainPath + "\\example";

    const CString greetings = read("greetings");
    Greetings = greetings.IsEmpty() || atoi(greetings) != 0;

    // Blanks are trimmed after the archive folder's default test: a folder of blanks ends empty.
    WorkingPath = TrimTrailingBlanks(WorkingPath);
    ArchivePath = TrimTrailingBlanks(ArchivePath);
    SchedulePath = TrimTrailingBlanks(SchedulePath);

    UserTemplatesPath = MainPath + "\\szablony_moje";
    QuvPath = FindQuv(MainPath);

    for (int i = 0; i < 9; ++i) {
        CString valueName;
        valueName.Format("zamawiajacy%d", i + 1);
        BuyerData[i] = read(valueName);
        if (BuyerData[i].IsEmpty())
            BuyerData[i] = kBuyerDataLabels[i];
    }

    WordPath = FindWordPath();

    Trace("WczytajZRejestru:");
    Trace("currentDir=" + MainPath);
    Trace("sKatalogSzablonowUzytkownika=" + UserTemplatesPath);
    Trace("sKatalogBiezacy=" + WorkingPath);
    Trace("sKatalogArchiwum=" + ArchivePath);
    Trace(DirectoryExists(UserTemplatesPath) ? "Kat. szablonow uzytkownika istnieje"
                                             : "Kat. szablonow uzytkownika NIE istnieje");

    if (SchedulePath.IsEmpty()) {
        SchedulePath = DefaultFolder(MainPath, "terminarz");
        write("SchedulePath", SchedulePath);
    }

    CString autoSave = read("AutoSave");
    autoSave.Trim();
    AutoSaveOn = autoSave.IsEmpty() ? 0 : 1;
    AutoSaveInterval = AutoSaveOn ? atoi(autoSave) : kDefaultAutoSaveMinutes;
}

void CMorvelankApp::SaveSettings()
{
    auto write = [](const char *valueName, const CString &text) {
        WriteRegString(valueName, text, HKEY_CURRENT_USER, kSettingsKey);
    };
    CString euro;
    euro.Format("%d", EuroRate);
    write("EURO", euro);
    write("WorkingPath", WorkingPath);
    write("ArchivePath", ArchivePath);
    write("MainPath", MainPath);
    write("SchedulePath", SchedulePath);
    write("BackupPath", BackupPath);
    CString autoSave;
    if (AutoSaveOn)
        autoSave.Format("%d", AutoSaveInterval);
    UstawAutozapis();
    write("AutoSave", autoSave);
}
