#include "TfrmAttachedFolder.h"
#include "core/Utf8.h"
#include "widgets/DialogButton.h"
#include "core/ProgramFolder.h"
#include "core/Text.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "widgets/InfoPanel.h"
#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <stdexcept>

namespace lumivista {

QString TfrmAttachedFolder::folderFor(const QString &position)
{
    return ProgramFolder::file(QStringLiteral("Cliente_") + Text::trim(position));
}

TfrmAttachedFolder::TfrmAttachedFolder(Services &services, const QString &position, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(s("TfrmAttachedFolder"));
    setWindowTitle(s(" Gestione cartella abbinata alla scheda corrente"));
    setFixedSize(670, 530);
    setModal(true);
    lblMemory = new QLabel(Text::trim(position), this);
    lblMemory->setObjectName(s("lblMemory"));
    lblMemory->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    auto *banner = new QLabel(s("Gestione cartella abbinata alla scheda corrente"), this);
    banner->setObjectName(s("imgBanner"));
    banner->setProperty("listBanner", true);
    banner->setAlignment(Qt::AlignCenter);
    layout->addWidget(banner);
    layout->addWidget(new InfoPanel(s("imgSpiegazione"), s("info"),
                                    s("Alla scheda corrente è abbinata una cartella in cui conservare qualsiasi file "
                                      "riguardante il cliente: documenti, immagini, referti. Premere il pulsante qui "
                                      "sotto per aprirla."),
                                    s("blue"), this));
    auto *picture = new QLabel(this);
    picture->setObjectName(s("imgCartella"));
    picture->setPixmap(QIcon(s(":/icons/folder.svg")).pixmap(128, 128));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(s("Cartella del cliente"));
    layout->addWidget(picture, 1);
    btnApriCartella = DialogButton::make(this, s("btnApriCartella"), s("Apri cartella"), QString(), 180);
    layout->addWidget(btnApriCartella, 0, Qt::AlignHCenter);
    layout->addWidget(new InfoPanel(s("imgCopia"), s("info"),
                                    s("La cartella si trova nella cartella del programma: copiando l'intera cartella "
                                      "del programma su un disco esterno o su una chiavetta USB si salvano il "
                                      "programma e tutti i dati archiviati."),
                                    s("orange"), this));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnChiudi = DialogButton::make(this, s("btnChiudi"), s("Chiudi"), QString(), 130);
    buttons->addWidget(btnChiudi);
    layout->addLayout(buttons);
    connect(btnApriCartella, &QPushButton::clicked, this, &TfrmAttachedFolder::btnApriCartellaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmAttachedFolder::btnApriCartellaClick()
{
    const QString path = folderFor(lblMemory->text());
    if (!QDir().mkpath(path))
        throw std::runtime_error(
            s("Impossibile creare la cartella %1.").arg(QDir::toNativeSeparators(path)).toStdString());
    m_services.shell.open(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
    accept();
}

} // namespace lumivista
