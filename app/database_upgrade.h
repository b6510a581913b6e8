// What the main window does with the main database once it is open: add the columns that
// older databases lack, and register the proceedings on disk that the database never saw.
#pragma once

#include "framework/db/connection.h"

class CMorvelankApp;

// A column that is already there is left as it is; nothing is shown.
void UpdateMorvelankDatabase(const ConnectionPtr &connection);
// Every subfolder of WorkingPath whose record holds no database id gets one: the record file
// is written again with it and the proceeding's row is written. Nothing when WorkingPath is empty.
void ImportAllMorvelank(CMorvelankApp &app);
