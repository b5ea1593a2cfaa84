#pragma once
#include "PrintService.h"

namespace lumivista {

class FileDialogService;
class MessageService;

/** The system's printers through Qt's print dialog (which also offers printing
 *  to a PDF file), and our own preview window. */
class QtPrintService : public PrintService
{
public:
    QtPrintService(MessageService &messages, FileDialogService &files)
        : m_messages(messages)
        , m_files(files)
    {
    }
    bool print(QWidget *parent, const PrintJob &job) override;
    void preview(QWidget *parent, const PrintJob &job) override;

private:
    MessageService &m_messages;
    FileDialogService &m_files;
};

} // namespace lumivista
