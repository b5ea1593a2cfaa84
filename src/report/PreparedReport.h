#pragma once
#include "platform/PrintJob.h"
#include "report/ReportObject.h"
#include <QList>

namespace lumivista {

/** The laid-out pages of a filled template, each a list of placed objects. */
class PreparedReport : public PrintJob
{
public:
    PreparedReport(QString title, QString fileStem, QPageLayout layout,
                   QList<QList<ReportObject>> pages);

    QString title() const override { return m_title; }
    QString fileStem() const override { return m_stem; }
    QPageLayout pageLayout() const override { return m_layout; }
    int pageCount() const override { return int(m_pages.size()); }
    void paintPage(QPainter &painter, int page, PaintObserver *observer = nullptr) const override;

    const QList<ReportObject> &page(int index) const { return m_pages.at(index); }

private:
    QString m_title;
    QString m_stem;
    QPageLayout m_layout;
    QList<QList<ReportObject>> m_pages;
};

} // namespace lumivista
