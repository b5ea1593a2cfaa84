#pragma once
#include "archive/ListMember.h"
#include "core/LineList.h"
#include <QDialog>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace lumivista {

class LineListModel;
class WindowRegistry;

/** The searches and the summary lists: one window, a list of record lines with
 *  "Trova" to walk it, a double click to pick and "Stampa" to print. A search
 *  first shows its filter panel; a summary list loads its lines when shown.
 *  Created per use over the card that opens it. */
class RecordListWindow : public QDialog
{
    Q_OBJECT
public:
    RecordListWindow(WindowRegistry &registry, ListMember member, const QString &key, QWidget *parent);

    /** Creates, shows modally and destroys the window. */
    static void run(WindowRegistry &registry, const ListMember &member, const QString &key, QWidget *owner);

    const ListMember &member() const { return m_member; }
    QStringList lines() const;
    int selectedRow() const;
    void selectRow(int row);

    QLabel *lblMemory = nullptr;
    QLabel *lblConta = nullptr;
    QWidget *panAvvio = nullptr;
    QWidget *panContainer = nullptr;
    QLabel *lblAttendere = nullptr;
    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnCerca = nullptr;
    QLineEdit *txtTrova = nullptr;
    QPushButton *btnTrova = nullptr;
    QListView *lstRecords = nullptr;
    QLabel *lblTrovate = nullptr;
    QPushButton *btnChiudi = nullptr;
    QPushButton *btnStampa = nullptr;

    QLineEdit *filter(const QString &name) const;

    void btnCercaClick();
    void btnTrovaClick();
    void btnStampaClick();
    /** Double click: the last record in file order whose line equals the
     *  selected one goes where the key says; the window closes either way. */
    void pickSelected();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildFilterPanel();
    QWidget *buildResultPanel();
    void loadList();
    void showLines(LineList lines);

    WindowRegistry &m_registry;
    ListMember m_member;
    LineListModel *m_model = nullptr;
    ListFind m_find;
    QList<QLineEdit *> m_filters;
    bool m_loaded = false;
};

} // namespace lumivista
