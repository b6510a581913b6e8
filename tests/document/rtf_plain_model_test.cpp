// The plain-text model against the real control: the text Wine's rich edit shows once an RTF
// document is streamed in, and the place and format of every generated occurrence.
#include <gtest/gtest.h>

#include <string>

#include "document/engine/rtf_plain_model.h"
#include "model/view_tables.h"
#include "engine_fixture.h"

namespace {

std::wstring ControlText(HWND control)
{
    GETTEXTLENGTHEX request = {GTL_PRECISE | GTL_NUMCHARS, 1200};
    const int length =
        static_cast<int>(SendMessageW(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GETTEXTEX get = {};
    get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    get.flags = GT_DEFAULT;
    get.codepage = 1200;
    const LRESULT copied =
        SendMessageW(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string Visible(const std::wstring &text)
{
    std::string shown;
    for (wchar_t c : text) {
        char code[16];
        if (c == L'\r')
            shown += "\\r";
        else if (c == L'\n')
            shown += "\\n";
        else if (c == L'\t')
            shown += "\\t";
        else if (c >= 0x20 && c < 0x7F)
            shown += static_cast<char>(c);
        else {
            snprintf(code, sizeof code, "<%04x>", static_cast<unsigned>(c));
            shown += code;
        }
    }
    return shown;
}

} // namespace

class PlainModelTest : public EngineTest {
protected:
    void ExpectControlShowsModel(const CString &rtf)
    {
        ASSERT_TRUE(RichEditText(control).StreamInRtf(rtf));
        EXPECT_EQ(Visible(RtfPlainModel(rtf).Text()), Visible(ControlText(control)));
    }

    // The model's text is the control's, and every occurrence reads back in its predicted format.
    void ExpectGenerationAsPredicted()
    {
        const RtfPlainModel *model = engine->ShownModel();
        ASSERT_NE(nullptr, model);
        EXPECT_EQ(Visible(model->Text()), Visible(ControlText(control)));
        RichEditText text(control);
        for (const PredictedOccurrence &predicted : engine->Prediction()) {
            SCOPED_TRACE(predicted.position);
            if (predicted.length == 0)
                continue;
            text.SetSel(predicted.position, predicted.position + predicted.length);
            EXPECT_EQ(model->PlainText().Mid(predicted.position, predicted.length), text.GetSelectedText());
            const CHARFORMAT2W shown = text.GetSelectionFormat();
            const DWORD wanted = predicted.format.dwMask;
            if (wanted & CFM_COLOR) {
                EXPECT_EQ(predicted.format.crTextColor, shown.crTextColor);
            }
            if (wanted & CFM_BACKCOLOR) {
                EXPECT_EQ(predicted.format.crBackColor, shown.crBackColor);
            }
            const DWORD effects = wanted & (CFM_BOLD | CFM_ITALIC | CFM_STRIKEOUT | CFM_IMPRINT);
            EXPECT_EQ(effects, shown.dwMask & effects) << "the effects are the same all along";
            EXPECT_EQ(predicted.format.dwEffects & effects, shown.dwEffects & effects);
        }
    }

    // Values of every kind the engine renders, for whatever fixture.
    void SetUpValues()
    {
        for (int number = 1000; number < 1100; ++number)
            Variable(number, 0, "wartość ąę", number % 2);
        Variable(1007, 0, "").selected = 0;
        Variable(1009, 1, "").selected = 1;
        Variable(1010, 3, "").selected = 0;
        Variable(1011, 20, "");
        Variable(1012, 19, "nigdy");
        Variable(1013, 15, "a||b|");
        Variable(1014, 14, "a|b|c");
        Variable(1015, 13, "a|b ");
        Variable(1035, 35, "2;-1;-1;A;1;x;Bę;1;x;a1;b1;a2;");
        Variable(1102, 0, "Dodaj osobe|Czlonkowie komisji", 1);
    }
};

TEST_F(PlainModelTest, CountsAsTheControlCounts)
{
    const char *const cases[] = {
        "{\\rtf1 a\\par b\\par}",
        "{\\rtf1 a\\par b\\par\\par}",
        "{\\rtf1 a\\page b\\sect c\\par d}",
        "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset238 Arial;}}\\f0\\'b3 \\f1\\'b3 "
        "\xb3}",
        "{\\rtf1 a{\\v ukryty}b}",
        "{\\rtf1\\uc1 \\u261?\\u-10179?\\u-8704? x{\\uc2\\u322\\'b3\\'b3}y\\uc0\\u380 z}",
        "{\\rtf1 a{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}b}",
        "{\\rtf1 x\\par\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row\\intbl c\\cell\\cell\\row\\pard "
        "y\\par}",
        "{\\rtf1 a\\cell b\\row c}",
        "{\\rtf1 a\\tab b\\emdash c\\~d\\{\\}\\\\e\\line f}",
        "{\\rtf1{\\*\\generator x;}{\\info{\\title t}}{\\stylesheet{\\s0 Normal;}}a\r\nb}",
        "{\\rtf1{\\colortbl ;\\red1\\green2\\blue3;}{\\fonttbl{\\f0 Arial;}}{\\cf1\\highlight1 a}}",
    };
    for (const char *rtf : cases) {
        SCOPED_TRACE(rtf);
        ExpectControlShowsModel(rtf);
    }
}

TEST_F(PlainModelTest, EveryFixtureGeneratesAsPredicted)
{
    const char *const fixtures[] = {"tags.rtf",      "blocks.rtf",    "division.rtf",    "headings.rtf",
                                    "lists.rtf",     "pagebreak.rtf", "parts.rtf",       "dispatch.rtf",
                                    "tab_stops.rtf", "layout.rtf",    "block_layout.rtf"};
    for (const char *fixture : fixtures) {
        for (int parts : {-1, 2}) {
            SCOPED_TRACE(std::string(fixture) + (parts > 0 ? " in parts" : ""));
            tables->ResetVariables();
            SetUpValues();
            tables->m_nParts = parts;
            tables->m_partFlags[1] = 1;
            tables->m_pageBreaks[0] = {0, 16, 129};
            tables->m_pageBreaks[1] = {0, 3, 129};
            tables->m_nPageBreaks = 2;
            UseTemplate(fixture);
            engine->ShowDocument(0, -1);
            ExpectGenerationAsPredicted();
        }
    }
}
