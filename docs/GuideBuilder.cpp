// Builds the user guide Guida.pdf from docs/guida.html at build time, so the
// guide names the same password rule, initial password and addresses as the
// program it ships with.
//
//   lumivista_guide_builder <guida.html> <icons folder> <version> <Guida.pdf>

#include "app/InitialPassword.h"
#include "app/Maker.h"
#include "core/PasswordFile.h"
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextDocument>
#include <cstdio>

using namespace lumivista;

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "lumivista_guide_builder: %s\n", qPrintable(message));
    return 1;
}

/** Renders an SVG picture large enough to stay sharp when the PDF is zoomed or printed. */
QImage renderIcon(const QString &path)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QSize size = renderer.defaultSize();
    size.scale(384, 384, Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return fail(QStringLiteral("usage: lumivista_guide_builder <guida.html> <icons> <version> <Guida.pdf>"));
    const QString source = args.at(1);
    const QString icons = args.at(2);
    const QString version = args.at(3);
    const QString output = args.at(4);

    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(source));
    QString html = QString::fromUtf8(file.readAll());

    html.replace(QStringLiteral("{{PASSWORD}}"), InitialPassword::word());
    html.replace(QStringLiteral("{{MINIMO}}"), QString::number(PasswordFile::MinimumLength));
    html.replace(QStringLiteral("{{SITO}}"), Maker::webAddress());
    html.replace(QStringLiteral("{{ASSISTENZA}}"), Maker::supportAddress());
    html.replace(QStringLiteral("{{VERSIONE}}"), version);
    const QRegularExpressionMatch leftover = QRegularExpression(QStringLiteral("\\{\\{\\w+\\}\\}")).match(html);
    if (leftover.hasMatch())
        return fail(QStringLiteral("unknown field %1 in %2").arg(leftover.captured(), source));

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    // Pictures are resources named "icon:NAME", taken from the program's own icon set.
    const QRegularExpression iconRef(QStringLiteral("src=\"icon:([A-Za-z0-9_]+)\""));
    for (auto it = iconRef.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        const QUrl url(QStringLiteral("icon:") + name);
        if (!document.resource(QTextDocument::ImageResource, url).isNull())
            continue;
        const QImage image = renderIcon(icons + QLatin1Char('/') + name + QStringLiteral(".svg"));
        if (image.isNull())
            return fail(QStringLiteral("missing picture %1.svg in %2").arg(name, icons));
        document.addResource(QTextDocument::ImageResource, url, image);
    }
    document.setHtml(html);

    // A failed build never leaves a half-written guide behind to be installed.
    QSaveFile pdf(output);
    if (!pdf.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("could not write %1").arg(output));
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QStringLiteral("Lumivista - Guida all'utilizzo del software"));
        writer.setCreator(QStringLiteral("Lumivista ") + version);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter);
        writer.setResolution(300);
        document.print(&writer);
    }
    if (pdf.size() == 0 || !pdf.commit())
        return fail(QStringLiteral("could not write %1").arg(output));
    return 0;
}
