// Printing and backups, timed: each target's median over a few runs.
#include "AutomaticBackups.h"
#include "BackupCommands.h"
#include "BackupFile.h"
#include "BenchReport.h"
#include "DbMaker.h"
#include "Globals.h"
#include "PdfFile.h"
#include "PrintPages.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <sqlite3.h>

namespace {
constexpr int kRuns = 5;
constexpr int kTests = 2000;
constexpr int kWordsPerList = 20;
constexpr int kRecordings = 200;

template <class F>
double Timed(F&& action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return timer.nsecsElapsed() / 1e9;
}

void Run(sqlite3* db, const char* sql) { sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

// 100 lists of 20 words, 20 tests a list with an answer per word and a miss in every
// fourth, and 200 recordings of two seconds each, as the recorder writes them.
QString SeedFolder(const QString& folder)
{
    const QString path = folder + QStringLiteral("/Quillby.mdb");
    std::string error;
    MakeDatabaseFile(QUILLBY_SCHEMA_PATH, path.toStdString(), error);
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    Run(db, "BEGIN");
    const int lists = kTests / 20;
    for (int list = 1; list <= lists; ++list) {
        Run(db, QStringLiteral("INSERT INTO LISTS VALUES (%1, '2026-01-05', '2026-01-09', "
                               "'2026-01-09', '2026-01-04 18:00:00', 'CREATED')")
                    .arg(list)
                    .toUtf8()
                    .constData());
        for (int w = 0; w < kWordsPerList; ++w) {
            const int word = (list - 1) * kWordsPerList + w + 1;
            Run(db, QStringLiteral("INSERT INTO WORDS VALUES (%1, %2, 'WORD%1', 'a meaning', "
                                   "'A sentence with word%1.', 'FALSE')")
                        .arg(word)
                        .arg(list)
                        .toUtf8()
                        .constData());
        }
    }
    for (int test = 1; test <= kTests; ++test) {
        const int list = (test - 1) / 20 + 1;
        Run(db, QStringLiteral("INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, "
                               "END_TIME) VALUES (%1, %2, 3, '2026-01-06 16:00:00', "
                               "'2026-01-06 16:06:00')")
                    .arg(test)
                    .arg(list)
                    .toUtf8()
                    .constData());
        for (int w = 0; w < kWordsPerList; ++w) {
            const int word = (list - 1) * kWordsPerList + w + 1;
            const char* result = (w % 4 == 0) ? "INCORRECT" : "CORRECT";
            Run(db,
                QStringLiteral("INSERT INTO WORD_ATTEMPTS VALUES (%1, %2, %3, 'guess', '%4', 1)")
                    .arg(test)
                    .arg(list)
                    .arg(word)
                    .arg(result)
                    .toUtf8()
                    .constData());
        }
    }
    Run(db, "COMMIT");
    sqlite3_close(db);
    QDir().mkpath(folder + QStringLiteral("/Wavs"));
    const QByteArray sound(22050 + 44, '\x80');
    for (int i = 1; i <= kRecordings; ++i) {
        QFile file(folder + QStringLiteral("/Wavs/WORD%1.wav").arg(i));
        file.open(QIODevice::WriteOnly);
        file.write(sound);
    }
    return path;
}

ListSheet FortyWords()
{
    ListSheet list;
    list.testDate = QDate(2026, 12, 11);
    list.weekStart = list.testDate.addDays(-4);
    list.weekEnd = list.testDate;
    for (int i = 1; i <= 40; ++i)
        list.words.push_back({QStringLiteral("word%1").arg(i),
                              QStringLiteral("what word %1 means, in a sentence or two").arg(i),
                              QStringLiteral("A sentence that uses word%1 once.").arg(i), "FALSE"});
    return list;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString database = SeedFolder(dir.path());
    const QString wavs = dir.path() + QStringLiteral("/Wavs");

    std::vector<double> pdf;
    std::vector<double> backup;
    std::vector<double> daily;
    const ListSheet list = FortyWords();
    for (int run = 0; run < kRuns; ++run) {
        QString error;
        pdf.push_back(Timed([&] {
            SavePdf(WordListDocument(list), QPageSize(QPageSize::A4), dir.filePath("list.pdf"),
                    error);
        }));
        backup.push_back(Timed([&] {
            if (!WriteBackup(database, wavs, dir.filePath("week.qbk"), error))
                std::printf("backup failed: %s\n", qPrintable(error));
        }));
        // The part of the daily backup that runs on the program's own thread at start.
        Globals::DataPath = dir.path() + QStringLiteral("/run%1").arg(run);
        Globals::WavPath = wavs;
        QDir().mkpath(Globals::DataPath);
        QFile::copy(database, Globals::DataPath + QStringLiteral("/Quillby.mdb"));
        auto* owner = new QObject;
        daily.push_back(Timed([&] { StartDailyBackup(owner); }));
        delete owner; // waits for the backup's thread
    }
    ReportHeading("Printing and backups (2,000 tests, 200 recordings of 2 seconds)");
    ReportTarget("PDF of a 40-word list under 300 ms", Ms(Median(pdf)), Median(pdf) < 0.3);
    ReportTarget("backup of 2,000 tests and 200 recordings under 1 s", Ms(Median(backup)),
                 Median(backup) < 1.0);
    ReportTarget("daily backup on the program's thread at start under 5 ms", Ms(Median(daily)),
                 Median(daily) < 0.005);
    return 0;
}
