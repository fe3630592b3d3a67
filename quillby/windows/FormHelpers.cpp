#include "FormHelpers.h"

#include "AppFunctions.h"
#include "Options.h"
#include "Translation.h"
#include "Twips.h"
#include "Variant.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QHeaderView>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>

void NameControl(QWidget* control, const char* name, const QString& accessibleName)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(accessibleName.isEmpty() ? QString::fromLatin1(name)
                                                        : accessibleName);
}

QString PlainLabelText(const QString& text)
{
    QString plain = text;
    plain.remove(QChar('&'));
    plain = plain.trimmed();
    if (plain.endsWith(QChar(':')))
        plain.chop(1);
    return plain;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    // Labels show words and lists as typed: "<b>" is text, never markup or a resource to load.
    label->setTextFormat(Qt::PlainText);
    // A label made empty shows a value later (a word, a result): with no accessible name of
    // its own, screen readers read whatever text it shows.
    if (text.isEmpty())
        label->setObjectName(QString::fromLatin1(name));
    else
        NameControl(label, name, PlainLabelText(text));
    return label;
}

namespace {
// A captioned control named after its caption, with its tool-tip.
template <class Control>
Control* MakeCaptioned(QWidget* parent, const char* name, const QString& caption,
                       const QString& toolTip)
{
    auto* control = new Control(caption, parent);
    NameControl(control, name, PlainLabelText(caption));
    control->setToolTip(toolTip);
    return control;
}
} // namespace

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& toolTip)
{
    return MakeCaptioned<QPushButton>(parent, name, caption, toolTip);
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QString& toolTip)
{
    return MakeCaptioned<QCheckBox>(parent, name, caption, toolTip);
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QLabel* label)
{
    auto* edit = new QLineEdit(parent);
    NameControl(edit, name, label ? PlainLabelText(label->text()) : QString());
    if (label)
        label->setBuddy(edit);
    return edit;
}

QString UsDateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("M/d/yyyy")) : QString();
}

QString DisplayDateText(const QDate& date)
{
    if (!TranslationInForce() || !date.isValid())
        return UsDateText(date);
    return QLocale().toString(date, QLocale::ShortFormat);
}

namespace {
// A date in the locale's short form, its year with two digits or four.
QDate ParseLocaleDate(const QString& text)
{
    const QString shortForm = QLocale().dateFormat(QLocale::ShortFormat);
    QString longYear = shortForm;
    if (!longYear.contains(QStringLiteral("yyyy")))
        longYear.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    QDate date = QDate::fromString(text, longYear);
    if (!date.isValid()) {
        date = QDate::fromString(text, shortForm);
        if (date.isValid() && date.year() < 1950)
            date = date.addYears(100); // two-digit years mean this century
    }
    return date;
}
} // namespace

QDate ParseDateText(const QString& text)
{
    const QString t = text.trimmed();
    if (TranslationInForce()) {
        const QDate date = ParseLocaleDate(t);
        if (date.isValid())
            return date;
    }
    QDate date = QDate::fromString(t, QStringLiteral("M/d/yyyy"));
    if (!date.isValid()) {
        date = QDate::fromString(t, QStringLiteral("M/d/yy"));
        if (date.isValid() && date.year() < 1950)
            date = date.addYears(100); // two-digit years mean this century
    }
    if (!date.isValid())
        date = QDate::fromString(t, Qt::ISODate);
    return date;
}

QComboBox* MakeChoiceBox(QWidget* parent, const char* name, QLabel* label,
                         const QStringList& items, const QString& toolTip, bool editable)
{
    auto* box = new QComboBox(parent);
    NameControl(box, name, PlainLabelText(label->text()));
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setToolTip(toolTip);
    label->setBuddy(box);
    return box;
}

void AddStoredChoice(QComboBox* box, const QString& shown, const QString& stored)
{
    box->addItem(shown, stored);
}

QString StoredChoiceName(const char* stored) { return QCoreApplication::translate("Opt", stored); }

QString StoredChoice(const QComboBox* box)
{
    const int index = box->currentIndex();
    const QVariant stored = index >= 0 ? box->itemData(index) : QVariant();
    if (stored.isValid() && box->itemText(index) == box->currentText())
        return stored.toString();
    return box->currentText();
}

void ShowStoredChoice(QComboBox* box, const QString& stored, const QString& shownOtherwise)
{
    const int index = box->findData(stored);
    if (index >= 0 && box->itemText(index) != stored)
        box->setCurrentIndex(index);
    else
        box->setCurrentText(index < 0 && !shownOtherwise.isEmpty() ? shownOtherwise : stored);
}

QAction* MakeMenuItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

