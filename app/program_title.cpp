#include "app/program_title.h"

CString ProgramTitle()
{
    return "Morvelank, wrzesień 2025";
}
