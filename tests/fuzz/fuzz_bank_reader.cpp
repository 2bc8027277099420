// libFuzzer target: any bytes as a test file, through loading, counting and ArmSCII-8 decoding,
// and as an Aiken and a GIFT question file through the importers.
// A broken property aborts with its description, so the fuzzer keeps the input.
#include "fuzz/bank_invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString broken = fuzzcheck::checkTestFileBytes(bytes);
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "broken property: %s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
