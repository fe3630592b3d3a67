#pragma once
#include <QString>
#include <cstdint>
#include <vector>

// How a list's words fared over all of its stored tests, for the past-tests window.

struct WrongSpelling {
    QString text;
    int times = 0;
};

struct HardWord {
    int32_t wordId = 0;
    QString word;
    int testsMissed = 0;                 // tests with at least one wrong attempt at the word
    int misses = 0;                      // wrong attempts over all the tests
    std::vector<WrongSpelling> spellings; // the most tried wrong spellings, most often first
};

// The list's words that were missed in at least one of its whole-list tests (TESTS rows of the
// list; practice rounds of missed words would count a word's misses twice),
// hardest first: more tests missed, then more wrong attempts, then the word alphabetically,
// then creation order. Each carries up to maxSpellings wrong spellings, most often tried
// first (ties alphabetically; spellings that differ in letter case count apart). Read from the
// tallies the database keeps, a row per word and per spelling. Throws DbError.
std::vector<HardWord> HardestWords(int32_t listId, int maxSpellings = 3);

// The spellings as shown: "becuase (3), becase": a count only for one tried more than once.
QString SpellingsText(const std::vector<WrongSpelling>& spellings);
