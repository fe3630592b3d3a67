#include "Spelling.h"

#include <QChar>
#include <QList>

namespace {
constexpr char32_t kCapitalIWithDot = 0x0130;

// The simple (one character) lower-case form. Qt leaves the Turkish capital İ as it is; its
// simple lower-case partner is the dotted i.
char32_t LowerOne(char32_t c)
{
    return c == kCapitalIWithDot ? char32_t('i') : QChar::toLower(c);
}

// Letters that are each other's simple upper- or lower-case forms. Mapping both sides to one
// form would also join letters that are not a case pair (dotless ı and i both upper-case to I).
bool CasePartners(char32_t a, char32_t b)
{
    return a == b || LowerOne(a) == b || LowerOne(b) == a || QChar::toUpper(a) == b ||
           QChar::toUpper(b) == a;
}
} // namespace

bool SpellsWord(const QString& typed, const QString& word, bool caseSensitive)
{
    const QString a = typed.normalized(QString::NormalizationForm_C);
    const QString b = word.normalized(QString::NormalizationForm_C);
    if (caseSensitive || a == b)
        return a == b;
    const QList<uint> left = a.toUcs4();
    const QList<uint> right = b.toUcs4();
    if (left.size() != right.size())
        return false;
    for (qsizetype i = 0; i < left.size(); ++i) {
        if (!CasePartners(char32_t(left[i]), char32_t(right[i])))
            return false;
    }
    return true;
}
