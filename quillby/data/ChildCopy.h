#pragma once
#include <QString>
#include <cstdint>

class Connection;

// Copies a list with its words and their recordings from the open database into another
// child's folder, for a sibling who gets the same list: the list and its words get new
// identifiers there, its tests stay behind. The rows go in one transaction. A recording the
// other child has already for a word of the same text is kept, never copied over.
// Returns "" when done, else why nothing was copied (the other child's Quillby is open, its
// database cannot be opened or written). childName is only for the messages.
QString CopyListToChild(Connection& from, const QString& fromWavs, int32_t listId,
                        const QString& childFolder, const QString& childName);
// The same from the program's own database and recordings.
QString CopyProgramListToChild(int32_t listId, const QString& childFolder,
                               const QString& childName);
