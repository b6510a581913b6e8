#include <gtest/gtest.h>
#include <windows.h>

#include "test_support.h"
#include "framework/db/db.h"

namespace {

bool FileExists(const CString &path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionPtr OpenOn(const CString &path, const char *password = nullptr)
    {
        ConnectionPtr connection;
        connection.CreateInstance();
        connection->Open(ConnectionStringFor(path, password));
        return connection;
    }

    DbFolder folder_;
};

TEST_F(ConnectionTest, OpensByBothConnectionStringsOfTheProgram)
{
    const CString path = folder_.CreateDatabase("morvelank.mdb", "create table t (a integer);");
    for (const char *password : {static_cast<const char *>(nullptr), "Qm7rWz2K"}) {
        ConnectionPtr connection = OpenOn(path, password);
        EXPECT_TRUE(connection->IsOpen());
        connection->Execute("insert into t values (1)");
    }
}

TEST_F(ConnectionTest, FailsWithoutCreatingAMissingFile)
{
    const CString path = folder_.PathOf("brak.mdb");
    ConnectionPtr connection;
    connection.CreateInstance();
    const CString description = ComErrorOf([&] { connection->Open(ConnectionStringFor(path)); });
    EXPECT_STRNE("", description);
    EXPECT_FALSE(connection->IsOpen());
    EXPECT_FALSE(FileExists(path));
}

TEST_F(ConnectionTest, RefusesAFileThatIsNotADatabase)
{
    const CString path = folder_.PathOf("tekst.mdb");
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    const char text[] = "To jest zwykly plik tekstowy, a nie baza danych. ";
    DWORD written = 0;
    for (int i = 0; i < 20; ++i)
        WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);

    ConnectionPtr connection;
    connection.CreateInstance();
    EXPECT_STREQ("file is not a database", ComErrorOf([&] { connection->Open(ConnectionStringFor(path)); }));
    EXPECT_FALSE(connection->IsOpen());
}

TEST_F(ConnectionTest, RefusesAConnectionStringWithoutAFile)
{
    ConnectionPtr connection;
    connection.CreateInstance();
    EXPECT_STRNE("", ComErrorOf([&] { connection->Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source = ;"); }));
}

TEST_F(ConnectionTest, ReportsSqliteMessageAndLeavesTheDatabaseAsItWas)
{
    ConnectionPtr connection = OpenOn(folder_.CreateDatabase("m.mdb", "create table t (a integer);"));
    struct Failure {
        const char *sql;
        const char *description;
    };
    const Failure failures[] = {
        {"alter table [t] add [a] memo", "duplicate column name: a"},
        {"select * from brak", "no such table: brak"},
        {"insert into t values (1); drop table t", ""},
        {"   ", ""},
    };
    for (const Failure &failure : failures) {
        const CString description = ComErrorOf([&] { connection->Execute(failure.sql); });
        if (*failure.description)
            EXPECT_STREQ(failure.description, description) << failure.sql;
        else
            EXPECT_STRNE("", description) << failure.sql;
    }
    RecordsetPtr rows;
    rows.CreateInstance();
    rows->Open("select count(*) from t", connection);
    EXPECT_EQ(0, rows->GetFieldValue(0).AsInt());
}

TEST_F(ConnectionTest, AddingAColumnTwiceFailsTheSecondTime)
{
    ConnectionPtr connection = OpenOn(folder_.CreateDatabase("m.mdb", "create table [postepowanie] (id integer);"));
    connection->Execute("alter table [postepowanie] add [sygnatura] memo");
    EXPECT_STREQ("duplicate column name: sygnatura",
                 ComErrorOf([&] { connection->Execute("alter table [postepowanie] add [sygnatura] memo"); }));
}

TEST_F(ConnectionTest, KeepsJetTypedValuesAsWritten)
{
    ConnectionPtr connection = OpenOn(folder_.CreateDatabase("m.mdb", ""));
    connection->Execute("create table [t] ([id] long, [m] memo, [c] currency, [d] datetime)");
    connection->Execute("alter table [t] add [m2] memo");
    connection->Execute("insert into [t] values ('42', '0012', '12.50', '2024-03-01 08:05', '007')");

    RecordsetPtr rows;
    rows.CreateInstance();
    rows->Open("select [id], [m], [c], [d], [m2] from [t]", connection);
    EXPECT_EQ(VariantType::Integer, rows->GetFieldValue("id").Type());
    EXPECT_EQ(42, rows->GetFieldValue("id").AsInt());
    EXPECT_EQ(VariantType::Text, rows->GetFieldValue("m").Type());
    EXPECT_STREQ("0012", rows->GetFieldValue("m").AsText());
    EXPECT_DOUBLE_EQ(12.5, rows->GetFieldValue("c").AsDouble());
    EXPECT_STREQ("2024-03-01 08:05", rows->GetFieldValue("d").AsText());
    EXPECT_STREQ("007", rows->GetFieldValue("m2").AsText());
}

TEST_F(ConnectionTest, UserTextWithQuotesNeverActsAsSql)
{
    ConnectionPtr connection = OpenOn(folder_.CreateDatabase("m.mdb", "create table t (id integer, name text);"));
    const char *hostile = "O'Brien'); drop table t; --";
    connection->Execute("insert into t values (?, ?)", {1, hostile});
    // The apostrophe-doubling route of the program's own statements works as well.
    connection->Execute("insert into t values (2, 'O''Brien')");

    RecordsetPtr rows;
    rows.CreateInstance();
    rows->Open("select name from t where id = ? or name = ? order by id", connection, {Variant::MakeNull(), "O'Brien"});
    ASSERT_FALSE(rows->IsEOF());
    EXPECT_STREQ("O'Brien", rows->GetFieldValue(0).AsText());
    rows->Close();
    rows->Open("select name from t where id = ?", connection, {1});
    EXPECT_STREQ(hostile, rows->GetFieldValue(0).AsText());
}

TEST_F(ConnectionTest, RefusesAWrongNumberOfParameters)
{
    ConnectionPtr connection = OpenOn(folder_.CreateDatabase("m.mdb", "create table t (a integer, b integer);"));
    EXPECT_STRNE("", ComErrorOf([&] { connection->Execute("insert into t values (?, ?)", {1}); }));
    EXPECT_STRNE("", ComErrorOf([&] { connection->Execute("insert into t values (1, 2)", {3}); }));
}

TEST_F(ConnectionTest, SharedReferencesSeeOneConnection)
{
    ConnectionPtr empty;
    EXPECT_TRUE(empty == nullptr);
    EXPECT_STRNE("", ComErrorOf([&] { empty->Execute("select 1"); }));

    ConnectionPtr copy;
    {
        ConnectionPtr original = OpenOn(folder_.CreateDatabase("m.mdb", ""));
        copy = original;
    }
    copy->Execute("create table t (a integer)"); // still open through the copy
    ConnectionPtr other = copy;
    other->Close();
    EXPECT_FALSE(copy->IsOpen());
    EXPECT_STRNE("", ComErrorOf([&] { copy->Execute("select 1"); }));
    other.Release();
    EXPECT_TRUE(other == nullptr);
    EXPECT_TRUE(copy != nullptr);
}

} // namespace
