#pragma once
#include <QString>

// Whether a typed text spells a word. Both texts are compared in their composed form (NFC),
// so a letter typed as one character or as a letter with combining marks is the same letter.
// A case-sensitive word wants every character; any other word forgives letter case and
// nothing else: each character must be the other's own upper- or lower-case partner, one for
// one, so "STRAẞE" spells "Straße" but "STRASSE" does not, and a ligature is not its letters.
bool SpellsWord(const QString& typed, const QString& word, bool caseSensitive);
