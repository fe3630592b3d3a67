#include "ImportWordsModel.h"

ImportWordsModel::ImportWordsModel(QObject* parent) : QAbstractTableModel(parent) {}

void ImportWordsModel::SetRows(std::vector<ImportRow> rows, const QStringList& listWords)
{
    beginResetModel();
    rows_ = std::move(rows);
    listWords_ = listWords;
    ClassifyRows(rows_, listWords_);
    endResetModel();
}

std::vector<ImportRow> ImportWordsModel::TickedRows() const
{
    std::vector<ImportRow> ticked;
    for (const ImportRow& row : rows_)
        if (row.ticked)
            ticked.push_back(row);
    return ticked;
}

int ImportWordsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ImportWordsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString* ImportWordsModel::Text(ImportRow& row, int column)
{
    switch (column) {
    case WordColumn:
        return &row.word;
    case DefinitionColumn:
        return &row.definition;
    case SentenceColumn:
        return &row.sentence;
    default:
        return nullptr;
    }
}

QVariant ImportWordsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    auto& row = const_cast<ImportRow&>(rows_[static_cast<size_t>(index.row())]);
    const int column = index.column();
    if (column == TickColumn) {
        if (role == Qt::CheckStateRole)
            return row.ticked ? Qt::Checked : Qt::Unchecked;
        // A screen reader names the tick box by its word.
        if (role == Qt::AccessibleTextRole)
            return row.word.isEmpty() ? tr("(no word)") : row.word;
        if (role == Qt::ToolTipRole)
            return row.reason;
        return {};
    }
    if (column == NoteColumn)
        return role == Qt::DisplayRole || role == Qt::ToolTipRole ? QVariant(row.reason)
                                                                  : QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return *const_cast<ImportWordsModel*>(this)->Text(row, column);
    return {};
}

bool ImportWordsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    ImportRow& row = rows_[static_cast<size_t>(index.row())];
    if (index.column() == TickColumn && role == Qt::CheckStateRole) {
        row.ticked = value.value<Qt::CheckState>() == Qt::Checked || value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {role});
        return true;
    }
    QString* text = Text(row, index.column());
    if (!text || role != Qt::EditRole)
        return false;
    *text = value.toString().trimmed();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    if (index.column() == WordColumn)
        RenewNotes();
    return true;
}

void ImportWordsModel::RenewNotes()
{
    QStringList earlier;
    for (ImportRow& row : rows_) {
        row.reason = RowProblem(row, listWords_, earlier);
        if (!row.word.isEmpty())
            earlier << row.word.toUpper();
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

Qt::ItemFlags ImportWordsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (index.column()) {
    case TickColumn:
        return base | Qt::ItemIsUserCheckable;
    case NoteColumn:
        return base;
    default:
        return base | Qt::ItemIsEditable;
    }
}

QVariant ImportWordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TickColumn:
        return tr("Import");
    case WordColumn:
        return tr("Word");
    case DefinitionColumn:
        return tr("Definition");
    case SentenceColumn:
        return tr("Sentence");
    case NoteColumn:
        return tr("Note");
    default:
        return {};
    }
}
