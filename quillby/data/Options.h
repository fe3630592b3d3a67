#pragma once
#include <QString>

// The vocabulary of the one settings row of OPTIONS: column names, the texts stored in them
// and their defaults. Windows use these names instead of spelling the texts again.
namespace Opt {
// Columns
inline constexpr const char* PRONOUNCE = "PRONOUNCE";
inline constexpr const char* SHOW_DEFINITION = "SHOW_DEFINITION";
inline constexpr const char* SHOW_CONTEXT = "SHOW_CONTEXT";
inline constexpr const char* TEST_ORDER = "TEST_ORDER";
inline constexpr const char* MOVE_ON_AFTER = "MOVE_ON_AFTER";
inline constexpr const char* REVEAL_ANSWERS = "REVEAL_ANSWERS";
inline constexpr const char* REQUIRE_ECHO = "REQUIRE_ECHO";
inline constexpr const char* CLEAR_WRONG_ANSWER = "CLEAR_WRONG_ANSWER";
inline constexpr const char* PLAY_CORRECT_SOUND = "PLAY_CORRECT_SOUND";
inline constexpr const char* PLAY_INCORRECT_SOUND = "PLAY_INCORRECT_SOUND";
inline constexpr const char* SKIP_TEST_SETUP = "SKIP_TEST_SETUP";
inline constexpr const char* MESSAGE_TIME = "MESSAGE_TIME";
inline constexpr const char* TEST_DAY = "TEST_DAY";
inline constexpr const char* PROMPT_TO_DELETE_LISTS = "PROMPT_TO_DELETE_LISTS";
// Speak a word that has no recording with the desktop's text-to-speech.
inline constexpr const char* SPEAK_WORDS = "SPEAK_WORDS";

// Flag texts
inline constexpr const char* TRUE_TEXT = "TRUE";
inline constexpr const char* FALSE_TEXT = "FALSE";

// Test order and test day: texts stored in English, shown translated (context "Opt").
// Test order: the stored texts and the upper-case forms readers compare with.
inline constexpr const char* ORDER_ALPHABETICAL = QT_TRANSLATE_NOOP("Opt", "Alphabetical");
inline constexpr const char* ORDER_CREATED = QT_TRANSLATE_NOOP("Opt", "Order Created");
inline constexpr const char* ORDER_RANDOM = QT_TRANSLATE_NOOP("Opt", "Random");
inline constexpr const char* ORDER_ALPHABETICAL_UC = "ALPHABETICAL";
inline constexpr const char* ORDER_CREATED_UC = "ORDER CREATED";
inline constexpr const char* ORDER_RANDOM_UC = "RANDOM";

// Weekday texts of TEST_DAY, Sunday first.
inline constexpr const char* TEST_DAYS[7] = {
    QT_TRANSLATE_NOOP("Opt", "Sundays"),   QT_TRANSLATE_NOOP("Opt", "Mondays"),
    QT_TRANSLATE_NOOP("Opt", "Tuesdays"),  QT_TRANSLATE_NOOP("Opt", "Wednesdays"),
    QT_TRANSLATE_NOOP("Opt", "Thursdays"), QT_TRANSLATE_NOOP("Opt", "Fridays"),
    QT_TRANSLATE_NOOP("Opt", "Saturdays")};

// Defaults of the settings row
inline constexpr const char* DEFAULT_PRONOUNCE = "TRUE";
inline constexpr const char* DEFAULT_SHOW_DEFINITION = "TRUE";
inline constexpr const char* DEFAULT_SHOW_CONTEXT = "TRUE";
inline constexpr const char* DEFAULT_TEST_ORDER = "Alphabetical";
inline constexpr const char* DEFAULT_MOVE_ON_AFTER = "3";
inline constexpr int DEFAULT_MOVE_ON_AFTER_NUMBER = 3;
inline constexpr const char* DEFAULT_REVEAL_ANSWERS = "TRUE";
inline constexpr const char* DEFAULT_REQUIRE_ECHO = "TRUE";
inline constexpr const char* DEFAULT_CLEAR_WRONG_ANSWER = "FALSE";
inline constexpr const char* DEFAULT_PLAY_CORRECT_SOUND = "TRUE";
inline constexpr const char* DEFAULT_PLAY_INCORRECT_SOUND = "TRUE";
inline constexpr const char* DEFAULT_SKIP_TEST_SETUP = "FALSE";
inline constexpr int DEFAULT_MESSAGE_TIME = 6;
inline constexpr const char* DEFAULT_TEST_DAY = "Fridays";
inline constexpr const char* DEFAULT_PROMPT_TO_DELETE_LISTS = "TRUE";
inline constexpr const char* DEFAULT_SPEAK_WORDS = "TRUE";

// MESSAGE_TIME values with a meaning of their own (half-seconds otherwise).
inline constexpr int MESSAGE_TIME_NONE = 0;
inline constexpr int MESSAGE_TIME_INDEFINITE = 9999;
} // namespace Opt

// The time choices of the options window and MESSAGE_TIME: "None" 0, "Indefinately" 9999,
// "1 Second" 2, "N Seconds" 2*N, anything unreadable 6.
int TimeComboValue(const QString& choiceText);
// The choice text shown for a stored MESSAGE_TIME: 0 "None", 9999 "Indefinately", 2 "1 Second",
// any other v the text of v / 2 and " Seconds" (6 "3 Seconds", 5 "2.5 Seconds").
QString TimeComboText(int messageTime);

// The stored SPEAK_WORDS flag, read afresh from the settings row so a saved change counts at
// once. On (its default) when there is no row, no such column (a database the program could
// not upgrade) or the row cannot be read; "TRUE" in any letter case is on, anything else off.
bool SpeakWordsSetting();
