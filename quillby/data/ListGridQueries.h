#pragma once
#include "RowKeys.h"

#include <QString>
#include <cstdint>
#include <vector>

// The rows of the main window's list grid, read a block at a time down the key index.

struct ListGridRow {
    int32_t listId = 0;
    QString dateText;
    QString words; // blank when the counts could not be read
    QString tests;
};

// The newest LIST_ID; 0 when there are no lists. Throws DbError.
int32_t NewestListId();

// Where a block of the grid starts and how it is read.
struct ListGridBlock {
    bool withCounts = true;   // false: the lists only, with blank counts
    int32_t newestListId = 0; // the first block starts at this list
    QString belowKey;         // the next blocks start below this key (empty for the first)
    int rows = 0;
};

// The lists of one block, newest first. A row whose key is damaged is left out and named in
// skipped; lastKey becomes the key of the last row returned, damaged or not, as a number for
// the next block; returned counts the rows the statement gave. Throws DbError.
std::vector<ListGridRow> ReadListGridBlock(const ListGridBlock& block, SkippedRows& skipped,
                                           QString& lastKey, int& returned);

// The grid row of one list, with fresh counts; empty when the list is gone. Throws DbError.
std::vector<ListGridRow> ReadListGridRow(int32_t listId, SkippedRows& skipped);
