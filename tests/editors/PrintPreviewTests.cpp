// The list editor's Print... through the printing module, which is loaded at the first print.
#include "EditorFixture.h"

#include "Modules.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString kModule = QStringLiteral("quillby_print");

// What a print preview showed while it was up, once it is closed.
struct SeenPreview {
    int shown = 0;
    QString title;
    QString name;
    int pages = 0;
    bool savesPdf = false;
};

// Clicks the button; a print preview that comes up is looked at and closed.
SeenPreview PrintThrough(QPushButton* button)
{
    SeenPreview seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview || !preview->isVisible())
            return;
        ++seen.shown;
        seen.title = preview->windowTitle();
        seen.name = preview->objectName();
        seen.pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        seen.savesPdf = preview->findChild<QAction*>(QStringLiteral("mnuSaveAsPdf")) != nullptr;
        preview->reject();
    });
    watch.start(20);
    button->click();
    return seen;
}

class PrintPreview : public EditorTest {
protected:
    void TearDown() override
    {
        SetModulePathForTesting(kModule, QStringLiteral(QUILLBY_PRINT_MODULE));
        EditorTest::TearDown();
    }
};
} // namespace

TEST_F(PrintPreview, ComesFromThePrintingModuleWithTheListsPages)
{
    SetModulePathForTesting(kModule, QStringLiteral(QUILLBY_PRINT_MODULE));
    const int32_t list = AddList();
    for (const char* word : {"because", "friend", "said"})
        AddWord(list, word, {"a clue", "A sentence."});
    frmEditList* editor = OpenListEditor(list);

    for (QPushButton* button : {editor->cmdPrint, editor->cmdPrintSheet}) {
        SCOPED_TRACE(button->objectName().toStdString());
        const SeenPreview seen = PrintThrough(button);
        EXPECT_EQ(seen.shown, 1);
        EXPECT_EQ(seen.title, "Print Preview");
        EXPECT_EQ(seen.name, "frmPrintPreview");
        EXPECT_GE(seen.pages, 1);
        EXPECT_TRUE(seen.savesPdf);
    }
    EXPECT_EQ(messages, QStringList{});
}

// A printing module that cannot be loaded is said when the parent prints, and nothing else
// goes wrong; once it is back, printing works again in the same run.
TEST_F(PrintPreview, AModuleThatCannotBeLoadedIsSaidWhenPrinting)
{
    const QTemporaryDir folder;
    const QString notAModule = folder.filePath(QStringLiteral("libquillby_print.so"));
    QFile text(notAModule);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a library\n");
    text.close();
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"missing", folder.filePath(QStringLiteral("plugins/libquillby_print.so"))},
        {"not a library", notAModule},
        {"a library without the print function", QStringLiteral(QUILLBY_OTHER_MODULE)},
    };
    const int32_t list = AddList();
    AddWord(list, "because");
    frmEditList* editor = OpenListEditor(list);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        SetModulePathForTesting(kModule, c.path);
        EXPECT_EQ(PrintThrough(editor->cmdPrint).shown, 0);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith("Quillby's printing could not be loaded"))
            << messages[0].toStdString();
        EXPECT_TRUE(editor->isVisible());
    }
    messages.clear();
    SetModulePathForTesting(kModule, QStringLiteral(QUILLBY_PRINT_MODULE));
    EXPECT_EQ(PrintThrough(editor->cmdPrint).shown, 1);
    EXPECT_EQ(messages, QStringList{});
}
