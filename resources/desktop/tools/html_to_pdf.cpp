// Renders the bundled user's guide (HTML) into ORVNEDIT.pdf at build time, with Qt's own
// text layout, so the guide needs no tool outside the build's requirements.
//   html_to_pdf GUIDE.html OUT.pdf
// A guide that cannot be rendered is reported and skipped (exit code 0): the editor then
// opens the HTML guide instead.
#include <cstdio>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

namespace {

// Sizes in points for paper; the guide's own style sheet (in screen pixels) is for browsers.
constexpr const char* PrintStyle = R"(
    body { font-size: 10.5pt; color: #1f2a44; }
    h1 { font-size: 22pt; color: #2f5bc4; }
    h2 { font-size: 14pt; color: #2f5bc4; margin-top: 14pt; }
    th { font-weight: bold; padding-right: 8pt; }
    td { padding-bottom: 4pt; }
    code, kbd { font-family: "DejaVu Sans Mono", monospace; }
    .note { background-color: #fff8e6; }
)";

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: html_to_pdf GUIDE.html OUT.pdf\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    // The navigation links lead to the other help pages, which the PDF does not have.
    const QString html = readText(input).remove(QRegularExpression("<nav>.*</nav>"));
    if (html.isEmpty()) {
        std::fprintf(stderr, "html_to_pdf: cannot read %s; no PDF guide made\n", argv[1]);
        return 0;
    }

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(input).absolutePath() + "/"));
    document.setDefaultStyleSheet(PrintStyle);
    document.setHtml(html);
    document.setDefaultFont(QFont("DejaVu Sans", 10));

    // Written beside the target and renamed, so an interrupted build leaves no broken PDF.
    const QString partial = output + ".part";
    {
        QPdfWriter writer(partial);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator("Veltrona Orvanto");
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
        writer.setResolution(300);
        document.print(&writer);
    }
    QFile::remove(output);
    if (QFileInfo(partial).size() == 0 || !QFile::rename(partial, output)) {
        QFile::remove(partial);
        std::fprintf(stderr, "html_to_pdf: could not write %s; no PDF guide made\n", argv[2]);
    }
    return 0;
}
