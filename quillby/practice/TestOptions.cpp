#include "TestOptions.h"

#include "StoredText.h"
#include "DbError.h"
#include "Globals.h"
#include "Options.h"
#include "Recordset.h"
#include "Statements.h"

#include <exception>

namespace {
// Runs one read; a failure leaves the field as it was.
template <class F>
void Quietly(F&& read)
{
    try {
        read();
    } catch (const std::exception&) {
    }
}

void ReadFlag(const Recordset& rs, const char* column, bool& field)
{
    Quietly([&] { field = TextToBoolean(rs.Field(column).toText()); });
}
} // namespace

TestSettings ReadDefaultTestSettings()
{
    TestSettings s;
    Quietly([&] {
        Recordset rs(Sql::SELECT_OPTIONS, Globals::DbConnection());
        if (!rs.Eof()) {
            ReadFlag(rs, Opt::PRONOUNCE, s.Pronounce);
            ReadFlag(rs, Opt::SHOW_DEFINITION, s.ShowDefinition);
            ReadFlag(rs, Opt::SHOW_CONTEXT, s.ShowContext);
            Quietly([&] {
                const Variant order = rs.Field(Opt::TEST_ORDER);
                if (!order.isNull())
                    s.TestOrder = order.toText();
            });
            Quietly([&] {
                const int32_t moveOn = rs.Field(Opt::MOVE_ON_AFTER).toLong();
                if (moveOn >= 1)
                    s.MoveOnAfter = moveOn;
            });
            ReadFlag(rs, Opt::REVEAL_ANSWERS, s.RevealAnswers);
            ReadFlag(rs, Opt::REQUIRE_ECHO, s.ForceEcho);
            ReadFlag(rs, Opt::CLEAR_WRONG_ANSWER, s.ClearWrongAnswer);
            ReadFlag(rs, Opt::PLAY_CORRECT_SOUND, s.PlayCorrectSound);
            ReadFlag(rs, Opt::PLAY_INCORRECT_SOUND, s.PlayIncorrectSound);
        }
        rs.Close();
    });
    return s;
}

WordOrder OrderOf(const QString& testOrder)
{
    const QString upper = testOrder.toUpper();
    if (upper == QLatin1String(Opt::ORDER_RANDOM_UC))
        return WordOrder::Random;
    if (upper == QLatin1String(Opt::ORDER_CREATED_UC))
        return WordOrder::Created;
    return WordOrder::Alphabetical;
}
