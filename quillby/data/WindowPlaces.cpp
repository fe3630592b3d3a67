#include "WindowPlaces.h"

#include "Connection.h"
#include "Globals.h"
#include "Options.h"

#include <exception>
#include <sqlite3.h>

namespace {
const QString kSelect = QStringLiteral(
    "SELECT LEFT_PX, TOP_PX, WIDTH_PX, HEIGHT_PX, MAXIMIZED FROM WINDOW_PLACES"
    " WHERE FORM_NAME = ?");
const QString kStore = QStringLiteral(
    "INSERT OR REPLACE INTO WINDOW_PLACES"
    " (FORM_NAME, LEFT_PX, TOP_PX, WIDTH_PX, HEIGHT_PX, MAXIMIZED) VALUES (?, ?, ?, ?, ?, ?)");

void BindText(sqlite3_stmt* stmt, int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}
} // namespace

std::optional<WindowPlace> StoredWindowPlace(const QString& formName)
{
    try {
        Connection& db = Globals::DbConnection();
        db.NotifyStatement(kSelect);
        const Connection::Query query = db.Prepare(kSelect, kSelect);
        BindText(query.get(), 1, formName);
        if (sqlite3_step(query.get()) != SQLITE_ROW)
            return std::nullopt;
        const auto number = [&](int column) { return sqlite3_column_int(query.get(), column); };
        WindowPlace place;
        place.geometry = QRect(number(0), number(1), number(2), number(3));
        const auto* flag = reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 4));
        place.maximized = flag && QString::fromUtf8(flag).toUpper() == Opt::TRUE_TEXT;
        if (!place.geometry.isValid())
            return std::nullopt;
        return place;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void StoreWindowPlace(const QString& formName, const WindowPlace& place)
{
    try {
        Connection& db = Globals::DbConnection();
        db.NotifyStatement(kStore);
        const Connection::Query query = db.Prepare(kStore, kStore);
        BindText(query.get(), 1, formName);
        const QRect& r = place.geometry;
        const int numbers[] = {r.x(), r.y(), r.width(), r.height()};
        for (int i = 0; i < 4; ++i)
            sqlite3_bind_int(query.get(), i + 2, numbers[i]);
        BindText(query.get(), 6, QLatin1String(place.maximized ? Opt::TRUE_TEXT : Opt::FALSE_TEXT));
        sqlite3_step(query.get());
    } catch (const std::exception&) {
    }
}
