#pragma once

// A test of what Windows does not have (POSIX permission bits, FIFOs in the file system, a child
// process with a resource limit, symbolic links any user may make) is skipped there with the
// reason printed, so that no test disappears from a Windows run unseen.

#include <gtest/gtest.h>

#ifdef _WIN32
#define TOMBREL_SKIP_ON_WINDOWS(reason) GTEST_SKIP() << "not on Windows: " << reason
#else
#define TOMBREL_SKIP_ON_WINDOWS(reason) static_cast<void>(0)
#endif
