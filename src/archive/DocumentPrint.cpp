#include "DocumentPrint.h"
#include "archive/FieldBinder.h"
#include "core/Text.h"
#include "report/ReportTemplate.h"
#include <QWidget>

namespace lumivista {

QString DocumentPrint::shown(const QWidget *root, const QString &name)
{
    return Text::trim(FieldBinder::text(root->findChild<QWidget *>(name)));
}

QString DocumentPrint::printedAt(const QString &words, const QDateTime &moment)
{
    return words + moment.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" alle ore ")
        + moment.toString(QStringLiteral("hh:mm:ss"));
}

void DocumentPrint::fillSameNames(ReportTemplate &report, const QWidget *root, const QStringList &names)
{
    for (const QString &name : names)
        report.setText(name, shown(root, name));
}

} // namespace lumivista
