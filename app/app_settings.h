// The program settings that the application object holds and every subsystem reads.
#pragma once

#include "framework/core/cstring.h"

struct AppSettings {
    CString BuyerData[9];   // the contracting authority: name, street, postal code, town,
                            // telephone, e-mail, web page, office hours, fax
    bool Greetings = false; // the start-up page may be shown
    CString WordPath;       // word processor's installation folder, empty when none
    int EuroRate = 0;       // EURO rate times 10000
    CString MainPath;       // working folder of the program, no trailing backslash
    CString ExportPath;
    CString ArchivePath;
    CString SchedulePath;
    CString ExamplePath;       // MainPath + "\example"
    CString UserTemplatesPath; // MainPath + "\szablony_moje"
    CString WorkingPath;       // folder of current proceedings
    CString BackupPath;
    CString QuvPath; // the sibling program Quv, empty when not found
    int AutoSaveOn = 0;
    int AutoSaveInterval = 0; // minutes
};

// Whether a text is the one a field of BuyerData holds until the user enters the field (field
// 0..8): the field's own name, which no document prints as a value.
bool IsBuyerDataPlaceholder(int field, const CString &text);

// The running program's settings, for code that needs only its folders and options; null when
// there is no application object.
AppSettings *GetProgramSettings();
// Stores the running program's settings in the registry; nothing without an application object.
void SaveProgramSettings();

// The contracts library's data file under the working folder of the program.
CString ContractsDataPath(const AppSettings &settings);
