#include "framework/db/jet_sql.h"

#include <cctype>
#include <vector>

namespace {

enum class TokenKind { Blank, Word, Quoted, Punct };

struct Token {
    TokenKind kind;
    std::string text;
};

bool IsWordByte(unsigned char c)
{
    return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80;
}

// Reads the quoted run that starts at sql[i] and ends with `close` (doubled to escape).
size_t QuotedEnd(const std::string &sql, size_t i, char close)
{
    size_t j = i + 1;
    while (j < sql.size()) {
        if (sql[j] == close) {
            if (close != ']' && j + 1 < sql.size() && sql[j + 1] == close) {
                j += 2;
                continue;
            }
            return j + 1;
        }
        ++j;
    }
    return sql.size();
}

std::vector<Token> Tokenize(const std::string &sql)
{
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < sql.size()) {
        const unsigned char c = sql[i];
        size_t end = i + 1;
        TokenKind kind = TokenKind::Punct;
        if (std::isspace(c)) {
            while (end < sql.size() && std::isspace(static_cast<unsigned char>(sql[end])))
                ++end;
            kind = TokenKind::Blank;
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            end = sql.find('\n', i);
            end = end == std::string::npos ? sql.size() : end;
            kind = TokenKind::Blank;
        } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
            end = sql.find("*/", i + 2);
            end = end == std::string::npos ? sql.size() : end + 2;
            kind = TokenKind::Blank;
        } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
            end = QuotedEnd(sql, i, c == '[' ? ']' : static_cast<char>(c));
            kind = TokenKind::Quoted;
        } else if (IsWordByte(c)) {
            while (end < sql.size() && IsWordByte(static_cast<unsigned char>(sql[end])))
                ++end;
            kind = TokenKind::Word;
        }
        tokens.push_back({kind, sql.substr(i, end - i)});
        i = end;
    }
    return tokens;
}

bool Is(const Token *token, const char *word)
{
    if (!token || token->kind != TokenKind::Word)
        return false;
    const std::string &text = token->text;
    size_t k = 0;
    for (; word[k]; ++k) {
        if (k >= text.size()
            || std::tolower(static_cast<unsigned char>(text[k])) != static_cast<unsigned char>(word[k]))
            return false;
    }
    return k == text.size();
}

const char *SqliteTypeFor(const Token &type)
{
    static const struct {
        const char *jet;
        const char *sqlite;
    } kTypes[] = {
        {"memo", "TEXT"}, {"datetime", "TEXT"}, {"long", "INTEGER"}, {"counter", "INTEGER"}, {"currency", "REAL"}};
    for (const auto &entry : kTypes)
        if (Is(&type, entry.jet))
            return entry.sqlite;
    return nullptr;
}

// Walks the significant tokens (no blanks) of one statement.
class Statement {
public:
    explicit Statement(std::vector<Token> &tokens)
    {
        for (Token &token : tokens)
            if (token.kind != TokenKind::Blank)
                significant_.push_back(&token);
    }
    Token *At(size_t i) const { return i < significant_.size() ? significant_[i] : nullptr; }
    size_t Size() const { return significant_.size(); }

    // Maps the type that follows the column name at position `name`.
    void MapColumnType(size_t name)
    {
        Token *type = At(name + 1);
        if (!type || type->kind != TokenKind::Word)
            return;
        if (const char *sqlite = SqliteTypeFor(*type))
            type->text = sqlite;
    }

    // Position after "table [if not exists] name[.name]" that starts at `table`.
    size_t SkipTableName(size_t table) const
    {
        size_t i = table + 1;
        if (Is(At(i), "if") && Is(At(i + 1), "not") && Is(At(i + 2), "exists"))
            i += 3;
        ++i;
        while (At(i) && At(i)->text == "." && At(i + 1))
            i += 2;
        return i;
    }

private:
    std::vector<Token *> significant_;
};

bool IsTableConstraint(const Token *token)
{
    return Is(token, "constraint") || Is(token, "primary") || Is(token, "unique") || Is(token, "check")
           || Is(token, "foreign");
}

void MapCreateTable(Statement &statement, size_t table)
{
    size_t i = statement.SkipTableName(table);
    if (!statement.At(i) || statement.At(i)->text != "(")
        return;
    bool atDefinitionStart = true;
    int depth = 1;
    for (++i; i < statement.Size() && depth > 0; ++i) {
        const std::string &text = statement.At(i)->text;
        if (atDefinitionStart && depth == 1 && !IsTableConstraint(statement.At(i)))
            statement.MapColumnType(i);
        atDefinitionStart = false;
        if (text == "(")
            ++depth;
        if (text == ")")
            --depth;
        if (text == "," && depth == 1)
            atDefinitionStart = true;
    }
}

void MapAlterTableAdd(Statement &statement)
{
    size_t i = statement.SkipTableName(1);
    if (!Is(statement.At(i), "add"))
        return;
    ++i;
    if (Is(statement.At(i), "column"))
        ++i;
    statement.MapColumnType(i);
}

} // namespace

std::string TranslateJetSql(const std::string &sql)
{
    std::vector<Token> tokens = Tokenize(sql);
    Statement statement(tokens);
    if (Is(statement.At(0), "create")) {
        size_t table = 1;
        if (Is(statement.At(1), "temp") || Is(statement.At(1), "temporary"))
            table = 2;
        if (!Is(statement.At(table), "table"))
            return sql;
        MapCreateTable(statement, table);
    } else if (Is(statement.At(0), "alter") && Is(statement.At(1), "table")) {
        MapAlterTableAdd(statement);
    } else {
        return sql;
    }
    std::string result;
    result.reserve(sql.size() + 16);
    for (const Token &token : tokens)
        result += token.text;
    return result;
}
