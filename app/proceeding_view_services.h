// What the main window asks of an open proceeding's view: the view lives above this library.
#pragma once

#include "framework/core/cstring.h"

// How a save goes; all false is the Save command, which asks only for what is still missing.
struct SaveOptions {
    bool askPassword = false;    // asks for the protection again
    bool saveAs = false;         // asks for a new name or set file
    bool onlyIfModified = false; // the autosave: an unchanged proceeding is not written
};

class ProceedingViewServices {
public:
    virtual ~ProceedingViewServices() = default;
    // The proceeding's title, as the window list and the open command compare it.
    virtual CString GetProceedingTitle() const = 0;
    // Loads a proceeding into the new view; nonzero on success (failures already told).
    virtual int OpenProceeding(int folderKind, int sample, const CString &folder, const CString &fileName) = 0;
    // Opened from the archive: never saved by the autosave, never asked on closing.
    virtual bool IsFromArchive() const = 0;
    // Nonzero on success.
    virtual int SaveProceeding(const SaveOptions &options) = 0;
    // Asks whether to keep the changes and saves; false when the user cancelled.
    virtual bool SaveModifiedPrompt() = 0;
};
