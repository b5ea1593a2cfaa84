#pragma once
#include "archive/ListMember.h"
#include "core/LineList.h"
#include <QDialog>

class QHBoxLayout;
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
    /** Lists of rows of our own: the figures above the list, and "Esporta". */
    QLabel *lblRiepilogo = nullptr;
    QPushButton *btnEsporta = nullptr;

    QLineEdit *filter(const QString &name) const;

    void btnCercaClick();
    void btnTrovaClick();
    void btnStampaClick();
    void btnEsportaClick();
    /** Double click: the last record in file order whose line equals the
     *  selected one goes where the key says; the window closes either way. */
    void pickSelected();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    WindowRegistry &registry() const { return m_registry; }
    /** Reads the list again, keeping the selected line where it can. */
    void reload();
    /** The row record of the selected line of a list of rows; null when none. */
    const Record *selectedRecord() const;
    /** Rows between the find row and the list, and beside the print button,
     *  for a member's own controls. */
    QHBoxLayout *optionRow() const { return m_optionRow; }
    QHBoxLayout *commandRow() const { return m_commandRow; }

private:
    QWidget *buildFilterPanel();
    QWidget *buildResultPanel();
    void loadList();
    void showLines(LineList lines);

    WindowRegistry &m_registry;
    ListMember m_member;
    QList<Record> m_rows;
    QHBoxLayout *m_optionRow = nullptr;
    QHBoxLayout *m_commandRow = nullptr;
    LineListModel *m_model = nullptr;
    ListFind m_find;
    QList<QLineEdit *> m_filters;
    bool m_loaded = false;
};

} // namespace lumivista
