#include "text/process_setup.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace quarvane {

void reportFileSizeLimitAsError()
{
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace quarvane
