// Codes of the proceeding tree's items: document index x 1000 + point (0 the document itself,
// p its heading p, held in the heading slot 1000 + p).
#pragma once

inline int MakeItemCode(int document, int point)
{
    return document * 1000 + point;
}
inline int ItemCodeDocument(int code)
{
    return code < 0 ? 0 : code / 1000;
}
inline int ItemCodePart(int code)
{
    return code < 0 ? 0 : code % 1000;
}
inline int ItemCodeNextDocument(int code)
{
    return code + 1000;
}
inline int HeadingSlotToPoint(int slot)
{
    return slot < 1000 ? 0 : slot - 1000;
}

// Tree items that are no document.
const int kItemOwnFile = 1234567;
const int kItemMyDocuments = 1234568;
const int kItemReserved = 1234569;
const int kItemRoot = 1234570;
