#include "app/program_end.h"

#include "app/single_instance_guard.h"

#include <cstdio>
#include <cstdlib>

namespace mMain {
namespace {

SingleInstanceGuard *instanceGuard = nullptr;
EndProgramHandler endHandler;

} // namespace

void setInstanceGuard(SingleInstanceGuard *guard) { instanceGuard = guard; }

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
    std::_Exit(exitCode);
}

} // namespace mMain
