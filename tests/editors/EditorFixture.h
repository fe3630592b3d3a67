#pragma once
#include "frmEditList.h"
#include "frmEditWord.h"

#include "MessageBoxes.h"
#include "TestDb.h"
#include "TestRows.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

// Stands in for the list editor where a test looks only at the word editor's notices.
class CallerSpy : public QObject {
public:
    // Hears the editor's notices from now on (until the spy goes).
    void Listen(frmEditWord* editor);
    void TakeInNewWord(int32_t wordId);
    void TakeInUpdatedWord(int32_t wordId);

    std::vector<int32_t> added;
    std::vector<int32_t> updated;
    QString wordBoxAtUpdate; // the editor's word box when it reported an update
    bool editorOpenAtUpdate = false;
};

// A fresh application folder with a real database (its rows made with TestRows.h), temporary
// messages off and message boxes answered by the test. Closes every editor window at the end.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString StoredText(int32_t wordId) const;
    int WordRowCount() const { return StoredRowCount(QStringLiteral(" SELECT * FROM WORDS ")); }

    // A recording standing for the parent's voice: `samples` bytes of one level.
    static QByteArray Samples(int count, quint8 level);
    // Writes a WAV file and returns its bytes.
    static QByteArray WriteRecording(const QString& path, const QByteArray& samples);
    static QByteArray FileBytes(const QString& path);
    QString Wav(const QString& upperName) const; // WavPath/<name>.wav
    QStringList WavFolderEntries() const;

    // A word editor as the list editor opens it; shown, with spy (when given) listening.
    frmEditWord* OpenWordEditor(int32_t listId, int32_t wordId, CallerSpy* spy);
    frmEditList* OpenListEditor(int32_t listId);
    // Record and Stop, then the recording the microphone would have given.
    // Returns the bytes of the working file.
    QByteArray RecordInto(frmEditWord* editor, const QByteArray& samples);
    void Click(QWidget* button);
    void Save(frmEditWord* editor);
    void Type(frmEditWord* editor, const QString& word, const QString& definition = {},
              const QString& sentence = {});

    // Answers for the coming message boxes (default: OK / Yes) and the texts shown.
    MessageBoxes boxes;
    std::deque<MsgResult>& answers = boxes.answers;
    QStringList& messages = boxes.texts;
    std::unique_ptr<TestAppFolder> folder;
};

