#pragma once
#include <QDialog>
#include <QHash>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace lumivista {

class EnterCycle;
struct Services;

/** The consent form for the processing of personal data: the shop's data,
 *  remembered in the settings file, and the client's, taken from the card, go
 *  into Modulo_Privacy.rtf in the program folder. Per use, modal. */
class TfrmPrivacy : public QDialog
{
    Q_OBJECT
public:
    /** The client fields come from the card's controls, trimmed; the date is today. */
    TfrmPrivacy(Services &services, const QWidget &card, QWidget *parent);

    QComboBox *txtProvDent = nullptr;
    QComboBox *txtProvRes = nullptr;
    QPushButton *btnChiudi = nullptr;
    QPushButton *btnRTF = nullptr;

    QLineEdit *edit(const QString &name) const;
    /** Every field's trimmed text by field name. */
    QHash<QString, QString> values() const;
    /** "Crea file .RTF". */
    void btnRTFClick();

    static const QStringList &provinces();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *field(const QString &name, const QString &label, QWidget *box, const QString &whose = QString());
    QComboBox *province(const QString &name, const QString &accessible, QWidget *box);

    Services &m_services;
    EnterCycle *m_cycle = nullptr;
    bool m_loaded = false;
};

} // namespace lumivista
