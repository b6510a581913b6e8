#include "model/proceeding.h"

#include "model/view_tables.h"

Proceeding::Proceeding() : m_tables(new ViewTables) {}

Proceeding::~Proceeding() = default;
