// Renders the HTML user manual into a PDF (A4), with the pictures named
// relative to the HTML file. Used at build time:
//   makepdf <manual.html> <output.pdf> <version>
// "@PROJECT_VERSION@" in the text becomes the suite's version. A figure (a
// one-cell <table class="figure">, which keeps a picture and its caption on
// one page) whose picture has not been taken yet is left out, so the manual
// can name a window before its picture exists.
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

#include <cstdio>

namespace {

QString withoutMissingFigures(QString html, const QDir &base)
{
    static const QRegularExpression figure(
        QStringLiteral("<table class=\"figure\"[^>]*>.*?<img src=\"([^\"]+)\".*?</table>\\s*"),
        QRegularExpression::DotMatchesEverythingOption);
    int from = 0;
    QRegularExpressionMatch match;
    while ((match = figure.match(html, from)).hasMatch()) {
        const QString picture = match.captured(1);
        if (QFileInfo::exists(base.filePath(picture))) {
            from = match.capturedEnd();
            continue;
        }
        std::fprintf(stderr, "makepdf: leaving out the figure of %s (no picture yet)\n", qPrintable(picture));
        html.remove(match.capturedStart(), match.capturedLength());
        from = match.capturedStart();
    }
    return html;
}

// The pictures are handed to the document as resources, so that no relative
// name is ever resolved against the working directory.
bool addPictures(QTextDocument &document, const QString &html, const QDir &base)
{
    static const QRegularExpression img(QStringLiteral("<img src=\"([^\"]+)\""));
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        const QImage picture(base.filePath(name));
        if (picture.isNull()) {
            std::fprintf(stderr, "makepdf: cannot read the picture %s\n", qPrintable(name));
            return false;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
    }
    return true;
}

// A figure (a table shorter than a page) that would straddle two pages starts
// on the next one, so a picture and its caption stay together.
void keepTablesWhole(QTextDocument &document)
{
    const qreal pageHeight = document.pageSize().height();
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (bool moved = true; moved;) {
        moved = false;
        for (QTextFrame *frame : document.rootFrame()->childFrames()) {
            const QRectF box = layout->frameBoundingRect(frame);
            QTextFrameFormat format = frame->frameFormat();
            if (box.height() >= pageHeight ||
                format.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore ||
                int(box.top() / pageHeight) == int((box.bottom() - 1) / pageHeight))
                continue;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            frame->setFrameFormat(format);
            moved = true; // the pages after it change: look again
            break;
        }
    }
}

// Lays the document out in pages of the writer's page (in units of 1/96 inch,
// as the document measures) and paints them with a page number each.
void render(QTextDocument &document, QPdfWriter &writer)
{
    const qreal scale = writer.resolution() / 96.0;
    const QSizeF page(writer.width() / scale, writer.height() / scale);
    const qreal footer = 24;
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setMargin(0);
    root.setBottomMargin(footer);
    document.rootFrame()->setFrameFormat(root);
    document.setPageSize(page);
    keepTablesWhole(document);

    QPainter painter(&writer);
    painter.scale(scale, scale);
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, i * page.height()), page);
        // A paragraph that goes on over the page is drawn whole: cut it.
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        QFont font = document.defaultFont();
        font.setPixelSize(12); // document units, like everything painted here
        painter.setFont(font);
        painter.drawText(QRectF(0, page.height() - footer / 2, page.width(), footer / 2),
                         Qt::AlignRight | Qt::AlignBottom, QString::number(i + 1));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: makepdf <manual.html> <output.pdf> <version>\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const QString version = QString::fromLocal8Bit(argv[3]);
    QFile html(input);
    if (!html.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "makepdf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir base = QFileInfo(input).absoluteDir();
    QString text = QString::fromUtf8(html.readAll());
    text.replace(QStringLiteral("@PROJECT_VERSION@"), version);

    text = withoutMissingFigures(text, base);

    QTextDocument document;
    if (!addPictures(document, text, base))
        return 1;
    document.setHtml(text);

    const QString partial = output + QStringLiteral(".part");
    {
        QPdfWriter writer(partial);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("VexoCam"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
        render(document, writer);
    }
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        std::fprintf(stderr, "makepdf: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
