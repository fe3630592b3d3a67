#include "frmNewList.h"

#include "ErrorReport.h"
#include "FormHelpers.h"
#include "DateTexts.h"
#include "Globals.h"
#include "Ids.h"
#include "Options.h"
#include "ListQueries.h"
#include "OptionQueries.h"
#include "SchoolWeek.h"
#include "Startup.h"
#include "Translation.h"
#include "Twips.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kFridays = QString::fromLatin1(Opt::DEFAULT_TEST_DAY);
} // namespace

QString WeekdayName(const QDate& date)
{
    const QLocale locale = TranslationInForce() ? QLocale() : QLocale::c();
    return locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
}

frmNewList::frmNewList(QWidget* parent) : QDialog(parent)
{
    InitModalDialog(this, "frmNewList", tr("New Word List"));

    lblToday = MakeLabel(this, "lblToday", QString());
    QFont bold = lblToday->font();
    bold.setBold(true);
    lblToday->setFont(bold);
    Label1 = MakeLabel(this, "Label1", tr("Start of week"));
    Label2 = MakeLabel(this, "Label2", tr("End of week"));
    Label3 = MakeLabel(this, "Label3", tr("Date of test"));
    txtStart = MakeTextBox(this, "txtStart", Label1);
    txtEnd = MakeTextBox(this, "txtEnd", Label2);
    txtTestDate = MakeTextBox(this, "txtTestDate", Label3);
    cmdCreate = MakeButton(this, "cmdCreate", tr("&Create"),
                           tr("Create a new word list"));
    cmdCancel = MakeButton(this, "cmdCancel", tr("C&ancel"),
                           tr("Do not create a new list"));

    auto* dates = new QGridLayout;
    int row = 0;
    for (auto [label, box] : {std::pair{Label1, txtStart}, std::pair{Label2, txtEnd},
                              std::pair{Label3, txtTestDate}}) {
        box->setMinimumWidth(Twips(1800));
        dates->addWidget(label, row, 0);
        dates->addWidget(box, row, 1);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCreate);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblToday);
    layout->addSpacing(Twips(120));
    layout->addLayout(dates);
    layout->addSpacing(Twips(120));
    layout->addLayout(buttons);
    setMinimumWidth(Twips(4200));

    cmdCreate->setDefault(true);
    setTabOrder(txtStart, txtEnd);
    setTabOrder(txtEnd, txtTestDate);
    setTabOrder(txtTestDate, cmdCreate);
    setTabOrder(cmdCreate, cmdCancel);
    connect(cmdCreate, &QPushButton::clicked, this, &frmNewList::CreateClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    const QDate today = AppToday();
    lblToday->setText(tr("Today is %1 %2").arg(WeekdayName(today), DisplayDateText(today)));
    lblToday->setAccessibleName(lblToday->text());
    Guarded([this] { LoadDefaultDates(); });
    txtStart->setFocus();
}

QString frmNewList::ComputeTestDate(const QString& day) const
{
    return DisplayDateText(::ComputeTestDate(day, AppToday()));
}

void frmNewList::SetStartMonday() { txtStart->setText(DisplayDateText(StartMonday(AppToday()))); }

void frmNewList::LoadDefaultDates()
{
    const NewListDates dates = ProposedListDates(AppToday());
    txtTestDate->setText(DisplayDateText(dates.testDate));
    txtEnd->setText(txtTestDate->text());
    txtStart->setText(DisplayDateText(dates.weekStart));
}

void frmNewList::CreateClicked()
{
    if (!ParseDateText(txtStart->text()).isValid())
        txtStart->setText(DisplayDateText(AppToday()));
    if (!ParseDateText(txtTestDate->text()).isValid())
        txtTestDate->setText(ComputeTestDate(kFridays));
    if (!ParseDateText(txtEnd->text()).isValid())
        txtEnd->setText(txtTestDate->text());
    Guarded([this] { CreateList(); });
}

void frmNewList::CreateList()
{
    const int32_t listId = GetNextID(QString::fromLatin1(IdCode::LIST_ID));
    AddList(listId, {ParseDateText(txtStart->text()), ParseDateText(txtEnd->text()),
                     ParseDateText(txtTestDate->text())});
    createdListId_ = listId;
    accept();
}
