#include "frmTestWordDetails.h"

#include "FormHelpers.h"
#include "TestGrids.h"
#include "TestQueries.h"
#include "TestReport.h"
#include "Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmTestWordDetails::frmTestWordDetails(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmTestWordDetails"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Word Attempts"));
    AddCloseKeys(this);

    lblWord = MakeWordLabel(this, "lblWord", 1.5);
    Label1 = MakeLabel(this, "Label1", tr("Attempts"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Attempts"));
    Label1->setBuddy(List1);
    lblResult = MakeLabel(this, "lblResult", QString());
    lblResult->setWordWrap(true);
    Command1 = MakeButton(this, "Command1", tr("&Close"), tr("Close this screen"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblWord);
    layout->addWidget(Label1);
    layout->addWidget(List1, 1);
    layout->addWidget(lblResult);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(Twips(3900), Twips(4500))));

    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

void frmTestWordDetails::LoadWordDetails(int32_t testId, const QString& word,
                                         const QString& wordId, int32_t moveOnAfter)
{
    lblWord->setText(word);
    List1->clear();
    List1->addItems(ReadWrongGuesses(testId, wordId.toInt()));

    const int misses = List1->count();
    if (EndsWithRightSpelling(misses, moveOnAfter))
        List1->addItem(word);
    lblResult->setText(AttemptResultText(misses, moveOnAfter));
}
