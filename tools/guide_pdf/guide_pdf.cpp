// kivo-guide-pdf <guide.md> <guide.pdf>: lays a guide written in Markdown out on A4 pages and writes it
// as a PDF, titled by its first heading. The build runs it on the offscreen platform.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

namespace {

constexpr double kMarginMillimetres = 20;
constexpr int kBodyPointSize = 10;

// The text of the first "# " line, which names the guide.
QString TitleOf(const QString& markdown) {
    for (const QString& line : markdown.split('\n')) {
        if (line.startsWith(QLatin1String("# "))) {
            return line.mid(2).trimmed();
        }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kivo-guide-pdf <guide.md> <guide.pdf>\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kivo-guide-pdf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString markdown = QString::fromUtf8(source.readAll());

    QTextDocument guide;
    QFont body = guide.defaultFont();
    body.setPointSize(kBodyPointSize);
    guide.setDefaultFont(body);
    guide.setMarkdown(markdown);

    const QString target = QString::fromLocal8Bit(argv[2]);
    {
        QPdfWriter pdf(target);
        pdf.setTitle(TitleOf(markdown));
        pdf.setCreator(QStringLiteral("kivo-guide-pdf"));
        pdf.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
            QPageLayout::Millimeter));
        guide.print(&pdf);
    }
    if (QFile(target).size() == 0) {
        std::fprintf(stderr, "kivo-guide-pdf: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
