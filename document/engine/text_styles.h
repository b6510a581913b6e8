// The character formats the engine gives to what it inserts: values by their state, headings,
// tables, links. Each sets only the fields its mask names.
#pragma once

#include <windows.h>
#include <richedit.h>

enum class TextStyle {
    ExportText,
    ExportPlain,
    Black,
    Disabled,
    Heading,
    Value,
    Plain,
    PlainDisabled,
    FixedText,
    DefaultValue,
    Table,
    ExportTable,
    AddEntry,
    InsertedText,
};

CHARFORMAT2W MakeTextStyle(TextStyle style);
