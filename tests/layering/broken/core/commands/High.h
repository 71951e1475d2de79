#pragma once

#include "core/record/Low.h"
