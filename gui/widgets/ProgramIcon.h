#pragma once

#include <QIcon>

// The crossed-foils icon of the program, in every size that is packaged.
QIcon ProgramIcon();
