// The main menu's "Zestawienie prowadzonych postępowań": the summary of every proceeding of the
// main database.
#pragma once

class CWnd;

void RunProceedingsSummary(CWnd *parent);
