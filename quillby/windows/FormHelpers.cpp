#include "FormHelpers.h"

#include "AccessKeyButton.h"
#include "Twips.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QStyle>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QHeaderView>
#include <QImage>
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
    return MakeCaptioned<AccessKeyButton>(parent, name, caption, toolTip);
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

QLabel* MakeWordLabel(QWidget* parent, const char* name, double scale)
{
    auto* label = MakeLabel(parent, name, QString());
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() * scale);
    big.setBold(true);
    label->setFont(big);
    return label;
}

QAction* AddFileMenu(QMainWindow* window)
{
    // The catalogues know these texts by the context "TestGrids", where they began.
    auto* mnuFile = window->menuBar()->addMenu(QCoreApplication::translate("TestGrids", "&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuExit = mnuFile->addAction(QCoreApplication::translate("TestGrids", "E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    QObject::connect(mnuExit, &QAction::triggered, window, &QWidget::close);
    AddCloseKeys(window);
    return mnuExit;
}

void MakeRoomFor(QLineEdit* box, const QString& widest)
{
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(widest) +
                         box->fontMetrics().averageCharWidth() + 2 * frame + 4);
}

QLineEdit* AddReadOnlyField(QFormLayout* form, QWidget* parent, const char* labelName,
                            const QString& caption, const char* name, const QString& toolTip)
{
    auto* label = MakeLabel(parent, labelName, caption);
    auto* box = MakeTextBox(parent, name, label);
    box->setReadOnly(true);
    MakeRoomFor(box, QStringLiteral("12/31/2026")); // the widest: a date, a time, "100 %"
    if (!toolTip.isEmpty())
        box->setToolTip(toolTip);
    form->addRow(label, box);
    return box;
}

void ReadyToMap(QWidget* window)
{
    for (QWidget* child : window->findChildren<QWidget*>())
        child->ensurePolished();
    window->ensurePolished();
    if (window->layout())
        window->layout()->activate();
    QImage image(window->size() * window->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(window->devicePixelRatio());
    window->render(&image);
}
