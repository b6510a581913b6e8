#include "proceeding/mail/send_documents.h"

#include <vector>

#include "model/file_utils.h"
#include "app/app_settings.h"
#include "document/proceeding_mail_source.h"
#include "document/proceeding_window_view.h"
#include "framework/core/codepage.h"
#include "framework/core/exceptions.h"
#include "framework/ui/msgbox.h"
#include "proceeding/mail/document_choice_dlg.h"
#include "proceeding/mail/mapi_session.h"

namespace {

const char kNoMapi[] = "Biblioteka dostępu do poczty MAPI nie jest zainstalowana. Operacja nie może być kontynuowana.";

void RemoveFiles(const std::vector<CString> &paths)
{
    for (const CString &path : paths)
        ::DeleteFileW(Cp1250ToWide(path).c_str());
}

// Writes each chosen document through the view's export into the folder, the view hidden
// while the documents are generated; false after the export's own message when one could not
// be written.
bool WriteAttachments(ProceedingMailSource &view, const std::vector<int> &chosen, const CString &folder,
                      std::vector<CString> &written)
{
    view.SetViewVisible(false);
    CreateDirectoryPath(folder);
    for (int document : chosen) {
        view.SetViewVisible(false);
        view.ShowDocument(document, -1);
        view.SetViewVisible(false);
        const CString path = AttachmentPath(folder, view.GetDocuments().slots[document].fileName);
        if (!view.ExportToFile(path))
            return false;
        written.push_back(path);
    }
    return true;
}

void ShowDocumentAgain(ProceedingMailSource &view, int document)
{
    view.SetViewVisible(false);
    view.ShowDocument(document, -1);
    view.SetViewVisible(true);
}

} // namespace

std::unique_ptr<MailSender> OpenMapiSession()
{
    return std::make_unique<CMapiSession>();
}

CString AttachmentPath(const CString &folder, const CString &fileName)
{
    int start = 0;
    for (int i = 0; i < fileName.GetLength(); ++i)
        if (fileName[i] == '\\' || fileName[i] == '/' || fileName[i] == ':')
            start = i + 1;
    return folder + fileName.Mid(start);
}

void SendDocumentsByEmail(CWnd *parent, ProceedingWindowView *proceedingView, const MailSenderFactory &openSender)
{
    auto *view = dynamic_cast<ProceedingMailSource *>(proceedingView);
    const AppSettings *settings = GetProgramSettings();
    if (view == nullptr || settings == nullptr)
        return;
    const HWND owner = parent != nullptr ? parent->m_hWnd : nullptr;

    CWyborDokumentow dialog(parent);
    const DocumentList documents = view->GetDocuments();
    dialog.m_nEntries = documents.count;
    for (int i = 0; i < dialog.m_nEntries; ++i)
        dialog.m_entries[i] = documents.slots[i];
    if (dialog.DoModal() != IDOK || dialog.m_chosen.empty())
        return;

    const int current = view->GetCurrentDocument();
    std::vector<CString> written;
    bool complete = false;
    try {
        complete = WriteAttachments(*view, dialog.m_chosen, settings->MainPath + "\\temp\\", written);
    } catch (CException *e) {
        char text[512] = "";
        e->GetErrorMessage(text, sizeof text);
        e->Delete();
        CString shown;
        shown.Format("Błąd : %s", text);
        AfxMessageBox(shown);
    }
    ShowDocumentAgain(*view, current);
    if (!complete) {
        // A message without one of the chosen documents would mislead; nothing is sent.
        RemoveFiles(written);
        return;
    }
    const MapiMessage message = BuildDocumentsMessage(view->GetProceedingTitle(), written);

    std::unique_ptr<MailSender> sender = openSender();
    if (!sender || !sender->IsAvailable()) {
        // The written files stay, for the user to attach by hand.
        AfxShowMessageBox(owner, kNoMapi, "Błąd", MB_OK | MB_ICONERROR);
        return;
    }
    const bool sent = sender->Send(message, kMailDialog);
    // The mail program has taken the attachments in by the time its window closes.
    RemoveFiles(written);
    if (!sent && sender->GetLastError() != kMailUserAbort)
        AfxShowMessageBox(owner,
                          "Nie udało się przekazać dokumentów do programu pocztowego: "
                              + MailFailureReason(sender->GetLastError()) + ".",
                          "Błąd", MB_OK | MB_ICONERROR);
}
