#include "frmChildren.h"

#include "FormHelpers.h"
#include "MsgBox.h"
#include "Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmChildren::frmChildren(const ChildRegistry& registry, QWidget* parent)
    : QDialog(parent), registry_(registry)
{
    setObjectName(QStringLiteral("frmChildren"));
    setWindowTitle(tr("Children"));
    setAccessibleName(windowTitle());

    lblChildren = MakeLabel(this, "lblChildren", tr("&Children:"));
    lstChildren = new QListWidget(this);
    NameControl(lstChildren, "lstChildren", PlainLabelText(lblChildren->text()));
    lblChildren->setBuddy(lstChildren);
    lstChildren->setMinimumSize(Twips(3600), Twips(2400));
    lblName = MakeLabel(this, "lblName", tr("&Name:"));
    txtName = MakeTextBox(this, "txtName", lblName);
    cmdAdd = MakeButton(this, "cmdAdd", tr("&Add"), tr("Add a child with the name typed"));
    cmdRename = MakeButton(this, "cmdRename", tr("&Rename"),
                           tr("Give the selected child the name typed"));
    cmdRemove = MakeButton(this, "cmdRemove", tr("Re&move..."),
                           tr("Remove the selected child and their lists"));
    cmdClose = MakeButton(this, "cmdClose", tr("&Close"));
    // The folder is a value shown, not a caption: it stays the label's accessible text.
    lblWhere = MakeLabel(this, "lblWhere", QString());
    lblWhere->setText(tr("Each child's lists are kept in %1").arg(registry_.DataFolder()));
    lblWhere->setWordWrap(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdRename, cmdRemove})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblChildren, 0, 0, 1, 2);
    grid->addWidget(lstChildren, 1, 0, 1, 2);
    grid->addWidget(lblName, 2, 0);
    grid->addWidget(txtName, 2, 1);
    grid->addLayout(buttons, 1, 2, 2, 1);
    grid->addWidget(lblWhere, 3, 0, 1, 3);

    connect(lstChildren, &QListWidget::currentRowChanged, this, &frmChildren::SelectionChanged);
    connect(cmdAdd, &QPushButton::clicked, this, &frmChildren::cmdAdd_Click);
    connect(cmdRename, &QPushButton::clicked, this, &frmChildren::cmdRename_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmChildren::cmdRemove_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    registry_.PruneRemoved(); // removed children's folders kept longer than a week
    LoadChildren();
    txtName->setFocus();
}

QStringList frmChildren::ListedNames() const
{
    QStringList names;
    for (int i = 0; i < lstChildren->count(); ++i)
        names << lstChildren->item(i)->text();
    return names;
}

void frmChildren::LoadChildren(const QString& select)
{
    lstChildren->clear();
    for (const FamilyChild& child : registry_.Children(FirstChildDefaultName())) {
        lstChildren->addItem(child.name);
        if (child.name.compare(select, Qt::CaseInsensitive) == 0)
            lstChildren->setCurrentRow(lstChildren->count() - 1);
    }
    SelectionChanged();
}

QString frmChildren::SelectedName() const
{
    const QListWidgetItem* item = lstChildren->currentItem();
    return item ? item->text() : QString();
}

void frmChildren::SelectionChanged()
{
    const bool selected = !SelectedName().isEmpty();
    cmdRename->setEnabled(selected);
    // The first child's lists are the data folder itself.
    cmdRemove->setEnabled(selected && lstChildren->currentRow() > 0);
}

void frmChildren::AfterChange(const QString& error, const QString& select)
{
    if (!error.isEmpty()) {
        MsgBox(error, MsgButtons::OK, MsgIcon::Exclamation, this);
        txtName->setFocus();
        return;
    }
    txtName->clear();
    LoadChildren(select);
    emit ChildrenChanged();
}

void frmChildren::cmdAdd_Click()
{
    const QString name = CleanChildName(txtName->text());
    AfterChange(registry_.Add(name, FirstChildDefaultName()), name);
}

void frmChildren::cmdRename_Click()
{
    const QString name = CleanChildName(txtName->text());
    AfterChange(registry_.Rename(SelectedName(), name, FirstChildDefaultName()), name);
}

bool frmChildren::ConfirmRemove(const QString& name)
{
    if (MsgBox(tr("Remove %1 from Quillby?\rAll of %1's word lists, tests and recordings will "
                  "be taken out of Quillby.")
                   .arg(name),
               MsgButtons::YesNo, MsgIcon::Question, this, MsgDefault::No) != MsgResult::Yes)
        return false;
    return MsgBox(tr("Are you sure you want to remove %1?\rA copy of %1's lists and recordings "
                     "is kept for a week in a folder beside %2.")
                      .arg(name, registry_.DataFolder()),
                  MsgButtons::YesNo, MsgIcon::Exclamation, this, MsgDefault::No) == MsgResult::Yes;
}

void frmChildren::cmdRemove_Click()
{
    const QString name = SelectedName();
    if (name.isEmpty() || !ConfirmRemove(name))
        return;
    QString keptAt;
    const QString error = registry_.Remove(name, &keptAt);
    AfterChange(error, QString());
    if (error.isEmpty() && !keptAt.isEmpty())
        MsgBox(tr("%1 was removed. A copy of %1's lists and recordings is kept until a week "
                  "from now in:\r%2")
                   .arg(name, keptAt),
               MsgButtons::OK, MsgIcon::None, this);
}
