#include "proceeding/mail/mapi_session.h"

#include <vector>

namespace {

const char kLibrary[] = "MAPI32.DLL";

// Through the generic function type, from which any function pointer may be converted.
template <class Function>
Function Bind(HMODULE library, const char *name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

LPSTR Text(const CString &text)
{
    // The interface takes its input texts through non-const pointers but does not write them.
    return const_cast<LPSTR>(static_cast<LPCSTR>(text));
}

struct Recipient {
    ULONG recipientClass;
    CString name;
};

} // namespace

CMapiSession::CMapiSession()
{
    LoadMapi();
}

CMapiSession::CMapiSession(const MapiEntryPoints &entryPoints) : m_entry(entryPoints) {}

CMapiSession::~CMapiSession()
{
    if (m_session != 0 && m_entry.logoff) {
        m_lastError = m_entry.logoff(m_session, 0, 0, 0);
        m_session = 0;
    }
    FreeMapi();
}

void CMapiSession::LoadMapi()
{
    if (::GetProfileIntA("MAIL", "MAPI", 0) == 0)
        return;
    char found[MAX_PATH];
    if (::SearchPathA(nullptr, kLibrary, nullptr, MAX_PATH, found, nullptr) == 0)
        return;
    m_library = ::LoadLibraryA(kLibrary);
    if (m_library == nullptr)
        return;
    m_entry.logon = Bind<LPMAPILOGON>(m_library, "MAPILogon");
    m_entry.logoff = Bind<LPMAPILOGOFF>(m_library, "MAPILogoff");
    m_entry.sendMail = Bind<LPMAPISENDMAIL>(m_library, "MAPISendMail");
    m_entry.resolveName = Bind<LPMAPIRESOLVENAME>(m_library, "MAPIResolveName");
    m_entry.freeBuffer = Bind<LPMAPIFREEBUFFER>(m_library, "MAPIFreeBuffer");
    if (!m_entry.IsComplete())
        FreeMapi();
}

void CMapiSession::FreeMapi()
{
    if (m_library != nullptr)
        ::FreeLibrary(m_library);
    m_library = nullptr;
    m_entry = MapiEntryPoints();
}

bool CMapiSession::ResolveRecipient(const CString &name, CString &resolvedName)
{
    if (!IsAvailable())
        return false;
    lpMapiRecipDesc recipient = nullptr;
    const ULONG result = m_entry.resolveName(m_session, 0, Text(name), 0, 0, &recipient);
    if (result != SUCCESS_SUCCESS) {
        m_lastError = result;
        return false;
    }
    // Copied before the record goes back to the mail system.
    resolvedName = recipient != nullptr && recipient->lpszName != nullptr ? CString(recipient->lpszName) : name;
    if (recipient != nullptr)
        m_entry.freeBuffer(recipient);
    return true;
}

bool CMapiSession::Send(const MapiMessage &message, unsigned long flags)
{
    if (!IsAvailable()) {
        m_lastError = MAPI_E_FAILURE;
        return false;
    }

    // The names live here until the message has gone: the descriptors only point at them.
    std::vector<Recipient> recipients;
    const std::vector<CString> *lists[] = {&message.To, &message.Cc, &message.Bcc};
    const ULONG classes[] = {MAPI_TO, MAPI_CC, MAPI_BCC};
    for (int list = 0; list < 3; ++list) {
        for (const CString &name : *lists[list]) {
            CString resolved;
            recipients.push_back({classes[list], ResolveRecipient(name, resolved) ? resolved : name});
        }
    }
    std::vector<MapiRecipDesc> recipientDescriptors(recipients.size());
    for (size_t i = 0; i < recipients.size(); ++i) {
        MapiRecipDesc &descriptor = recipientDescriptors[i];
        ZeroMemory(&descriptor, sizeof descriptor);
        descriptor.ulRecipClass = recipients[i].recipientClass;
        descriptor.lpszName = Text(recipients[i].name);
    }

    const size_t files = message.AttachmentPaths.size();
    std::vector<MapiFileDesc> fileDescriptors(files);
    for (size_t i = 0; i < files; ++i) {
        MapiFileDesc &descriptor = fileDescriptors[i];
        ZeroMemory(&descriptor, sizeof descriptor);
        descriptor.nPosition = static_cast<ULONG>(-1); // not placed in the text
        descriptor.lpszPathName = Text(message.AttachmentPaths[i]);
        descriptor.lpszFileName =
            Text(i < message.AttachmentTitles.size() ? message.AttachmentTitles[i] : message.AttachmentPaths[i]);
    }

    MapiMessageDescriptor descriptor;
    ZeroMemory(&descriptor, sizeof descriptor);
    descriptor.lpszSubject = Text(message.Subject);
    descriptor.lpszNoteText = Text(message.Text);
    descriptor.nRecipCount = static_cast<ULONG>(recipientDescriptors.size());
    descriptor.lpRecips = recipientDescriptors.empty() ? nullptr : recipientDescriptors.data();
    descriptor.nFileCount = static_cast<ULONG>(files);
    descriptor.lpFiles = fileDescriptors.empty() ? nullptr : fileDescriptors.data();

    const ULONG result = m_entry.sendMail(0, 0, &descriptor, flags | MAPI_LOGON_UI, 0);
    m_lastError = result;
    return result == SUCCESS_SUCCESS;
}
