#include "TfrmAllegaCartella.h"
#include "core/Utf8.h"
#include "widgets/DialogButton.h"
#include "archive/FieldBinder.h"
#include "archive/HandOver.h"
#include "archive/WindowRegistry.h"
#include "core/ProgramFolder.h"
#include "core/Text.h"
#include "core/WholeFile.h"
#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "widgets/InfoPanel.h"
#include "widgets/Modal.h"
#include "widgets/PictureButton.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

namespace lumivista {

QString TfrmAllegaCartella::folder()
{
    return ProgramFolder::file(folderName());
}

QStringList TfrmAllegaCartella::cardLabels()
{
    QStringList names;
    for (const char *kind : {"lblFile", "lblDesc"})
        for (int slot = 1; slot <= 3; ++slot)
            names << Text::numbered(kind, slot);
    return names;
}

TfrmAllegaCartella::TfrmAllegaCartella(WindowRegistry &registry, const QString &key, const QStringList &values,
                                       QWidget *parent)
    : QDialog(parent)
    , m_registry(registry)
{
    setObjectName(s("TfrmAllegaCartella"));
    setWindowTitle(s(" Allega file"));
    setFixedSize(634, 534);
    setModal(true);
    lblMemory = new QLabel(key, this);
    lblMemory->setObjectName(s("lblMemory"));
    lblMemory->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(new InfoPanel(s("imgBanner"), s("attach"),
                                    s("Scegliere i file da allegare con \"Sfoglia...\", poi premere \"Applica e "
                                      "chiudi\" e salvare la scheda. Per aprire un file allegato premere \"Apri\"."),
                                    s("blue"), this));
    for (int slot = 1; slot <= 3; ++slot) {
        auto *box = new QFrame(this);
        box->setObjectName(Text::numbered("panSlot", slot));
        box->setProperty("slotBox", true);
        auto *grid = new QGridLayout(box);
        grid->setVerticalSpacing(2);
        auto *nameLabel = new QLabel(s("Nome %1° file allegato:").arg(slot), box);
        auto *name = new QLineEdit(values.value(slot - 1), box);
        name->setObjectName(Text::numbered("txtFile", slot));
        name->setReadOnly(true);
        name->setAccessibleName(nameLabel->text());
        name->setProperty("slotName", true);
        nameLabel->setBuddy(name);
        auto *clear = new PictureButton(Text::numbered("imgCancella", slot), s("Cancella %1° file allegato").arg(slot),
                                        s("delete"), s("Toglie il file da questa casella (il file resta nella cartella)."),
                                        box);
        clear->setToolButtonStyle(Qt::ToolButtonIconOnly);
        auto *browseButton = new QPushButton(s("Sfoglia..."), box);
        browseButton->setObjectName(Text::numbered("btnSfoglia", slot));
        browseButton->setAccessibleName(s("Sfoglia %1° file").arg(slot));
        auto *open = new QPushButton(s("Apri"), box);
        open->setObjectName(Text::numbered("btnApri", slot));
        open->setAccessibleName(s("Apri %1° file").arg(slot));
        auto *descLabel = new QLabel(s("Descrizione %1° file allegato:").arg(slot), box);
        auto *desc = new QLineEdit(values.value(slot + 2), box);
        desc->setObjectName(Text::numbered("txtDesc", slot));
        desc->setAccessibleName(descLabel->text());
        desc->setProperty("slotDesc", true);
        descLabel->setBuddy(desc);
        grid->addWidget(nameLabel, 0, 0, 1, 4);
        grid->addWidget(name, 1, 0);
        grid->addWidget(clear, 1, 1);
        grid->addWidget(browseButton, 1, 2);
        grid->addWidget(open, 1, 3);
        grid->addWidget(descLabel, 2, 0, 1, 4);
        grid->addWidget(desc, 3, 0, 1, 4);
        grid->setColumnStretch(0, 1);
        layout->addWidget(box);

        // "Apri" only while there is a name to open.
        auto follow = [open](const QString &text) { open->setEnabled(!Text::trim(text).isEmpty()); };
        connect(name, &QLineEdit::textChanged, open, follow);
        follow(name->text());
        connect(clear, &QToolButton::clicked, name, &QLineEdit::clear);
        connect(browseButton, &QPushButton::clicked, this, [this, slot] { browse(slot); });
        connect(open, &QPushButton::clicked, this, [this, slot] { openFile(slot); });
    }
    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch(1);
    btnAnnulla = DialogButton::make(this, s("btnAnnulla"), s("Annulla"), QString(), 130);
    btnApplica = DialogButton::make(this, s("btnApplica"), s("Applica e chiudi"), QString(), 130);
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
}

void TfrmAllegaCartella::run(WindowRegistry &registry, const QString &key, QWidget *card)
{
    QStringList values;
    for (const QString &label : cardLabels())
        values << Text::trim(FieldBinder::text(card->findChild<QWidget *>(label)));
    Modal::run(new TfrmAllegaCartella(registry, key, values, card));
}

QLineEdit *TfrmAllegaCartella::fileEdit(int slot) const
{
    return findChild<QLineEdit *>(Text::numbered("txtFile", slot));
}

QLineEdit *TfrmAllegaCartella::descEdit(int slot) const
{
    return findChild<QLineEdit *>(Text::numbered("txtDesc", slot));
}

QPushButton *TfrmAllegaCartella::openButton(int slot) const
{
    return findChild<QPushButton *>(Text::numbered("btnApri", slot));
}

void TfrmAllegaCartella::browse(int slot)
{
    Services &services = m_registry.services();
    // The user's documents, not the program folder with its archives; "*" also
    // shows the many files without an extension.
    QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString chosen = services.fileDialog.openFile(this, s("Selezionare il file da allegare:"), start,
                                                        s("Tutti i file (*)"));
    if (chosen.isEmpty())
        return;
    const QString name = QFileInfo(chosen).fileName();
    const QString target = QDir(folder()).filePath(name);
    auto refuse = [&](const QString &why) {
        // The slot keeps what it had: a name here must mean a file in the folder.
        services.messages.warning(s("Attenzione: non è stato possibile copiare il file nella cartella dei documenti "
                                    "allegati.\n\r\n\r%1").arg(why));
    };
    if (!QDir().mkpath(folder())) {
        refuse(s("Impossibile creare la cartella %1.").arg(folder()));
        return;
    }
    if (QFileInfo::exists(target)) {
        if (!services.messages.confirm(s("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                                         "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"))) {
            fileEdit(slot)->setText(name); // it now refers to the file already there
            return;
        }
        // Picked from the folder itself: nothing to copy, and copying would lose it.
        if (QFileInfo(chosen).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
            fileEdit(slot)->setText(name);
            return;
        }
    }
    switch (WholeFile::copy(chosen, target)) {
    case WholeFile::CopyFailure::None:
        break;
    case WholeFile::CopyFailure::Source:
        refuse(s("Il file scelto non può essere letto."));
        return;
    case WholeFile::CopyFailure::Target:
        refuse(s("La cartella dei documenti allegati non accetta il file: il disco potrebbe essere pieno o protetto "
                 "da scrittura. L'eventuale file precedente con lo stesso nome è rimasto com'era."));
        return;
    }
    fileEdit(slot)->setText(name);
}

void TfrmAllegaCartella::openFile(int slot)
{
    const QString name = Text::trim(fileEdit(slot)->text());
    if (name.isEmpty())
        return;
    m_registry.services().shell.open(
        QUrl::fromLocalFile(QDir(folder()).filePath(name)).toString(QUrl::FullyEncoded));
}

void TfrmAllegaCartella::btnApplicaClick()
{
    QStringList values;
    for (int slot = 1; slot <= 3; ++slot)
        values << Text::trim(fileEdit(slot)->text());
    for (int slot = 1; slot <= 3; ++slot)
        values << Text::trim(descEdit(slot)->text());
    HandOver::deliver(m_registry, lblMemory->text(), values, HandOver::Purpose::Attachments);
    accept();
}

} // namespace lumivista
