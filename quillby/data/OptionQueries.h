#pragma once
#include <QString>

// Reading and writing the one settings row of OPTIONS.

// The stored TEST_DAY text; empty when there is no settings row. Throws DbError.
QString StoredTestDay();
