#include "Globals.h"
#include "Options.h"
#include "SoundFolder.h"
#include "WavFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct WavFolder : ::testing::Test {
    void SetUp() override
    {
        saved = Globals::WavPath;
        Globals::WavPath = "/app/Wavs";
        Globals::AppPath = "/app";
        Globals::DataPath = "/app";
    }
    void TearDown() override { Globals::WavPath = saved; }
    QString saved;
};
} // namespace

TEST_F(WavFolder, UpperCaseWordNamesTheFile)
{
    EXPECT_EQ(WordWavFile("Their"), "/app/Wavs/THEIR.wav");
    EXPECT_EQ(WordWavFile("their"), WordWavFile("THEIR"));
    EXPECT_EQ(WordWavFile("café"), "/app/Wavs/CAFÉ.wav");
    EXPECT_EQ(WordWavFile("don't"), "/app/Wavs/DON'T.wav");
    EXPECT_EQ(WordWavFile("ice cream"), "/app/Wavs/ICE CREAM.wav");
    EXPECT_EQ(TempWavPath(), "/app/Temp.wav");
}

TEST_F(WavFolder, TextsThatCannotNameASafeFileHaveNoRecording)
{
    for (const QString& word :
         {QString(), QString("."), QString(".."), QString("a/b"), QString("../../etc/passwd"),
          QString("..\\up"), QString("tab\tword"), QString("line\nbreak"), QString(QChar(0x7f)),
          QString("nul") + QChar(0) + "x", QString(252, QChar('a'))}) {
        EXPECT_EQ(WordWavFile(word), "") << word.toStdString();
        EXPECT_FALSE(WordCanHaveRecording(word)) << word.toStdString();
    }
    EXPECT_TRUE(WordCanHaveRecording(QString(251, QChar('a')))) << "251 + .wav = 255 bytes";
    EXPECT_FALSE(WordCanHaveRecording(QString(126, QChar(u'é')))) << "252 bytes in UTF-8 + .wav";
    EXPECT_TRUE(WordCanHaveRecording("..."));
}

TEST(WavFiles, NoFolderYetMeansNoPath)
{
    const QString saved = Globals::WavPath;
    Globals::WavPath.clear();
    EXPECT_EQ(WordWavFile("cat"), "");
    Globals::WavPath = saved;
}

TEST(TimeCombo, ChoiceTextsToStoredValues)
{
    EXPECT_EQ(TimeComboValue("None"), 0);
    EXPECT_EQ(TimeComboValue(""), 6);
    EXPECT_EQ(TimeComboValue("Indefinately"), 9999);
    EXPECT_EQ(TimeComboValue("Indefinitely"), 9999);
    EXPECT_EQ(TimeComboValue("indefinately"), 6) << "the pattern keeps its letter case";
    EXPECT_EQ(TimeComboValue("1 Second"), 2);
    EXPECT_EQ(TimeComboValue("3 Seconds"), 6);
    EXPECT_EQ(TimeComboValue("10 Seconds"), 20);
    EXPECT_EQ(TimeComboValue("15 Seconds"), 30);
    EXPECT_EQ(TimeComboValue("2.5 Seconds"), 4) << "2.5 rounds to the even 2";
    EXPECT_EQ(TimeComboValue("3.5 Seconds"), 8);
    EXPECT_EQ(TimeComboValue("none"), 6);
    EXPECT_EQ(TimeComboValue("Seconds"), 6);
    EXPECT_EQ(TimeComboValue("few Seconds"), 6);
    EXPECT_EQ(TimeComboValue(" 3 Seconds"), 6) << "nothing before the first blank";
    EXPECT_EQ(TimeComboValue("1e12 Seconds"), 6) << "too large to store";
}

TEST(TimeCombo, StoredValuesToChoiceTexts)
{
    EXPECT_EQ(TimeComboText(0), "None");
    EXPECT_EQ(TimeComboText(9999), "Indefinately");
    EXPECT_EQ(TimeComboText(2), "1 Second");
    EXPECT_EQ(TimeComboText(6), "3 Seconds");
    EXPECT_EQ(TimeComboText(5), "2.5 Seconds");
    EXPECT_EQ(TimeComboText(30), "15 Seconds");
    for (int v : {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 30, 9999})
        EXPECT_EQ(TimeComboValue(TimeComboText(v)), v) << v;
}

// A recording change waits for its row: committed it stays, dropped (the row was not written)
// everything is as before; no side file is left either way.
TEST(RecordingReplacement, StaysOnCommitAndIsTakenBackOtherwise)
{
    struct Case {
        const char* what;
        bool targetBefore; // the target had a file
        bool remove;       // Remove rather than Replace
        bool commit;
        const char* after; // the target's content afterwards, nullptr for no file
    };
    const Case cases[] = {
        {"replace, committed", true, false, true, "new"},
        {"replace, dropped", true, false, false, "old"},
        {"new file, committed", false, false, true, "new"},
        {"new file, dropped", false, false, false, nullptr},
        {"remove, committed", true, true, true, nullptr},
        {"remove, dropped", true, true, false, "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString from = dir.filePath("Temp.wav");
        const QString target = dir.filePath("APPLE.wav");
        auto write = [](const QString& path, const QByteArray& bytes) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write(from, "new");
        if (c.targetBefore)
            write(target, "old");
        {
            RecordingReplacement change;
            ASSERT_TRUE(c.remove ? change.Remove(target) : change.Replace(from, target));
            if (c.commit)
                change.Commit();
        }
        QFile file(target);
        if (c.after) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), QByteArray(c.after));
        } else {
            EXPECT_FALSE(file.exists());
        }
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        left.removeOne("Temp.wav");
        left.removeOne("APPLE.wav");
        EXPECT_TRUE(left.isEmpty()) << left.join(", ").toStdString();
    }
}
