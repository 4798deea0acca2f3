// Build tool: the manual as a PDF, from its Markdown source and the
// screenshots the program took of itself.
//
//   build_manual MANUAL.md FOLDER OUT.pdf   (the pictures are FOLDER/shots/*.png)

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: build_manual MANUAL.md SHOTS_FOLDER OUT.pdf\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "build_manual: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString markdown = QString::fromUtf8(source.readAll());
    const QString shots = QString::fromLocal8Bit(argv[2]);

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setDocumentMargin(0);
    // Set first: setting the text clears the document's resources.
    document.setMarkdown(markdown);
    // Every picture the text names must be there: a manual with a hole in
    // it is a build error, not a surprise for the reader.
    const QRegularExpression image(QStringLiteral(R"(\]\((shots/[^)]+)\))"));
    for (auto match = image.globalMatch(markdown); match.hasNext();) {
        const QString name = match.next().captured(1);
        const QImage picture(shots + QLatin1Char('/') + name);
        if (picture.isNull()) {
            std::fprintf(stderr, "build_manual: the picture %s is missing\n", qPrintable(name));
            return 1;
        }
        // Half the pixels' size on the page, so that a window grab fits its width.
        QImage scaled = picture;
        scaled.setDevicePixelRatio(2.0);
        document.addResource(QTextDocument::ImageResource, QUrl(name), scaled);
    }

    QPdfWriter pdf(QString::fromLocal8Bit(argv[3]));
    pdf.setTitle(QStringLiteral("Quorvanta Manual"));
    pdf.setCreator(QStringLiteral("Quorvanta"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                  QPageLayout::Millimeter));
    document.print(&pdf);
    return 0;
}
