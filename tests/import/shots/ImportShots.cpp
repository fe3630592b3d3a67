// Pictures of the "Import Words" window with the words read from a photographed sheet, in the
// desktop's language (English or German), light or dark (QUILLBY_SHOTS_DARK): for looking
// at, not a test. Saves import_<language>_<light|dark>.png into the folder given.
#include "GuiTestSupport.h"
#include "PictureReader.h"
#include "SheetPicture.h"
#include "TestDb.h"
#include "Translation.h"
#include "frmImportWords.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>
#include <QThread>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallTranslations(app, "quillby");
    UseDarkPaletteIfAsked();
    SetOcrModulePath(QStringLiteral(QUILLBY_OCR_MODULE));
    QTemporaryDir folder;
    InitTestApp(folder.path());
    const bool german = QLocale().language() == QLocale::German;
    SheetStyle photo;
    photo.frame = QSize(4000, 3000);
    photo.photo = true;
    photo.tiltDegrees = 4;
    photo.softness = 2;
    photo.jpegQuality = 80;
    const QString sheet = folder.filePath(QStringLiteral("sheet.jpg"));
    (german
         ? MakeSheet(QStringLiteral("Wörter der Woche 7"),
                     {"Bär", "über", "Straße", "müde", "Größe", "fröhlich", "Käse", "schön"}, photo)
         : MakeSheet(QStringLiteral("Spelling List - Week 12"),
                     {"because", "friend", "after", "again", "could", "every", "great", "house"},
                     photo))
        .save(sheet);
    frmImportWords window(0);
    window.show();
    window.ReadFile(sheet);
    QElapsedTimer waited;
    waited.start();
    while (window.Reading() && waited.elapsed() < 120000) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    QApplication::processEvents();
    const QString name = QStringLiteral("import_%1_%2.png")
                             .arg(german ? "de" : "en",
                                  qEnvironmentVariableIsSet("QUILLBY_SHOTS_DARK") ? "dark"
                                                                                  : "light");
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    return window.grab().save(QDir(out).filePath(name)) ? 0 : 1;
}
