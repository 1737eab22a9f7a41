#include "trx/BasicCommandSet.h"

#include "trx/CatNumbers.h"

namespace trx {

QString BasicCommandSet::frequencyText() const
{
    return groupedKHzText(m_state.kHz, 3);
}

} // namespace trx
