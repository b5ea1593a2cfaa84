#include "Startup.h"
#include "StatisticsWindow.h"
#include "clients/ClientHistoryList.h"
#include "clients/RecallListWindow.h"
#include "core/RecallFile.h"
#include "core/RecordLayout.h"
#include "AppContext.h"
#include "Application.h"
#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "TfrmPassword.h"
#include "agenda/AgendaExports.h"
#include "agenda/TfrmAgenda.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "clients/TfrmClients.h"
#include "glasses/TfrmOcchiali.h"
#include "lenses/TfrmLenti.h"
#include "core/PasswordFile.h"
#include "core/PrivacyDocument.h"
#include "core/ProgramFolder.h"
#include "core/Settings.h"
#include "core/WholeFile.h"
#include "platform/QtServices.h"
#include "widgets/KeyboardRules.h"
#include "widgets/Style.h"
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lumivista {

void Startup::applyConventions(QApplication &app)
{
    app.setApplicationName(QStringLiteral("Lumivista"));
    app.setApplicationDisplayName(QString());
    app.setApplicationVersion(QStringLiteral("1.0.0"));
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/logo.svg")));
    // Windows are hidden and shown all the time; the program ends only by Esci on
    // the login window or by closing the home screen.
    app.setQuitOnLastWindowClosed(false);
    Style::install(app);
    KeyboardRules::install(app);

    // Italian throughout: decimal comma without grouping, Italian month and day
    // names in the calendars. Dates are always written dd/mm/yyyy explicitly.
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);

    static QTranslator *qtTranslator = nullptr;
    if (!qtTranslator) {
        qtTranslator = new QTranslator(&app);
        if (qtTranslator->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            app.installTranslator(qtTranslator);
    }
}

void Startup::createWindows(AppContext &context)
{
    context.adopt(WindowId::Password, new TfrmPassword(context));
    context.adopt(WindowId::Home, new TfrmAvvio(context));
    context.adopt(WindowId::ChangePassword, new TfrmCambiaPassword(context));
    createWorkingWindows(context);
}

void Startup::createWorkingWindows(AppContext &context)
{
    context.adopt(WindowId::Clients, new TfrmClients(context));
    context.adopt(WindowId::Glasses, new TfrmOcchiali(context));
    context.adopt(WindowId::Lenses, new TfrmLenti(context));
    context.adopt(WindowId::Appointments, new TfrmArchivio_Scadenze(context));
    context.adopt(WindowId::Agenda, new TfrmAgenda(context));
}

QStringList Startup::wholeFiles()
{
    QStringList names = {PasswordFile::fileName(),
                         Settings::fileName(),
                         PrivacyDocument::fileName(),
                         TfrmClients::cardDefinition().exportMember.fileName,
                         TfrmArchivio_Scadenze::cardDefinition().exportMember.fileName,
                         TfrmOcchiali::prescriptionTraits().exportMember.fileName,
                         TfrmLenti::prescriptionTraits().exportMember.fileName,
                         AgendaExports::imminent().fileName,
                         AgendaExports::day().fileName,
                         AgendaExports::month().fileName,
                         ClientHistoryList::exportFileName(),
                         RecallListWindow::member().exportMember.fileName,
                         StatisticsWindow::exportFileName(),
                         RecallFile::fileName()};
    // A restore puts each archive in place through a temporary file of its own.
    for (const RecordLayout *layout : RecordLayout::archives())
        names << layout->archiveFileName();
    return names;
}

void Startup::removeLeftovers()
{
    // A crash in the middle of writing one of these leaves its temporary file
    // behind where the file system has no unnamed temporary files (network
    // shares, FAT sticks).
    WholeFile::removeLeftovers(ProgramFolder::path(), wholeFiles());
}

int Startup::run(QApplication &app)
{
    applyConventions(app);
    removeLeftovers();
    QtServices services;
    if (auto *application = qobject_cast<Application *>(&app))
        application->setMessages(&services.services().messages);
    AppContext context(services.services());
    createWindows(context);
    context.window(WindowId::Password)->show();
    return app.exec();
}

} // namespace lumivista
