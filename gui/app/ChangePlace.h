#pragma once

#include <QString>

// The window a save comes from, as the change log names it: the active window's title.
QString ActiveWindowPlace();
