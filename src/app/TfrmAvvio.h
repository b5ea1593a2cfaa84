#pragma once
#include "AppContext.h"
#include <QWidget>

class QFrame;
class QLabel;
class QToolButton;

namespace lumivista {

/** The home screen: four tiles open the working windows, the corner icons the
 *  information, help and credits windows and the way out. Closing it ends the
 *  program. */
class TfrmAvvio : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAvvio(AppContext &context, QWidget *parent = nullptr);

    /** A tile is enabled only when its working window exists in the context. */
    void refreshTiles();

    QFrame *panContent = nullptr;
    QLabel *imgNome = nullptr;
    QLabel *imgSottotitolo = nullptr;
    QFrame *panApps = nullptr;
    QToolButton *imgApp01 = nullptr;
    QToolButton *imgApp02 = nullptr;
    QToolButton *imgApp03 = nullptr;
    QToolButton *imgApp04 = nullptr;
    QToolButton *btnApp01 = nullptr;
    QToolButton *btnApp02 = nullptr;
    QToolButton *btnApp03 = nullptr;
    QToolButton *btnApp04 = nullptr;
    QLabel *imgBanner = nullptr;
    QLabel *lblBackup = nullptr; // shown only when the day's backup failed

    /** Says on the home screen what the day's backup could not do. */
    void showBackupProblems(const QStringList &problems);
    QToolButton *icoSito = nullptr;
    QToolButton *icoEmail = nullptr;
    QToolButton *imgInfo = nullptr;
    QToolButton *imgGuida = nullptr;
    QToolButton *imgBackup = nullptr;
    QToolButton *imgStatistiche = nullptr;
    QToolButton *imgCrediti = nullptr;
    QToolButton *imgEsci = nullptr;

    void imgApp01Click();
    void imgApp02Click();
    void imgApp03Click();
    void imgApp04Click();
    void imgInfoClick();
    void imgGuidaClick();
    /** The backups window; also the link in the strip of a failed backup. */
    void imgBackupClick();
    void imgStatisticheClick();
    void imgCreditiClick();
    void icoSitoClick();
    void icoEmailClick();
    void imgEsciClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Tile
    {
        WindowId target;
        QToolButton *picture;
        QToolButton *caption;
    };

    void addTile(int index, int column, int row, WindowId target, const QString &icon, const QString &caption,
                 const QString &hint, void (TfrmAvvio::*handler)());
    QToolButton *addIcon(QWidget *parent, const QString &name, const QString &icon, const QString &caption,
                         const QString &hint, int x, int y, int size, void (TfrmAvvio::*handler)());

    AppContext &m_context;
    QList<Tile> m_tiles;
};

} // namespace lumivista
