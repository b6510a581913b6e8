#include <gtest/gtest.h>

#include "test_support.h"
#include "framework/db/db.h"

namespace {

// The shipped databases, built from install/DB as the run command builds them, queried with
// the statements the program sends.
class ShippedSchemaTest : public ::testing::Test {
protected:
    ConnectionPtr OpenShipped(const char *name, const char *password = nullptr)
    {
        const CString path = folder_.CreateDatabase(CString(name) + ".mdb", ReadShippedSchema(name));
        ConnectionPtr connection;
        connection.CreateInstance();
        connection->Open(ConnectionStringFor(path, password));
        return connection;
    }

    int SelectInt(const ConnectionPtr &connection, const char *sql)
    {
        RecordsetPtr rows;
        rows.CreateInstance();
        rows->Open(sql, connection);
        return rows->IsEOF() ? 0 : rows->GetFieldValue(0).AsInt();
    }

    DbFolder folder_;
};

TEST_F(ShippedSchemaTest, MainDatabaseCountsIdsAndListsProceedings)
{
    ConnectionPtr db = OpenShipped("morvelank", "Qm7rWz2K");

    // An empty counter reads as 0 from both of its queries.
    EXPECT_EQ(0, SelectInt(db, "select count(maxid) as c from maxid"));
    EXPECT_EQ(0, SelectInt(db, "select max(maxid) as c from maxid"));
    db->Execute("insert into maxid values (1)");
    db->Execute("update maxid set maxid=42");
    EXPECT_EQ(42, SelectInt(db, "select max(maxid) as c from maxid"));

    // The upgrade's columns are already there: every one of its statements fails.
    for (const char *upgrade :
         {"alter table [postepowanie] add [sygnatura] memo", "alter table [postepowanie] add [data_utworzenia] text",
          "alter table [postepowanie] add [data_ost_modyf] text"})
        EXPECT_THROW(db->Execute(upgrade), ComError) << upgrade;

    db->Execute("insert into postepowanie(id) values (42)");
    db->Execute("update postepowanie set wersja=114,\ntryb=3,\ntryb2=1,\npole0='0012' , "
                "[sygnatura]='ZP/1''24' , [data_utworzenia]='2024-03-01 08:05' , "
                "[data_ost_modyf]='2024-03-02 09:00'  where id = 42");
    db->Execute("insert into postepowanie(id) values (7)");
    EXPECT_EQ(1, SelectInt(db, "select count(*) as c from postepowanie where id=42"));

    RecordsetPtr rows;
    rows.CreateInstance();
    rows->Open("select [id], [wersja], [tryb], [tryb2], [sygnatura], [data_utworzenia], "
               "[data_ost_modyf] from [postepowanie] order by [id]",
               db);
    ASSERT_FALSE(rows->IsEOF());
    EXPECT_EQ(7, rows->GetFieldValue("id").AsInt());
    EXPECT_TRUE(rows->GetFieldValue("wersja").IsNull());
    EXPECT_TRUE(rows->GetFieldValue("sygnatura").IsNull());
    rows->MoveNext();
    EXPECT_EQ(114, rows->GetFieldValue("wersja").AsInt());
    EXPECT_EQ(3, rows->GetFieldValue("tryb").AsInt());
    EXPECT_STREQ("ZP/1'24", rows->GetFieldValue("sygnatura").AsText());
    EXPECT_STREQ("2024-03-01 08:05", rows->GetFieldValue("data_utworzenia").AsText());
    rows->MoveNext();
    EXPECT_TRUE(rows->IsEOF());
    rows->Close();
    rows->Open("select pole0 from postepowanie where id = 42", db);
    EXPECT_STREQ("0012", rows->GetFieldValue(0).AsText());
}

TEST_F(ShippedSchemaTest, RegistersDatabaseAnswersTheContractorQueries)
{
    ConnectionPtr db = OpenShipped("rejestry");
    db->Execute("insert into rej_wykonawcow (lp, field1, field2, field7) values (?, ?, ?, ?)",
                {5, "Łódzkie Zakłady Sp. z o.o.", "ul. Piotrkowska 1", Variant::MakeNull()});

    RecordsetPtr rows;
    rows.CreateInstance();
    rows->Open("select lp , field1, field2, field3, field4, field5, field6, field7, field8 "
               "from rej_wykonawcow ",
               db);
    ASSERT_EQ(9, rows->GetFieldCount());
    rows->Close();
    rows->Open("select [lp], field1, field2, field7 from rej_wykonawcow where [lp]=5", db);
    ASSERT_FALSE(rows->IsEOF());
    EXPECT_EQ(5, rows->GetFieldValue("lp").AsInt());
    EXPECT_STREQ("Łódzkie Zakłady Sp. z o.o.", rows->GetFieldValue("field1").AsText());
    EXPECT_STREQ("", rows->GetFieldValue("field7").AsText());
}

} // namespace
