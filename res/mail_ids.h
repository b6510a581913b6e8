// Resource ids of sending a proceeding's documents by e-mail.
#pragma once

// "Wybór dokumentów do wysyłki": the documents ticked for the message.
#define IDD_WYBOR_DOKUMENTOW 344
#define IDC_MAIL_DOCUMENT_LIST 1054
#define IDC_MAIL_UNTICK_ALL 1003
#define IDC_MAIL_TICK_ALL 1005
