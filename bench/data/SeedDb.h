#pragma once
#include <QString>

// A database the size of years of use, for benchmarks of any part of the program.
struct SeedSize {
    int lists = 1000;
    int wordsPerList = 20;
    int testsPerList = 30;
    int extraAttemptsPerTest = 5; // second tries on top of one first attempt per word
    bool attempts = true;         // false: tests without any stored answer
};

// The seeded content, so benchmarks can pick rows that exist:
// list L (1-based) has LIST_ID L, words (L-1)*wordsPerList + 1 ... and tests
// (L-1)*testsPerList + 1 ...; every test has one first attempt per word of its list (about
// four in five "CORRECT") plus extraAttemptsPerTest second attempts. Every list is "IGNORED"
// with a past test date, so no old-list prompt appears; the OPTIONS row holds the defaults and
// IDS the last identifiers handed out. 1,000 x 20 x 30 gives 750,000 attempts.
// Like every user's file, the database is never analysed: the query planner has no
// statistics until the program gathers them.

// Writes folder/Quillby.mdb (made from the schema, replacing nothing: the file must not exist)
// and returns its path. Throws std::runtime_error on failure.
QString SeedLargeDatabase(const QString& folder, const SeedSize& size = {});

// Same content, fast: seeds once per size into a cache in the build folder, then copies the
// cached file to folder/Quillby.mdb (replacing an earlier copy there). Returns the path.
QString CopyLargeDatabase(const QString& folder, const SeedSize& size = {});
