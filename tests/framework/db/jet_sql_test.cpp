#include <gtest/gtest.h>

#include "framework/db/jet_sql.h"

namespace {

struct Translation {
    const char *jet;
    const char *sqlite;
};

const Translation kTranslations[] = {
    // The column-adding statements of the upgrade, with and without COLUMN.
    {"alter table [postepowanie] add [sygnatura] memo", "alter table [postepowanie] add [sygnatura] TEXT"},
    {"ALTER TABLE t ADD COLUMN d DateTime NOT NULL", "ALTER TABLE t ADD COLUMN d TEXT NOT NULL"},
    {"alter table [postepowanie] add [data_utworzenia] text", "alter table [postepowanie] add [data_utworzenia] text"},
    // Every Jet type of a CREATE TABLE; names that look like types stay names.
    {"create table t ([memo] memo, long long, c counter primary key, m currency, x text(50))",
     "create table t ([memo] TEXT, long INTEGER, c INTEGER primary key, m REAL, x text(50))"},
    {"create table if not exists main.t (a memo default 'memo', b char(3), constraint k unique (a))",
     "create table if not exists main.t (a TEXT default 'memo', b char(3), constraint k unique (a))"},
    {"CREATE TABLE t (a numeric(10, 2), b memo)", "CREATE TABLE t (a numeric(10, 2), b TEXT)"},
    // Outside the DDL nothing is touched, literals and comments included.
    {"select memo, long from t where x = 'a memo'", "select memo, long from t where x = 'a memo'"},
    {"insert into t values ('alter table t add c memo')", "insert into t values ('alter table t add c memo')"},
    {"create table t (a /* memo */ integer, b -- long\n long)",
     "create table t (a /* memo */ integer, b -- long\n INTEGER)"},
    {"create table t as select 1 as memo", "create table t as select 1 as memo"},
};

TEST(JetSqlTest, MapsJetTypesOnlyWhereTheyNameAColumnType)
{
    for (const Translation &entry : kTranslations)
        EXPECT_EQ(entry.sqlite, TranslateJetSql(entry.jet)) << entry.jet;
}

} // namespace
