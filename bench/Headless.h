#pragma once
#include <QByteArray>
#include <QtGlobal>

/** Benchmarks run on build machines without a display: with none set, and no
 *  platform chosen, they draw offscreen instead of aborting. */
class Headless
{
public:
    static void applyWhenNoDisplay()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
};
