#include "lessons/RegisterLessons.h"

#include "app/WindowRegistry.h"
#include "lessons/unitReferenceDefinitions.h"

namespace tv {

void registerLessonsWindows(WindowRegistry& registry)
{
    registry.addOwned<TfrmReferenceDefinitions>();
}

} // namespace tv
