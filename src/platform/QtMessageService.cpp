#include "QtMessageService.h"
#include <QAbstractButton>
#include <QApplication>

namespace lumivista {

namespace {

/** The boxes speak Italian whether or not Qt's own translations are installed. */
QString buttonText(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return QStringLiteral("OK");
    case QMessageBox::Cancel: return QStringLiteral("Annulla");
    case QMessageBox::Yes: return QStringLiteral("Sì");
    case QMessageBox::No: return QStringLiteral("No");
    default: return QString();
    }
}

} // namespace

QString QtMessageService::displayText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || c == u'\r') {
            const QChar pair = c == u'\n' ? u'\r' : u'\n';
            if (i + 1 < text.size() && text.at(i + 1) == pair)
                ++i;
            shown += u'\n';
        } else {
            shown += c;
        }
    }
    return shown;
}

int QtMessageService::show(QMessageBox::Icon icon, const QString &title, const QString &text,
                           QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, displayText(text), buttons, QApplication::activeWindow());
    // Plain text: a "<" in a client's name must not switch the box to rich text.
    box.setTextFormat(Qt::PlainText);
    for (QAbstractButton *button : box.buttons()) {
        const QString caption = buttonText(box.standardButton(button));
        if (!caption.isEmpty())
            button->setText(caption);
    }
    return box.exec();
}

void QtMessageService::warning(const QString &text)
{
    show(QMessageBox::Warning, QStringLiteral("Attenzione"), text, QMessageBox::Ok | QMessageBox::Cancel);
}

void QtMessageService::information(const QString &text)
{
    show(QMessageBox::Information, QStringLiteral("Informazione"), text, QMessageBox::Ok | QMessageBox::Cancel);
}

void QtMessageService::error(const QString &text)
{
    show(QMessageBox::Critical, QStringLiteral("Errore"), text, QMessageBox::Ok | QMessageBox::Cancel);
}

void QtMessageService::plain(const QString &text)
{
    show(QMessageBox::NoIcon, QStringLiteral("Lumivista"), text, QMessageBox::Ok);
}

bool QtMessageService::confirm(const QString &text)
{
    return show(QMessageBox::Question, QStringLiteral("Conferma"), text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace lumivista
