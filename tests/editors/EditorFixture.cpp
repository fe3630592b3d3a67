#include "EditorFixture.h"

#include "GuiTestSupport.h"

#include "WordQueries.h"
#include "Globals.h"
#include "Sound.h"
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
    folder.reset();
}

QString EditorTest::StoredText(int32_t wordId) const { return GetWordText(wordId); }

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
