#include "WindowTest.h"
#include "agenda/AgendaExports.h"
#include "agenda/TfrmAgenda.h"
#include "app/Startup.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "archive/CardWindow.h"
#include "archive/DocumentPrint.h"
#include "archive/HandOver.h"
#include "archive/PrescriptionCard.h"
#include "archive/RecordListWindow.h"
#include "clients/ClientHistoryList.h"
#include "clients/TfrmClients.h"
#include "clients/TfrmDentalCondition.h"
#include "core/ExportColumns.h"
#include "glasses/TfrmConformita.h"
#include "platform/PrintFailure.h"
#include "report/ReportTemplate.h"
#include <QLineEdit>
#include <QtTest>

using namespace lumivista;

/** The families are tables that name controls, record fields and template
 *  objects by string. One walk over every member of every table: a name that
 *  resolves to nothing fails here, saying which table and member hold it. */
class TestMemberTables : public WindowTest
{
    Q_OBJECT

    QStringList dangling;

    void control(const QWidget *window, const QString &where, const QString &name)
    {
        if (!name.isEmpty() && !window->findChild<QWidget *>(name))
            dangling << QStringLiteral("%1: control %2").arg(where, name);
    }
    void field(const RecordLayout *layout, const QString &where, const QString &name)
    {
        if (!layout)
            dangling << QStringLiteral("%1: no record layout").arg(where);
        else if (layout->indexOf(name) < 0)
            dangling << QStringLiteral("%1: field %2").arg(where, name);
    }

    void listMember(const ListMember &member, const QString &where)
    {
        for (const QString &name : member.line.unresolved())
            dangling << QStringLiteral("%1 line: field %2").arg(where, name);
        QStringList edits;
        for (const ListFilter &f : member.filters) {
            field(member.line.layout(), where + QStringLiteral(" filter"), f.field);
            edits << f.edit;
        }
        if (member.isSearch() && !edits.contains(member.firstFocus))
            dangling << QStringLiteral("%1: first focus %2").arg(where, member.firstFocus);
        if (member.exportMember.isValid())
            exportMember(member.exportMember, where + QStringLiteral(" export ") + member.exportMember.windowName);
    }

    void exportMember(const ExportMember &member, const QString &where)
    {
        for (const ExportColumn &column : member.columns)
            if (column.field != ExportColumns::keyField())
                field(member.layout, where + QStringLiteral(" column"), column.field);
    }

    void document(const DocumentPrint &print, const QString &where)
    {
        // Every object the fill sets must be in the template: a missing one throws.
        try {
            ReportTemplate report = ReportTemplate::named(print.templateFile);
            if (print.fill)
                print.fill(report);
        } catch (const PrintFailure &failure) {
            dangling << QStringLiteral("%1: %2").arg(where, failure.message());
        }
    }

    void card(CardWindow *card)
    {
        const CardDefinition &d = card->definition();
        const QString name = card->objectName();
        for (const RequiredField &r : d.required)
            control(card, name + QStringLiteral(" required"), r.control);
        for (const QString &c : d.enterCycle)
            control(card, name + QStringLiteral(" enterCycle"), c);
        for (const QString &c : d.digitOnly)
            control(card, name + QStringLiteral(" digitOnly"), c);
        for (const QString &c : d.duplicateClears)
            control(card, name + QStringLiteral(" duplicateClears"), c);
        control(card, name + QStringLiteral(" focusOnNew"), d.focusOnNew);
        control(card, name + QStringLiteral(" focusOnDuplicate"), d.focusOnDuplicate);
        const CardCommands &c = d.commands;
        for (const QString &command : {c.newRecord, c.duplicate, c.save, c.find, c.first, c.previous, c.next, c.last,
                                       c.help, c.close, c.exportArchive})
            control(card, name + QStringLiteral(" commands"), command);
        for (const auto &[button, member] : d.lists) {
            control(card, name + QStringLiteral(" lists"), button);
            listMember(member, name + QStringLiteral(" list ") + member.windowName);
        }
        exportMember(d.exportMember, name + QStringLiteral(" export ") + d.exportMember.windowName);
    }

private Q_SLOTS:
    void init() { startWindowTest(); }
    void cleanup() { endWindowTest(); }

    void everyNameResolves()
    {
        Startup::createWorkingWindows(*context);
        auto *clients = context->get<TfrmClients>(WindowId::Clients);
        auto *glasses = context->get<PrescriptionCard>(WindowId::Glasses);
        auto *lenses = context->get<PrescriptionCard>(WindowId::Lenses);
        auto *appointments = context->get<TfrmArchivio_Scadenze>(WindowId::Appointments);
        QVERIFY(clients && glasses && lenses && appointments);
        for (CardWindow *w : {static_cast<CardWindow *>(clients), static_cast<CardWindow *>(glasses),
                              static_cast<CardWindow *>(lenses), static_cast<CardWindow *>(appointments)})
            card(w);
        // The client's history is opened by its own button, not from the card's lists.
        listMember(ClientHistoryList::member(*clients), QStringLiteral("client history"));
        for (const ExportMember &agenda : {AgendaExports::imminent(), AgendaExports::day(), AgendaExports::month()})
            exportMember(agenda, QStringLiteral("agenda export ") + agenda.windowName);
        for (const QString &missing : HandOver::unresolved(*context))
            dangling << QStringLiteral("hand-over %1").arg(missing);

        document(clients->printout(), QStringLiteral("client sheet"));
        document(appointments->printout(), QStringLiteral("appointment sheet"));
        document(glasses->printout(), QStringLiteral("eyeglass prescription"));
        document(lenses->printout(), QStringLiteral("contact-lens prescription"));
        TfrmConformita declaration(fakes->services(), *glasses, glasses);
        document(declaration.front(), QStringLiteral("declaration, front"));
        document(TfrmConformita::back(), QStringLiteral("declaration, back"));
        TfrmDentalCondition exam(fakes->services(), *clients, clients);
        document(exam.sheet(), QStringLiteral("exam sheet"));

        QVERIFY2(dangling.isEmpty(), qPrintable(dangling.join(QLatin1Char('\n'))));
    }

    void aDanglingNameIsCaught()
    {
        // The walk itself: a typo in a table is found, not skipped.
        auto *clients = new TfrmClients(*context);
        std::unique_ptr<TfrmClients> owner(clients);
        CardDefinition typo = clients->definition();
        typo.duplicateClears << QStringLiteral("txtNmae");
        const int before = int(dangling.size());
        control(clients, QStringLiteral("TfrmClients duplicateClears"), typo.duplicateClears.last());
        QCOMPARE(int(dangling.size()), before + 1);
        const LineFormat line(RecordLayout::clients(), {{QString(), QStringLiteral("Nmae"), 30}});
        QCOMPARE(line.unresolved(), QStringList{QStringLiteral("Nmae")});
        dangling.clear();
    }
};

QTEST_MAIN(TestMemberTables)
#include "tst_membertables.moc"
