#pragma once

namespace lumivista {

/** The size of the offscreen platform's screen, for the suites that lay
 *  windows out against a real desktop size. Call before the QApplication is
 *  made; it applies only when the suite runs on the offscreen platform. */
class OffscreenScreen
{
public:
    static void use(int width, int height);
};

} // namespace lumivista
