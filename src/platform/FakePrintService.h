#pragma once
#include "PrintJob.h"
#include "PrintService.h"
#include <QList>

namespace lumivista {

/** Records every print and preview with the texts the paint routine placed on
 *  each page. Printing can be cancelled or made to fail for the next request. */
class FakePrintService : public PrintService
{
public:
    enum class Kind { Print, Preview };
    struct Request
    {
        Kind kind = Kind::Print;
        QString title;
        QString fileStem;
        QPageLayout layout;
        QList<QList<PlacedText>> pages;

        /** The texts of one page placed under an object name (case as in the template). */
        QList<PlacedText> named(const QString &name, int page = 0) const;
        /** The single text of that name on the page, or an empty one. */
        PlacedText text(const QString &name, int page = 0) const;
    };

    bool print(QWidget *parent, const PrintJob &job) override;
    void preview(QWidget *parent, const PrintJob &job) override;

    /** The next print dialog is cancelled. */
    void cancelNext() { m_cancel = true; }
    /** The next print or preview fails with this message. */
    void failNext(const QString &message) { m_failure = message; }

    /** Also writes every recorded job as a PDF into this folder, to look at the pages. */
    void keepPdfIn(const QString &folder) { m_pdfFolder = folder; }

    const QList<Request> &requests() const { return m_requests; }
    qsizetype count() const { return m_requests.size(); }
    const Request &last() const { return m_requests.constLast(); }
    void clear() { m_requests.clear(); }

private:
    void record(Kind kind, const PrintJob &job);

    QList<Request> m_requests;
    bool m_cancel = false;
    QString m_failure;
    QString m_pdfFolder;
};

} // namespace lumivista
