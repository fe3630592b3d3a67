#include "PdfFile.h"

#include "PrintDocument.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
constexpr double kMarginMillimetres = 15;
}

bool SavePdf(const PrintDocument& document, const QPageSize& pageSize, const QString& path,
             QString& error)
{
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pages);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
                                         QMarginsF(kMarginMillimetres, kMarginMillimetres,
                                                   kMarginMillimetres, kMarginMillimetres),
                                         QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Quillby"));
        if (!document.Paint(writer)) {
            error = QCoreApplication::translate("PdfFile", "The pages could not be made.");
            return false;
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pages.data()) != pages.data().size() ||
        !file.commit()) {
        error = QCoreApplication::translate(
                    "PdfFile", "The PDF file %1 could not be written: its folder is read-only "
                               "or the disk is full. Choose another place and try again.")
                    .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}
