#pragma once
#include "RowKeys.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

// The rows of the main window's list grid, read a block at a time down the key index. The
// grid shows the lists with a whole-number key from 1 up to the newest one when it was filled.

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
    QString belowKey;         // the next blocks start below this key (empty: at newestListId)
    int rows = 0;
};

// The lists of one block, newest first. A row whose key is damaged is left out and named in
// skipped; lastKey becomes the key of the last row returned, damaged or not, as a number for
// the next block; returned counts the rows the statement gave. Throws DbError.
std::vector<ListGridRow> ReadListGridBlock(const ListGridBlock& block, SkippedRows& skipped,
                                           QString& lastKey, int& returned);

// The grid row of one list, with fresh counts; empty when the list is gone. Throws DbError.
std::vector<ListGridRow> ReadListGridRow(int32_t listId, SkippedRows& skipped);

// How many lists the grid shows: the lists LIST_TOTAL keeps count of, less those the grid
// cannot show, found in small indexes. Throws DbError.
int CountListGridRows(int32_t newestListId);

// Gives the pages read so far back to the system's file cache, for the start: what it read to
// open the file and fill the grid (a file's first opening reads much more) is not read again
// soon; the grid reads only the few pages around the rows it shows.
void ReleaseReadPages();

// The key of the grid row at that offset from the top (0 is the newest list), read from the
// key index from whichever end is nearer; 0 when there is no such row. Throws DbError.
int32_t ListGridKeyAt(int32_t newestListId, int offset, int rowCount);

// The grid row of a shown list: how many shown lists are newer. Throws DbError.
int ListGridRowOf(int32_t newestListId, int32_t listId);

// The lists whose key the grid cannot show, added to skipped. Throws DbError.
void AddListsWithDamagedKeys(SkippedRows& skipped);

// The newest shown list whose test date is that day; 0 when none. Throws DbError.
int32_t ListOfTestDate(const QDate& testDate, int32_t newestListId);
