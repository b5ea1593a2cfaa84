#include "HandOver.h"
#include "archive/FieldBinder.h"
#include "archive/TfrmAllegaCartella.h"
#include "core/Text.h"

namespace lumivista {

namespace {

struct Target
{
    const char *key;
    WindowId window;
    QStringList controls;
    HandOver::Purpose purpose = HandOver::Purpose::Values;
};

QStringList clientLines()
{
    QStringList names;
    for (int i = 1; i <= 5; ++i)
        names << Text::numbered("txtClienteRigo", i);
    return names;
}

/** The keys are the behaviour: each opener writes one of them. */
const QList<Target> &table()
{
    static const QList<Target> targets = {
        {"data", WindowId::Appointments, {QStringLiteral("txtData")}},
        {"occhiali_data", WindowId::Glasses, {QStringLiteral("txtData")}},
        {"occhiali_consegna", WindowId::Glasses, {QStringLiteral("txtConsegna")}},
        {"lenti_data", WindowId::Lenses, {QStringLiteral("txtData")}},
        {"lenti_consegna", WindowId::Lenses, {QStringLiteral("txtConsegna")}},
        // The client import: a client picked in the client search.
        {"occhiali", WindowId::Glasses, clientLines()},
        {"lenti", WindowId::Lenses, clientLines()},
        {"scadenze", WindowId::Appointments,
         {QStringLiteral("txtContatto"), QStringLiteral("txtTel"), QStringLiteral("txtCel"), QStringLiteral("txtEmail"),
          QStringLiteral("txtLuogo")}},
        // The attachment window: three file names, then three descriptions.
        {"clients", WindowId::Clients, TfrmAllegaCartella::cardLabels(), HandOver::Purpose::Attachments},
        {"occhiali", WindowId::Glasses, TfrmAllegaCartella::cardLabels(), HandOver::Purpose::Attachments},
        {"lenti", WindowId::Lenses, TfrmAllegaCartella::cardLabels(), HandOver::Purpose::Attachments},
    };
    return targets;
}

} // namespace

QList<QWidget *> HandOver::targets(const WindowRegistry &registry, const QString &key, Purpose purpose)
{
    for (const Target &t : table()) {
        if (key != QLatin1String(t.key) || t.purpose != purpose)
            continue;
        QWidget *window = registry.window(t.window);
        if (!window)
            return {};
        QList<QWidget *> controls;
        for (const QString &name : t.controls) {
            QWidget *control = window->findChild<QWidget *>(name);
            if (!control)
                return {};
            controls << control;
        }
        return controls;
    }
    return {};
}

QStringList HandOver::unresolved(const WindowRegistry &registry)
{
    QStringList missing;
    for (const Target &t : table()) {
        QWidget *window = registry.window(t.window);
        for (const QString &name : t.controls)
            if (!window || !window->findChild<QWidget *>(name))
                missing << QStringLiteral("%1: %2").arg(QLatin1String(t.key), name);
    }
    return missing;
}

bool HandOver::deliver(const WindowRegistry &registry, const QString &key, const QStringList &values, Purpose purpose)
{
    const QList<QWidget *> controls = targets(registry, key, purpose);
    if (controls.isEmpty() || controls.size() != values.size())
        return false;
    for (int i = 0; i < controls.size(); ++i)
        FieldBinder::setText(controls.at(i), values.at(i));
    return true;
}

std::function<bool(const QString &, const QStringList &)> HandOver::deliverer(const WindowRegistry &registry)
{
    return [&registry](const QString &key, const QStringList &values) { return deliver(registry, key, values); };
}

} // namespace lumivista
