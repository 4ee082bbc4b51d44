#pragma once

#include <sys/stat.h>

// Whether /dev/full is the kernel's always-full device. Tests of a full disk write to it only
// then: on a machine where it is missing or a plain file, writing there would make a file.
inline bool FullDeviceAvailable() {
    struct stat device {};
    return stat("/dev/full", &device) == 0 && S_ISCHR(device.st_mode);
}
