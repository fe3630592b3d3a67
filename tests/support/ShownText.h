#pragma once
#include <QFont>
#include <QStringList>

class QWidget;

// The language and the font Quillby's windows are shown in, and the texts a window cuts off.

// Windows made while it lives speak the language of `locale` ("de_DE"), loaded as the program
// does at start with its catalogue `program`; English again afterwards.
class ShownLanguage {
public:
    ShownLanguage(const char* locale, const char* program);
    ~ShownLanguage();
    ShownLanguage(const ShownLanguage&) = delete;
    ShownLanguage& operator=(const ShownLanguage&) = delete;
    bool Translated() const { return translated_; }

private:
    bool translated_;
};

// Windows made while it lives use the desktop font at `points` (0: the font as it was), as a
// user who chose a larger font sees them; the font as it was afterwards.
class ShownFont {
public:
    explicit ShownFont(int points);
    ~ShownFont();
    ShownFont(const ShownFont&) = delete;
    ShownFont& operator=(const ShownFont&) = delete;

private:
    QFont before_;
};

// The texts a window cuts off, one line each: a visible label, button, check box, option,
// frame title, read-only text box, drop-down box, tab or grid heading narrower (a wrapped
// label: lower) than its text needs, and a chart text shortened with "..." or lying outside
// its chart.
QStringList ClippedTexts(QWidget* window);

// One way a window is shown: a language and a desktop font size (0: the usual one).
struct ShownAs {
    const char* locale;
    int points;
};
// The ways every window is checked: English and German (whose texts are longer), each at the
// usual font size and at 13 pt.
inline constexpr ShownAs kEveryShownAs[] = {{"en_US", 0}, {"en_US", 13}, {"de_DE", 0}, {"de_DE", 13}};

// The texts a shown window cuts off, once its layout has settled, each line starting with
// how it is shown. With QUILLBY_SHOTS naming a folder, its picture is saved there as well:
// <name>-<locale>-<points>pt.png.
QStringList CutTextsOfShownWindow(QWidget* window, const QString& name, const ShownAs& as);
