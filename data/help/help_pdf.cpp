// Renders a Markdown help text to the PDF delivered beside a program.
// Run by the build (offscreen platform): help_pdf SOURCE.md OUTPUT.pdf
#include "common/errors.h"
#include "common/file_write.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace
{

int fail(const QString& message)
{
    std::fprintf(stderr, "help_pdf: %s\n", qPrintable(message));
    return 1;
}

// The writer stamps the current time into the document information; a fixed stamp of the same
// length keeps the cross-reference offsets valid and the output identical from build to build.
QByteArray withFixedDates(QByteArray pdf)
{
    static const QRegularExpression infoDate(u"D:\\d{14}"_s);
    QString text = QString::fromLatin1(pdf);
    text.replace(infoDate, u"D:20000101000000"_s);
    return text.toLatin1();
}

} // namespace

int main(int argc, char* argv[])
{
    // The writer walks its fonts in hash order; a fixed seed gives one object order.
    QHashSeed::setDeterministicGlobalSeed();
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return fail(u"usage: help_pdf SOURCE.md OUTPUT.pdf"_s);

    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly))
        return fail(u"cannot read "_s + args.at(1));
    const QString markdown = QString::fromUtf8(source.readAll());

    // Without a Cyrillic face the PDF would come out as empty boxes; better no PDF.
    const QString family = u"DejaVu Sans"_s;
    if (!QFontDatabase::families(QFontDatabase::Cyrillic).contains(family))
        return fail(family + u" is missing (Debian package fonts-dejavu-core)"_s);

    QTextDocument doc;
    doc.setDefaultFont(QFont(family, 10));
    doc.setMarkdown(markdown);
    // Headings sit tight on the text above them by default; a gap makes sections easy to find.
    for (QTextBlock block = doc.firstBlock(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() < 2)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(block.blockFormat().headingLevel() == 2 ? 14 : 8);
        cursor.setBlockFormat(format);
    }
    const QString title = doc.firstBlock().text();

    // A failed write must not leave the PDF of an earlier build looking fresh.
    const QString outputPath = args.at(2);
    QFile::remove(outputPath);
    {
        QPdfWriter pdf(outputPath);
        pdf.setTitle(title);
        pdf.setCreator(title);
        // print() adds 2 cm margins of its own and numbers the pages; zero page margins keep
        // the writer's default margins from adding to them.
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        doc.print(&pdf);
    }

    QFile output(outputPath);
    if (!output.open(QIODevice::ReadOnly))
        return fail(u"no PDF written to "_s + outputPath);
    const QByteArray bytes = withFixedDates(output.readAll());
    output.close();
    try {
        saveFileAtomically(outputPath, bytes);
    } catch (const EFileError& error) {
        QFile::remove(outputPath);
        return fail(error.message());
    }
    return 0;
}
