#include "core/record/Low.h"
#include "ui/MainWindow.h"
