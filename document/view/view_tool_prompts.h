// The find dialog and the archive signature dialog of the proceeding view belong to the main
// window's tools, a layer above the view. The main window installs them; without them the
// view cannot ask, and the command does nothing.
#pragma once

#include "framework/core/cstring.h"

class CWnd;

// What the archive signature dialog is given and gives back.
struct ArchiveSignatureRequest {
    CString suffix; // the procedure code modulo 100 in decimal
    CString archivePath;
    CString signature;   // proposed, then chosen
    CString description; // chosen
};

class ViewToolPrompts {
public:
    virtual ~ViewToolPrompts() = default;
    // The text to find and whether letter case counts; false on Cancel.
    virtual bool AskFindText(CWnd *parent, CString &text, int &matchCase) = 0;
    // The signature and description of a proceeding going to the archive; false on Cancel.
    virtual bool AskArchiveSignature(CWnd *parent, ArchiveSignatureRequest &request) = 0;

    // The prompts the view asks through from now on; null takes them away.
    static void Install(ViewToolPrompts *prompts) { s_installed = prompts; }
    static ViewToolPrompts *Installed() { return s_installed; }

private:
    static ViewToolPrompts *s_installed;
};
