#include "app/program_end.h"

#include "app/single_instance_guard.h"

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace app::mMain {
namespace {

app::SingleInstanceGuard *instanceGuard = nullptr;
EndProgramHandler endHandler;

} // namespace

void setInstanceGuard(app::SingleInstanceGuard *guard)
{
    instanceGuard = guard;
}

EndProgramHandler setEndProgramHandler(EndProgramHandler handler)
{
    EndProgramHandler previous = std::move(endHandler);
    endHandler = std::move(handler);
    return previous;
}

void EndProgram(int exitCode)
{
    if (endHandler)
        endHandler(exitCode);
    if (instanceGuard)
        instanceGuard->release();
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // _Exit skips the leak check that a normal exit runs; the sanitizer build still wants it.
    __lsan_do_leak_check();
#endif
    std::_Exit(exitCode);
}

} // namespace app::mMain
