#include "document/view/help_topics.h"

#include <climits>

namespace {

// A decimal number of digits only that fits an int; -1 otherwise.
int ParseTopicNumber(const CString &field)
{
    if (field.IsEmpty())
        return -1;
    long long number = 0;
    for (int i = 0; i < field.GetLength(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
        if (number > INT_MAX)
            return -1;
    }
    return static_cast<int>(number);
}

} // namespace

CString TopicFilePath(const CString &mainPath)
{
    return mainPath + "\\cnf\\qox.cnf";
}

CString NormaliseTopicText(const CString &text)
{
    CString normal = text;
    normal.Trim(' ');
    for (int round = 0; round < 4; ++round) {
        normal.Trim('I');
        normal.Trim('X');
        normal.Trim('V');
        normal.Trim('.');
    }
    normal.Trim(' ');
    return normal;
}

void ParseTopics(const CString &fileText, IdText (&topics)[kIdTexts])
{
    for (IdText &topic : topics)
        topic = IdText{-1, CString()};
    int filled = 0;
    int lineStart = 0;
    while (filled < kIdTexts && lineStart <= fileText.GetLength()) {
        int lineEnd = fileText.Find('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = fileText.GetLength();
        CString line = fileText.Mid(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        line.Trim(" \r\n");
        if (line.IsEmpty())
            continue;

        CString fields[2];
        int count = 0;
        int fieldStart = 0;
        while (fieldStart <= line.GetLength()) {
            int fieldEnd = line.Find(';', fieldStart);
            if (fieldEnd < 0)
                fieldEnd = line.GetLength();
            const CString field = line.Mid(fieldStart, fieldEnd - fieldStart);
            fieldStart = fieldEnd + 1;
            if (field.IsEmpty())
                continue;
            if (count < 2)
                fields[count] = field;
            ++count;
        }
        if (count != 2)
            continue;
        fields[1].Trim(' ');
        const int number = ParseTopicNumber(fields[1]);
        // A heading of a bare Roman number would begin every heading.
        const CString text = NormaliseTopicText(fields[0]);
        if (number <= 0 || text.IsEmpty())
            continue;
        topics[filled].id = number;
        topics[filled].text = text;
        ++filled;
    }
}

int FindTopic(const IdText (&topics)[kIdTexts], const CString &heading)
{
    const CString normal = NormaliseTopicText(heading);
    for (const IdText &topic : topics)
        if (normal.Left(topic.text.GetLength()) == topic.text)
            return topic.id;
    return -1;
}
