// A message for the mail program: recipients by name, subject, text and attached files. Texts
// are in the program's code page, as the mail interface takes them.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

struct MapiMessage {
    std::vector<CString> To;
    std::vector<CString> Cc;
    std::vector<CString> Bcc;
    CString Subject;
    CString Text;
    std::vector<CString> AttachmentPaths;
    // The names the recipient sees; the path's own name where a title is missing.
    std::vector<CString> AttachmentTitles;
};

// The message that carries a proceeding's documents: no recipients (the user adds them in the
// mail program), the proceeding's name in the subject, a greeting for the user to sign, and
// one attachment per file, titled with the file's name.
MapiMessage BuildDocumentsMessage(const CString &proceedingName, const std::vector<CString> &paths);
