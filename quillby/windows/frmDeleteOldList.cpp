#include "frmDeleteOldList.h"

#include "ProcessEvents.h"
#include "StoredText.h"
#include "ErrorReport.h"
#include "FormHelpers.h"
#include "DateTexts.h"
#include "ListQueries.h"
#include "Twips.h"
#include "frmMessage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmDeleteOldList::frmDeleteOldList(QWidget* parent) : QDialog(parent)
{
    InitModalDialog(this, "frmDeleteOldList", tr("Delete Old List..."));
    // Shown before the main window exists on screen: closing it must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    Label4 = MakeLabel(this, "Label4",
                       tr("It is now past the scheduled test date of this word list.  "
                                      "Would you like to delete this list?"));
    Label4->setWordWrap(true);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);

    Label1 = MakeLabel(this, "Label1", tr("Created:"));
    Label2 = MakeLabel(this, "Label2", tr("Test Date:"));
    Label3 = MakeLabel(this, "Label3", tr("Words:"));
    txtCreated = MakeTextBox(this, "txtCreated", Label1);
    txtTestDate = MakeTextBox(this, "txtTestDate", Label2);
    txtTotalWords = MakeTextBox(this, "txtTotalWords", Label3);
    for (QLineEdit* box : {txtCreated, txtTestDate, txtTotalWords}) {
        box->setReadOnly(true);
        box->setMaximumWidth(Twips(1800));
    }
    List1 = new QListWidget(this);
    NameControl(List1, "List1", tr("Words of the list"));
    List1->setMinimumSize(Twips(2600), Twips(2200));

    cmdDelete = MakeButton(this, "cmdDelete", tr("&Delete"),
                           tr("Delete this list"));
    cmdIgnore = MakeButton(
        this, "cmdIgnore", tr("&Ignore"),
        tr("Does not delete this list, and you won't be prompted to delete this list again"));
    cmdCancel = MakeButton(this, "cmdCancel", tr("&Cancel"),
                           tr("Do not delete this list"));

    auto* details = new QFormLayout;
    details->addRow(Label1, txtCreated);
    details->addRow(Label2, txtTestDate);
    details->addRow(Label3, txtTotalWords);
    auto* middle = new QHBoxLayout;
    middle->addLayout(details);
    middle->addWidget(List1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdDelete, cmdIgnore, cmdCancel}) {
        SetLeastWidth(b, 1200);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    setMinimumWidth(Twips(6600));

    // Leaving the list as it is is the safe answer to Enter and Escape.
    cmdCancel->setDefault(true);
    setTabOrder(cmdDelete, cmdIgnore);
    setTabOrder(cmdIgnore, cmdCancel);
    setTabOrder(cmdCancel, List1);
    setTabOrder(List1, txtCreated);
    setTabOrder(txtCreated, txtTestDate);
    setTabOrder(txtTestDate, txtTotalWords);
    cmdCancel->setFocus();

    connect(cmdDelete, &QPushButton::clicked, this, &frmDeleteOldList::DeleteClicked);
    connect(cmdIgnore, &QPushButton::clicked, this, &frmDeleteOldList::IgnoreClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmDeleteOldList::SetListID(int32_t listId)
{
    listId_ = listId;
    Guarded([this] { LoadListDetails(); });
}

void frmDeleteOldList::LoadListDetails()
{
    List1->clear();
    if (const std::optional<ListDates> dates = ReadListDates(listId_)) {
        txtCreated->setText(DisplayDateText(dates->created));
        txtTestDate->setText(ShortDateText(dates->testDate));
    }
    ProcessEvents(3);
    List1->addItems(ListWordsByWord(listId_));
    txtTotalWords->setText(QString::number(List1->count()));
}

void frmDeleteOldList::DeleteClicked()
{
    Guarded([this] {
        DeleteList(listId_);
        ShowTempMessage(tr("List Deleted"), QString());
        accept();
    });
}

void frmDeleteOldList::IgnoreClicked()
{
    Guarded([this] {
        IgnoreList(listId_);
        ShowTempMessage(tr("List Ignored"),
                        tr("You will not be prompted to delete this list again."));
        accept();
    });
}
