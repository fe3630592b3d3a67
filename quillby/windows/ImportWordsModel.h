#pragma once
#include "ImportText.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// The candidate words of the import window: a tick box (named by the row's word), the word,
// its definition and sentence, all editable, and why an unticked row is no word.
class ImportWordsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        TickColumn,
        WordColumn,
        DefinitionColumn,
        SentenceColumn,
        NoteColumn,
        ColumnCount
    };

    explicit ImportWordsModel(QObject* parent = nullptr);

    // Shows rows (classified against listWords, the words of the target list).
    void SetRows(std::vector<ImportRow> rows, const QStringList& listWords);
    const std::vector<ImportRow>& Rows() const { return rows_; }
    std::vector<ImportRow> TickedRows() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString* Text(ImportRow& row, int column);
    // The notes again after an edit; the ticks stay as the parent left them.
    void RenewNotes();

    std::vector<ImportRow> rows_;
    QStringList listWords_;
};
