#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumivista {

class PictureButton;
class WindowRegistry;

/** Three attachment slots of a client or prescription card: a file copied into
 *  the shared folder Documenti_Allegati and a description each. lblMemory says
 *  which card gets them back on "Applica e chiudi"; the card stores them on its
 *  next Save. Per use, modal. */
class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT
public:
    static QString folderName() { return QStringLiteral("Documenti_Allegati"); }
    static QString folder();
    /** The card's hidden labels of the three slots: lblFile01 ... lblFile03, lblDesc01 ... lblDesc03. */
    static QStringList cardLabels();

    /** key: "clients", "occhiali" or "lenti"; values: the card's six hidden labels,
     *  three file names then three descriptions. */
    TfrmAllegaCartella(WindowRegistry &registry, const QString &key, const QStringList &values, QWidget *parent);

    /** Opens the window over a card with its lblFile and lblDesc labels. */
    static void run(WindowRegistry &registry, const QString &key, QWidget *card);

    QLabel *lblMemory = nullptr;
    QPushButton *btnApplica = nullptr;
    QPushButton *btnAnnulla = nullptr;

    QLineEdit *fileEdit(int slot) const;
    QLineEdit *descEdit(int slot) const;
    QPushButton *openButton(int slot) const;

    /** "Sfoglia...": picks a file and copies it into the folder. */
    void browse(int slot);
    /** "Apri": the slot's file through the desktop, as a file URL. */
    void openFile(int slot);
    void btnApplicaClick();

private:
    WindowRegistry &m_registry;
};

} // namespace lumivista
