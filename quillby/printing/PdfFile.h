#pragma once
#include <QPageSize>
#include <QString>

class PrintDocument;

// Writes a document as a PDF file of that page size, through the same page code as printing.
// The file is made in memory and then saved in one step, so a read-only folder or a full
// disk leaves no half-written file and gives a message for the person. False then.
bool SavePdf(const PrintDocument& document, const QPageSize& pageSize, const QString& path,
             QString& error);
