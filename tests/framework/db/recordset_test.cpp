#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <string>
#include <utility>

#include "test_support.h"
#include "framework/db/db.h"
#include "framework/db/text_codec.h"

namespace {

// The same Polish text in the program's code page and as the database stores it.
const char kPolishCp1250[] = "Zażółć gęślą jaźń ŻÓŁĆ";
const char kPolishUtf8[] = u8"Zażółć gęślą jaźń ŻÓŁĆ";

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = folder_.CreateDatabase("r.mdb", "create table t (id integer primary key, name text, amount real);");
        connection_.CreateInstance();
        connection_->Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source = " + path_ + ";");
        rows_.CreateInstance();
    }

    // The stored bytes of one text field, read past the layer.
    std::string StoredText(const char *sql)
    {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(Utf8FromCp1250(path_).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        std::string text;
        if (sqlite3_step(statement) == SQLITE_ROW)
            text = reinterpret_cast<const char *>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return text;
    }

    DbFolder folder_;
    CString path_;
    ConnectionPtr connection_;
    RecordsetPtr rows_;
};

TEST_F(RecordsetTest, IteratesRowsWithNullsAndPolishText)
{
    connection_->Execute(CString("insert into t values (1, '") + kPolishCp1250 + "', 2.5)");
    connection_->Execute("insert into t values (2, '', null)");
    connection_->Execute("insert into t values (3, null, 7)");

    EXPECT_EQ(kPolishUtf8, StoredText("select name from t where id = 1"));

    rows_->Open("select id, name as [Nazwa], amount from t order by id", connection_);
    ASSERT_EQ(3, rows_->GetFieldCount());
    EXPECT_STREQ("Nazwa", rows_->GetFieldName(1));

    struct Expected {
        int id;
        VariantType nameType;
        const char *name;
        VariantType amountType;
        const char *amount;
    };
    const Expected expected[] = {
        {1, VariantType::Text, kPolishCp1250, VariantType::Double, "2.5"},
        {2, VariantType::Text, "", VariantType::Null, ""},
        {3, VariantType::Null, "", VariantType::Double, "7"},
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (const Expected &row : expected) {
            ASSERT_FALSE(rows_->IsEOF());
            EXPECT_EQ(row.id, rows_->GetFieldValue(0).AsInt());
            EXPECT_EQ(row.nameType, rows_->GetFieldValue("nazwa").Type()) << row.id;
            EXPECT_STREQ(row.name, rows_->GetFieldValue("NAZWA").AsText()) << row.id;
            EXPECT_EQ(row.amountType, rows_->GetFieldValue(2).Type()) << row.id;
            EXPECT_STREQ(row.amount, rows_->GetFieldValue("amount").AsText()) << row.id;
            rows_->MoveNext();
        }
        EXPECT_TRUE(rows_->IsEOF());
        rows_->MoveFirst();
    }
}

TEST_F(RecordsetTest, PolishTextRoundTripsThroughParametersAndQueries)
{
    connection_->Execute("insert into t (id, name) values (?, ?)", {1, kPolishCp1250});
    EXPECT_EQ(kPolishUtf8, StoredText("select name from t"));
    rows_->Open(CString("select id from t where name = '") + kPolishCp1250 + "'", connection_);
    ASSERT_FALSE(rows_->IsEOF());
    EXPECT_EQ(1, rows_->GetFieldValue(0).AsInt());
}

TEST_F(RecordsetTest, AnEmptyResultIsAtItsEndAtOnce)
{
    rows_->Open("select max(id) as c from t where id > 100", connection_);
    ASSERT_FALSE(rows_->IsEOF());
    EXPECT_TRUE(rows_->GetFieldValue("c").IsNull());
    EXPECT_EQ(0, rows_->GetFieldValue("c").AsInt());
    rows_->Close();
    rows_->Open("select id from t", connection_);
    EXPECT_TRUE(rows_->IsEOF());
}

TEST_F(RecordsetTest, MisuseIsAComErrorNotACrash)
{
    connection_->Execute("insert into t (id) values (1)");
    rows_->Open("select id from t", connection_);
    // In this order: each step leaves the recordset as the next one needs it.
    const std::pair<const char *, std::function<void()>> misuse[] = {
        {"open twice", [&] { rows_->Open("select 1", connection_); }},
        {"unknown name", [&] { rows_->GetFieldValue("brak"); }},
        {"index out of range", [&] { rows_->GetFieldValue(1); }},
        {"read past the end",
         [&] {
             rows_->MoveNext();
             rows_->GetFieldValue(0);
         }},
        {"move past the end", [&] { rows_->MoveNext(); }},
        {"closed",
         [&] {
             rows_->Close();
             rows_->IsEOF();
         }},
    };
    for (const auto &entry : misuse)
        EXPECT_STRNE("", ComErrorOf(entry.second)) << entry.first;

    RecordsetPtr other;
    other.CreateInstance();
    ConnectionPtr closed;
    closed.CreateInstance();
    EXPECT_THROW(other->Open("select 1", closed), ComError);
    EXPECT_THROW(other->Open("select 1", ConnectionPtr()), ComError);
    EXPECT_FALSE(other->IsOpen());
}

TEST(VariantTest, ReadsAsTextIntegerAndDouble)
{
    struct Case {
        Variant value;
        const char *text;
        int integer;
        double real;
    };
    const Case cases[] = {
        {Variant(), "", 0, 0},
        {Variant::MakeNull(), "", 0, 0},
        {Variant(7), "7", 7, 7},
        {Variant(-3000000000LL), "-3000000000", -2147483647 - 1, -3e9},
        {Variant(2.75), "2.75", 2, 2.75},
        {Variant("0012"), "0012", 12, 12},
        {Variant(" 41 zł"), " 41 zł", 41, 41},
        {Variant("abc"), "abc", 0, 0},
    };
    for (const Case &c : cases) {
        EXPECT_STREQ(c.text, c.value.AsText());
        EXPECT_EQ(c.integer, c.value.AsInt()) << c.text;
        EXPECT_DOUBLE_EQ(c.real, c.value.AsDouble()) << c.text;
    }
}

} // namespace
