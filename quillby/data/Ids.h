#pragma once
#include <QString>
#include <cstdint>

class Connection;

// Counter codes of the IDS table.
namespace IdCode {
inline constexpr const char* LIST_ID = "LIST_ID";
inline constexpr const char* WORD_ID = "WORD_ID";
inline constexpr const char* TEST_ID = "TEST_ID";
} // namespace IdCode

// Hands out the next identifier for a code: 1 for a code without a row, else the stored
// VALUE + 1, which is stored back. Identifiers are never reused. Throws DbError when the
// database refuses, and when the counter is at 2147483647 and cannot advance.
int32_t GetNextID(const QString& code);
int32_t GetNextID(Connection& connection, const QString& code);
