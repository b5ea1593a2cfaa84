#include "app/Application.h"
#include "app/Startup.h"

int main(int argc, char *argv[])
{
    lumivista::Application app(argc, argv);
    return lumivista::Startup::run(app);
}
