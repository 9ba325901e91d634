#include "Bench.h"

namespace Bench
{
std::vector<Entry> &registry()
{
    static std::vector<Entry> entries;
    return entries;
}
} // namespace Bench
