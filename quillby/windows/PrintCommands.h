#pragma once
#include "PrintPages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

class QAbstractItemModel;
class QWidget;

// The print preview every window's "Print..." opens: the pages as they will come out of the
// printer, at the printer's page size, with Print and "Save as PDF..." (the same pages in a
// PDF file). A printer that fails, or a PDF that cannot be written, is said in a message.
void ShowPrintPreview(QWidget* parent, const PrintDocument& document, const QString& pdfName);

// The list editor's "Print..." and "Print Practice Sheet...": the list read afresh, then its
// preview. A database failure is said in a message.
void PrintWordList(QWidget* parent, int32_t listId);
void PrintPracticeSheet(QWidget* parent, int32_t listId);

// The results window's "Print...": its facts (date, time, score, minutes), its words with
// their attempts and the wrong spellings of each. wordsModel is the results grid (word,
// attempts, WORD_ID).
void PrintTestResults(QWidget* parent, int32_t testId, const QStringList& facts,
                      const QAbstractItemModel& wordsModel);

// Past Tests' "Print...": the list's tests (name, date, score, minutes), the totals and the
// chart. testsModel is the past-tests grid; keyColumn holds each row's TEST_ID (printed as
// the minutes), nameColumn the test's name (printed first).
void PrintPastTests(QWidget* parent, int32_t listId, const QStringList& facts,
                    const QAbstractItemModel& testsModel, int keyColumn, int nameColumn,
                    QWidget* chart);

// Past Tests' "Export Results...": every answer of the list's tests as a CSV file.
void ExportListResults(QWidget* parent, int32_t listId);

// A table as a window shows it: the model's visible columns (those not in hidden) and rows,
// the facts shown beside it and, when given, a picture of its chart.
PrintedTable TableOfModel(const QString& title, const QStringList& facts,
                          const QAbstractItemModel& model, const QList<int>& hidden,
                          QWidget* chart = nullptr);
