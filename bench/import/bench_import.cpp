// The import's figures: a 12-megapixel photo of an A4 sheet read by Quillby and by the
// tesseract tool in the same run; parsing and storing 1,000 words; word recall on generated
// sheets (clean print in two fonts, a tilted soft photo, a low-resolution scan, a German
// sheet) beside the plain tesseract tool; and Quillby's own libraries (no Tesseract).
#include "BenchReport.h"
#include "ImportQueries.h"
#include "ImportText.h"
#include "PictureReader.h"
#include "SchoolWeek.h"
#include "SheetPicture.h"
#include "TestDb.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <functional>

namespace {

constexpr int kOcrRounds = 3;
constexpr int kStoreRounds = 10;

const QStringList kEnglish = {"because",   "friend",  "after",     "again",  "could",
                              "every",     "great",   "house",     "laugh",  "people",
                              "school",    "thought", "through",   "answer", "beautiful",
                              "different", "enough",  "favourite", "island", "neighbour"};
const QStringList kGerman = {"Bär",      "über", "Straße", "müde",    "Größe",
                             "fröhlich", "Käse", "schön",  "Fußball", "Mädchen",
                             "Brücke",   "heiß", "Tür",    "Äpfel",   "Schüssel"};

// The processor time of this process (all its threads) and of its finished children.
double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Seconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

// The text the tesseract tool reads in a picture file, as it comes (its default layout).
QString TesseractTool(const QString& path, const QString& language)
{
    QProcess tool;
    tool.start(QStringLiteral("tesseract"),
               {path, QStringLiteral("stdout"), QStringLiteral("-l"), language});
    tool.waitForFinished(120000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

struct Recall {
    int found = 0;
    int headings = 0; // title or name line ticked
    QStringList missed;
    QStringList extra; // ticked rows that are none of the words
};

Recall QuillbyRecall(const QString& path, const QString& language, const QStringList& words)
{
    const PictureText text = ReadPictureText({}, path, language, nullptr, nullptr);
    ImportResult result = ParseImportLines(text.lines, text.confidences);
    ClassifyRows(result.rows, {});
    Recall recall;
    QStringList ticked;
    for (const ImportRow& row : result.rows)
        if (row.ticked)
            ticked << row.word;
    for (const QString& word : words) {
        const bool found = ticked.removeOne(word);
        recall.found += found ? 1 : 0;
        if (!found)
            recall.missed << word;
    }
    recall.extra = ticked;
    for (const QString& extra : ticked)
        recall.headings += extra.contains(u' ') || extra.startsWith(QLatin1String("Name")) ? 1 : 0;
    return recall;
}

int ToolRecall(const QString& path, const QString& language, const QStringList& words)
{
    QStringList tokens = TesseractTool(path, language).split(QRegularExpression("\\s+"));
    int found = 0;
    for (const QString& word : words)
        found += tokens.removeOne(word) ? 1 : 0;
    return found;
}

QString LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine()).section(u' ', 0, 2)
                                          : QStringLiteral("unknown");
}

QString Percent(int found, int total)
{
    return QString::asprintf("%.1f %% (%d/%d)", 100.0 * found / total, found, total);
}

void BenchTwelveMegapixels(const QString& folder)
{
    SheetStyle photo;
    photo.frame = QSize(4000, 3000);
    photo.photo = true;
    photo.tiltDegrees = 3;
    photo.softness = 1.5;
    const QString path = folder + QStringLiteral("/photo12mp.jpg");
    MakeSheet(QStringLiteral("Spelling List - Week 12"), kEnglish.mid(0, 12), photo)
        .save(path, "JPEG", 85);
    std::vector<double> quillby, tool, quillbyCpu, toolCpu;
    for (int round = 0; round < kOcrRounds; ++round) {
        double cpu = CpuSeconds(RUSAGE_SELF);
        quillby.push_back(Seconds([&] { QuillbyRecall(path, "eng", kEnglish); }));
        quillbyCpu.push_back(CpuSeconds(RUSAGE_SELF) - cpu);
        cpu = CpuSeconds(RUSAGE_CHILDREN);
        tool.push_back(Seconds([&] { TesseractTool(path, "eng"); }));
        toolCpu.push_back(CpuSeconds(RUSAGE_CHILDREN) - cpu);
    }
    std::printf("  (the load average of the machine: %s)\n", qPrintable(LoadAverage()));
    ReportTarget("OCR of a 12-megapixel A4 photo (4000x3000 JPEG), Quillby, under 3 s",
                 Ms(Median(quillby)) + " (CPU " + Ms(Median(quillbyCpu)) + ")",
                 Median(quillby) < 3.0);
    ReportTarget("  the tesseract tool on the same file (for comparison)",
                 Ms(Median(tool)) + " (CPU " + Ms(Median(toolCpu)) + ")", true);
}

void BenchStore(const QString& folder)
{
    InitTestApp(folder);
    QString text = QStringLiteral("word\tdefinition\tsentence\n");
    for (int i = 0; i < 1000; ++i)
        text += QStringLiteral("word%1\tthe meaning of word %1\tA sentence with word %1.\n").arg(i);
    std::vector<double> samples;
    for (int round = 0; round < kStoreRounds; ++round)
        samples.push_back(Seconds([&] {
            ImportResult result = ParseImportText(text);
            ClassifyRows(result.rows, {});
            std::vector<WordDetails> words;
            for (const ImportRow& row : result.rows)
                words.push_back(EditorWord(row.word, row.definition, row.sentence, false));
            CreateListWithWords(ProposedListDates(QDate::currentDate()), words);
        }));
    ReportTarget("Parse and store 1,000 imported words (one transaction), under 100 ms",
                 Ms(Median(samples)), Median(samples) < 0.1);
}

void BenchRecall(const QString& folder)
{
    struct Sheet {
        const char* name;
        SheetStyle style;
        const char* language;
        QStringList words;
        QString title;
    };
    SheetStyle serif;
    serif.font = QStringLiteral("DejaVu Serif");
    SheetStyle soft;
    soft.frame = QSize(4000, 3000);
    soft.photo = true;
    soft.tiltDegrees = 4;
    soft.softness = 2.2;
    soft.jpegQuality = 75;
    SheetStyle scan;
    scan.dpi = 100;
    scan.softness = 1.2;
    scan.jpegQuality = 85;
    SheetStyle german;
    german.tiltDegrees = 2;
    german.jpegQuality = 85;
    const Sheet sheets[] = {
        {"clean print, DejaVu Sans", {}, "eng", kEnglish, "Spelling List - Week 12"},
        {"clean print, DejaVu Serif", serif, "eng", kEnglish, "Spelling List - Week 12"},
        {"tilted soft photo, 4 degrees, JPEG", soft, "eng", kEnglish, "Spelling List - Week 12"},
        {"low-resolution scan, 100 dpi", scan, "eng", kEnglish, "Spelling List - Week 12"},
        {"German sheet, umlauts and sharp s", german, "deu", kGerman, "Wörter der Woche 7"},
    };
    int allFound = 0, allWords = 0, allHeadings = 0, allTool = 0;
    for (const Sheet& sheet : sheets) {
        const QString path = folder + "/" + QString::number(allWords) + ".png";
        MakeSheet(sheet.title, sheet.words, sheet.style).save(path);
        const Recall recall = QuillbyRecall(path, sheet.language, sheet.words);
        const int tool = ToolRecall(path, sheet.language, sheet.words);
        std::printf("  %-40s Quillby %-18s headings ticked %d   tesseract tool %s\n", sheet.name,
                    qPrintable(Percent(recall.found, sheet.words.size())), recall.headings,
                    qPrintable(Percent(tool, sheet.words.size())));
        if (!recall.missed.isEmpty() || !recall.extra.isEmpty())
            std::printf("    missed: %s   ticked besides the words: %s\n",
                        qPrintable(recall.missed.join(", ")), qPrintable(recall.extra.join(", ")));
        allFound += recall.found;
        allWords += sheet.words.size();
        allHeadings += recall.headings;
        allTool += tool;
    }
    ReportTarget("Word recall over the five sheets, at least 97 %",
                 Percent(allFound, allWords).toStdString(), allFound >= 0.97 * allWords);
    ReportTarget("  no heading or name line ticked", std::to_string(allHeadings), allHeadings == 0);
    ReportTarget("  the plain tesseract tool on the same sheets (for comparison)",
                 Percent(allTool, allWords).toStdString(), true);
}

void ReportStartupLibraries()
{
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QStringLiteral(QUILLBY_PROGRAM)});
    ldd.waitForFinished();
    const QString libraries = QString::fromUtf8(ldd.readAllStandardOutput());
    const bool clean = !libraries.contains(QLatin1String("tesseract")) &&
                       !libraries.contains(QLatin1String("lept"));
    ReportTarget("Quillby starts without Tesseract (its libraries, ldd)",
                 clean ? "not linked" : "linked", clean);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetOcrModulePath(QStringLiteral(QUILLBY_OCR_MODULE));
    QTemporaryDir folder;
    ReportHeading("Importing words");
    ReportStartupLibraries();
    BenchStore(folder.path());
    BenchTwelveMegapixels(folder.path());
    BenchRecall(folder.path());
    return AllTargetsMet() ? 0 : 1;
}
