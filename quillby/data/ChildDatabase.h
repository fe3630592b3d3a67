#pragma once
#include "Children.h"

#include <QString>
#include <vector>

// The statements on the table CHILDREN of the first child's database. Each call opens the file
// for itself (waiting a moment while another Quillby writes) and closes it again. The changes
// return "" when done, else a message naming the file.

// Every row; none when the file or the table is missing or cannot be read.
std::vector<FamilyChild> ReadChildRows(const QString& database);
// Adds the row, and the first child's (folder "") with firstName when it has none yet.
QString AddChildRow(const QString& database, const FamilyChild& child, const QString& firstName);
// A first child without a row gets one with the new name.
QString RenameChildRow(const QString& database, const FamilyChild& child, const QString& newName);
QString DeleteChildRow(const QString& database, const QString& name);
void MarkChildUsed(const QString& database, const QString& name, const QString& firstName,
                   const QString& when);

// Makes an empty database at path: a copy of shipped when given, else built from the schema
// the program carries. It appears whole or not at all; "" when done, else why not.
QString MakeEmptyDatabase(const QString& path, const QString& shipped);
