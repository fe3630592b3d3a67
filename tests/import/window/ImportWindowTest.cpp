// The "Import Words" window in process: the clipboard's text, bad input that leaves the
// window usable, Cancel, and the stored words with the list the window asks to be edited.
#include "GuiTestSupport.h"
#include "Connection.h"
#include "Globals.h"
#include "ImportWordsModel.h"
#include "MessageBoxes.h"
#include "PictureReader.h"
#include "TestDb.h"
#include "frmImportWords.h"
#include "frmLists.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

int Count(const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(Globals::DbConnection().Handle(), sql, -1, &stmt, nullptr);
    const int count = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return count;
}

QStringList Words(const frmImportWords& window)
{
    QStringList words;
    const auto* model = static_cast<const ImportWordsModel*>(window.grdWords->model());
    for (const ImportRow& row : model->Rows())
        words << QString("%1%2").arg(row.ticked ? "+" : "-", row.word);
    return words;
}

struct ImportWindow : testing::Test {
    TestAppFolder app;
    MessageBoxes boxes;
    QStringList& messages = boxes.texts;
};

} // namespace

TEST_F(ImportWindow, PasteReadsTheClipboardAndCreateListStoresTheTickedWords)
{
    frmImportWords window(0);
    QSignalSpy wanted(&window, &frmImportWords::ListEditorWanted);
    window.show();
    EXPECT_FALSE(window.cmdAddToList->isEnabled()) << "no list chosen in the main window";
    QApplication::clipboard()->setText("Spelling Words\n1. because\n2. friend\nName: ____\n");
    QTest::mouseClick(window.cmdPaste, Qt::LeftButton);
    EXPECT_EQ(Words(window),
              (QStringList{"-Spelling Words", "+because", "+friend", "-Name: ____"}));
    EXPECT_EQ(SpokenName(window.lblSource), "Words from the clipboard");
    QTest::mouseClick(window.cmdCreateList, Qt::LeftButton);
    ASSERT_EQ(wanted.count(), 1);
    EXPECT_EQ(wanted.at(0).at(0).toInt(), 1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM WORDS WHERE LIST_ID = 1"), 2);
    EXPECT_TRUE(messages.isEmpty()) << "no notice per word";
}

TEST_F(ImportWindow, BadInputKeepsTheRowsAndTheWindowUsable)
{
    frmImportWords window(0);
    window.show();
    QApplication::clipboard()->setText("because\nfriend\n");
    QTest::mouseClick(window.cmdPaste, Qt::LeftButton);
    QTemporaryDir folder;
    const QString empty = folder.filePath("empty.txt");
    QFile(empty).open(QIODevice::WriteOnly);
    const QString binary = folder.filePath("program.txt");
    QFile file(binary);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray("\x7f"
                          "ELF\0\0\0",
                          7));
    file.close();
    for (const QString& path : {empty, binary, folder.filePath("missing.png")}) {
        window.ReadFile(path);
        EXPECT_EQ(Words(window), (QStringList{"+because", "+friend"})) << path.toStdString();
    }
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages[0].startsWith("The file is empty"));
    EXPECT_TRUE(messages[1].startsWith("This file holds no text"));
    EXPECT_TRUE(messages[2].startsWith("Quillby cannot read this picture"));
    QApplication::clipboard()->clear();
    QTest::mouseClick(window.cmdPaste, Qt::LeftButton);
    EXPECT_TRUE(messages.last().startsWith("The clipboard holds no text and no picture"));
    EXPECT_TRUE(window.cmdCreateList->isEnabled());
    QTest::mouseClick(window.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM WORDS"), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM LISTS"), 0);
}

TEST_F(ImportWindow, AddToListSkipsWordsAlreadyThereAndEditedCellsAreStored)
{
    Globals::DbConnection().Execute(
        "INSERT INTO LISTS (LIST_ID, TEST_DATE, STATUS) VALUES (4, '2025-03-14', 'CREATED')");
    Globals::DbConnection().Execute("INSERT INTO WORDS VALUES (9, 4, 'after', '', '', 'FALSE')");
    frmImportWords window(4);
    QSignalSpy wanted(&window, &frmImportWords::ListEditorWanted);
    window.show();
    QApplication::clipboard()->setText("word;definition\nAfter;later\nbecuase;for the reason\n");
    QTest::mouseClick(window.cmdPaste, Qt::LeftButton);
    EXPECT_EQ(Words(window), (QStringList{"-After", "+becuase"}));
    auto* model = window.grdWords->model();
    ASSERT_TRUE(model->setData(model->index(1, ImportWordsModel::WordColumn), " because "));
    QTest::mouseClick(window.cmdAddToList, Qt::LeftButton);
    ASSERT_EQ(wanted.count(), 1);
    EXPECT_EQ(wanted.at(0).at(0).toInt(), 4);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM WORDS WHERE LIST_ID = 4 AND WORD = 'because' AND "
                    "DEFINITION = 'for the reason' AND CASE_SENSITIVE = 'FALSE'"),
              1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM WORDS"), 2);
}

TEST_F(ImportWindow, AFileDroppedOnTheWindowIsRead)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("week.tsv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("bee\tan insect\tA bee buzzed.\n");
    file.close();
    frmImportWords window(0);
    window.show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(Words(window), QStringList{"+bee"});
    EXPECT_EQ(SpokenName(window.lblSource), "Words from week.tsv");
}

TEST_F(ImportWindow, AFileDroppedOnTheMainWindowOpensImportWordsWithIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("week.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1. bee\n2. wasp\n");
    file.close();
    frmLists main;
    ASSERT_TRUE(main.LoadForm(app.path()));
    main.show();
    EXPECT_TRUE(main.acceptDrops());
    struct Case {
        const char* what;
        QList<QUrl> urls; // none: a text is dragged
        bool accepted;
    };
    const std::vector<Case> cases{
        {"a text, not a file", {}, false},
        {"a web address", {QUrl("https://example.org/week.txt")}, false},
        {"a file", {QUrl::fromLocalFile(path)}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QMimeData data;
        if (c.urls.isEmpty())
            data.setText("bee");
        else
            data.setUrls(c.urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&main, &enter);
        EXPECT_EQ(enter.isAccepted(), c.accepted);
        if (enter.isAccepted()) {
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&main, &drop);
        }
        const auto* import = main.findChild<frmImportWords*>();
        ASSERT_EQ(import != nullptr, c.accepted);
        if (import) {
            EXPECT_TRUE(import->isVisible());
            EXPECT_EQ(Words(*import), (QStringList{"+bee", "+wasp"}));
            EXPECT_EQ(SpokenName(import->lblSource), "Words from week.txt");
        }
    }
    // A second start's file is taken only while nothing else is open.
    EXPECT_TRUE(main.CanImportNow());
    main.hide();
    EXPECT_FALSE(main.CanImportNow());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
}

int main(int argc, char** argv) { return RunGuiTests(argc, argv); }
