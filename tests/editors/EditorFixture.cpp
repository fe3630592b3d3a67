#include "EditorFixture.h"

#include "GuiTestSupport.h"

#include "WordQueries.h"
#include "Globals.h"
#include "Ids.h"
#include "Recordset.h"
#include "Sound.h"
#include "Statements.h"
#include "WavFiles.h"
#include "WavWriter.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

void CallerSpy::Listen(frmEditWord* editor)
{
    editor->disconnect(this);
    QObject::connect(editor, &frmEditWord::NewWordSaved, this, &CallerSpy::TakeInNewWord);
    QObject::connect(editor, &frmEditWord::WordUpdated, this, &CallerSpy::TakeInUpdatedWord);
}

void CallerSpy::TakeInNewWord(int32_t wordId) { added.push_back(wordId); }

void CallerSpy::TakeInUpdatedWord(int32_t wordId)
{
    updated.push_back(wordId);
    auto* editor = frmEditWord::instance();
    editorOpenAtUpdate = editor && editor->isVisible();
    wordBoxAtUpdate = editor ? editor->txtWord->text() : QString();
}

void EditorTest::SetUp()
{
    folder = std::make_unique<TestAppFolder>();
    Globals::MessageTime = 0;
    AnswerMessageBoxes(messages, answers);
}

void EditorTest::TearDown()
{
    if (auto* editor = frmEditWord::instance())
        editor->close();
    if (auto* list = frmEditList::instance())
        list->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    CloseRecorder();
    SetMsgBoxHook({});
    folder.reset();
}

namespace {
// Adds a row keyed by the next identifier of its key column (the counter of the same name);
// `fill` sets the other columns.
int32_t AddRow(const char* select, const char* whereKey, const char* keyColumn,
               const std::function<void(Recordset&)>& fill)
{
    const int32_t id = GetNextID(keyColumn);
    Recordset rs(QString(select) + whereKey + QString::number(id) + Sql::VALUE_END,
                 Globals::DbConnection());
    rs.AddNew();
    rs.SetField(keyColumn, id);
    fill(rs);
    rs.Update();
    return id;
}
} // namespace

int32_t EditorTest::AddList()
{
    return AddRow(Sql::SELECT_LISTS, Sql::WHERE_LIST_ID, IdCode::LIST_ID,
                  [](Recordset& rs) {
                      rs.SetField("WEEK_START", QDate(2026, 12, 7));
                      rs.SetField("WEEK_END", QDate(2026, 12, 13));
                      rs.SetField("TEST_DATE", QDate(2026, 12, 11));
                      rs.SetField("CREATED_DATE", QDateTime(QDate(2026, 12, 6), QTime(9, 0)));
                      rs.SetField("STATUS", "ACTIVE");
                  });
}

int32_t EditorTest::AddWord(int32_t listId, const QString& text, const QString& definition)
{
    return AddRow(Sql::SELECT_WORDS, Sql::WHERE_WORD_ID, IdCode::WORD_ID,
                  [&](Recordset& rs) {
                      rs.SetField("LIST_ID", listId);
                      rs.SetField("WORD", text);
                      rs.SetField("DEFINITION", definition);
                      rs.SetField("SENTENCE", QString());
                      rs.SetField("CASE_SENSITIVE", "FALSE");
                  });
}

int32_t EditorTest::AddTest(int32_t listId)
{
    return AddRow(Sql::SELECT_TESTS, Sql::WHERE_TEST_ID, IdCode::TEST_ID,
                  [&](Recordset& rs) {
                      rs.SetField("LIST_ID", listId);
                      rs.SetField("MOVE_ON_AFTER", 3);
                      rs.SetField("START_TIME", QDateTime(QDate(2026, 12, 8), QTime(17, 0)));
                      rs.SetField("END_TIME", QDateTime(QDate(2026, 12, 8), QTime(17, 5)));
                  });
}

QString EditorTest::StoredText(int32_t wordId) const { return GetWordText(wordId); }

int EditorTest::WordRowCount() const
{
    Recordset rs(Sql::SELECT_WORDS, Globals::DbConnection());
    int count = 0;
    for (; !rs.Eof(); rs.MoveNext())
        ++count;
    return count;
}

QByteArray EditorTest::Samples(int count, quint8 level) { return QByteArray(count, char(level)); }

QByteArray EditorTest::WriteRecording(const QString& path, const QByteArray& samples)
{
    EXPECT_TRUE(WriteWavFile(path, samples));
    return FileBytes(path);
}

QByteArray EditorTest::FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString EditorTest::Wav(const QString& upperName) const
{
    return Globals::WavPath + "/" + upperName + ".wav";
}

QStringList EditorTest::WavFolderEntries() const
{
    return QDir(Globals::WavPath)
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

frmEditWord* EditorTest::OpenWordEditor(int32_t listId, int32_t wordId, CallerSpy* spy)
{
    auto* editor = frmEditWord::instance();
    if (!editor)
        editor = new frmEditWord;
    editor->SetListID(listId);
    editor->SetWordID(wordId);
    if (spy)
        spy->Listen(editor);
    editor->show();
    QCoreApplication::processEvents();
    return editor;
}

frmEditList* EditorTest::OpenListEditor(int32_t listId)
{
    auto* list = new frmEditList;
    list->SetListID(listId);
    list->show();
    QCoreApplication::processEvents();
    return list;
}

void EditorTest::Click(QWidget* button)
{
    ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
}

QByteArray EditorTest::RecordInto(frmEditWord* editor, const QByteArray& samples)
{
    Click(editor->cmdRecord);
    Click(editor->cmdStop);
    return WriteRecording(TempWavPath(), samples);
}

void EditorTest::Save(frmEditWord* editor) { Click(editor->cmdSaveWord); }

void EditorTest::Type(frmEditWord* editor, const QString& word, const QString& definition,
                      const QString& sentence)
{
    editor->txtWord->setText(word);
    editor->txtDefinition->setPlainText(definition);
    editor->txtSentence->setPlainText(sentence);
}
