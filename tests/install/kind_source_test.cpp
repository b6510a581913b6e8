// The text sources of the starting data: what a source gives, and that every fault names its
// file and line so that the build stops where the source is wrong.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_folder.h"
#include "tools/datagen/kind_source.h"

namespace {

const std::string kKindHeader = u8"[postępowanie]\nkod = 62\nwersja = 114\n";

TEST(KindSource, IncludedBlocksAreCompletedAndOverriddenInOrder)
{
    TestFolder folder;
    TestFolder::WriteBytes(folder / "wspolne.txt",
                           u8"# wspólne\n"
                           u8"[001]\ntyp = tekst\netykieta = Nazwa zamawiającego\nwartość = pierwotna\n\n"
                           u8"[A05]\ntyp = tabela-kolumny\nwiersz = a|b\nwiersz = c|d\n\n"
                           u8"[126]\ntyp = opcja\ngrupa = 126\n");
    TestFolder::WriteBytes(folder / "postepowanie63.txt",
                           "\xEF\xBB\xBF" + kKindHeader
                               + u8"wlacz = wspolne.txt\r\n\r\n"
                                 u8"[001]\nwartość = nadpisana\n\n"
                                 u8"[040]\ntyp = data-termin\nwartość = dzisiaj\n\n"
                                 u8"[060]\ntyp = kwota-zl\n\n[061]\ntyp = kwota-euro\nwartość = 12 000,00\n");
    KindSource kind;
    CString error;
    ASSERT_TRUE(ReadKindSource(folder / "postepowanie63.txt", kind, error)) << error;
    EXPECT_EQ(62, kind.procedureCode);
    EXPECT_EQ(114, kind.version);
    ASSERT_EQ(6u, kind.variables.size());
    EXPECT_EQ(0, kind.variables[1].type);
    EXPECT_STREQ("Nazwa zamawiającego", kind.variables[1].label);
    EXPECT_STREQ("nadpisana", kind.variables[1].value);
    EXPECT_EQ(36, kind.variables[1005].type);
    EXPECT_STREQ("a|b\nc|d\n", kind.variables[1005].value);
    EXPECT_EQ(126, kind.variables[126].group);
    EXPECT_EQ(0, kind.variables[126].selected);
    EXPECT_EQ(17, kind.variables[40].type);
    EXPECT_STREQ("1600-02-32", kind.variables[40].value);
    EXPECT_STREQ("0,00", kind.variables[60].value);
    EXPECT_STREQ("12 000,00", kind.variables[61].value);
}

TEST(KindSource, FaultsNameTheirFileAndLine)
{
    struct Case {
        std::string source; // after the header of the kind file, which takes lines 1 to 3
        const char *error;  // after the folder
    };
    const Case cases[] = {
        {u8"[001]\ntyp = tekstt\n", "postepowanie63.txt:5: nieznany typ zmiennej: tekstt"},
        {u8"[001]\ntyp = tekst\nkolor = zielony\n", "postepowanie63.txt:6: nieznane pole zmiennej: kolor"},
        {u8"[001]\ntyp tekst\n", "postepowanie63.txt:5: oczekiwano \"klucz = wartość\""},
        {u8"[01]\n", "postepowanie63.txt:4: identyfikator zmiennej to trzy cyfry albo litera i dwie cyfry: [01]"},
        {u8"[a05]\n", "postepowanie63.txt:4: identyfikator zmiennej to trzy cyfry albo litera i dwie cyfry: [a05]"},
        {u8"[U00]\n", "postepowanie63.txt:4: numer zmiennej zajęty przez kopie bloków powtarzanych: [U00]"},
        {u8"[001\n", "postepowanie63.txt:4: nagłówek bloku bez zamykającego \"]\""},
        {u8"[001]\ntyp = tekst\nwartość = Жук\n",
         "postepowanie63.txt:6: znak spoza strony kodowej 1250 albo błędny zapis UTF-8"},
        {u8"[001]\ntyp = opcja\nzaznaczona = może\n", "postepowanie63.txt:6: zaznaczona = tak albo nie, nie: może"},
        {u8"[001]\ntyp = opcja\ngrupa = pierwsza\n", "postepowanie63.txt:6: oczekiwano liczby: pierwsza"},
        {u8"[030]\ntyp = data\nwartość = 2025-9-1\n",
         "postepowanie63.txt:6: data to \"dzisiaj\" albo RRRR-MM-DD, nie: 2025-9-1"},
        {u8"\n[030]\netykieta = Data\n", "postepowanie63.txt:5: brak pola \"typ\""},
        {u8"wlacz = brak.txt\n", "postepowanie63.txt:4: nie ma dołączanego pliku brak.txt"},
        {u8"wlacz = inny.txt\n", "inny.txt:2: blok [postępowanie] może stać tylko w pliku postepowanie<N>.txt"},
        {u8"kod = 100\n", "postepowanie63.txt:4: liczba 100 poza zakresem 0..99"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.error);
        TestFolder folder;
        TestFolder::WriteBytes(folder / "inny.txt", u8"# dołączany\n[postępowanie]\n");
        TestFolder::WriteBytes(folder / "postepowanie63.txt", kKindHeader + c.source);
        KindSource kind;
        CString error;
        EXPECT_FALSE(ReadKindSource(folder / "postepowanie63.txt", kind, error));
        EXPECT_STREQ(folder / c.error, error);
    }

    TestFolder folder;
    TestFolder::WriteBytes(folder / "postepowanie63.txt", u8"[postępowanie]\nwersja = 114\n");
    KindSource kind;
    CString error;
    EXPECT_FALSE(ReadKindSource(folder / "postepowanie63.txt", kind, error));
    EXPECT_STREQ(folder / "postepowanie63.txt: brak pola \"kod\" albo \"wersja\" w bloku [postępowanie]", error);
}

// A kind of three variables under the example sources below.
KindSource ReadSmallKind(const TestFolder &folder)
{
    TestFolder::WriteBytes(folder / "postepowanie63.txt",
                           kKindHeader
                               + u8"[001]\ntyp = tekst\netykieta = Nazwa zamawiającego\nwartość = domyślna\n"
                                 u8"[030]\ntyp = data\nwartość = dzisiaj\n"
                                 u8"[126]\ntyp = opcja\ngrupa = 126\nzaznaczona = nie\n");
    KindSource kind;
    CString error;
    EXPECT_TRUE(ReadKindSource(folder / "postepowanie63.txt", kind, error)) << error;
    return kind;
}

TEST(ExampleSource, GivesTheNameAndChangesOnlyValuesAndSelections)
{
    TestFolder folder;
    KindSource kind = ReadSmallKind(folder);
    TestFolder::WriteBytes(folder / "przyklad.txt", u8"# przykład\n[przykład]\nnazwa = Dostawa tonerów\n\n"
                                                    u8"[001]\nwiersz = Gmina\nwiersz = Wierzbnica\n"
                                                    u8"[030]\nwartość = 2025-10-14\n"
                                                    u8"[126]\nzaznaczona = tak\n");
    CString name, error;
    ASSERT_TRUE(ReadExampleSource(folder / "przyklad.txt", kind, name, error)) << error;
    EXPECT_STREQ("Dostawa tonerów", name);
    ASSERT_EQ(3u, kind.variables.size());
    EXPECT_EQ(0, kind.variables[1].type);
    EXPECT_STREQ("Nazwa zamawiającego", kind.variables[1].label);
    EXPECT_STREQ("Gmina\nWierzbnica\n", kind.variables[1].value);
    EXPECT_STREQ("2025-10-14", kind.variables[30].value);
    EXPECT_EQ(126, kind.variables[126].group);
    EXPECT_EQ(1, kind.variables[126].selected);
}

TEST(ExampleSource, FaultsNameTheirFileAndLine)
{
    struct Case {
        std::string source;
        const char *error; // after the folder
    };
    const Case cases[] = {
        {u8"[przykład]\nnazwa = Dostawa\n[002]\nwartość = x\n",
         "przyklad.txt:3: przykład podaje zmienną, której rodzaj postępowania nie ma: [002]"},
        {u8"[przykład]\nnazwa = Dostawa\n[001]\ntyp = data\n",
         "przyklad.txt:4: przykład zmienia tylko pola \"wartość\", \"wiersz\" i \"zaznaczona\", nie: typ"},
        {u8"[przykład]\nnazwa = Dostawa\n[001]\netykieta = Inna\n",
         "przyklad.txt:4: przykład zmienia tylko pola \"wartość\", \"wiersz\" i \"zaznaczona\", nie: etykieta"},
        {u8"[przykład]\nnazwa = Dostawa\n[030]\nwartość = dzisiaj\n",
         "przyklad.txt:4: data przykładu to RRRR-MM-DD, nie \"dzisiaj\""},
        {u8"[przykład]\nnazwa = Dostawa\n[030]\nwartość = 14.10.2025\n",
         "przyklad.txt:4: data to \"dzisiaj\" albo RRRR-MM-DD, nie: 14.10.2025"},
        {u8"[przykład]\nnazwa = Dostawa\\tonery\n",
         "przyklad.txt:2: nazwa przykładu musi być dopuszczalną nazwą pliku: Dostawa\\tonery"},
        {u8"[przykład]\nrodzaj = 64\n", "przyklad.txt:2: nieznane pole bloku [przykład]: rodzaj"},
        {u8"[postępowanie]\nkod = 64\n",
         "przyklad.txt:1: blok [postępowanie] może stać tylko w pliku postepowanie<N>.txt"},
        {u8"[001]\nwartość = Gmina\n", "przyklad.txt: brak bloku [przykład] z polem \"nazwa\""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.error);
        TestFolder folder;
        KindSource kind = ReadSmallKind(folder);
        TestFolder::WriteBytes(folder / "przyklad.txt", c.source);
        CString name, error;
        EXPECT_FALSE(ReadExampleSource(folder / "przyklad.txt", kind, name, error));
        EXPECT_STREQ(folder / c.error, error);
    }
}

} // namespace