void InitModalDialog(QDialog* dialog, const char* name, const QString& title)
{
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(title);
    dialog->setAccessibleName(title);
    dialog->setModal(true);
    AddCloseKeys(dialog, false); // a dialog's own Escape already rejects it
}

namespace {
// The texts of the test-default frames, translated as one group.
struct TestDefaults {
    Q_DECLARE_TR_FUNCTIONS(TestDefaults)
};

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    NameControl(frame, name, caption);
    return frame;
}

void BuildDisplayFrame(QWidget* parent, TestDefaultControls& c, const QString& scope,
                       bool editableChoices)
{
    c.frameDisplay = MakeFrame(parent, "frameDisplay", TestDefaults::tr("Display"));
    QWidget* frame = c.frameDisplay;
    // Created in the order they are shown, which is also the Tab order.
    c.chkPronounce = MakeCheckBox(frame, "chkPronounce", TestDefaults::tr("&Pronounce"),
                                  TestDefaults::tr("The word will be pronounced during %1").arg(scope));
    c.chkDefinition = MakeCheckBox(frame, "chkDefinition", TestDefaults::tr("Show &Definition"),
                                   TestDefaults::tr("The definition will be displayed during %1").arg(scope));
    c.chkSentence = MakeCheckBox(frame, "chkSentence", TestDefaults::tr("Show Context &Sentence"),
                                 TestDefaults::tr("The context sentence will be show during %1").arg(scope));
    auto* label5 = MakeLabel(frame, "Label5", TestDefaults::tr("Word Order"));
    c.txtTestOrder = MakeChoiceBox(
        frame, "txtTestOrder", label5,
        {},
        TestDefaults::tr("The order that the words will appear on %1").arg(scope), editableChoices);
    for (const char* order : {Opt::ORDER_ALPHABETICAL, Opt::ORDER_CREATED, Opt::ORDER_RANDOM})
        AddStoredChoice(c.txtTestOrder, StoredChoiceName(order), QString::fromLatin1(order));
    auto* layout = new QGridLayout(frame);
    layout->addWidget(c.chkPronounce, 0, 0);
    layout->addWidget(c.chkDefinition, 1, 0);
    layout->addWidget(c.chkSentence, 2, 0);
    layout->addWidget(label5, 0, 1);
    layout->addWidget(c.txtTestOrder, 1, 1);
    layout->setColumnStretch(0, 1);
}

void BuildWrongAnswerFrame(QWidget* parent, TestDefaultControls& c, bool editableChoices)
{
    c.frameWrong = MakeFrame(parent, "frameWrong", TestDefaults::tr("Incorrect Answer Behavior"));
    QWidget* frame = c.frameWrong;
    auto* label1 = MakeLabel(frame, "Label1", TestDefaults::tr("Go to the next word after"));
    QStringList counts;
    for (int n = 1; n <= 10; ++n)
        counts << QString::number(n);
    c.cmbMoveOn = MakeChoiceBox(
        frame, "cmbMoveOn", label1, counts,
        TestDefaults::tr("The number of chances given to spell a word correctly before moving on "
                       "to the next word"),
        editableChoices);
    c.cmbMoveOn->setAccessibleName(TestDefaults::tr("Go to the next word after incorrect answers"));
    c.cmbMoveOn->setMinimumContentsLength(3);
    auto* label2 = MakeLabel(frame, "Label2", TestDefaults::tr("incorrect answers"));
    c.chkRevealAnswers = MakeCheckBox(
        frame, "chkRevealAnswers", TestDefaults::tr("&Reveal answers before moving on"),
        TestDefaults::tr("Show the correct answer if the word is not spelled correctly after the "
                       "specified number of chances"));
    c.chkForceEcho = MakeCheckBox(
        frame, "chkForceEcho",
        TestDefaults::tr("Require the student to &type the correct answer after it is revealed"),
        TestDefaults::tr("Require the student to correctly spell the word after it is show"));
    c.chkClearWrongAnswer = MakeCheckBox(
        frame, "chkClearWrongAnswer", TestDefaults::tr("C&lear Incorrect Answers"),
        TestDefaults::tr("Clear the entire mispelled when an answer is incorrect"));
    auto* moveOn = new QHBoxLayout;
    moveOn->addWidget(label1);
    moveOn->addWidget(c.cmbMoveOn);
    moveOn->addWidget(label2);
    moveOn->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(moveOn);
    for (QCheckBox* box : {c.chkRevealAnswers, c.chkForceEcho, c.chkClearWrongAnswer})
        layout->addWidget(box);

    QObject::connect(c.chkForceEcho, &QCheckBox::toggled, frame, [reveal = c.chkRevealAnswers](bool on) {
        if (on)
            reveal->setChecked(true);
    });
    QObject::connect(c.chkRevealAnswers, &QCheckBox::toggled, frame, [echo = c.chkForceEcho](bool on) {
        if (!on)
            echo->setChecked(false);
    });
}

