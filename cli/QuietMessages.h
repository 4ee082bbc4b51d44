#pragma once

// A command line tool runs without a desktop session; Qt's note about the missing runtime
// folder would only clutter the error stream that scripts read. Keeps every other message.
void InstallQuietMessageHandler();
