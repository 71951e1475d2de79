#pragma once

#include "core/commands/High.h"
