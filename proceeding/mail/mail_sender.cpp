#include "proceeding/mail/mail_sender.h"

namespace {

struct FailureText {
    unsigned long result;
    const char *text;
};

const FailureText kFailures[] = {
    {2, "program pocztowy zgłosił błąd"},
    {3, "nie udało się zalogować do programu pocztowego"},
    {4, "brak miejsca na dysku"},
    {5, "brak pamięci"},
    {6, "odmowa dostępu"},
    {8, "zbyt wiele otwartych sesji poczty"},
    {9, "zbyt wiele załączników"},
    {10, "zbyt wielu adresatów"},
    {11, "nie znaleziono pliku załącznika"},
    {12, "nie można otworzyć pliku załącznika"},
    {13, "nie można zapisać pliku załącznika"},
    {14, "nieznany adresat"},
    {15, "błędny rodzaj adresata"},
    {17, "nieprawidłowa wiadomość"},
    {18, "zbyt długa treść wiadomości"},
    {19, "nieprawidłowa sesja poczty"},
    {21, "niejednoznaczny adresat"},
    {23, "błąd sieci"},
    {25, "nieprawidłowi adresaci"},
    {26, "program pocztowy nie obsługuje wysyłania wiadomości"},
};

} // namespace

CString MailFailureReason(unsigned long result)
{
    for (const FailureText &failure : kFailures)
        if (failure.result == result)
            return failure.text;
    CString text;
    text.Format("nieznany błąd poczty (kod %lu)", result);
    return text;
}
