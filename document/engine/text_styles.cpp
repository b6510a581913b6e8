#include "document/engine/text_styles.h"

#include <cwchar>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGrey = RGB(95, 95, 95);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

CHARFORMAT2W Format(DWORD mask, DWORD effects, COLORREF colour, const wchar_t *face = nullptr)
{
    CHARFORMAT2W format = {};
    format.cbSize = sizeof format;
    format.dwMask = mask;
    format.dwEffects = effects;
    format.crTextColor = colour;
    if (face)
        wcsncpy(format.szFaceName, face, LF_FACESIZE - 1);
    return format;
}

// A value-like style: face and white background; strike-out is in every mask so that a value
// never inherits the struck-out look of the text it replaced.
CHARFORMAT2W OnWhite(DWORD mask, DWORD effects, COLORREF colour, const wchar_t *face)
{
    CHARFORMAT2W format = Format(mask | CFM_COLOR | CFM_FACE | CFM_BACKCOLOR | CFM_STRIKEOUT, effects, colour, face);
    format.crBackColor = kWhite;
    return format;
}

} // namespace

CHARFORMAT2W MakeTextStyle(TextStyle style)
{
    const DWORD plain = CFM_COLOR | CFM_STRIKEOUT;
    switch (style) {
    // The export styles name the background too, but in the short format that has no
    // background field, so the control leaves the background as it is.
    case TextStyle::ExportText:
    case TextStyle::ExportPlain:
    case TextStyle::Black:
        return Format(plain | CFM_FACE, 0, kBlack, L"Arial");
    case TextStyle::Disabled:
        return Format(plain | CFM_FACE, CFE_STRIKEOUT, kGrey, L"Arial");
    case TextStyle::Heading:
        return Format(CFM_COLOR | CFM_BOLD, CFE_BOLD, kBlack);
    case TextStyle::Value:
        return OnWhite(0, 0, kBlue, L"Arial");
    case TextStyle::Plain:
        return Format(plain, 0, kBlack);
    case TextStyle::PlainDisabled:
        return Format(plain, CFE_STRIKEOUT, kGrey);
    case TextStyle::FixedText:
        return OnWhite(0, 0, RGB(0, 135, 0), L"Arial");
    case TextStyle::DefaultValue:
        return OnWhite(0, 0, RGB(128, 128, 255), L"Arial");
    case TextStyle::Table:
        return OnWhite(0, 0, kBlue, L"Courier New");
    case TextStyle::ExportTable:
        return Format(plain | CFM_FACE, 0, kBlack, L"Courier New");
    case TextStyle::AddEntry:
        return OnWhite(CFM_ITALIC | CFM_IMPRINT, CFE_ITALIC | CFE_IMPRINT, RGB(180, 0, 0), L"Arial");
    case TextStyle::InsertedText:
        return OnWhite(CFM_BOLD | CFM_ITALIC, 0, kBlack, L"Arial");
    }
    return Format(0, 0, kBlack);
}
