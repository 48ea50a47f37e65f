#include "recreations/concentration/ConcentrationResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initConcentrationQrc() { Q_INIT_RESOURCE(concentration); }

namespace tv::concentration {

void initConcentrationResources()
{
    static const bool done = (initConcentrationQrc(), true);
    (void)done;
}

} // namespace tv::concentration
