// The program's two database connections, for code that needs nothing else of the
// application object.
#pragma once

#include "framework/db/connection.h"

class CProject;
class ProceedingVariables;

// Null when the database is not open or there is no application object.
ConnectionPtr GetMainDatabase();
ConnectionPtr GetRegistersDatabase();
// 1 when the main database is open, opening it first when it is not; 0 after a reported
// failure. Without an application object there is nothing to open: 1.
int EnsureMainDatabaseOpen();
// The proceeding's row of the main database, as the application object writes it; the pole
// columns and [sygnatura] only when the view's variables are given.
void ExportProceedingToDatabase(CProject &project, ProceedingVariables *variables);
