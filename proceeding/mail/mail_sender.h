// What sending a message needs of the mail system; CMapiSession is the system's own, tests
// put a stand-in in its place.
#pragma once

#include <functional>
#include <memory>

#include "framework/core/cstring.h"
#include "proceeding/mail/mapi_message.h"

// Simple MAPI's results and flags used here.
const unsigned long kMailSuccess = 0;
const unsigned long kMailUserAbort = 1;
const unsigned long kMailLogonUi = 0x00000001;
const unsigned long kMailDialog = 0x00000008;

class MailSender {
public:
    virtual ~MailSender() = default;
    // False when the system offers no mail interface.
    virtual bool IsAvailable() const = 0;
    // Hands the message to the mail program; false with GetLastError set when it refused.
    virtual bool Send(const MapiMessage &message, unsigned long flags) = 0;
    virtual unsigned long GetLastError() const = 0;
};

using MailSenderFactory = std::function<std::unique_ptr<MailSender>()>;

// Why a send with the given result failed, in Polish, for the user.
CString MailFailureReason(unsigned long result);
