#include "app/Startup.h"

int main(int argc, char** argv) {
    return tombrel::runApplication(argc, argv);
}
