#include "app/app_settings.h"

CString ContractsDataPath(const AppSettings &settings)
{
    return settings.MainPath + "\\umowy\\umowy.dat";
}
