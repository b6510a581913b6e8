#include "proceeding/mail/mapi_message.h"

#include "model/file_utils.h"

MapiMessage BuildDocumentsMessage(const CString &proceedingName, const std::vector<CString> &paths)
{
    MapiMessage message;
    message.Subject = "dot. " + proceedingName;
    // The last line is left for the user to replace with the signature.
    message.Text = "Dzień dobry.\n"
                   "Nieniejszym przesyłam pliki postępowania.\n\n\n"
                   "Z poważaniem\n"
                   "<imie i nazwisko>\n\n";
    for (const CString &path : paths) {
        message.AttachmentPaths.push_back(path);
        message.AttachmentTitles.push_back(GetFileTitleNoExt(path) + "." + GetFileExtension(path));
    }
    return message;
}
