#pragma once
#include "core/Backup.h"
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace lumivista {

class AppContext;

/** "Backup": the copies of the shop's data, in the program's own backup folder
 *  and in the second one, newest first and each checked; a backup made at once;
 *  a restore that can always be undone; the choice of the second folder.
 *  Opened from the home screen, where no card is open, so a restore never
 *  leaves a card showing data that is no longer there. */
class BackupWindow : public QDialog
{
    Q_OBJECT
public:
    explicit BackupWindow(AppContext &context, QWidget *parent = nullptr);

    QLabel *lblCartella = nullptr;
    QTreeWidget *grdBackup = nullptr;
    QLabel *lblSpiegazione = nullptr;
    QProgressBar *barProgress = nullptr;
    QPushButton *btnEsegui = nullptr;
    QPushButton *btnRipristina = nullptr;
    QPushButton *btnCartella = nullptr;
    QPushButton *btnGuida = nullptr;
    QPushButton *btnChiudi = nullptr;

    /** The backups as listed, newest first. */
    const QList<Backup::Entry> &entries() const { return m_entries; }
    void fill();
    void btnEseguiClick();
    void btnRipristinaClick();
    void btnCartellaClick();
    void btnGuidaClick();

    static QString helpTitle();
    static QString helpText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void progress(qint64 done, qint64 total);
    void working(bool on);

    AppContext &m_context;
    QList<Backup::Entry> m_entries;
    bool m_filled = false;
};

} // namespace lumivista
