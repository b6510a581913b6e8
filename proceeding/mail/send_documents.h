// "Wyślij wybrane dokumenty (e-mail)": the documents the user ticks are written as RTF files
// into "<MainPath>\temp\" and handed to the mail program as attachments of a new message,
// which the user addresses and sends in the mail program's own window.
#pragma once

#include "framework/core/cstring.h"
#include "proceeding/mail/mail_sender.h"

class CWnd;
class ProceedingWindowView;

// The system's mail interface; not available when MAPI is not installed.
std::unique_ptr<MailSender> OpenMapiSession();

// The attachment file of a document: its file name's last element in the folder, so that a
// name from a damaged data file cannot lead out of it.
CString AttachmentPath(const CString &folder, const CString &fileName);

// The whole command. Does nothing without a proceeding view.
void SendDocumentsByEmail(CWnd *parent, ProceedingWindowView *view, const MailSenderFactory &openSender);
