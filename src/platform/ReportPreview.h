#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace lumivista {

class FileDialogService;
class MessageService;
class PrintJob;

/** The modal preview of prepared pages: print, zoom, full screen, "Salva PDF"
 *  and close. The pages cannot be edited. One page is shown at a time, so a
 *  list of hundreds of pages opens at once. */
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    using Printer = std::function<void(QWidget *, const PrintJob &)>;

    ReportPreview(const PrintJob &job, MessageService &messages, FileDialogService &files, Printer printer,
                  QWidget *parent = nullptr);

    int page() const { return m_page; }
    int zoomPercent() const { return m_zoom; }
    /** The failure of a print started here; rethrown by the caller after the preview closed. */
    std::exception_ptr failure() const { return m_failure; }

    void showPage(int page);
    void setZoom(int percent);
    void printJob();
    void savePdf();
    void toggleFullScreen();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void render();

    const PrintJob &m_job;
    MessageService &m_messages;
    FileDialogService &m_files;
    Printer m_printer;
    int m_page = 0;
    int m_zoom = 100;
    std::exception_ptr m_failure;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_sheet = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_fullScreen = nullptr;
};

} // namespace lumivista
