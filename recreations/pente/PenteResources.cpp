#include "recreations/pente/PenteResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initPenteQrc() { Q_INIT_RESOURCE(pente); }

namespace tv::pente {

void initPenteResources()
{
    static const bool done = (initPenteQrc(), true);
    (void)done;
}

} // namespace tv::pente
