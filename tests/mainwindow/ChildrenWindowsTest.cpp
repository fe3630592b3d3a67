// The children's windows in the program's own process: what the keyboard does in "Who is
// practising?", and what the Children window keeps when a change is refused or declined.
#include "GuiTestUtil.h"

#include "Children.h"
#include "GuiTestSupport.h"
#include "TestDb.h"
#include "frmChildren.h"
#include "frmChooseChild.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(ChooseChild, EnterTakesTheChildUsedLastAndEveryButtonIsNamed)
{
    struct Case {
        QString preselected;
        QString chosen;
    } cases[] = {{"Ben", "Ben"}, {"cleo", "Cleo"}, {"", "Ann"}, {"Gone", "Ann"}};
    for (const Case& c : cases) {
        frmChooseChild chooser({"Ann", "Ben", "Cleo"}, c.preselected);
        QStringList spoken;
        for (QPushButton* button : chooser.findChildren<QPushButton*>())
            spoken << SpokenName(button);
        EXPECT_EQ(spoken, (QStringList{"Ann", "Ben", "Cleo"}));
        chooser.show();
        QTest::keyClick(&chooser, Qt::Key_Return); // the default button takes Enter
        EXPECT_EQ(chooser.Chosen(), c.chosen) << c.preselected.toStdString();
    }
}

TEST(ChooseChild, TheArrowKeysWalkTheChildren)
{
    frmChooseChild chooser({"Ann", "Ben", "Cleo"}, "Ben");
    chooser.show();
    QApplication::setActiveWindow(&chooser);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    QWidget* start = QApplication::focusWidget();
    ASSERT_TRUE(start);
    EXPECT_EQ(SpokenName(start), "Ben");
    QTest::keyClick(start, Qt::Key_Down);
    EXPECT_EQ(SpokenName(QApplication::focusWidget()), "Cleo");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(SpokenName(QApplication::focusWidget()), "Ann");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(chooser.Chosen(), "Ann");
}

TEST(ChildrenWindow, RefusedNamesAndADeclinedRemovalChangeNothing)
{
    QTemporaryDir root;
    const QString data = root.path() + "/data";
    MakeTestDatabase(data);
    ChildRegistry registry(data, QString());
    ASSERT_EQ(registry.Add("Ben", "Ann"), QString());
    frmChildren window(registry);
    window.show();
    auto* name = Child<QLineEdit>(&window, "txtName");
    auto* list = Child<QListWidget>(&window, "lstChildren");
    EXPECT_EQ(window.ListedNames(), (QStringList{"Ann", "Ben"}));
    EXPECT_EQ(SpokenName(name), "Name");
    EXPECT_EQ(SpokenName(list), "Children");

    struct Case {
        QString typed;
        const char* says;
    } refused[] = {{"", "Please type the child's name."},
                   {"BEN", "There is already a child named \"Ben\"."},
                   {"../Ben", "only letters"},
                   {QString(41, 'x'), "at most 40"}};
    for (const Case& c : refused) {
        MessageBoxes boxes;
        name->setText(c.typed);
        ClickButton(&window, "cmdAdd");
        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_TRUE(boxes.texts[0].contains(c.says)) << boxes.texts[0].toStdString();
    }
    EXPECT_EQ(window.ListedNames(), (QStringList{"Ann", "Ben"}));

    list->setCurrentRow(0);
    EXPECT_FALSE(Child<QPushButton>(&window, "cmdRemove")->isEnabled()); // the first child
    list->setCurrentRow(1);
    {
        MessageBoxes boxes(MsgResult::No);
        ClickButton(&window, "cmdRemove");
        EXPECT_EQ(boxes.texts.size(), 1); // No to the first question: no second
    }
    EXPECT_EQ(window.ListedNames(), (QStringList{"Ann", "Ben"}));
    EXPECT_TRUE(QDir(data + "/Children/Ben").exists());
}
