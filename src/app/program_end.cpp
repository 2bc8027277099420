#include "app/program_end.h"

#include "app/single_instance_guard.h"

#include <cstdio>
#include <cstdlib>

namespace mMain {
namespace {

SingleInstanceGuard *instanceGuard = nullptr;

} // namespace

void setInstanceGuard(SingleInstanceGuard *guard) { instanceGuard = guard; }

void EndProgram(int exitCode)
{
    if (instanceGuard)
        instanceGuard->release();
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace mMain