void BuildSoundsFrame(QWidget* parent, TestDefaultControls& c)
{
    c.frameSounds = MakeFrame(parent, "frameSounds", TestDefaults::tr("Sounds"));
    c.chkPlayRight = MakeCheckBox(c.frameSounds, "chkPlayRight",
                                  TestDefaults::tr("Play Sound After &Correct Answers"),
                                  TestDefaults::tr("Play a notification sound when a word is spelled correctly"));
    c.chkPlayWrong = MakeCheckBox(c.frameSounds, "chkPlayWrong",
                                  TestDefaults::tr("Play Sound After &Incorrect Answers"),
                                  TestDefaults::tr("Play a notification sound when a word is spelled incorrectly"));
    auto* layout = new QVBoxLayout(c.frameSounds);
    layout->addWidget(c.chkPlayRight);
    layout->addWidget(c.chkPlayWrong);
}
} // namespace

void BuildTestDefaultFrames(QWidget* parent, TestDefaultControls& controls, const QString& scope,
                            bool editableChoices)
{
    BuildDisplayFrame(parent, controls, scope, editableChoices);
    BuildWrongAnswerFrame(parent, controls, editableChoices);
    BuildSoundsFrame(parent, controls);
}

bool AnyClueChecked(const TestDefaultControls& c)
{
    return c.chkDefinition->isChecked() || c.chkSentence->isChecked() || c.chkPronounce->isChecked();
}

QString MissingClueMessage(const QString& leadText)
{
    return leadText + TestDefaults::tr("\r\r    1. Pronounce\r    2. Definition\r    3. Context Sentence");
}

void SetCheckFromText(QCheckBox* box, const QString& stored)
{
    box->setChecked(TextToCheckValue(stored) == 1);
}

Variant CheckText(const QCheckBox* box) { return Variant(CheckValueToText(box->isChecked() ? 1 : 0)); }

OptionValues TestDefaultValues(const TestDefaultControls& c)
{
    const auto flag = CheckText;
    return {{Opt::PRONOUNCE, flag(c.chkPronounce)},
            {Opt::SHOW_DEFINITION, flag(c.chkDefinition)},
            {Opt::SHOW_CONTEXT, flag(c.chkSentence)},
            {Opt::TEST_ORDER, Variant(StoredChoice(c.txtTestOrder))},
            {Opt::MOVE_ON_AFTER, Variant(c.cmbMoveOn->currentText())},
            {Opt::REVEAL_ANSWERS, flag(c.chkRevealAnswers)},
            {Opt::REQUIRE_ECHO, flag(c.chkForceEcho)},
            {Opt::CLEAR_WRONG_ANSWER, flag(c.chkClearWrongAnswer)},
            {Opt::PLAY_CORRECT_SOUND, flag(c.chkPlayRight)},
            {Opt::PLAY_INCORRECT_SOUND, flag(c.chkPlayWrong)}};
}

bool IsEnterOrSpaceKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

void AddCloseKeys(QWidget* window, bool escapeToo)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    if (escapeToo)
        keys << QKeySequence(Qt::Key_Escape);
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, window);
        QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
    }
}

namespace {
const char* const kLeastWidths = "leastColumnWidths"; // pixels, by column
} // namespace

void SetLeastWidth(QWidget* control, int twips)
{
    control->setMinimumWidth(std::max(Twips(twips), control->sizeHint().width()));
}

void SetColumnWidth(QTableView* grid, int column, int twips)
{
    const int width = std::max(Twips(twips), grid->horizontalHeader()->sectionSizeHint(column));
    grid->setColumnWidth(column, width);
    // Kept for a column that stretches: its width then follows the grid's.
    QVariantList least = grid->property(kLeastWidths).toList();
    while (least.size() <= column)
        least.append(0);
    least[column] = width;
    grid->setProperty(kLeastWidths, least);
}

int GridWidthForColumns(const QTableView* grid)
{
    const QHeaderView* header = grid->horizontalHeader();
    const QVariantList least = grid->property(kLeastWidths).toList();
    int lastShown = -1;
    for (int column = 0; column < header->count(); ++column)
        if (!grid->isColumnHidden(column) &&
            (lastShown < 0 || header->visualIndex(column) > header->visualIndex(lastShown)))
            lastShown = column;
    int width = 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < header->count(); ++column) {
        if (grid->isColumnHidden(column))
            continue;
        const bool stretches = header->sectionResizeMode(column) == QHeaderView::Stretch ||
                               (header->stretchLastSection() && column == lastShown);
        width += stretches && column < least.size() ? least[column].toInt()
                                                    : grid->columnWidth(column);
    }
    return width;
}
