#pragma once
// Access to the program's SQLite databases: connections, recordsets, field values and errors.
#include "framework/db/com_error.h"
#include "framework/db/connection.h"
#include "framework/db/db_ptr.h"
#include "framework/db/recordset.h"
#include "framework/db/variant.h"
