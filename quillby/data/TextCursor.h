#pragma once
#include <QString>
#include <QStringView>

// Reads a statement or a connection string from left to right: blanks, words (letter case
// aside), numbers. Read by hand where a regular expression's compiling cost more than the
// statement it looked at.
class TextCursor {
public:
    explicit TextCursor(QStringView text, qsizetype at = 0) : text_(text), at_(at) {}

    // ASCII blanks, as SQL and the connection strings know them.
    static bool IsBlank(QChar c)
    {
        return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
    }
    // Passes any blanks; true when there was one at least.
    bool Blanks()
    {
        const qsizetype from = at_;
        while (at_ < text_.size() && IsBlank(text_[at_]))
            ++at_;
        return at_ > from;
    }
    // Passes word when the text goes on with it (letter case aside).
    bool Take(QLatin1StringView word)
    {
        if (!text_.sliced(at_).startsWith(word, Qt::CaseInsensitive))
            return false;
        at_ += word.size();
        return true;
    }
    // A whole number of fewest to most ASCII digits (as many as there are); -1, passing
    // nothing, when there are fewer.
    int Number(int fewest, int most)
    {
        int value = 0;
        qsizetype n = 0;
        for (; n < most && at_ + n < text_.size() && IsDigit(text_[at_ + n]); ++n)
            value = value * 10 + (text_[at_ + n].unicode() - '0');
        if (n < fewest)
            return -1;
        at_ += n;
        return value;
    }
    // An SQL name made of ASCII letters, digits and '_', not starting with a digit; "" when
    // the text does not go on with one.
    QStringView Name()
    {
        const qsizetype from = at_;
        while (at_ < text_.size() && (IsLetter(text_[at_]) || text_[at_] == QLatin1Char('_') ||
                                      (at_ > from && IsDigit(text_[at_]))))
            ++at_;
        return text_.sliced(from, at_ - from);
    }
    bool AtEnd() const { return at_ == text_.size(); }
    QChar Next() const { return at_ < text_.size() ? text_[at_] : QChar(); }
    qsizetype At() const { return at_; }

private:
    static bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
    static bool IsLetter(QChar c)
    {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    }
    QStringView text_;
    qsizetype at_;
};
