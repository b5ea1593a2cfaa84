#pragma once
#include <QString>

class QWidget;

namespace lumivista {

/** The working windows open maximised around a fixed-size panel: the panel sits
 *  centred on a calm blue-grey frame instead of system grey. */
class CentredPanel
{
public:
    /** Lays out window with one centred, styled panel and returns the panel. */
    static QWidget *install(QWidget *window, const QString &panelName);
};

} // namespace lumivista
