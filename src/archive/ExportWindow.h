#pragma once
#include "archive/ExportMember.h"
#include <QDate>
#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QTableView;

namespace lumivista {

class ExportModel;
class HintStrip;
class PictureButton;
struct Services;

/** The export windows of every archive and of the agenda's selections: one
 *  behaviour, the member says the rest. The grid shows what was read when the
 *  window opened; "Esporta" writes exactly that, then offers to open the file. */
class ExportWindow : public QDialog
{
    Q_OBJECT
public:
    /** day: the date the agenda's rules measure against (unused by the archives). */
    ExportWindow(Services &services, ExportMember member, const QDate &day, QWidget *parent = nullptr);
    ~ExportWindow() override;

    /** Creates the window for owner, shows it modally and destroys it. */
    static void open(QWidget *owner, Services &services, const ExportMember &member, const QDate &day = QDate());

    const ExportMember &member() const { return m_member; }
    const ExportSnapshot &snapshot() const { return m_snapshot; }
    QString filePath() const;

    QTableView *grdRecords = nullptr;
    PictureButton *cmdEsporta = nullptr;
    PictureButton *cmdGuida = nullptr;
    PictureButton *cmdEsci = nullptr;
    HintStrip *panInfo = nullptr;
    QProgressBar *barProgress = nullptr;

    void FormShow();
    void cmdEsportaClick();
    void cmdGuidaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();
    /** Keeps the window painting during a long fill or export, with a bar once
     *  it has taken more than half a second. */
    void progress(qint64 done, qint64 total);
    void endProgress();

    Services &m_services;
    ExportMember m_member;
    QDate m_day;
    ExportSnapshot m_snapshot;
    ExportModel *m_model = nullptr;
    QElapsedTimer m_busy;
};

} // namespace lumivista
