// The system's Simple MAPI, loaded from MAPI32.DLL when a message is sent.
#pragma once

#include <windows.h>

// The platform header calls its message structure by the name of our own record.
#define MapiMessage MapiMessageDescriptor
#include <mapi.h>
#undef MapiMessage

#include "proceeding/mail/mail_sender.h"

struct MapiEntryPoints {
    LPMAPILOGON logon = nullptr;
    LPMAPILOGOFF logoff = nullptr;
    LPMAPISENDMAIL sendMail = nullptr;
    LPMAPIRESOLVENAME resolveName = nullptr;
    LPMAPIFREEBUFFER freeBuffer = nullptr;

    bool IsComplete() const { return logon && logoff && sendMail && resolveName && freeBuffer; }
};

class CMapiSession : public MailSender {
public:
    // Loads the library when the Windows profile says MAPI is installed.
    CMapiSession();
    // Over entry points that are already bound; no library is loaded or freed.
    explicit CMapiSession(const MapiEntryPoints &entryPoints);
    ~CMapiSession() override;
    CMapiSession(const CMapiSession &) = delete;
    CMapiSession &operator=(const CMapiSession &) = delete;

    bool IsAvailable() const override { return m_entry.IsComplete(); }
    // Recipients named in the message are resolved first where the mail system knows them;
    // the attachments keep their paths, shown under their titles.
    bool Send(const MapiMessage &message, unsigned long flags) override;
    unsigned long GetLastError() const override { return m_lastError; }
    // The display name the mail system knows the name by; false when it knows none.
    bool ResolveRecipient(const CString &name, CString &resolvedName);

private:
    void LoadMapi();
    void FreeMapi();

    LHANDLE m_session = 0;
    ULONG m_lastError = 0;
    HMODULE m_library = nullptr;
    MapiEntryPoints m_entry;
};
