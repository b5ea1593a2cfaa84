#include "TfrmAvvio.h"
#include "widgets/KeyboardRules.h"
#include "BackupWindow.h"
#include "GeneralHelp.h"
#include "StatisticsWindow.h"
#include "Maker.h"
#include "widgets/TfrmGuida.h"
#include "TfrmInfo.h"
#include "TfrmSplash.h"
#include "widgets/Modal.h"
#include "widgets/WindowPlacement.h"
#include "platform/ShellService.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QToolButton>

namespace lumivista {

namespace {

constexpr int PanelWidth = 960;
constexpr int PanelHeight = 660;
constexpr int TileWidth = 400;
constexpr int TileHeight = 178;

QPixmap picture(const QString &icon, int width, int height)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)).pixmap(QSize(width, height));
}

} // namespace

TfrmAvvio::TfrmAvvio(AppContext &context, QWidget *parent) : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("TfrmAvvio"));
    setWindowTitle(QStringLiteral(" Lumivista"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/logo.svg")));
    setAttribute(Qt::WA_StyledBackground);
    setMinimumSize(640, 480);

    // A fixed white panel that stays centred however large the window is.
    panContent = new QFrame(this);
    panContent->setObjectName(QStringLiteral("panContent"));
    panContent->setFixedSize(PanelWidth, PanelHeight);
    auto *centring = new QGridLayout(this);
    centring->setContentsMargins(0, 0, 0, 0);
    centring->addWidget(panContent, 0, 0, Qt::AlignCenter);
    lblBackup = new QLabel(this);
    lblBackup->setObjectName(QStringLiteral("lblBackup"));
    lblBackup->setWordWrap(true);
    // The strip leads to the backups, by mouse and by keyboard alike.
    lblBackup->setTextFormat(Qt::RichText);
    lblBackup->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblBackup->setCursor(Qt::PointingHandCursor);
    connect(lblBackup, &QLabel::linkActivated, this, &TfrmAvvio::imgBackupClick);
    lblBackup->setFixedWidth(PanelWidth);
    lblBackup->hide();
    centring->addWidget(lblBackup, 1, 0, Qt::AlignHCenter | Qt::AlignTop);

    imgNome = new QLabel(panContent);
    imgNome->setObjectName(QStringLiteral("imgNome"));
    imgNome->setGeometry(230, 10, 500, 80);
    imgNome->setAlignment(Qt::AlignCenter);
    imgNome->setPixmap(picture(QStringLiteral("home_title"), 500, 80));
    imgNome->setAccessibleName(QStringLiteral("Lumivista"));

    imgSottotitolo = new QLabel(panContent);
    imgSottotitolo->setObjectName(QStringLiteral("imgSottotitolo"));
    imgSottotitolo->setGeometry(180, 90, 600, 30);
    imgSottotitolo->setAlignment(Qt::AlignCenter);
    imgSottotitolo->setPixmap(picture(QStringLiteral("home_subtitle"), 600, 30));
    imgSottotitolo->setAccessibleName(QStringLiteral("Il gestionale per il centro ottico"));

    panApps = new QFrame(panContent);
    panApps->setObjectName(QStringLiteral("panApps"));
    panApps->setGeometry(60, 132, 840, 410);

    addTile(1, 0, 0, WindowId::Clients, QStringLiteral("client"), QStringLiteral("Anagrafica Clienti"),
            QStringLiteral("Apri l'anagrafica dei clienti."), &TfrmAvvio::imgApp01Click);
    addTile(2, 1, 0, WindowId::Agenda, QStringLiteral("agenda"), QStringLiteral("Agenda Appuntamenti"),
            QStringLiteral("Apri l'agenda degli appuntamenti."), &TfrmAvvio::imgApp02Click);
    addTile(3, 0, 1, WindowId::Glasses, QStringLiteral("glasses"), QStringLiteral("Prescrizioni Occhiali"),
            QStringLiteral("Apri le prescrizioni di occhiali."), &TfrmAvvio::imgApp03Click);
    addTile(4, 1, 1, WindowId::Lenses, QStringLiteral("lenses"), QStringLiteral("Prescrizioni Lenti a Contatto"),
            QStringLiteral("Apri le prescrizioni di lenti a contatto."), &TfrmAvvio::imgApp04Click);
    imgApp01 = m_tiles[0].picture;
    btnApp01 = m_tiles[0].caption;
    imgApp02 = m_tiles[1].picture;
    btnApp02 = m_tiles[1].caption;
    imgApp03 = m_tiles[2].picture;
    btnApp03 = m_tiles[2].caption;
    imgApp04 = m_tiles[3].picture;
    btnApp04 = m_tiles[3].caption;

    imgBanner = new QLabel(panContent);
    imgBanner->setObjectName(QStringLiteral("imgBanner"));
    imgBanner->setGeometry(0, 556, PanelWidth, 104);
    imgBanner->setPixmap(picture(QStringLiteral("home_banner"), PanelWidth, 104));

    icoSito = addIcon(panContent, QStringLiteral("icoSito"), QStringLiteral("web"), Maker::webAddress(),
                      QStringLiteral("Visita il sito web di Lumivista."), 150, 594, 36, &TfrmAvvio::icoSitoClick);
    icoSito->setAccessibleName(QStringLiteral("Sito web"));
    icoEmail = addIcon(panContent, QStringLiteral("icoEmail"), QStringLiteral("mail"), Maker::supportAddress(),
                       QStringLiteral("Scrivi all'assistenza di Lumivista."), 490, 594, 36,
                       &TfrmAvvio::icoEmailClick);
    icoEmail->setAccessibleName(QStringLiteral("Scrivi all'assistenza"));
    for (QToolButton *link : {icoSito, icoEmail}) {
        link->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        link->setGeometry(link->x(), link->y(), 330, 40);
        link->setProperty("bannerLink", true);
    }

    imgInfo = addIcon(panContent, QStringLiteral("imgInfo"), QStringLiteral("info"), QStringLiteral("Informazioni"),
                      QStringLiteral("Informazioni su Lumivista."), 14, 14, 44, &TfrmAvvio::imgInfoClick);
    imgBackup = addIcon(panContent, QStringLiteral("imgBackup"), QStringLiteral("backup"), QStringLiteral("Backup"),
                        QStringLiteral("Mostra le copie di sicurezza dei dati: eseguirne una subito, ripristinarne "
                                       "una, scegliere la cartella secondaria."),
                        PanelWidth - 110, 14, 44, &TfrmAvvio::imgBackupClick);
    imgStatistiche = addIcon(panContent, QStringLiteral("imgStatistiche"), QStringLiteral("statistics"),
                             QStringLiteral("Statistiche"),
                             QStringLiteral("Mostra le statistiche dell'anno: incassi, acconti, saldi aperti, "
                                            "prescrizioni e appuntamenti per mese."),
                             PanelWidth - 162, 14, 44, &TfrmAvvio::imgStatisticheClick);
    imgGuida = addIcon(panContent, QStringLiteral("imgGuida"), QStringLiteral("help"), QStringLiteral("Guida"),
                       QStringLiteral("Uno sguardo a Lumivista: la guida generale."), PanelWidth - 58, 14, 44,
                       &TfrmAvvio::imgGuidaClick);
    imgCrediti = addIcon(panContent, QStringLiteral("imgCrediti"), QStringLiteral("credits"),
                         QStringLiteral("Riconoscimenti"), QStringLiteral("Chi ha realizzato Lumivista."), 14,
                         PanelHeight - 58, 44, &TfrmAvvio::imgCreditiClick);
    imgEsci = addIcon(panContent, QStringLiteral("imgEsci"), QStringLiteral("exit"), QStringLiteral("Esci"),
                      QStringLiteral("Esci da Lumivista."), PanelWidth - 58, PanelHeight - 58, 44,
                      &TfrmAvvio::imgEsciClick);
    KeyboardRules::bind(imgGuida, QKeySequence(Qt::Key_F1));
    // The lower corners sit on the blue banner: a white disc keeps them readable.
    for (QToolButton *corner : {imgCrediti, imgEsci})
        corner->setProperty("corner", true);
}

QToolButton *TfrmAvvio::addIcon(QWidget *parent, const QString &name, const QString &icon, const QString &caption,
                                const QString &hint, int x, int y, int size, void (TfrmAvvio::*handler)())
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setAccessibleName(caption);
    button->setToolTip(hint);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    button->setIconSize(QSize(size - 8, size - 8));
    button->setGeometry(x, y, size, size);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

void TfrmAvvio::addTile(int index, int column, int row, WindowId target, const QString &icon, const QString &caption,
                        const QString &hint, void (TfrmAvvio::*handler)())
{
    const QString number = QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
    auto *tile = new QFrame(panApps);
    tile->setObjectName(QStringLiteral("panApp") + number);
    tile->setGeometry(14 + column * (TileWidth + 12), 18 + row * (TileHeight + 18), TileWidth, TileHeight);
    tile->setProperty("tile", true);

    QToolButton *image = addIcon(tile, QStringLiteral("imgApp") + number, icon, caption, hint, (TileWidth - 120) / 2,
                                 8, 120, handler);
    image->setIconSize(QSize(108, 108));

    auto *label = new QToolButton(tile);
    label->setObjectName(QStringLiteral("btnApp") + number);
    label->setText(caption);
    label->setAccessibleName(caption);
    label->setToolTip(hint);
    label->setGeometry(10, 132, TileWidth - 20, 38);
    label->setAutoRaise(true);
    label->setCursor(Qt::PointingHandCursor);
    label->setProperty("tileCaption", true);
    connect(label, &QToolButton::clicked, this, handler);

    m_tiles.append({target, image, label});
}

void TfrmAvvio::refreshTiles()
{
    for (const Tile &tile : std::as_const(m_tiles)) {
        const bool available = m_context.window(tile.target) != nullptr;
        tile.picture->setEnabled(available);
        tile.caption->setEnabled(available);
    }
}

void TfrmAvvio::showBackupProblems(const QStringList &problems)
{
    if (problems.isEmpty()) {
        lblBackup->hide();
        return;
    }
    const QString text = QStringLiteral("Attenzione: la copia di sicurezza di oggi non è riuscita (%1). Gli archivi "
                                        "non sono stati toccati e si può lavorare normalmente; controllare lo spazio "
                                        "libero e i permessi della cartella, poi ripetere la copia.")
                             .arg(problems.join(QStringLiteral("; ")));
    lblBackup->setText(text.toHtmlEscaped()
                       + QStringLiteral(" <a href=\"backup\">Apri le copie di sicurezza</a>"));
    lblBackup->setAccessibleName(text + QStringLiteral(" Apri le copie di sicurezza"));
    lblBackup->show();
}

void TfrmAvvio::imgApp01Click()
{
    m_context.openWorkingWindow(WindowId::Clients, this);
}

void TfrmAvvio::imgApp02Click()
{
    m_context.openWorkingWindow(WindowId::Agenda, this);
}

void TfrmAvvio::imgApp03Click()
{
    m_context.openWorkingWindow(WindowId::Glasses, this);
}

void TfrmAvvio::imgApp04Click()
{
    m_context.openWorkingWindow(WindowId::Lenses, this);
}

void TfrmAvvio::imgInfoClick()
{
    Modal::run(new TfrmInfo(m_context.services(), this));
}

void TfrmAvvio::imgBackupClick()
{
    Modal::run(new BackupWindow(m_context, this));
}

void TfrmAvvio::imgStatisticheClick()
{
    Modal::run(new StatisticsWindow(m_context, this));
}

void TfrmAvvio::imgGuidaClick()
{
    TfrmGuida::showHelp(this, m_context.services(), GeneralHelp::title(), GeneralHelp::text());
}

void TfrmAvvio::imgCreditiClick()
{
    Modal::run(new TfrmSplash(m_context.services(), this));
}

void TfrmAvvio::icoSitoClick()
{
    m_context.services().shell.open(Maker::webAddress());
}

void TfrmAvvio::icoEmailClick()
{
    m_context.services().shell.open(TfrmInfo::mailTarget());
}

void TfrmAvvio::imgEsciClick()
{
    close();
}

void TfrmAvvio::showEvent(QShowEvent *event)
{
    refreshTiles();
    QWidget::showEvent(event);
}

void TfrmAvvio::closeEvent(QCloseEvent *event)
{
    // Every card stores only on its own Save, so there is nothing to ask or keep;
    // the day's work is backed up before the program ends.
    m_context.backupAtClose();
    event->accept();
    QCoreApplication::quit();
}

} // namespace lumivista
