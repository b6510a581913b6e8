// The Simple MAPI session over stand-in entry points: what the mail program is handed, how a
// refusal comes back, and when the system's library counts as installed. No test calls the
// system's own MAPISendMail: it may start a mail program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "proceeding/mail/mapi_session.h"

namespace {

struct SentRecipient {
    ULONG recipientClass;
    std::string name;
};

struct SentFile {
    ULONG position;
    std::string path;
    std::string title;
};

// What the stand-in MAPISendMail saw, copied while the descriptors were alive.
struct MailProgram {
    ULONG result = SUCCESS_SUCCESS;
    int calls = 0;
    LHANDLE session = 1;
    ULONG flags = 0;
    std::string subject;
    std::string text;
    std::vector<SentRecipient> recipients;
    std::vector<SentFile> files;
    int freed = 0;
    MapiRecipDesc resolved = {};
    std::string resolvedName;
};

MailProgram program;

ULONG WINAPI FakeLogon(ULONG_PTR, LPSTR, LPSTR, FLAGS, ULONG, LPLHANDLE)
{
    return MAPI_E_FAILURE;
}
ULONG WINAPI FakeLogoff(LHANDLE, ULONG_PTR, FLAGS, ULONG)
{
    return SUCCESS_SUCCESS;
}

ULONG WINAPI FakeSendMail(LHANDLE session, ULONG_PTR, lpMapiMessage message, FLAGS flags, ULONG)
{
    ++program.calls;
    program.session = session;
    program.flags = flags;
    program.subject = message->lpszSubject;
    program.text = message->lpszNoteText;
    for (ULONG i = 0; i < message->nRecipCount; ++i)
        program.recipients.push_back({message->lpRecips[i].ulRecipClass, message->lpRecips[i].lpszName});
    for (ULONG i = 0; i < message->nFileCount; ++i)
        program.files.push_back(
            {message->lpFiles[i].nPosition, message->lpFiles[i].lpszPathName, message->lpFiles[i].lpszFileName});
    return program.result;
}

// Knows one person, by the short name "jan".
ULONG WINAPI FakeResolveName(LHANDLE, ULONG_PTR, LPSTR name, FLAGS, ULONG, lpMapiRecipDesc *recipient)
{
    if (std::string(name) != "jan")
        return MAPI_E_UNKNOWN_RECIPIENT;
    program.resolvedName = "Jan Wąsowski";
    program.resolved.lpszName = &program.resolvedName[0];
    *recipient = &program.resolved;
    return SUCCESS_SUCCESS;
}

ULONG WINAPI FakeFreeBuffer(LPVOID buffer)
{
    ++program.freed;
    // The record goes back to the mail system: its text must not be read any more.
    static_cast<MapiRecipDesc *>(buffer)->lpszName = nullptr;
    program.resolvedName.assign(program.resolvedName.size(), '#');
    return SUCCESS_SUCCESS;
}

MapiEntryPoints FakeEntryPoints()
{
    MapiEntryPoints entry;
    entry.logon = FakeLogon;
    entry.logoff = FakeLogoff;
    entry.sendMail = FakeSendMail;
    entry.resolveName = FakeResolveName;
    entry.freeBuffer = FakeFreeBuffer;
    return entry;
}

class MapiSessionTest : public ::testing::Test {
protected:
    void SetUp() override { program = MailProgram(); }
};

TEST_F(MapiSessionTest, MailProgramGetsRecipientsByClassAttachmentsUnderTheirTitlesAndTheLogonFlag)
{
    MapiMessage message;
    message.To = {"jan", "biuro@urząd.pl"};
    message.Cc = {"kancelaria"};
    message.Bcc = {"jan"};
    message.Subject = "dot. Dostawa łóżek";
    message.Text = "Dzień dobry.\n";
    message.AttachmentPaths = {"C:\\Morvelank\\temp\\ogłoszenie.rtf", "C:\\Morvelank\\temp\\umowa.rtf"};
    message.AttachmentTitles = {"ogłoszenie.rtf", "umowa.rtf"};

    CMapiSession session(FakeEntryPoints());
    ASSERT_TRUE(session.IsAvailable());
    ASSERT_TRUE(session.Send(message, MAPI_DIALOG));
    EXPECT_EQ(session.GetLastError(), 0u);

    ASSERT_EQ(program.calls, 1);
    EXPECT_EQ(program.session, 0u);
    EXPECT_EQ(program.flags, ULONG(MAPI_DIALOG | MAPI_LOGON_UI));
    EXPECT_EQ(program.subject, "dot. Dostawa łóżek");
    EXPECT_EQ(program.text, "Dzień dobry.\n");

    // A name the mail system knows goes by its display name, copied before the record is freed;
    // the others go as typed.
    const std::vector<std::pair<ULONG, std::string>> recipients = {
        {MAPI_TO, "Jan Wąsowski"}, {MAPI_TO, "biuro@urząd.pl"}, {MAPI_CC, "kancelaria"}, {MAPI_BCC, "Jan Wąsowski"}};
    ASSERT_EQ(program.recipients.size(), recipients.size());
    for (size_t i = 0; i < recipients.size(); ++i) {
        EXPECT_EQ(program.recipients[i].recipientClass, recipients[i].first) << i;
        EXPECT_EQ(program.recipients[i].name, recipients[i].second) << i;
    }
    EXPECT_EQ(program.freed, 2);

    ASSERT_EQ(program.files.size(), 2u);
    EXPECT_EQ(program.files[0].position, ULONG(-1));
    EXPECT_EQ(program.files[0].path, "C:\\Morvelank\\temp\\ogłoszenie.rtf");
    EXPECT_EQ(program.files[0].title, "ogłoszenie.rtf");
    EXPECT_EQ(program.files[1].title, "umowa.rtf");
}

TEST_F(MapiSessionTest, AttachmentWithoutATitleGoesUnderItsPath)
{
    MapiMessage message;
    message.AttachmentPaths = {"C:\\t\\a.rtf", "C:\\t\\b.rtf"};
    message.AttachmentTitles = {"pierwszy.rtf"};
    CMapiSession session(FakeEntryPoints());
    ASSERT_TRUE(session.Send(message, MAPI_DIALOG));
    ASSERT_EQ(program.files.size(), 2u);
    EXPECT_EQ(program.files[0].title, "pierwszy.rtf");
    EXPECT_EQ(program.files[1].title, "C:\\t\\b.rtf");
    EXPECT_TRUE(program.recipients.empty());
}

TEST_F(MapiSessionTest, RefusalIsKeptAsTheLastError)
{
    for (ULONG result : {ULONG(MAPI_USER_ABORT), ULONG(MAPI_E_ATTACHMENT_NOT_FOUND)}) {
        program.result = result;
        CMapiSession session(FakeEntryPoints());
        EXPECT_FALSE(session.Send(MapiMessage(), MAPI_DIALOG)) << result;
        EXPECT_EQ(session.GetLastError(), result);
    }
}

TEST_F(MapiSessionTest, IncompleteEntryPointsMeanNoMailInterface)
{
    MapiEntryPoints entry = FakeEntryPoints();
    entry.resolveName = nullptr;
    CMapiSession session(entry);
    EXPECT_FALSE(session.IsAvailable());
    EXPECT_FALSE(session.Send(MapiMessage(), MAPI_DIALOG));
    EXPECT_EQ(program.calls, 0);
}

// The profile's [Mail] MAPI value says whether the system has a mail interface at all; the
// library is only loaded, never called.
TEST(MapiLibraryTest, LibraryIsLoadedOnlyWhenTheProfileSaysMapiIsInstalled)
{
    char before[16] = "";
    ::GetProfileStringA("MAIL", "MAPI", "", before, sizeof before);
    for (const char *value : {"0", "1"}) {
        ASSERT_TRUE(::WriteProfileStringA("MAIL", "MAPI", value));
        CMapiSession session;
        EXPECT_EQ(session.IsAvailable(), value[0] == '1') << value;
    }
    ::WriteProfileStringA("MAIL", "MAPI", before[0] ? before : nullptr);
}

} // namespace
