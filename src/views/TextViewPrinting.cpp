// Printing of the text view: every page framed, the program name, the document's name and
// the date at the top, the page number at the bottom, the coloured text in between.

#include "core/MessageIds.h"
#include "views/CKVFTextView.h"
#include "views/KvfHighlighter.h"
#include "views/ViewText.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPen>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

namespace kvf {
namespace {

// The document type's default extension, put after the document's name in the header.
const QString kDefaultExtension = QStringLiteral(".KVF");
constexpr double kPageMarginInches = 0.5;
constexpr double kTabStopInches = 0.2;
constexpr double kFramePaddingInches = 0.08;
constexpr double kFrameLineInches = 0.01;
constexpr int kHeaderPointSize = 9;

QFont HeaderFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Medium);
    font.setPointSize(kHeaderPointSize);
    return font;
}

// Where the parts of a page go, in the painter's coordinates (device pixels from the top
// left corner of the printable area).
struct PageGeometry {
    QRectF Frame;
    QRectF Header;
    QRectF Body;
    QRectF Footer;
};

PageGeometry LayOutPage(const QRectF& area, double resolution, double lineHeight) {
    PageGeometry page;
    const double padding = kFramePaddingInches * resolution;
    const double halfLine = kFrameLineInches * resolution / 2;
    page.Frame = area.adjusted(halfLine, halfLine, -halfLine, -halfLine);
    const QRectF inner = page.Frame.adjusted(padding, padding, -padding, -padding);
    page.Header = QRectF(inner.left(), inner.top(), inner.width(), 2 * lineHeight);
    page.Footer = QRectF(inner.left(), inner.bottom() - lineHeight, inner.width(), lineHeight);
    page.Body = QRectF(inner.left(), page.Header.bottom() + padding, inner.width(),
                       page.Footer.top() - padding - (page.Header.bottom() + padding));
    return page;
}

} // namespace

void CKVFTextView::setPrintDocumentName(const QString& documentName) {
    printDocumentName_ = documentName;
}

QString CKVFTextView::PrintHeaderName() const {
    return printDocumentName_.section(u'.', 0, 0) + kDefaultExtension;
}

void CKVFTextView::setPrinter(QPrinter* printer) {
    sharedPrinter_ = printer;
}

QPrinter& CKVFTextView::Printer() {
    if (sharedPrinter_ != nullptr)
        return *sharedPrinter_;
    if (!ownPrinter_) {
        ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        ownPrinter_->setPageMargins(
            QMarginsF(kPageMarginInches, kPageMarginInches, kPageMarginInches, kPageMarginInches),
            QPageLayout::Inch);
    }
    return *ownPrinter_;
}

int CKVFTextView::PrintTo(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const double resolution = printer.resolution();
    const QRectF area(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    painter.setFont(HeaderFont());
    const double lineHeight = painter.fontMetrics().height();
    const PageGeometry page = LayOutPage(area, resolution, lineHeight);
    if (page.Body.height() <= 0 || page.Body.width() <= 0)
        return 0;

    // A copy of the text, laid out for the printer and coloured like the screen.
    std::unique_ptr<QTextDocument> text(document()->clone());
    text->documentLayout()->setPaintDevice(&printer);
    text->setDefaultFont(font());
    text->setDocumentMargin(0);
    QTextOption option = text->defaultTextOption();
    option.setTabStopDistance(kTabStopInches * resolution);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->setDefaultTextOption(option);
    text->setPageSize(page.Body.size());
    views::KvfHighlighter colours(text.get());
    colours.Words() = highlighter_->Words();
    colours.rehighlight();

    const QString programName = views::ViewText(msg::PrintProgramName);
    const QDate today = QDate::currentDate();
    const QString date = views::ViewText(msg::PrintDate, today.year(), today.month(), today.day());
    const QString headerName = PrintHeaderName();
    const int pageCount = std::max(1, text->pageCount());
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0)
            printer.newPage();
        painter.setFont(HeaderFont());
        painter.setPen(QPen(Qt::black, kFrameLineInches * resolution));
        painter.drawRect(page.Frame);
        painter.setPen(Qt::black);
        const QRectF firstLine(page.Header.topLeft(), QSizeF(page.Header.width(), lineHeight));
        painter.drawText(firstLine, Qt::AlignLeft | Qt::AlignVCenter, programName);
        painter.drawText(firstLine, Qt::AlignRight | Qt::AlignVCenter, date);
        painter.drawText(firstLine.translated(0, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         headerName);
        painter.drawText(page.Footer, Qt::AlignHCenter | Qt::AlignVCenter,
                         views::ViewText(msg::PrintPageNumber, index + 1));

        painter.save();
        const double top = index * page.Body.height();
        painter.translate(page.Body.left(), page.Body.top() - top);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, top, page.Body.width(), page.Body.height());
        painter.setClipRect(context.clip);
        text->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return pageCount;
}

void CKVFTextView::FilePrint() {
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        PrintTo(Printer());
}

QPrintPreviewDialog* CKVFTextView::CreatePrintPreview(QWidget* parent) {
    auto* preview = new QPrintPreviewDialog(&Printer(), parent);
    connect(preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintTo(*printer); });
    return preview;
}

void CKVFTextView::FilePrintPreview() {
    QPrintPreviewDialog* preview = CreatePrintPreview(this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->open();
}

void CKVFTextView::FilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

} // namespace kvf
