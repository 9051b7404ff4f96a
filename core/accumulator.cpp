#include "core/accumulator.h"

#include "core/number.h"

namespace zoret {

double accumulatorProduct(std::span<const double> odds)
{
    double product = 1;
    for (const double event : odds)
        product = checked(event * product);
    return product;
}

} // namespace zoret
