#pragma once

namespace quarvane {

// Makes a write past the process's file-size limit fail with an error the
// save can report, instead of ending the program (POSIX raises SIGXFSZ).
// The one platform-specific call of the program.
void reportFileSizeLimitAsError();

} // namespace quarvane
