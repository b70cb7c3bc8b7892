#include "app/QX61ModelResources.h"

#include "app/AppImages.h"
#include "model/ModelConstants.h"
#include "views/selectors/Q61ProductProductImageViewSelector.h"

QX61ModelResources::QX61ModelResources()
    : aboutImage (AppImages::aboutPicture()),
      defaultPreset (ModelConstants::qx61DefaultPreset())
{
}

std::unique_ptr<ViewSelector> QX61ModelResources::createProductImageSelector()
{
    auto selector = std::make_unique<Q61ProductProductImageViewSelector>();
    selector->setTopLeftPosition ((1200 - selector->getWidth()) / 2, 46);
    return selector;
}
