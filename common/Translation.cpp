#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
bool inForce = false;

// A translator owned by the application; dropped when there is no catalogue for the locale.
bool LoadCatalogue(QCoreApplication& app, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
} // namespace

bool InstallTranslations(QCoreApplication& app, const char* program)
{
    // The program's catalogues are built in (":/i18n"); Qt's come with the system, if at all.
    inForce = LoadCatalogue(app, QString::fromLatin1(program), QStringLiteral(":/i18n"));
    if (inForce)
        LoadCatalogue(app, QStringLiteral("qtbase"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return inForce;
}

bool TranslationInForce() { return inForce; }
