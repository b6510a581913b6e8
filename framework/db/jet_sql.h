#pragma once
// Jet SQL as the program writes it, made to run on SQLite.
#include <string>

// Returns the statement with the Jet type names of a CREATE TABLE or ALTER TABLE ... ADD
// column mapped to SQLite types whose affinity keeps the stored values as written: memo and
// datetime become TEXT (a bare "memo" would get NUMERIC affinity and turn "0012" into 12),
// long and counter INTEGER, currency REAL. Other statements, and names, literals and comments
// anywhere, come back unchanged. The text is UTF-8.
std::string TranslateJetSql(const std::string &sql);
